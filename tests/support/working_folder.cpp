#include "working_folder.h"

#include "carnival/data_error.h"
#include "carnival/file_transaction.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace testing_support {

namespace fs = std::filesystem;

void copyDataSet(const fs::path& folder)
{
    fs::copy(OSTRIVALE_DATASET, folder, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    const std::string emptyFolders = OSTRIVALE_EMPTY_TEMPLATE_FOLDERS;
    for (std::size_t start = 0, end; start < emptyFolders.size(); start = end + 1) {
        end = std::min(emptyFolders.find('|', start), emptyFolders.size());
        fs::create_directories(folder / emptyFolders.substr(start, end - start));
    }
}

WorkingFolder::WorkingFolder(Contents contents)
    : previous_(fs::current_path())
{
    std::random_device random;
    root_ = fs::temp_directory_path() / ("ostrivale-test-" + std::to_string(random()));
    fs::create_directories(root_);
    if (contents == Contents::InstalledDataSet)
        copyDataSet(root_);
    fs::current_path(root_);
}

WorkingFolder::~WorkingFolder()
{
    std::error_code ec;
    fs::current_path(previous_, ec);
    fs::remove_all(root_, ec);
}

void WorkingFolder::write(std::string_view relativePath, std::string_view content) const
{
    const fs::path path = root_ / fs::path(std::string(relativePath));
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

std::string WorkingFolder::read(std::string_view relativePath) const
{
    std::ifstream in(root_ / fs::path(std::string(relativePath)), std::ios::binary);
    if (!in)
        throw std::runtime_error("missing file " + std::string(relativePath));
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool WorkingFolder::exists(std::string_view relativePath) const
{
    return fs::exists(root_ / fs::path(std::string(relativePath)));
}

Tree snapshot(const fs::path& root)
{
    Tree tree;
    if (!fs::exists(root))
        return tree;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string name = fs::relative(entry.path(), root).generic_string();
        if (entry.is_directory()) {
            tree[name + "/"] = "";
        } else {
            std::ifstream in(entry.path(), std::ios::binary);
            tree[name] = std::string(std::istreambuf_iterator<char>(in), {});
        }
    }
    return tree;
}

void restoreSnapshot(const fs::path& root, const Tree& tree)
{
    for (const auto& entry : fs::directory_iterator(root)) // root may be the working folder: it stays
        fs::remove_all(entry.path());
    for (const auto& [name, content] : tree) {
        if (name.back() == '/') {
            fs::create_directories(root / name);
            continue;
        }
        std::ofstream out(root / name, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
    }
}

bool endsAtCommitStep(int step, const std::function<void()>& operation)
{
    const pid_t child = ::fork();
    if (child == 0) {
        carnival::endProcessAtCommitStepForTests(step);
        operation();
        std::_Exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == carnival::kEndedByTestHook;
}

SettledEnds endAtEveryCommitStep(const fs::path& root, const std::function<void()>& operation,
    const std::function<void()>& firstStart)
{
    const Tree before = snapshot(root);
    EXPECT_FALSE(endsAtCommitStep(0, operation));
    const Tree after = snapshot(root);
    EXPECT_NE(after, before);

    // Settling may itself be cut short, at any of its own steps, and tried again.
    const auto settle = [] {
        try {
            carnival::settleInterruptedCommit();
        } catch (const carnival::DataFileError&) {
        }
    };
    SettledEnds ends;
    for (int step = 1; step < 1000; ++step) {
        restoreSnapshot(root, before);
        if (!endsAtCommitStep(step, operation))
            break;
        if (firstStart)
            firstStart();
        const Tree ended = snapshot(root);
        for (int settleStep = 1; settleStep < 1000; ++settleStep) {
            restoreSnapshot(root, ended);
            const bool settleEnded = endsAtCommitStep(settleStep, settle);
            carnival::settleInterruptedCommit();
            const Tree settled = snapshot(root);
            EXPECT_TRUE(settled == before || settled == after) << "ended before step " << step << ", settling "
                                                               << "before step " << settleStep;
            if (!settleEnded) {
                ends.undone += settled == before;
                ends.finished += settled == after;
                break;
            }
        }
    }
    return ends;
}

} // namespace testing_support
