#pragma once
// A temporary working folder for one test, laid out like a fresh install.

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace testing_support {

class WorkingFolder {
public:
    // An empty folder, or one holding the installed data set.
    enum class Contents { Empty, InstalledDataSet };

    explicit WorkingFolder(Contents contents = Contents::InstalledDataSet);
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

    const std::filesystem::path& root() const { return root_; }

    // Writes a file below the folder (relative path with "/").
    void write(std::string_view relativePath, std::string_view content) const;
    std::string read(std::string_view relativePath) const;
    bool exists(std::string_view relativePath) const;

private:
    std::filesystem::path root_;
    std::filesystem::path previous_;
};

// Lays the installed data set out in folder, as the install step does.
void copyDataSet(const std::filesystem::path& folder);

// A folder tree: every folder (its name ending in "/", mapped to "") and
// every file with its content, by the path relative to the tree's root.
using Tree = std::map<std::string, std::string>;

// The tree below root as it is now; empty when root does not exist.
Tree snapshot(const std::filesystem::path& root);
// Lays the tree out below root again, in place of whatever is there.
void restoreSnapshot(const std::filesystem::path& root, const Tree& tree);

// Runs the operation in a child process that ends, as a crash would, just
// before the step-th change a commit makes to the disk. True when it ended
// there; false when the operation ran to its end.
bool endsAtCommitStep(int step, const std::function<void()>& operation);

// Ends the operation at each step of its commits in turn, each time from the
// tree below root as it is now, and settles what it left as the next start
// of a program would, that too ended at each of its steps in turn and tried
// again. The tree must then be as before the operation or as after it (a test
// failure otherwise); says how often it was each. A firstStart, when given,
// runs after each end, before that settling: a start that may fail.
struct SettledEnds {
    int undone = 0;
    int finished = 0;
};
SettledEnds endAtEveryCommitStep(const std::filesystem::path& root, const std::function<void()>& operation,
    const std::function<void()>& firstStart = {});

} // namespace testing_support
