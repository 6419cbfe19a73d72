#pragma once
// The journal of a change to the data files: the steps a commit makes, the
// form in which it names them beside the data, and when a journal read back
// can be trusted. Written whole under its pending name, with a last line that
// proves it whole, and synced with the new contents before any file is
// replaced; it takes its own name as the first of the renames. One line a
// step, three fields apart by tabs, then the proof:
//   M <from> <to>   N <from> <to>   R <hash> <path>   C <hash> <path>   D - <path>
//   E <hash of every line above>
// It lies in the working folder, which no commit moves.

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace carnival::journal {

inline const std::filesystem::path kJournal("commit.journal");
inline const std::filesystem::path kPendingJournal("commit.journal.new~");

// Folder steps come first, in the order staged, then the files.
enum class Kind : char { Move = 'M', Copy = 'N', Replace = 'R', Create = 'C', Delete = 'D' };

struct Step {
    Kind kind;
    std::filesystem::path path {};           // the file, or the folder's new place
    std::filesystem::path from {};           // the folder moved or copied
    std::string programPath {}; // the name the user knows the file or folder by
    std::uint64_t hash = 0;     // of the new content
    const std::string* content = nullptr;
    std::optional<mode_t> mode {}; // the original's permissions, kept by its replacement
    std::optional<std::pair<uid_t, gid_t>> owner {};
    bool inFolderToCome = false; // its temporary is written once the folder steps are made

    bool isFolder() const { return kind == Kind::Move || kind == Kind::Copy; }
    bool keepsOriginal() const { return kind == Kind::Replace || kind == Kind::Delete; }
    bool writes() const { return kind == Kind::Replace || kind == Kind::Create; }
};


// True when path is the folder or lies below it.
bool isWithin(const std::filesystem::path& path, const std::filesystem::path& folder);

// A hash of a file's whole content, to know it again.
std::uint64_t contentHash(std::string_view bytes);

// A path of the shape commits write: relative, with no empty, "." or ".."
// component, no control character and no link among the folders on the
// way, below one of the folders commits change; or, for a deletion, a file
// of the working folder itself (the set-up pass removes old work files
// there), never the journal. The last component of a file's path may be
// anything: a commit renames what stands there, it never goes through it; a
// folder step's own folder must be a real one where it stands.
bool isCommitPath(const std::string& text, Kind kind);
// Every path of the step is of that shape.
bool isConfined(const Step& step);

// How messages name a path of the journal: as the program does.
std::string programPathOf(std::string path);

// Lines with the last line that proves them whole.
std::string sealed(std::string lines);
std::string journalText(const std::vector<Step>& steps);
// The steps of the journal at path; throws DataFileError naming it when it
// cannot be read, is not whole or names anything but the data files.
std::vector<Step> readJournal(const std::filesystem::path& journal);

} // namespace carnival::journal
