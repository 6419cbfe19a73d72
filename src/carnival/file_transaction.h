#pragma once
// All-or-nothing changes to data files. An operation stages the new content of
// every file it changes (and every file it deletes); commit() checks them all,
// writes a journal naming every step beside the new contents, each in full
// under a temporary name, and syncs them; only then does it move each
// original to a second name, rename the new contents into place and sync the
// folders, and last remove the originals. A failure at any step, a rename
// included, puts every file back as it was (or, where even that fails, says
// so and leaves the journal for the next start to finish the undo); a commit
// cut short by a crash is finished or undone by settleInterruptedCommit() at
// the next start of any of the programs, before anything reads the data. No
// hard links are used, so this works on any disk, FAT and exFAT included.

#include "data_error.h"

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace carnival {

// A commit refused because another program held the data files longer than
// any change takes (a program stuck half way, or anything else that locks the
// program folder); nothing was changed.
class DataFilesBusy : public DataFileError {
public:
    using DataFileError::DataFileError;
};

// Which file stood at a name when it was read: every commit replaces a file
// by a new one, so a file that still has its identity is still the one read.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::int64_t changedSeconds = 0, changedNanoseconds = 0;
    bool operator==(const FileIdentity&) const = default;
};

class FileTransaction {
public:
    // Stages the whole new content of a file (created when missing).
    void write(std::string_view programPath, std::string content);
    // Stages the deletion of a file; commit() throws when it is missing.
    void remove(std::string_view programPath);
    // Stages moving a folder, with all it holds, to where nothing stands.
    void moveFolder(std::string_view fromProgramPath, std::string_view toProgramPath);
    // Stages a copy of a folder tree, made where nothing stands once the
    // moves staged before it are made. Folder steps come before the files, in
    // the order staged, so a file may be staged in a folder's new place
    // (where the folder moved there holds no file of that name).
    void copyFolder(std::string_view fromProgramPath, std::string_view toProgramPath);

    bool empty() const { return changes_.empty() && folderSteps_.empty(); }

    // The content of a file as this transaction sees it: what a step staged
    // for it, else the file as it stands, read from disk once for the whole
    // transaction. Throws DataFileError when the file is missing, cannot be
    // read or is staged for deletion.
    const std::string& read(std::string_view programPath);
    // The same, or nothing when the file is missing or staged for deletion.
    const std::optional<std::string>& readIfThere(std::string_view programPath);

    // Carries out every staged change. Throws DataFileError naming the first
    // file that could not be written, replaced or deleted (a file the user
    // may not write counts as such, and so does one whose second name is
    // taken by a file the commit did not make), or one of the files read
    // when it is no longer the file that was read (or a file found missing
    // when something stands there now), or when the commit had to
    // undo a change another commit left half made: what the caller computed
    // may rest on files that have changed since. Throws DataFilesBusy
    // when another program holds the data files for more than a few seconds.
    // Nothing is changed then. A replaced file keeps its permissions.
    void commit();

private:
    struct Change {
        std::string programPath;
        std::optional<std::string> content; // nothing: delete the file
    };
    struct FolderStep {
        bool copy;
        std::string fromProgramPath, toProgramPath;
    };
    std::map<std::string, Change> changes_; // keyed by the resolved path
    std::vector<FolderStep> folderSteps_;
    struct ReadFile {
        std::string programPath;
        std::optional<std::string> content; // nothing: the file was missing
        FileIdentity identity;
    };
    std::map<std::string, ReadFile> read_; // by the resolved path
    static bool stillAsRead(const std::string& key, const ReadFile& file);
};

// Finishes or undoes a commit that a crash cut short, from the journal it
// left in the working folder, and removes what it left beside the data files.
// Every program calls it at start-up; commit() calls it too. Throws
// DataFileError naming a file that could not be put back, or naming the
// journal when it is damaged or names anything but the program's data files;
// nothing is touched then, and every commit is refused until it is dealt with.
// Throws DataFilesBusy, naming the journal, when another program holds the
// data files for more than a few seconds.
void settleInterruptedCommit();

// The whole content of the regular file at a resolved path, read with one
// open that never waits; programPath names it in the DataFileError thrown
// when it is missing, not a regular file, unreadable or larger than any file
// the programs write. Where asked, says which file it read.
std::string readResolvedFile(const std::filesystem::path& path, std::string_view programPath,
    FileIdentity* read = nullptr);
// The same, or nothing when no file stands there; only the first atMost
// bytes of a larger file, whatever its size, for a reader that needs no more.
inline constexpr std::size_t kWholeFile = static_cast<std::size_t>(-1);
std::optional<std::string> readResolvedFileIfThere(const std::filesystem::path& path, std::string_view programPath,
    std::size_t atMost = kWholeFile, FileIdentity* read = nullptr);

// Test hooks.
enum class FileFault {
    Write,   // the file cannot be written, as on a full disk or in a read-only folder
    Replace, // the file is written but cannot be renamed into place or deleted
    Restore, // an undo cannot put the file's original back, as on a full disk
};
// Makes the file layer fail on a file: every change of a file whose program
// path (compared without regard to case, "\" or "/" alike) ends with `suffix`
// fails in the given way until the hook is cleared with an empty suffix.
void failFileWritesForTests(std::string_view suffix, FileFault fault = FileFault::Write);

// Ends the process, as a crash would, just before the step-th change to the
// disk (counted from this call; 0 turns it off) that a commit, or the
// settling of one, makes.
inline constexpr int kEndedByTestHook = 86;
void endProcessAtCommitStepForTests(int step);

// Journal lines ("R\t<hash>\tdata/x.dat\n" and so on) with the last line
// that makes them a whole journal, as a commit writes it.
std::string sealJournalForTests(std::string lines);

} // namespace carnival
