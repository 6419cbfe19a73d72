#!/usr/bin/env bash
# The install lays out the data set once and never overwrites a carnival.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" > /dev/null
for path in data/carnival.dat data/houses.dat data/points.dat "data/Click New Carnival/events.dat" \
            "pristine data/athletics/events.dat" "pristine data/swimming/events.dat" \
            help/index.htm "help/Blank Page 2.htm"; do
  [ -f "$prefix/$path" ] || { echo "missing $path"; exit 1; }
done
for type in athletics swimming; do
  [ -d "$prefix/pristine data/$type/events" ] || { echo "missing $type/events"; exit 1; }
  for age in 12 13 14 15 16 17+; do
    [ -d "$prefix/pristine data/$type/individuals/$age" ] || { echo "missing $type/individuals/$age"; exit 1; }
  done
done
if find "$prefix" -name .gitkeep | grep -q .; then echo "placeholder files installed"; exit 1; fi
for program in ostrivale quillmere sablewick; do
  [ -x "$prefix/$program" ] || { echo "$program missing"; exit 1; }
done

printf 'Athletics\r\n 2011 \r\n' > "$prefix/data/carnival.dat"
printf 'mine\r\n' > "$prefix/pristine data/athletics/events.dat"
cmake --install "$build_dir" --prefix "$prefix" > /dev/null
grep -q Athletics "$prefix/data/carnival.dat" || { echo "carnival overwritten"; exit 1; }
grep -q mine "$prefix/pristine data/athletics/events.dat" || { echo "templates overwritten"; exit 1; }
echo "install keeps the carnival"
