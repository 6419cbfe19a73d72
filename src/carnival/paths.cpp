#include "paths.h"

#include <algorithm>
#include <cctype>
#include <dirent.h>
#include <sys/stat.h>
#include <map>
#include <memory>
#include <system_error>
#include <vector>

namespace carnival {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> splitComponents(std::string_view programPath)
{
    std::vector<std::string> parts;
    std::string current;
    for (char c : programPath) {
        if (c == '\\' || c == '/') {
            if (!current.empty())
                parts.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        parts.push_back(current);
    return parts;
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (std::tolower(ca) != std::tolower(cb))
            return false;
    }
    return true;
}

std::vector<std::string> listFolder(const fs::path& folder)
{
    std::vector<std::string> names;
    DIR* listing = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!listing)
        return names;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    ::closedir(listing);
    return names;
}

// What the outermost PathScope remembers.
struct ScopeMemory {
    std::map<fs::path, std::vector<std::string>> listings;
    std::map<std::string, fs::path, std::less<>> resolved;
};
int scopeDepth = 0;
std::unique_ptr<ScopeMemory> scopeMemory;

const std::vector<std::string>& folderListing(const fs::path& folder, std::vector<std::string>& unscoped)
{
    if (!scopeMemory) {
        unscoped = listFolder(folder);
        return unscoped;
    }
    auto found = scopeMemory->listings.find(folder);
    if (found == scopeMemory->listings.end())
        found = scopeMemory->listings.emplace(folder, listFolder(folder)).first;
    return found->second;
}

bool isThere(const fs::path& path)
{
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

std::string caseSwapped(std::string_view text)
{
    std::string result(text);
    for (char& c : result) {
        const auto u = static_cast<unsigned char>(c);
        c = static_cast<char>(std::islower(u) ? std::toupper(u) : std::tolower(u));
    }
    return result;
}

// Whether the file system of an entry finds names in any case (FAT, exFAT),
// learnt once per file system from the first name with letters.
bool ignoresCase(const fs::path& folder, const std::string& component, dev_t device)
{
    static std::map<dev_t, bool> known;
    if (const auto found = known.find(device); found != known.end())
        return found->second;
    const std::string swapped = caseSwapped(component);
    if (swapped == component)
        return false; // this name cannot tell
    return known[device] = isThere(folder / swapped);
}

// The entry of folder whose name matches component, as it is spelt there;
// the exact name wins.
fs::path matchComponent(const fs::path& folder, const std::string& component)
{
    const fs::path exact = folder / component;
    struct stat entry {};
    if (::lstat(exact.c_str(), &entry) == 0) {
        // Where any case finds the entry, only the listing tells its spelling.
        if (!ignoresCase(folder, component, entry.st_dev))
            return exact;
    } else {
        // The installed folders and files are named in lower case, while the
        // program writes "Athletics" or "Boys": trying that first spares a listing.
        const fs::path lowerCase = folder / lowered(component);
        if (lowerCase != exact && isThere(lowerCase))
            return lowerCase;
    }
    std::vector<std::string> unscoped;
    const std::vector<std::string>& names = folderListing(folder, unscoped);
    if (std::find(names.begin(), names.end(), component) != names.end())
        return exact;
    for (const std::string& name : names)
        if (equalIgnoringCase(name, component))
            return folder / name;
    return exact;
}

} // namespace

std::string lowered(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

// Resolves component by component; inside a PathScope every prefix is
// remembered, so the files of one folder share its resolution.
fs::path resolvePath(std::string_view programPath)
{
    const bool absolute = !programPath.empty() && (programPath[0] == '/' || programPath[0] == '\\');
    fs::path result = absolute ? fs::path("/") : fs::path();
    std::string prefix(absolute ? 1 : 0, '/');
    for (const std::string& component : splitComponents(programPath)) {
        prefix.append(component).push_back('\\');
        if (scopeMemory) {
            const auto found = scopeMemory->resolved.find(prefix);
            if (found != scopeMemory->resolved.end()) {
                result = found->second;
                continue;
            }
        }
        if (component == "." || component == "..")
            result /= component;
        else
            result = matchComponent(result, component);
        if (scopeMemory)
            scopeMemory->resolved.emplace(prefix, result);
    }
    return result.empty() ? fs::path(".") : result;
}

PathScope::PathScope()
{
    if (scopeDepth++ == 0)
        scopeMemory = std::make_unique<ScopeMemory>();
}

PathScope::~PathScope()
{
    if (--scopeDepth == 0)
        scopeMemory.reset();
}

bool standsAt(const fs::path& path)
{
    struct stat entry {};
    if (::lstat(path.c_str(), &entry) != 0)
        return false;
    const std::string name = path.filename().string();
    if (name.empty() || name == "." || name == ".." || !ignoresCase(path.parent_path(), name, entry.st_dev))
        return true;
    // Listed afresh: a file another program made since a scope listed the
    // folder is there, and must be kept as an original when it is replaced.
    const std::vector<std::string> names = listFolder(path.parent_path());
    return std::any_of(names.begin(), names.end(), [&name](const std::string& listed) { return equalIgnoringCase(listed, name); });
}

bool fileExists(std::string_view programPath)
{
    const fs::path path = resolvePath(programPath);
    std::error_code ec;
    return standsAt(path) && fs::is_regular_file(path, ec);
}

bool folderExists(std::string_view programPath)
{
    const fs::path path = resolvePath(programPath);
    std::error_code ec;
    return standsAt(path) && fs::is_directory(path, ec);
}

bool pathExists(std::string_view programPath)
{
    const fs::path path = resolvePath(programPath);
    std::error_code ec;
    return standsAt(path) && fs::exists(path, ec);
}

} // namespace carnival
