#include "file_transaction.h"

#include "data_error.h"
#include "paths.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <set>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace carnival {

namespace fs = std::filesystem;

namespace {

std::string injectedFailure;

std::string normalised(std::string_view programPath)
{
    std::string text(programPath);
    for (char& c : text)
        c = c == '\\' ? '/' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool injectedFailureHits(std::string_view programPath)
{
    if (injectedFailure.empty())
        return false;
    const std::string path = normalised(programPath);
    return path.size() >= injectedFailure.size()
        && path.compare(path.size() - injectedFailure.size(), injectedFailure.size(), injectedFailure) == 0;
}

fs::path folderOf(const fs::path& path)
{
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

fs::path temporaryFor(const fs::path& path)
{
    fs::path temporary = path;
    temporary += ".new~";
    return temporary;
}

// Writes content to a new file and syncs it; false on any failure.
bool writeAndSync(const fs::path& path, std::string_view content)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    std::size_t done = 0;
    bool ok = true;
    while (ok && done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok)
            done += static_cast<std::size_t>(n);
    }
    ok = ok && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

void syncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

void FileTransaction::write(std::string_view programPath, std::string content)
{
    const std::string key = resolvePath(programPath).string();
    changes_[key] = Change{std::string(programPath), std::move(content)};
}

void FileTransaction::remove(std::string_view programPath)
{
    const std::string key = resolvePath(programPath).string();
    changes_[key] = Change{std::string(programPath), std::nullopt};
}

std::optional<std::string_view> FileTransaction::staged(std::string_view programPath) const
{
    const auto found = changes_.find(resolvePath(programPath).string());
    if (found == changes_.end() || !found->second.content)
        return std::nullopt;
    return std::string_view(*found->second.content);
}

void FileTransaction::commit()
{
    std::vector<fs::path> temporaries;
    auto discardTemporaries = [&temporaries] {
        std::error_code ec;
        for (const fs::path& temporary : temporaries)
            fs::remove(temporary, ec);
    };

    // First everything that can fail: the new contents written and synced,
    // the files to delete checked.
    for (const auto& [key, change] : changes_) {
        const fs::path path(key);
        std::error_code ec;
        if (!change.content) {
            if (!fs::is_regular_file(path, ec) || injectedFailureHits(change.programPath)) {
                discardTemporaries();
                throw DataFileError(change.programPath, fs::exists(path, ec) ? "the file cannot be deleted." : "the file is missing.");
            }
            continue;
        }
        if (!fs::is_directory(folderOf(path), ec)) {
            discardTemporaries();
            throw DataFileError(change.programPath, "its folder does not exist.");
        }
        if (fs::is_directory(path, ec)) {
            discardTemporaries();
            throw DataFileError(change.programPath, "a folder of that name is in the way.");
        }
        const fs::path temporary = temporaryFor(path);
        const bool temporaryInTheWay = fs::exists(temporary, ec) && !fs::is_regular_file(temporary, ec);
        if (!temporaryInTheWay)
            temporaries.push_back(temporary);
        if (temporaryInTheWay || injectedFailureHits(change.programPath) || !writeAndSync(temporary, *change.content)) {
            discardTemporaries();
            throw DataFileError(change.programPath, "the file cannot be written (is the disk full or the folder read-only?).");
        }
    }

    // Then the renames and deletions, which do not fail on a sound disk.
    std::set<fs::path> folders;
    for (const auto& [key, change] : changes_) {
        const fs::path path(key);
        std::error_code ec;
        if (change.content)
            fs::rename(temporaryFor(path), path, ec);
        else
            fs::remove(path, ec);
        if (ec) {
            discardTemporaries();
            throw DataFileError(change.programPath, "the file cannot be replaced.");
        }
        folders.insert(folderOf(path));
    }
    for (const fs::path& folder : folders)
        syncFolder(folder);
    changes_.clear();
}

void failFileWritesForTests(std::string_view suffix)
{
    injectedFailure = normalised(suffix);
}

} // namespace carnival
