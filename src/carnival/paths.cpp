#include "paths.h"

#include <cctype>
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

// The entry of folder whose name matches component; the exact name wins.
fs::path matchComponent(const fs::path& folder, const std::string& component)
{
    std::error_code ec;
    const fs::path exact = folder / component;
    if (fs::exists(fs::symlink_status(exact, ec)))
        return exact;
    const fs::path searched = folder.empty() ? fs::path(".") : folder;
    for (fs::directory_iterator it(searched, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (equalIgnoringCase(name, component))
            return folder / name;
    }
    return exact;
}

} // namespace

fs::path resolvePath(std::string_view programPath)
{
    fs::path result;
    bool absolute = !programPath.empty() && (programPath[0] == '/' || programPath[0] == '\\');
    if (absolute)
        result = "/";
    for (const std::string& component : splitComponents(programPath)) {
        if (component == "." || component == "..")
            result /= component;
        else
            result = matchComponent(result, component);
    }
    return result.empty() ? fs::path(".") : result;
}

bool fileExists(std::string_view programPath)
{
    std::error_code ec;
    return fs::is_regular_file(resolvePath(programPath), ec);
}

bool folderExists(std::string_view programPath)
{
    std::error_code ec;
    return fs::is_directory(resolvePath(programPath), ec);
}

bool pathExists(std::string_view programPath)
{
    std::error_code ec;
    return fs::exists(resolvePath(programPath), ec);
}

} // namespace carnival
