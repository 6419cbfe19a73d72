#include "file_transaction.h"

#include "commit_journal.h"
#include "data_error.h"
#include "paths.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>

namespace carnival {

namespace fs = std::filesystem;

namespace {

using namespace journal;

// ---- Test hooks ----

std::string injectedFailure;
FileFault injectedFault = FileFault::Write;
int stepsBeforeEnd = 0;

std::string normalised(std::string_view programPath)
{
    std::string text = lowered(programPath);
    std::replace(text.begin(), text.end(), '\\', '/');
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

// No file the programs write comes near this: the largest, a records file
// for 32767 events, holds about 50 MiB.
constexpr off_t kLargestDataFile = 64 * 1024 * 1024;

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

// A new content, or a copied folder, waits here until it is renamed into place.
fs::path temporaryFor(const fs::path& path) { return withSuffix(path, ".new~"); }
// The original stays here until the commit is complete.
fs::path keptOriginalFor(const fs::path& path) { return withSuffix(path, ".old~"); }

// Writes the whole content to a file made new at path, with the given
// permissions or else the usual ones; the open descriptor, or -1 on any
// failure (the file then closed).
int writeWhole(const fs::path& path, std::string_view content, std::optional<mode_t> mode)
{
    static const mode_t umaskBits = [] {
        const mode_t bits = ::umask(0);
        ::umask(bits);
        return bits;
    }();
    const mode_t wanted = mode.value_or(0644);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, wanted);
    if (fd < 0)
        return -1;
    // Only where the umask took bits from the wanted permissions must they be set again.
    if (mode && (wanted & umaskBits) != 0 && ::fchmod(fd, wanted) != 0) {
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
#ifdef __linux__
    // Every new file goes to the disk at once; the syncs that follow then
    // mostly wait for writes already under way.
    ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
    return fd;
}

bool syncAndClose(int fd)
{
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
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

// A real folder, not a link to one.
bool isFolder(const fs::path& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

DataFileError cannotWrite(const std::string& programPath)
{
    return DataFileError(programPath, "the file cannot be written (is the disk full or the folder read-only?).");
}

DataFileError cannotReplace(const std::string& programPath)
{
    return DataFileError(programPath, "the file cannot be replaced.");
}

FileIdentity identityOf(const struct stat& info)
{
    return { info.st_dev, info.st_ino, info.st_size, info.st_ctim.tv_sec, info.st_ctim.tv_nsec };
}

DataFileError changedMeanwhile(const std::string& programPath)
{
    return DataFileError(programPath, "the data files were changed while this change was made (by another program, "
                                      "or by undoing a change that was cut short), so nothing was saved. Please "
                                      "make the change again.");
}

// Only one commit at a time in the working folder, whichever program makes
// it, so that no program settles a commit another is still making. A program
// stuck holding the lock (or any that locks the folder) is waited for a few
// seconds, far longer than a commit takes; on a disk without locks, none.
class CommitLock {
public:
    explicit CommitLock(const std::string& programPath)
        : fd_(::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        constexpr auto kLongestWait = std::chrono::seconds(5);
        const auto deadline = std::chrono::steady_clock::now() + kLongestWait;
        while (fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) != 0 && (errno == EWOULDBLOCK || errno == EINTR)) {
            if (std::chrono::steady_clock::now() >= deadline) {
                ::close(fd_);
                throw DataFilesBusy(programPath, "another program is changing the data files and has not finished "
                                                 "within a few seconds, so nothing was saved. Please try again once it "
                                                 "has finished.");
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
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

// True when the file at path is one the change wrote: a regular file (not a
// link) with exactly the new content.
bool isWritten(const fs::path& path, std::uint64_t hash)
{
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    try {
        return contentHash(readResolvedFile(path, path.string())) == hash;
    } catch (const DataFileError&) {
        return false;
    }
}

// ---- Planning ----
// The name a commit keeps an original under must be free when it starts, so
// whatever stands there later is its own; it may be the only copy of a file,
// so it is never taken out of the way.

DataFileError inTheWay(const fs::path& path)
{
    return DataFileError(programPathOf(path.string()),
        "something the change to the data files did not make stands at this name, which the change uses. "
        "Please move it elsewhere.");
}

// No rename is made before the journal naming the temporaries is whole, so
// what stands where a commit writes a temporary before that is a leftover of
// a change cut short (only a copy leaves a folder), taken out of the way once
// the whole change is planned. A file staged in a folder the change brings
// gets its temporary only later, so nothing may stand there.
void checkTemporaryIsClearable(const Step& step, const fs::path& now)
{
    struct stat info {};
    if (::lstat(temporaryFor(now).c_str(), &info) == 0
        && (step.inFolderToCome || (S_ISDIR(info.st_mode) && step.kind != Kind::Copy)))
        throw inTheWay(temporaryFor(now));
}

// Takes the leftovers at the temporary names out of the way (a link itself,
// never what it leads to).
void clearTemporaries(const std::vector<Step>& steps)
{
    for (const Step& step : steps) {
        if (step.kind != Kind::Copy && (!step.writes() || step.inFolderToCome))
            continue;
        std::error_code ec;
        fs::remove_all(temporaryFor(step.path), ec);
        if (ec)
            throw inTheWay(temporaryFor(step.path));
    }
}

bool isReadOnly(const fs::path& path, const struct stat& info)
{
    return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

// Where the file at path stands before the folder steps are made: in the
// folder that a step brings to its folder, when one does.
fs::path whereNow(const Step& file, const std::vector<Step>& folderSteps)
{
    for (auto step = folderSteps.rbegin(); step != folderSteps.rend(); ++step) {
        if (file.path != step->path && isWithin(file.path, step->path))
            return step->from / fs::relative(file.path, step->path);
        if (step->kind == Kind::Move && file.path != step->from && isWithin(file.path, step->from))
            throw DataFileError(file.programPath, "its folder is moved away by the same change.");
    }
    return file.path;
}

// Checks one staged file change before anything is written, and says what
// the commit will do with the file. Throws why the change cannot go ahead.
Step plannedFile(const fs::path& path, const std::string& programPath, const std::string* content,
    const std::vector<Step>& folderSteps)
{
    Step file { Kind::Create, path, {}, programPath };
    if (!isCommitPath(path.string(), content ? Kind::Replace : Kind::Delete))
        throw DataFileError(programPath, "it is not inside the program's data folders (or is reached through a "
                                         "link), so it is not changed.");
    const fs::path now = whereNow(file, folderSteps);
    file.inFolderToCome = now != path;
    struct stat original {};
    const bool exists = standsAt(now) && ::lstat(now.c_str(), &original) == 0;
    // Through a link at the name, the file it leads to; a broken link is kept as it is.
    const bool leadsToAFile = exists && (!S_ISLNK(original.st_mode) || ::stat(now.c_str(), &original) == 0);
    if (exists && file.inFolderToCome)
        throw DataFileError(programPath, "the folder brought there already holds a file of that name.");
    if (exists)
        file.kind = content ? Kind::Replace : Kind::Delete;
    if (!content) {
        if (!leadsToAFile || !S_ISREG(original.st_mode) || injectedFailureHits(programPath, FileFault::Write))
            throw DataFileError(programPath, exists ? "the file cannot be deleted." : "the file is missing.");
    } else {
        if (!isFolder(folderOf(now)))
            throw DataFileError(programPath, "its folder does not exist.");
        if (leadsToAFile && S_ISDIR(original.st_mode))
            throw DataFileError(programPath, "a folder of that name is in the way.");
        if (injectedFailureHits(programPath, FileFault::Write))
            throw cannotWrite(programPath);
        file.content = content;
        file.hash = contentHash(*content);
    }
    if (content)
        checkTemporaryIsClearable(file, now);
    if (exists && isThere(keptOriginalFor(path)))
        throw inTheWay(keptOriginalFor(path));
    if (leadsToAFile && isReadOnly(path, original))
        throw DataFileError(programPath, "the file is read-only.");
    if (leadsToAFile) {
        file.mode = original.st_mode & 07777;
        file.owner = std::pair(original.st_uid, original.st_gid);
    }
    return file;
}

// Checks a folder step before anything is changed: the folder moved or
// copied is there, and its new place is free when the step comes.
Step plannedFolder(bool copy, const std::string& fromProgramPath, const std::string& toProgramPath,
    const std::vector<Step>& before)
{
    Step folder { copy ? Kind::Copy : Kind::Move, resolvePath(toProgramPath), resolvePath(fromProgramPath),
        fromProgramPath };
    std::error_code ec;
    if (!fs::is_directory(folder.from, ec))
        throw DataFileError(fromProgramPath, "the folder is missing.");
    if (!isCommitPath(folder.from.string(), folder.kind) || !isCommitPath(folder.path.string(), folder.kind))
        throw DataFileError(toProgramPath, "the folder cannot be made.");
    const bool vacated = std::any_of(before.begin(), before.end(),
        [&folder](const Step& step) { return step.kind == Kind::Move && step.from == folder.path; });
    if (standsAt(folder.path) && !(copy && vacated)) // only a copy takes the place a move vacates
        throw DataFileError(toProgramPath, "a folder of that name is in the way.");
    if (copy)
        checkTemporaryIsClearable(folder, folder.path);
    return folder;
}

// ---- Carrying it out ----

// The new content under its temporary name, with the permissions and owner
// of the file it replaces; the open descriptor, or -1.
int writeTemporary(const Step& file)
{
    const int fd = writeWhole(temporaryFor(file.path), *file.content, file.mode);
    static const std::pair<uid_t, gid_t> ours(::geteuid(), ::getegid());
    if (fd >= 0 && file.owner && *file.owner != ours) {
        // Only an administrator may give the file back to its owner; a
        // member of its group may still give it back to the group.
        if (::fchown(fd, file.owner->first, file.owner->second) != 0) {
            [[maybe_unused]] const int grouped = ::fchown(fd, static_cast<uid_t>(-1), file.owner->second);
        }
    }
    return fd;
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

// Copies the folder tree under the temporary name of its new place.
bool copyTree(const Step& copy)
{
    std::error_code ec;
    try {
        fs::copy(copy.from, temporaryFor(copy.path), fs::copy_options::recursive, ec);
    } catch (const fs::filesystem_error&) {
        return false; // a folder that cannot be listed half way
    }
    return !ec && !injectedFailureHits(copy.path.string(), FileFault::Write) && syncTree(temporaryFor(copy.path));
}

// Writes the journal, the copied folders and the new contents under their
// temporary names, and syncs them all. Nothing the programs read has changed.
void prepare(const std::vector<Step>& steps)
{
    std::vector<std::pair<int, std::string>> written; // to sync, with the name a failure gives
    const auto syncAll = [&written] {
        std::optional<std::string> failed;
        for (const auto& [fd, name] : written)
            if (!syncAndClose(fd) && !failed)
                failed = name;
        written.clear();
        return failed;
    };
    commitStep();
    const int journal = writeWhole(kPendingJournal, journalText(steps), std::nullopt);
    if (journal < 0)
        throw cannotWrite(kJournal.string());
    written.emplace_back(journal, kJournal.string());
    for (const Step& step : steps) {
        if (step.kind == Kind::Copy) {
            commitStep();
            if (!copyTree(step)) {
                syncAll();
                throw DataFileError(step.programPath, "the folder cannot be copied (is the disk full?).");
            }
        } else if (step.writes() && !step.inFolderToCome) {
            commitStep();
            const int fd = writeTemporary(step);
            if (fd < 0) {
                syncAll();
                throw cannotWrite(step.programPath);
            }
            written.emplace_back(fd, step.programPath);
        }
    }
    if (const std::optional<std::string> failed = syncAll())
        throw cannotWrite(*failed);
    if (!syncFolder("."))
        throw cannotWrite(kJournal.string());
}

// Syncs each folder the steps change once; the name a failure gives, or
// nothing. A folder that is not there (one an undo took away again) has
// nothing to sync. The journal's own renames need no sync: under either name
// a whole journal is acted on.
std::optional<std::string> syncFoldersOf(const std::vector<Step>& steps)
{
    std::map<fs::path, std::string> folders;
    for (const Step& step : steps) {
        folders.emplace(folderOf(step.path), step.programPath);
        if (step.isFolder())
            folders.emplace(folderOf(step.from), step.programPath);
    }
    for (const auto& [folder, name] : folders)
        if (isFolder(folder) && !syncFolder(folder))
            return name;
    return std::nullopt;
}

// Every rename a commit or an undo makes; each is a step a crash may cut short.
bool renamed(const fs::path& from, const fs::path& to)
{
    commitStep();
    return ::rename(from.c_str(), to.c_str()) == 0;
}

// Makes one step: a folder renamed into place, or a file's original moved
// to its second name and the new content renamed into place.
void makeStep(const Step& step)
{
    if (step.kind == Kind::Move || step.kind == Kind::Copy) {
        if (!renamed(step.kind == Kind::Move ? step.from : temporaryFor(step.path), step.path))
            throw DataFileError(step.programPath,
                step.kind == Kind::Move ? "the folder cannot be moved." : "the folder cannot be copied.");
        return;
    }
    const DataFileError failure = step.kind == Kind::Delete ? DataFileError(step.programPath, "the file cannot be deleted.")
                                                            : cannotReplace(step.programPath);
    if (injectedFailureHits(step.programPath, FileFault::Replace))
        throw failure;
    if (step.keepsOriginal() && !renamed(step.path, keptOriginalFor(step.path)))
        throw failure;
    if (step.inFolderToCome) {
        commitStep();
        const int fd = writeTemporary(step);
        if (fd < 0 || !syncAndClose(fd))
            throw cannotWrite(step.programPath);
    }
    if (step.writes() && !renamed(temporaryFor(step.path), step.path))
        throw failure;
}

// The journal takes its own name, then every step is made and the folders
// synced.
void makeSteps(const std::vector<Step>& steps)
{
    if (!renamed(kPendingJournal, kJournal))
        throw cannotWrite(kJournal.string());
    for (const Step& step : steps)
        makeStep(step);
    if (const std::optional<std::string> failed = syncFoldersOf(steps))
        throw cannotWrite(*failed);
}

void removeJournals()
{
    commitStep();
    removeIfThere(kJournal);
    removeIfThere(kPendingJournal);
}

// ---- Settling ----

// What a user can do where a start cannot settle a change.
const std::string kRemedy = " The change is recorded in \"" + kJournal.string()
    + "\", and every start tries again. If it stays so, please check the data files (or put back a copy of the "
      "program folder), then move the journal elsewhere.";
const std::string kNotOnDisk = "a finished change to it could not be written to the disk.";

// A journal is acted on only where what stands on disk is the change's own
// doing: a written file holds its new content, a copied folder is still a
// copy of its template, and each step's paths are checked again for a link
// just before they are touched.

bool isMade(const Step& step)
{
    switch (step.kind) {
    case Kind::Move:
        return isFolder(step.path);
    case Kind::Copy:
        return isFolder(step.path) && !isThere(temporaryFor(step.path));
    case Kind::Delete:
        return !isThere(step.path);
    case Kind::Replace:
    case Kind::Create:
        break;
    }
    return isWritten(step.path, step.hash);
}

// True when two folder trees hold the same folders and files, byte for byte;
// compared a file at a time.
bool sameTree(const fs::path& a, const fs::path& b)
{
    const auto entries = [](const fs::path& root) {
        std::map<std::string, bool> names; // true for a folder
        std::error_code ec;
        for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec))
            names[it->path().lexically_relative(root).string()] = it->is_directory(ec);
        return ec ? std::nullopt : std::optional(names);
    };
    const auto names = entries(a);
    if (!names || names != entries(b))
        return false;
    try {
        for (const auto& [name, folder] : *names)
            if (!folder && readResolvedFile(a / name, name) != readResolvedFile(b / name, name))
                return false;
    } catch (const DataFileError&) {
        return false;
    }
    return true;
}

// Takes back a copied folder: renamed to its temporary name, then removed,
// and only while it is still a copy of its template. At a place a move of
// the same change vacates, the folder is the original one until that move
// is made.
bool revertCopy(const Step& copy, const std::vector<Step>& steps)
{
    const fs::path temporary = temporaryFor(copy.path);
    const auto vacating = std::find_if(steps.begin(), steps.end(),
        [&copy](const Step& step) { return step.kind == Kind::Move && step.from == copy.path; });
    const bool made = isMade(copy) && (vacating == steps.end() || isMade(*vacating));
    if (made && !(sameTree(copy.from, copy.path) && renamed(copy.path, temporary)))
        return false;
    std::error_code ec;
    if (isFolder(temporary))
        fs::remove_all(temporary, ec);
    return !ec;
}

// Puts one step back as it was before the change, from whatever state a
// crash left it in; false when something could not be put back. An
// original goes back to its place in one rename, so it is never lost.
bool revert(const Step& step, const std::vector<Step>& steps)
{
    const fs::path kept = keptOriginalFor(step.path);
    switch (step.kind) {
    case Kind::Move:
        return !isThere(step.path)
            || (isFolder(step.path) && !isThere(step.from) && renamed(step.path, step.from));
    case Kind::Copy:
        return revertCopy(step, steps);
    case Kind::Create:
        return removeIfThere(temporaryFor(step.path))
            && (!isWritten(step.path, step.hash) || ::unlink(step.path.c_str()) == 0);
    case Kind::Replace:
    case Kind::Delete:
        break;
    }
    if (step.writes() && !removeIfThere(temporaryFor(step.path)))
        return false;
    if (!isThere(kept))
        return true;
    if (isThere(step.path) && !(step.writes() && isWritten(step.path, step.hash)))
        return false; // something the change did not write stands in the original's place
    return !injectedFailureHits(step.programPath, FileFault::Restore) && renamed(kept, step.path);
}

// Puts every step of an unfinished change back, the last made first. The
// journal goes only once everything is back and synced; until then each
// start tries again.
void undo(const std::vector<Step>& steps)
{
    std::optional<std::string> failed;
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        commitStep();
        if (!(isConfined(*step) && revert(*step, steps)) && !failed)
            failed = step->programPath;
    }
    if (const std::optional<std::string> unsynced = syncFoldersOf(steps); !failed)
        failed = unsynced;
    if (failed)
        throw DataFileError(*failed, "an unfinished change to it could not be undone." + kRemedy);
    removeJournals();
}

// True where the disk of the working folder may write changes out of the
// order they were made in: FAT and exFAT keep no journal of their own, and a
// disk served by a program (FUSE) cannot say.
bool keepsNoOrder()
{
    constexpr long kFat = 0x4d44, kExfat = 0x2011BAB0, kFuse = 0x65735546;
    struct statfs disk {};
    return ::statfs(".", &disk) != 0 || disk.f_type == kFat || disk.f_type == kExfat || disk.f_type == kFuse;
}

// Removes what a finished change kept of the old files (and, after a crash,
// a temporary left where a file already held its new content), then the
// journal. While anything cannot go, the journal stays for the next start.
void tidyUp(const std::vector<Step>& steps, bool afterACrash)
{
    std::optional<std::string> failed;
    for (const Step& step : steps) {
        if (step.isFolder())
            continue;
        commitStep();
        // What a journal read back names is checked again just before it is touched, as in an undo.
        const bool removed = (!afterACrash || isConfined(step))
            && (!step.keepsOriginal() || removeIfThere(keptOriginalFor(step.path)))
            && (!afterACrash || !step.writes() || removeIfThere(temporaryFor(step.path)));
        if (!removed && !failed)
            failed = step.programPath;
    }
    if (failed)
        throw DataFileError(*failed, "what a finished change kept of it could not be removed." + kRemedy);
    // There a power cut could keep the journal's removal and lose the
    // originals': a kept original that no journal explains would then refuse
    // every later save of its file.
    if (keepsNoOrder())
        if (const std::optional<std::string> unsynced = syncFoldersOf(steps))
            throw DataFileError(*unsynced, kNotOnDisk + kRemedy);
    removeJournals();
}

// Finishes or undoes the change; true when it was undone.
bool settle(const std::vector<Step>& steps)
{
    if (!std::all_of(steps.begin(), steps.end(), isMade)) {
        undo(steps);
        return true;
    }
    // After a crash the renames may still wait in memory; on a disk that keeps
    // no order among its changes (FAT, exFAT) a power cut could then keep the
    // removals and lose the renames. So they go to the disk first.
    if (const std::optional<std::string> unsynced = syncFoldersOf(steps))
        throw DataFileError(*unsynced, kNotOnDisk + kRemedy);
    tidyUp(steps, true);
    return false;
}

// Settles the change a journal records, if one does; the file it names
// first, when it had to be undone.
std::optional<std::string> settleLocked()
{
    std::vector<Step> steps;
    if (isThere(kJournal)) {
        steps = readJournal(kJournal);
    } else if (!isThere(kPendingJournal)) {
        return std::nullopt;
    } else {
        // Written whole before any file is replaced: one that is not whole was
        // cut short before that, and the temporaries it left are cleared by
        // the commit that next writes them.
        try {
            steps = readJournal(kPendingJournal);
        } catch (const DataFileError&) {
            removeJournals();
            return std::nullopt;
        }
    }
    return settle(steps) ? std::optional(steps.front().programPath) : std::nullopt;
}

} // namespace

std::string readResolvedFile(const fs::path& path, std::string_view programPath, FileIdentity* read)
{
    std::optional<std::string> content = readResolvedFileIfThere(path, programPath, kWholeFile, read);
    if (!content)
        throw DataFileError(std::string(programPath), "the file is missing.");
    return std::move(*content);
}

std::optional<std::string> readResolvedFileIfThere(const fs::path& path, std::string_view programPath,
    std::size_t atMost, FileIdentity* read)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && (errno == ENOENT || errno == ENOTDIR))
        return std::nullopt;
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        if (fd >= 0)
            ::close(fd);
        throw DataFileError(std::string(programPath), "the file cannot be opened for reading.");
    }
    const auto failure = [fd, programPath](const char* problem) {
        ::close(fd);
        return DataFileError(std::string(programPath), problem);
    };
    constexpr const char* kTooLarge = "the file is larger than any file of the program, so it was not read.";
    const bool whole = atMost == kWholeFile;
    if (whole && info.st_size > kLargestDataFile)
        throw failure(kTooLarge);
    const std::size_t cap = whole ? static_cast<std::size_t>(kLargestDataFile) + 1 : atMost;
    // One byte more than the file holds, so that its end is seen without
    // growing the buffer; a file that grew meanwhile is read whole all the same.
    std::string content(std::min(static_cast<std::size_t>(info.st_size) + 1, cap), '\0');
    std::size_t done = 0;
    for (;;) {
        if (done == content.size()) {
            if (done == cap && !whole)
                break;
            if (done == cap)
                throw failure(kTooLarge);
            content.resize(std::min(done * 2, cap));
        }
        const ssize_t n = ::read(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw failure("the file cannot be read.");
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    content.resize(done);
    if (read)
        *read = identityOf(info);
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
    const std::optional<std::string>& content = readIfThere(programPath);
    if (!content)
        throw DataFileError(std::string(programPath), "the file is missing.");
    return *content;
}

const std::optional<std::string>& FileTransaction::readIfThere(std::string_view programPath)
{
    const fs::path path = resolvePath(programPath);
    const std::string key = path.string();
    if (const auto change = changes_.find(key); change != changes_.end())
        return change->second.content;
    auto found = read_.find(key);
    if (found == read_.end()) {
        ReadFile file;
        file.programPath = programPath;
        file.content = readResolvedFileIfThere(path, programPath, kWholeFile, &file.identity);
        found = read_.emplace(key, std::move(file)).first;
    }
    return found->second.content;
}

void FileTransaction::moveFolder(std::string_view fromProgramPath, std::string_view toProgramPath)
{
    folderSteps_.push_back({ false, std::string(fromProgramPath), std::string(toProgramPath) });
}

void FileTransaction::copyFolder(std::string_view fromProgramPath, std::string_view toProgramPath)
{
    folderSteps_.push_back({ true, std::string(fromProgramPath), std::string(toProgramPath) });
}

bool FileTransaction::stillAsRead(const std::string& key, const ReadFile& file)
{
    if (!file.content)
        return !standsAt(key);
    struct stat info {};
    return ::stat(key.c_str(), &info) == 0 && identityOf(info) == file.identity;
}

void FileTransaction::commit()
{
    if (empty())
        return;
    CommitLock lock(changes_.empty() ? folderSteps_.front().toProgramPath : changes_.begin()->second.programPath);
    // A change undone here may have been half made when this one read its
    // files, or when the program read what it holds in memory; one found
    // finished is whole either way.
    if (const std::optional<std::string> undone = settleLocked())
        throw changedMeanwhile(*undone);
    for (const auto& [key, file] : read_)
        if (!stillAsRead(key, file))
            throw changedMeanwhile(file.programPath);
    std::vector<Step> steps;
    for (const FolderStep& step : folderSteps_)
        steps.push_back(plannedFolder(step.copy, step.fromProgramPath, step.toProgramPath, steps));
    const std::vector<Step> folders = steps;
    for (const auto& [key, change] : changes_)
        steps.push_back(plannedFile(fs::path(key), change.programPath,
            change.content ? &*change.content : nullptr, folders));

    clearTemporaries(steps);
    try {
        prepare(steps);
        makeSteps(steps);
    } catch (...) {
        // Where not everything can be put back, that is the failure to tell;
        // the journal stays, so the next start tries again.
        undo(steps);
        throw;
    }
    try {
        tidyUp(steps, false);
    } catch (const DataFileError&) {
        // The change is made and on the disk; what it left is tidied at the
        // next start.
    }
    changes_.clear();
    folderSteps_.clear();
    read_.clear();
}

void settleInterruptedCommit()
{
    CommitLock lock(kJournal.string());
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

std::string sealJournalForTests(std::string lines)
{
    return journal::sealed(std::move(lines));
}

} // namespace carnival
