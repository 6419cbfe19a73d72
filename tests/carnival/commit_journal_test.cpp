// The commit journal trusted no further than the program's data files: a
// start that cannot put files back, journals the programs did not write,
// files no program writes; and saves that meet other programs' changes, the
// leftovers of a power cut, or a lock held elsewhere.

#include "carnival/data_error.h"
#include "carnival/file_transaction.h"
#include "carnival/text_files.h"

#include "support/working_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <string>

using namespace carnival;
using namespace testing_support;

namespace {

namespace fs = std::filesystem;

// A working folder with the files the change below touches, and a folder
// beside it, holding a file with both of a commit's neighbours, that no
// journal may touch.
class CommitJournalTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.write("data/points.dat", "old points");
        folder.write("data/athletics.dat", "old records");
        folder.write("data/carnival.dat", "old carnival");
        fs::create_directories(folder.root() / "data/athletics/events");
        for (const char* name : { "victim.dat", "victim.dat.old~", "victim.dat.new~", "sub/kept.dat" }) {
            fs::create_directories((outside / name).parent_path());
            std::ofstream(outside / name) << name;
        }
    }
    void TearDown() override { fs::remove_all(outside); }

    // The change every test cuts short: two files replaced, one made, one deleted.
    static void change()
    {
        FileTransaction files;
        files.write("data\\points.dat", "new points");
        files.write("data\\Athletics.dat", "new records");
        files.write("data\\athletics\\events\\12Boys200m.dat", "new result");
        files.remove("data\\carnival.dat");
        files.commit();
    }

    // What a start says, or nothing when it settled everything.
    static std::optional<DataFileError> start()
    {
        try {
            settleInterruptedCommit();
        } catch (const DataFileError& error) {
            return error;
        }
        return std::nullopt;
    }

    void plantJournal(const std::string& text, const char* name = "commit.journal") const
    {
        folder.write(name, text);
    }

    WorkingFolder folder { WorkingFolder::Contents::Empty };
    fs::path outside = fs::temp_directory_path() / ("ostrivale-outside-" + std::to_string(std::random_device()()));
};

TEST_F(CommitJournalTest, AStartThatCannotPutAFileBackKeepsItForThePlainStartAfter)
{
    const SettledEnds ends = endAtEveryCommitStep(folder.root(), change, [] {
        failFileWritesForTests("data/points.dat", FileFault::Restore);
        start();
        failFileWritesForTests("");
    });
    EXPECT_GE(ends.undone, 8); // the journal, three temporaries, and each rename
    EXPECT_GE(ends.finished, 1);
}

TEST_F(CommitJournalTest, ADamagedJournalIsNotActedOnAndRefusesEverySave)
{
    ASSERT_TRUE(endsAtCommitStep(10, change));
    ASSERT_EQ(folder.read("data/athletics.dat"), "new records"); // cut short half way
    const fs::path whole = folder.root() / "whole.journal";
    fs::rename(folder.root() / "commit.journal", whole);
    const std::string journal = folder.read("whole.journal");
    for (const std::string& damaged : { std::string(), journal.substr(0, journal.rfind("\nE\t") + 1) }) {
        plantJournal(damaged);
        const Tree before = snapshot(folder.root());
        const std::optional<DataFileError> said = start();
        ASSERT_TRUE(said.has_value());
        EXPECT_EQ(said->file(), "commit.journal");
        EXPECT_NE(said->problem().find("damaged"), std::string::npos) << said->problem();
        try {
            change();
            ADD_FAILURE() << "a save went ahead";
        } catch (const DataFileError& refused) {
            EXPECT_EQ(refused.userMessage(), said->userMessage());
        }
        EXPECT_EQ(snapshot(folder.root()), before);
    }
    fs::rename(whole, folder.root() / "commit.journal"); // the whole journal back: the change is undone
    EXPECT_FALSE(start());
    EXPECT_EQ(folder.read("data/athletics.dat"), "old records");
    EXPECT_EQ(folder.read("data/points.dat"), "old points");
    EXPECT_EQ(folder.read("data/carnival.dat"), "old carnival");
    EXPECT_FALSE(folder.exists("data/athletics/events/12Boys200m.dat"));
}

struct PlantedLine {
    const char* name;
    std::function<std::string(const fs::path& outside)> line;
};

class PlantedJournal : public CommitJournalTest, public ::testing::WithParamInterface<PlantedLine> {};

TEST_P(PlantedJournal, ChangesNothingItDidNotMakeAndSaysSo)
{
    const fs::path up = fs::path("..") / outside.filename();
    fs::create_directory_symlink(outside, folder.root() / "data/link");
    // A second line no commit made, so that the journal is settled by an undo.
    plantJournal(sealJournalForTests(GetParam().line(up) + "C\t0123456789abcdef\tdata/points.dat\n"));
    const Tree outsideBefore = snapshot(outside);
    const Tree dataBefore = snapshot(folder.root() / "data");

    const std::optional<DataFileError> said = start();
    ASSERT_TRUE(said.has_value());
    EXPECT_NE(said->userMessage().find("commit.journal"), std::string::npos) << said->userMessage();
    EXPECT_EQ(snapshot(outside), outsideBefore);
    EXPECT_EQ(snapshot(folder.root() / "data"), dataBefore);
    EXPECT_TRUE(folder.exists("commit.journal"));
}

INSTANTIATE_TEST_SUITE_P(CommitJournal, PlantedJournal,
    ::testing::Values(
        PlantedLine { "CopyToAnAbsoluteFolder",
            [](const fs::path& up) { return "N\tdata/link\t" + fs::absolute(up / "sub").string() + "\n"; } },
        PlantedLine { "CopyClimbingOut", [](const fs::path& up) { return "N\tdata/link\t" + (up / "sub").string() + "\n"; } },
        PlantedLine { "MoveClimbingOut", [](const fs::path& up) { return "M\t" + (up / "sub").string() + "\tdata/x\n"; } },
        PlantedLine { "CreateAtAnAbsolutePath",
            [](const fs::path& up) { return "C\t0000000000000000\t" + fs::absolute(up / "victim.dat").string() + "\n"; } },
        PlantedLine { "DeleteClimbingOut", [](const fs::path& up) { return "D\t-\tdata/../" + (up / "victim.dat").string() + "\n"; } },
        PlantedLine { "ReplaceThroughALink", [](const fs::path&) { return "R\t0000000000000000\tdata/link/victim.dat\n"; } },
        PlantedLine { "MoveBackOntoALink",
            [](const fs::path&) { return "R\t0000000000000000\tdata/x/victim.dat\nM\tdata/x\tdata/link\n"; } },
        PlantedLine { "CopyOverAFolderItDidNotMake", [](const fs::path&) { return "N\tdata/nothing\tdata/athletics\n"; } },
        PlantedLine { "CopyOntoItself", [](const fs::path&) { return "N\tdata/athletics\tdata/athletics\n"; } }),
    [](const ::testing::TestParamInfo<PlantedLine>& info) { return std::string(info.param.name); });

TEST_F(CommitJournalTest, WhatNoCommitLeavesAtItsSecondNamesRefusesTheCommit)
{
    using LeftOver = std::pair<const char*, const char*>; // on disk, and the name refused
    for (const auto& [onDisk, named] : { LeftOver { "data/points.dat.old~", "data\\points.dat.old~" },
             LeftOver { "data/points.dat.new~/notes.txt", "data\\points.dat.new~" } }) {
        folder.write(onDisk, "someone else's");
        const Tree before = snapshot(folder.root());
        try {
            change();
            ADD_FAILURE() << "committed past " << onDisk;
        } catch (const DataFileError& error) {
            EXPECT_EQ(error.file(), named);
        }
        EXPECT_EQ(snapshot(folder.root()), before);
        for (const char* name : { "data/points.dat.old~", "data/points.dat.new~" })
            fs::remove_all(folder.root() / name);
    }
}

TEST_F(CommitJournalTest, APowerCutBeforeTheJournalWasWholeLeavesTheNextSaveFree)
{
    // Cut short as the journal is to take its name: it and every temporary are written.
    ASSERT_TRUE(endsAtCommitStep(5, change));
    const std::string pending = folder.read("commit.journal.new~");
    plantJournal(pending.substr(0, pending.size() / 2), "commit.journal.new~");
    fs::remove(folder.root() / "data/points.dat.new~");
    fs::create_symlink(outside / "victim.dat", folder.root() / "data/points.dat.new~");

    EXPECT_FALSE(start());
    change();
    EXPECT_EQ(folder.read("data/points.dat"), "new points");
    EXPECT_EQ(folder.read("data/athletics.dat"), "new records");
    EXPECT_EQ(snapshot(outside).at("victim.dat"), "victim.dat");
}

TEST_F(CommitJournalTest, ACopyCutShortIsClearedButNothingInAFolderTheChangeMoves)
{
    fs::create_directories(folder.root() / "pristine data/athletics/events");
    folder.write("data/athletics.new~/events/half.dat", "cut short");
    folder.write("data/athletics/points.dat.new~", "no leftover of a commit");
    const auto newCarnival = [] {
        FileTransaction files;
        files.moveFolder("data\\athletics", "data\\Athletics2001");
        files.copyFolder("pristine data\\athletics", "data\\athletics");
        files.write("data\\Athletics2001\\points.dat", "backed up");
        files.commit();
    };
    EXPECT_THROW(newCarnival(), DataFileError);
    EXPECT_TRUE(folder.exists("data/athletics.new~/events/half.dat")); // a refused change clears nothing
    fs::remove(folder.root() / "data/athletics/points.dat.new~");
    newCarnival();
    EXPECT_EQ(snapshot(folder.root() / "data/athletics"), snapshot(folder.root() / "pristine data/athletics"));
    EXPECT_FALSE(folder.exists("data/athletics.new~"));
}

TEST_F(CommitJournalTest, ASaveBuiltOnAFileChangedSinceItWasReadIsRefused)
{
    // A file read and replaced since, and a file found missing and made since.
    for (const std::string path : { "data\\Athletics.dat", "data\\Houses.dat" }) {
        FileTransaction files;
        files.write("data\\points.dat", files.readIfThere(path).value_or("nothing") + " scored");
        writeFileAtomically(path, "another program's file");
        const Tree before = snapshot(folder.root());
        try {
            files.commit();
            ADD_FAILURE() << "committed";
        } catch (const DataFileError& error) {
            EXPECT_EQ(error.file(), path);
            EXPECT_NE(error.problem().find("make the change again"), std::string::npos) << error.problem();
        }
        EXPECT_EQ(snapshot(folder.root()), before);
    }
}

TEST_F(CommitJournalTest, ASaveThatSettlesAChangeFirstIsRefusedOnceWithNothingMixed)
{
    ASSERT_TRUE(endsAtCommitStep(10, change));
    failFileWritesForTests("data/athletics.dat", FileFault::Restore);
    ASSERT_TRUE(start()); // and the program goes on, its files mixed
    failFileWritesForTests("");
    const auto save = [] {
        FileTransaction files;
        files.write("data\\points.dat", files.read("data\\points.dat") + " scored");
        files.commit();
    };
    EXPECT_THROW(save(), DataFileError);
    EXPECT_EQ(folder.read("data/athletics.dat"), "old records");
    EXPECT_EQ(folder.read("data/points.dat"), "old points");
    EXPECT_TRUE(folder.exists("data/carnival.dat"));
    save();
    EXPECT_EQ(folder.read("data/points.dat"), "old points scored");
}

TEST_F(CommitJournalTest, ASaveAfterAChangeCutShortOnceWholeGoesAhead)
{
    ASSERT_TRUE(endsAtCommitStep(12, change)); // every rename made, nothing tidied
    ASSERT_TRUE(folder.exists("data/points.dat.old~"));
    writeFileAtomically("data\\houses.dat", "houses");
    EXPECT_EQ(folder.read("data/points.dat"), "new points");
    EXPECT_FALSE(folder.exists("data/points.dat.old~"));
}

TEST_F(CommitJournalTest, ALockHeldElsewhereRefusesASaveWithinSeconds)
{
    const int held = ::open(folder.root().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    const Tree before = snapshot(folder.root());
    const auto began = std::chrono::steady_clock::now();
    EXPECT_THROW(change(), DataFilesBusy);
    EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(8));
    EXPECT_EQ(snapshot(folder.root()), before);
    ::close(held);
}

TEST_F(CommitJournalTest, PlansNoUndoCouldTakeBackAreRefused)
{
    folder.write("data/athletics/points.dat", "the folder's own");
    fs::create_directories(folder.root() / "data/swimming");
    const Tree before = snapshot(folder.root());
    const std::function<void(FileTransaction&)> plans[] = {
        [](FileTransaction& files) { files.write("data\\Athletics2001\\points.dat", "backed up"); },
        [](FileTransaction& files) { files.moveFolder("data\\swimming", "data\\athletics"); },
    };
    for (const auto& plan : plans) {
        FileTransaction files;
        files.moveFolder("data\\athletics", "data\\Athletics2001");
        plan(files);
        EXPECT_THROW(files.commit(), DataFileError);
        EXPECT_EQ(snapshot(folder.root()), before);
    }
}

struct SpecialFile {
    const char* name;
    const char* path;
    const char* named; // in the message
    bool pipe;         // else a sparse file far larger than any the programs write
};

class SpecialFileTest : public CommitJournalTest, public ::testing::WithParamInterface<SpecialFile> {};

TEST_P(SpecialFileTest, IsRefusedByNameWithoutWaitingOrReadingIt)
{
    const fs::path path = folder.root() / GetParam().path;
    fs::remove(path);
    if (GetParam().pipe) {
        ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    } else {
        std::ofstream(path).close();
        ASSERT_EQ(::truncate(path.c_str(), off_t(64) << 30), 0);
    }
    try {
        if (fs::path(GetParam().path) == "commit.journal")
            settleInterruptedCommit();
        else
            readFileContent("data\\points.dat");
        ADD_FAILURE() << "read";
    } catch (const DataFileError& error) {
        EXPECT_EQ(error.file(), GetParam().named);
    }
}

INSTANTIATE_TEST_SUITE_P(CommitJournal, SpecialFileTest,
    ::testing::Values(SpecialFile { "PipeAtTheJournal", "commit.journal", "commit.journal", true },
        SpecialFile { "PipeAtADataFile", "data/points.dat", "data\\points.dat", true },
        SpecialFile { "HugeJournal", "commit.journal", "commit.journal", false },
        SpecialFile { "HugeDataFile", "data/points.dat", "data\\points.dat", false }),
    [](const ::testing::TestParamInfo<SpecialFile>& info) { return std::string(info.param.name); });

} // namespace
