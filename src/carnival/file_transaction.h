#pragma once
// All-or-nothing changes to data files. An operation stages the new content of
// every file it changes (and every file it deletes); commit() writes each one in
// full to a temporary beside it, flushes and syncs it, and only when all are
// ready renames them over the originals and syncs their folders. A failure
// before the renames removes the temporaries and leaves every file as it was.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace carnival {

class FileTransaction {
public:
    // Stages the whole new content of a file (created when missing).
    void write(std::string_view programPath, std::string content);
    // Stages the deletion of a file; commit() throws when it is missing.
    void remove(std::string_view programPath);

    // The content staged for a file: nothing when the file is not staged or is
    // staged for deletion. Lets a step see what an earlier step of the same
    // operation will write.
    std::optional<std::string_view> staged(std::string_view programPath) const;
    bool empty() const { return changes_.empty(); }

    // The content of a file as this transaction sees it: what a step staged
    // for it, else the file as it stands, read from disk once for the whole
    // transaction. Throws DataFileError when the file is missing, cannot be
    // read or is staged for deletion.
    const std::string& read(std::string_view programPath);

    // Carries out every staged change. Throws DataFileError naming the first
    // file that could not be written or deleted; nothing is changed then.
    void commit();

private:
    struct Change {
        std::string programPath;
        std::optional<std::string> content; // nothing: delete the file
    };
    std::map<std::string, Change> changes_; // keyed by the resolved path
    std::map<std::string, std::string> read_; // files read, by the resolved path
};

// The whole content of the file at a resolved path, read with one open;
// programPath names it in the DataFileError thrown when it is missing, a
// folder or unreadable.
std::string readResolvedFile(const std::filesystem::path& path, std::string_view programPath);

// Test hook: makes the file layer fail on a file, as a full disk or a
// read-only folder would. Every write, rename or delete of a file whose program
// path (compared without regard to case, "\" or "/" alike) ends with `suffix`
// fails until the hook is cleared with an empty suffix.
void failFileWritesForTests(std::string_view suffix);

// True when the test hook makes writes to this file fail; for the file steps
// that do not go through a transaction (a folder copied whole).
bool fileWriteFailsForTests(std::string_view programPath);

} // namespace carnival
