#include "file_transaction.h"

#include "data_error.h"
#include "paths.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <set>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace carnival {

namespace fs = std::filesystem;

namespace {

// ---- Test hooks ----

std::string injectedFailure;
FileFault injectedFault = FileFault::Write;
int stepsBeforeEnd = 0;

std::string normalised(std::string_view programPath)
{
    std::string text(programPath);
    for (char& c : text)
        c = c == '\\' ? '/' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool injectedFailureHits(std::string_view programPath, FileFault fault)
{
    if (injectedFailure.empty() || injectedFault != fault)
        return false;
    const std::string path = normalised(programPath);
    return path.size() >= injectedFailure.size()
        && path.compare(path.size() - injectedFailure.size(), injectedFailure.size(), injectedFailure) == 0;
}

// Called before each change a commit makes to the disk.
void commitStep()
{
    if (stepsBeforeEnd > 0 && --stepsBeforeEnd == 0)
        std::_Exit(kEndedByTestHook);
}

// ---- Plain file steps ----

fs::path folderOf(const fs::path& path)
{
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

fs::path withSuffix(const fs::path& path, const char* suffix)
{
    fs::path named = path;
    named += suffix;
    return named;
}

// The new content waits here until it is renamed into place.
fs::path temporaryFor(const fs::path& path) { return withSuffix(path, ".new~"); }
// The old content stays here until the commit is complete.
fs::path keptOriginalFor(const fs::path& path) { return withSuffix(path, ".old~"); }

// Writes the whole content to a new file, with the given permissions or else
// the usual ones; the open descriptor, or -1 on any failure (the file then
// closed).
int writeWhole(const fs::path& path, std::string_view content, std::optional<mode_t> mode)
{
    // A new file, never whatever a link left at this name points to.
    ::unlink(path.c_str());
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return -1;
    if (mode && ::fchmod(fd, *mode) != 0) {
        ::close(fd);
        return -1;
    }
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

bool syncAndClose(int fd)
{
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

// Writes and syncs a small file, then renames it into place.
bool writeDurably(const fs::path& path, std::string_view content)
{
    const fs::path temporary = temporaryFor(path);
    const int fd = writeWhole(temporary, content, std::nullopt);
    if (fd >= 0 && syncAndClose(fd) && ::rename(temporary.c_str(), path.c_str()) == 0)
        return true;
    ::unlink(temporary.c_str());
    return false;
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

bool syncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return fd >= 0 && syncAndClose(fd);
}

bool removeIfThere(const fs::path& path)
{
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool isThere(const fs::path& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

DataFileError cannotWrite(const std::string& programPath)
{
    return DataFileError(programPath, "the file cannot be written (is the disk full or the folder read-only?).");
}

DataFileError cannotReplace(const std::string& programPath)
{
    return DataFileError(programPath, "the file cannot be replaced.");
}

// Only one commit at a time in the working folder, whichever program makes
// it, so that no program settles a commit another is still making.
class CommitLock {
public:
    CommitLock()
        : fd_(::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        while (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0 && errno == EINTR) { }
    }
    ~CommitLock()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    CommitLock(const CommitLock&) = delete;
    CommitLock& operator=(const CommitLock&) = delete;

private:
    int fd_;
};

// ---- The journal ----
// A commit names each of its folders and files in the journal, with what will
// happen to it, before it changes any of them; once everything is in place
// the journal is renamed to mark the commit finished. A journal found
// unfinished is undone, a finished one tidied up. It lies in the working
// folder, which no commit moves.

const fs::path kJournal("commit.journal");
const fs::path kFinishedJournal("commit.journal.done");

enum class Action : char { Replace = 'R', Create = 'C', Delete = 'D' };

struct PlannedFile {
    Action action;
    fs::path path;
    std::string programPath;            // the name the user knows the file by
    const std::string* content = nullptr; // nothing for a deletion
    struct stat original {};            // the file as it stood, unless created
};

// A folder moved, or a folder tree copied, to where nothing stood.
struct PlannedFolder {
    bool copy = false;
    fs::path from, to;
    std::string programPath; // the folder moved or copied, for messages
};

struct Plan {
    std::vector<PlannedFolder> folders; // in the order they are made
    std::vector<PlannedFile> files;
};

std::string journalText(const Plan& plan)
{
    std::string text;
    for (const PlannedFolder& folder : plan.folders)
        text += folder.copy ? "N " + folder.to.string() + '\n'
                            : "M " + folder.from.string() + '\t' + folder.to.string() + '\n';
    for (const PlannedFile& file : plan.files)
        text += std::string(1, static_cast<char>(file.action)) + ' ' + file.path.string() + '\n';
    return text;
}

// How messages name a path read back from the journal: as the program does.
std::string programPathOf(std::string path)
{
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// One line of the journal into the plan; lines of no known form are passed over.
void readJournalLine(const std::string& line, Plan& plan)
{
    if (line.size() < 3 || line[1] != ' ')
        return;
    const std::string rest = line.substr(2);
    if (std::string_view("RCD").find(line[0]) != std::string_view::npos) {
        plan.files.push_back({ static_cast<Action>(line[0]), fs::path(rest), programPathOf(rest) });
    } else if (line[0] == 'N') {
        plan.folders.push_back({ true, {}, fs::path(rest), programPathOf(rest) });
    } else if (line[0] == 'M' && rest.find('\t') != std::string::npos) {
        const std::string from = rest.substr(0, rest.find('\t'));
        plan.folders.push_back({ false, fs::path(from), fs::path(rest.substr(from.size() + 1)), programPathOf(from) });
    }
}

Plan readJournal(const fs::path& journal)
{
    const std::string text = readResolvedFile(journal, journal.string());
    Plan plan;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        readJournalLine(text.substr(start, end - start), plan);
    return plan;
}

bool isReadOnly(const fs::path& path, const struct stat& info)
{
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

// Checks one staged change before anything is written, and says what the
// commit will do with the file. Throws why the change cannot go ahead.
PlannedFile plannedChange(const fs::path& path, const std::string& programPath, const std::string* content,
    const std::set<fs::path>& foldersToCome)
{
    PlannedFile file { Action::Create, path, programPath, content };
    const bool exists = ::stat(path.c_str(), &file.original) == 0;
    if (exists)
        file.action = content ? Action::Replace : Action::Delete;
    if (!content) {
        if (!exists || !S_ISREG(file.original.st_mode))
            throw DataFileError(programPath, exists ? "the file cannot be deleted." : "the file is missing.");
        if (injectedFailureHits(programPath, FileFault::Write))
            throw DataFileError(programPath, "the file cannot be deleted.");
    } else {
        std::error_code ec;
        if (!foldersToCome.count(folderOf(path)) && !fs::is_directory(folderOf(path), ec))
            throw DataFileError(programPath, "its folder does not exist.");
        if (exists && S_ISDIR(file.original.st_mode))
            throw DataFileError(programPath, "a folder of that name is in the way.");
        const fs::path temporary = temporaryFor(path);
        if ((fs::exists(temporary, ec) && !fs::is_regular_file(temporary, ec))
            || injectedFailureHits(programPath, FileFault::Write))
            throw cannotWrite(programPath);
    }
    if (path.string().find('\n') != std::string::npos) // the journal names a file on one line
        throw cannotWrite(programPath);
    if (exists && isReadOnly(path, file.original))
        throw DataFileError(programPath, "the file is read-only.");
    return file;
}

// Checks a folder step before anything is changed: the folder moved or
// copied must be there.
PlannedFolder plannedFolder(bool copy, const std::string& fromProgramPath, const std::string& toProgramPath)
{
    PlannedFolder folder { copy, resolvePath(fromProgramPath), resolvePath(toProgramPath), fromProgramPath };
    std::error_code ec;
    if (!fs::is_directory(folder.from, ec))
        throw DataFileError(fromProgramPath, "the folder is missing.");
    if (folder.to.string().find_first_of("\t\n") != std::string::npos
        || folder.from.string().find_first_of("\t\n") != std::string::npos)
        throw DataFileError(toProgramPath, "the folder cannot be made.");
    return folder;
}

// Every file and folder of a tree, synced, so that a copy is on the disk
// before it is part of the carnival.
bool syncTree(const fs::path& root)
{
    std::error_code ec;
    for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        const int fd = ::open(it->path().c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 || !syncAndClose(fd))
            return false;
    }
    return !ec && syncFolder(root);
}

bool copyTree(const PlannedFolder& folder)
{
    std::error_code ec;
    try {
        fs::copy(folder.from, folder.to, fs::copy_options::recursive, ec);
    } catch (const fs::filesystem_error&) {
        return false; // a folder that cannot be listed half way
    }
    return !ec && !injectedFailureHits(folder.to.string(), FileFault::Write) && syncTree(folder.to);
}

void makeFolders(const std::vector<PlannedFolder>& folders)
{
    for (const PlannedFolder& folder : folders) {
        commitStep();
        if (folder.copy ? !copyTree(folder) : ::rename(folder.from.c_str(), folder.to.c_str()) != 0)
            throw DataFileError(folder.programPath,
                folder.copy ? "the folder cannot be copied (is the disk full?)." : "the folder cannot be moved.");
        syncFolder(folderOf(folder.to));
        syncFolder(folderOf(folder.from));
    }
}

// Nothing stood at a move's new place when the commit began, and nothing
// else makes a folder there meanwhile.
bool moveMade(const PlannedFolder& move)
{
    return isThere(move.to);
}

// Takes back one folder step. A copy is removed only where it cannot be the
// folder a move of the same commit has not yet taken away, or has put back.
bool undoFolder(const PlannedFolder& folder, const std::vector<PlannedFolder>& all)
{
    std::error_code ec;
    if (!folder.copy)
        return !moveMade(folder) || isThere(folder.from) || ::rename(folder.to.c_str(), folder.from.c_str()) == 0;
    const auto vacating = std::find_if(all.begin(), all.end(),
        [&folder](const PlannedFolder& move) { return !move.copy && move.from == folder.to; });
    if (vacating == all.end() || moveMade(*vacating))
        fs::remove_all(folder.to, ec);
    return !ec;
}

// Writes every new content to its temporary, with the permissions and owner
// of the file it replaces, and syncs them all.
void writeTemporaries(const std::vector<PlannedFile>& plan)
{
    std::vector<std::pair<int, const PlannedFile*>> written;
    const auto syncAll = [&written] {
        const PlannedFile* failed = nullptr;
        for (const auto& [fd, file] : written)
            if (!syncAndClose(fd) && !failed)
                failed = file;
        return failed;
    };
    for (const PlannedFile& file : plan) {
        if (!file.content)
            continue;
        commitStep();
        const bool replacing = file.action == Action::Replace;
        const int fd = writeWhole(temporaryFor(file.path), *file.content,
            replacing ? std::optional<mode_t>(file.original.st_mode & 07777) : std::nullopt);
        if (fd < 0) {
            syncAll();
            throw cannotWrite(file.programPath);
        }
        if (replacing && (file.original.st_uid != ::geteuid() || file.original.st_gid != ::getegid())) {
            // Only an administrator may give the file back to its owner; a
            // member of its group may still give it back to the group.
            if (::fchown(fd, file.original.st_uid, file.original.st_gid) != 0) {
                [[maybe_unused]] const int grouped = ::fchown(fd, static_cast<uid_t>(-1), file.original.st_gid);
            }
        }
        startWriteback(fd);
        written.emplace_back(fd, &file);
    }
    if (const PlannedFile* failed = syncAll())
        throw cannotWrite(failed->programPath);
}

// Keeps each original under its second name, then renames the new content
// into place or deletes the file.
void replaceFiles(const std::vector<PlannedFile>& plan)
{
    for (const PlannedFile& file : plan) {
        const DataFileError failure = file.content ? cannotReplace(file.programPath)
                                                   : DataFileError(file.programPath, "the file cannot be deleted.");
        if (file.action != Action::Create) {
            const fs::path kept = keptOriginalFor(file.path);
            commitStep();
            if (!removeIfThere(kept) || ::link(file.path.c_str(), kept.c_str()) != 0)
                throw failure;
        }
        commitStep();
        const bool done = !injectedFailureHits(file.programPath, FileFault::Replace)
            && (file.content ? ::rename(temporaryFor(file.path).c_str(), file.path.c_str())
                             : ::unlink(file.path.c_str()))
                == 0;
        if (!done)
            throw failure;
    }
}

void syncFolders(const std::vector<PlannedFile>& plan)
{
    std::map<fs::path, const PlannedFile*> folders;
    for (const PlannedFile& file : plan)
        folders.emplace(folderOf(file.path), &file);
    for (const auto& [folder, file] : folders)
        if (!syncFolder(folder))
            throw cannotWrite(file->programPath);
}

// The commit is complete once the journal has its finished name.
void markFinished()
{
    commitStep();
    if (::rename(kJournal.c_str(), kFinishedJournal.c_str()) != 0)
        throw cannotWrite(kJournal.string());
    syncFolder(".");
}

// Puts every file and folder of an unfinished commit back as it was before
// the commit: the files first, then the folders, last made first.
void undo(const Plan& plan)
{
    std::optional<std::string> failed;
    std::set<fs::path> folders;
    for (const PlannedFile& file : plan.files) {
        commitStep();
        removeIfThere(temporaryFor(file.path));
        const fs::path kept = keptOriginalFor(file.path);
        bool restored = true;
        if (isThere(kept)) { // the original and its second name may be one file: then only the name goes
            restored = ::rename(kept.c_str(), file.path.c_str()) == 0;
            removeIfThere(kept);
        }
        else if (file.action == Action::Create)
            restored = removeIfThere(file.path);
        if (!restored && !failed)
            failed = file.programPath;
        folders.insert(folderOf(file.path));
    }
    for (auto folder = plan.folders.rbegin(); folder != plan.folders.rend(); ++folder) {
        commitStep();
        if (!undoFolder(*folder, plan.folders) && !failed)
            failed = folder->programPath;
        folders.insert(folderOf(folder->to));
        folders.insert(folderOf(folder->from));
    }
    for (const fs::path& folder : folders)
        syncFolder(folder);
    if (failed)
        throw DataFileError(*failed, "an unfinished change to it could not be undone.");
    commitStep();
    removeIfThere(kFinishedJournal);
    removeIfThere(kJournal);
    syncFolder(".");
}

// Removes what a finished commit kept of the old files.
void tidyUp(const Plan& plan)
{
    for (const PlannedFile& file : plan.files) {
        commitStep();
        removeIfThere(keptOriginalFor(file.path));
        removeIfThere(temporaryFor(file.path));
    }
    commitStep();
    removeIfThere(kFinishedJournal);
}

void settleLocked()
{
    removeIfThere(temporaryFor(kJournal)); // a journal cut short while written: nothing else was changed
    if (isThere(kFinishedJournal))
        tidyUp(readJournal(kFinishedJournal));
    if (isThere(kJournal))
        undo(readJournal(kJournal));
}

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

void FileTransaction::moveFolder(std::string_view fromProgramPath, std::string_view toProgramPath)
{
    folderSteps_.push_back({ false, std::string(fromProgramPath), std::string(toProgramPath) });
}

void FileTransaction::copyFolder(std::string_view fromProgramPath, std::string_view toProgramPath)
{
    folderSteps_.push_back({ true, std::string(fromProgramPath), std::string(toProgramPath) });
}

void FileTransaction::commit()
{
    if (empty())
        return;
    CommitLock lock;
    settleLocked();
    if (isThere(kJournal) || isThere(kFinishedJournal))
        throw DataFileError(kFinishedJournal.string(), "an earlier change cannot be tidied up.");
    Plan plan;
    std::set<fs::path> foldersToCome, foldersVacated;
    for (const FolderStep& step : folderSteps_) {
        plan.folders.push_back(plannedFolder(step.copy, step.fromProgramPath, step.toProgramPath));
        const PlannedFolder& folder = plan.folders.back();
        if (isThere(folder.to) && !foldersVacated.count(folder.to))
            throw DataFileError(step.toProgramPath, "a folder of that name is in the way.");
        foldersToCome.insert(folder.to);
        if (!folder.copy)
            foldersVacated.insert(folder.from);
    }
    for (const auto& [key, change] : changes_)
        plan.files.push_back(plannedChange(fs::path(key), change.programPath,
            change.content ? &*change.content : nullptr, foldersToCome));

    commitStep();
    if (!writeDurably(kJournal, journalText(plan)) || !syncFolder("."))
        throw cannotWrite(kJournal.string());
    try {
        makeFolders(plan.folders);
        writeTemporaries(plan.files);
        replaceFiles(plan.files);
        syncFolders(plan.files);
        markFinished();
    } catch (...) {
        // Where not everything can be put back, that is the failure to tell;
        // the journal stays, so the next start tries again.
        undo(plan);
        throw;
    }
    tidyUp(plan);
    changes_.clear();
    folderSteps_.clear();
    read_.clear();
}

void settleInterruptedCommit()
{
    CommitLock lock;
    settleLocked();
}

void failFileWritesForTests(std::string_view suffix, FileFault fault)
{
    injectedFailure = normalised(suffix);
    injectedFault = fault;
}

void endProcessAtCommitStepForTests(int step)
{
    stepsBeforeEnd = step;
}

} // namespace carnival
