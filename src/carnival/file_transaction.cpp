#include "file_transaction.h"

#include "data_error.h"
#include "paths.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
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

// Writes the whole content to a new file; the open descriptor, or -1 on any
// failure (the file then closed).
int writeWhole(const fs::path& path, std::string_view content)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return -1;
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ::close(fd);
            return -1;
        }
        done += static_cast<std::size_t>(n);
    }
    return fd;
}

void startWriteback(int fd)
{
#ifdef __linux__
    // All temporaries go to the disk together; the syncs that follow then
    // mostly wait for writes already under way.
    ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
#else
    (void)fd;
#endif
}

void syncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

DataFileError cannotWrite(const std::string& programPath)
{
    return DataFileError(programPath, "the file cannot be written (is the disk full or the folder read-only?).");
}

// Why a staged change cannot go ahead, checked before anything is written.
std::optional<DataFileError> changeProblem(const fs::path& path, const std::string& programPath, bool deletion)
{
    std::error_code ec;
    if (deletion) {
        if (!fs::is_regular_file(path, ec) || injectedFailureHits(programPath))
            return DataFileError(programPath, fs::exists(path, ec) ? "the file cannot be deleted." : "the file is missing.");
        return std::nullopt;
    }
    if (!fs::is_directory(folderOf(path), ec))
        return DataFileError(programPath, "its folder does not exist.");
    if (fs::is_directory(path, ec))
        return DataFileError(programPath, "a folder of that name is in the way.");
    const fs::path temporary = temporaryFor(path);
    if ((fs::exists(temporary, ec) && !fs::is_regular_file(temporary, ec)) || injectedFailureHits(programPath))
        return cannotWrite(programPath);
    return std::nullopt;
}

// The temporaries of one commit: written, then synced together; removed
// again unless they were renamed into place.
class Temporaries {
public:
    ~Temporaries()
    {
        closeAll();
        std::error_code ec;
        for (const fs::path& path : paths_)
            fs::remove(path, ec);
    }

    bool write(const fs::path& temporary, std::string_view content)
    {
        const int fd = writeWhole(temporary, content);
        paths_.push_back(temporary);
        if (fd < 0)
            return false;
        startWriteback(fd);
        fds_.push_back(fd);
        return true;
    }

    // Syncs every temporary; the index of the first that failed, or -1.
    int syncAll()
    {
        int failed = -1;
        for (std::size_t i = 0; i < fds_.size(); ++i) {
            const bool synced = ::fsync(fds_[i]) == 0;
            const bool closed = ::close(fds_[i]) == 0;
            if (failed < 0 && !(synced && closed))
                failed = static_cast<int>(i);
        }
        fds_.clear();
        return failed;
    }

    void keep() { paths_.clear(); }

private:
    void closeAll()
    {
        for (int fd : fds_)
            ::close(fd);
        fds_.clear();
    }

    std::vector<fs::path> paths_;
    std::vector<int> fds_;
};

} // namespace

std::string readResolvedFile(const fs::path& path, std::string_view programPath)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const bool missing = fd < 0 && errno == ENOENT;
        if (fd >= 0)
            ::close(fd);
        throw DataFileError(std::string(programPath),
            missing ? "the file is missing." : "the file cannot be opened for reading.");
    }
    // One byte more than the file holds, so that its end is seen without
    // growing the buffer; a file that grew meanwhile is read whole all the same.
    std::string content(static_cast<std::size_t>(info.st_size) + 1, '\0');
    std::size_t done = 0;
    for (;;) {
        if (done == content.size())
            content.resize(content.size() * 2);
        const ssize_t n = ::read(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            throw DataFileError(std::string(programPath), "the file cannot be read.");
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    content.resize(done);
    return content;
}

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

const std::string& FileTransaction::read(std::string_view programPath)
{
    const fs::path path = resolvePath(programPath);
    const std::string key = path.string();
    if (const auto change = changes_.find(key); change != changes_.end()) {
        if (!change->second.content)
            throw DataFileError(std::string(programPath), "the file is missing.");
        return *change->second.content;
    }
    auto found = read_.find(key);
    if (found == read_.end())
        found = read_.emplace(key, readResolvedFile(path, programPath)).first;
    return found->second;
}

void FileTransaction::commit()
{
    // First everything that can fail: each change checked, the new contents
    // written to temporaries and synced.
    for (const auto& [key, change] : changes_)
        if (auto problem = changeProblem(fs::path(key), change.programPath, !change.content))
            throw *problem;
    Temporaries temporaries;
    std::vector<const Change*> written;
    for (const auto& [key, change] : changes_) {
        if (!change.content)
            continue;
        if (!temporaries.write(temporaryFor(fs::path(key)), *change.content))
            throw cannotWrite(change.programPath);
        written.push_back(&change);
    }
    if (const int failed = temporaries.syncAll(); failed >= 0)
        throw cannotWrite(written[static_cast<std::size_t>(failed)]->programPath);

    // Then the renames and deletions, which do not fail on a sound disk.
    std::set<fs::path> folders;
    for (const auto& [key, change] : changes_) {
        const fs::path path(key);
        std::error_code ec;
        if (change.content)
            fs::rename(temporaryFor(path), path, ec);
        else
            fs::remove(path, ec);
        if (ec)
            throw DataFileError(change.programPath, "the file cannot be replaced.");
        folders.insert(folderOf(path));
    }
    temporaries.keep();
    for (const fs::path& folder : folders)
        syncFolder(folder);
    changes_.clear();
    read_.clear();
}

void failFileWritesForTests(std::string_view suffix)
{
    injectedFailure = normalised(suffix);
}

bool fileWriteFailsForTests(std::string_view programPath)
{
    return injectedFailureHits(programPath);
}

} // namespace carnival
