#pragma once
// The age champions of one age group and sex: the competitors of the group's
// age-champion file ranked by their points.

#include "agechamp_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace carnival {

// The competitors of the first 50 records in descending order of points.
// Equal totals keep their record order, so negative totals follow every
// positive one. Free slots ("zz"), blank names and zero totals are left out.
std::vector<AgeChampEntry> rankAgeChamps(const std::vector<AgeChampEntry>& records);

// The ranking of a group of the current carnival type, its file read once.
// Without an age group or a sex there is no group, and a file missing from
// its group's folder holds no competitor: the ranking is empty and nothing is
// created. Throws DataFileError naming the file when its folder is missing or
// the file cannot be read.
std::vector<AgeChampEntry> rankAgeChampGroup(std::string_view age, std::string_view sex);

// "Top Competitors for <age> <sex>".
std::string ageChampTitle(std::string_view age, std::string_view sex);

// The view of a ranking: the title, an empty line, the heading, then one
// line per competitor (the 30-character name, six blanks, the total). Lines
// are separated by CR LF; the last has no line end.
std::string ageChampViewText(std::string_view title, const std::vector<AgeChampEntry>& ranking);

} // namespace carnival
