#pragma once
// Program paths are written with "\" and are relative to the working folder.
// Every component is matched without regard to case, so data\Athletics finds
// the folder data/athletics.

#include <filesystem>
#include <string>
#include <string_view>

namespace carnival {

// The real path of a program path. Components that do not exist yet are kept
// as written, so the result can also name a file or folder to be created.
std::filesystem::path resolvePath(std::string_view programPath);

// The text with every letter in lower case, as names are compared.
std::string lowered(std::string_view text);

// True when anything stands at a resolved path (a link counts, whatever it
// leads to). On a disk that ignores case the system may go on finding a
// removed entry under another spelling than the one it was removed by for a
// while; there the folder's listing decides, listed afresh, as a listing
// decides a path's spelling, so the two answers agree.
bool standsAt(const std::filesystem::path& path);

bool fileExists(std::string_view programPath);
bool folderExists(std::string_view programPath);
// True when anything (a file, a folder) stands at the path.
bool pathExists(std::string_view programPath);

// While a PathScope lives, each folder is listed at most once and each path
// resolved once: an operation that reads and writes several files in the
// same folders pays for the case-insensitive search only the first time.
// Only for operations that create, move or remove no folder. Scopes nest; the
// outermost one holds the memory.
class PathScope {
public:
    PathScope();
    ~PathScope();
    PathScope(const PathScope&) = delete;
    PathScope& operator=(const PathScope&) = delete;
};

} // namespace carnival
