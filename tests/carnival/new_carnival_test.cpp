// Starting a new carnival: backup of the old one, a fresh live folder from
// the template tree, points back to zero and the new carnival file; a refused
// or failed start leaves every file as it was.

#include "carnival/file_transaction.h"
#include "carnival/new_carnival.h"

#include "support/carnival_layout.h"
#include "support/file_forms.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace carnival;
using namespace testing_support;

namespace {

namespace fs = std::filesystem;

class NewCarnivalTest : public ::testing::Test {
protected:
    // The current carnival: Athletics, 2001, with results and age champions.
    void SetUp() override
    {
        folder = std::make_unique<WorkingFolder>();
        folder->write("pristine data/athletics/individuals/12/boys.dat", std::string(25600, 'a'));
        folder->write("pristine data/swimming/individuals/12/boys.dat", std::string(25600, 's'));
        folder->write("pristine data/swimming/individuals/17+/girls.dat", std::string(25600, 'g'));
        layOutAthletics2001(*folder);
        folder->write("data/athletics/individuals/12/boys.dat", std::string(25600, 'b'));
        folder->write("data/athletics.dat", std::string(128 * 3, 'r'));
        folder->write("data/swimming.dat", std::string(128 * 2, 'w'));
    }

    Tree whole() const { return snapshot(folder->root()); }
    Tree below(const char* path) const { return snapshot(folder->root() / path); }

    std::unique_ptr<WorkingFolder> folder;
};

} // namespace

TEST_F(NewCarnivalTest, SwimmingAfterAthletics2001)
{
    const Tree oldLive = below("data/athletics");
    const Tree swimmingTemplate = below("pristine data/swimming");
    const Tree templates = below("pristine data");

    const auto failure = startNewCarnival(newSwimmingCarnival(), "Athletics", "2001", "2010");
    ASSERT_FALSE(failure.has_value()) << *failure;

    Tree backup = oldLive;
    backup["points.dat"] = kOldPoints;
    EXPECT_EQ(below("data/Athletics2001"), backup);
    EXPECT_FALSE(folder->exists("data/athletics"));
    EXPECT_EQ(below("data/swimming"), swimmingTemplate);
    EXPECT_TRUE(fs::is_directory(folder->root() / "data/swimming/events"));
    EXPECT_EQ(folder->read("data/points.dat"), " 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
    EXPECT_EQ(folder->read("data/carnival.dat"), "Swimming\r\n 2010 \r\n");
    // Records carry over; the templates stay as they were.
    EXPECT_EQ(folder->read("data/athletics.dat"), std::string(128 * 3, 'r'));
    EXPECT_EQ(folder->read("data/swimming.dat"), std::string(128 * 2, 'w'));
    EXPECT_EQ(below("pristine data"), templates);
}

TEST_F(NewCarnivalTest, TheSameTypeAgainReplacesTheLiveFolderWithTheTemplate)
{
    const Tree oldLive = below("data/athletics");
    const auto failure = startNewCarnival(newAthleticsCarnival(), "Athletics", "2001", "2002");
    ASSERT_FALSE(failure.has_value()) << *failure;
    Tree backup = oldLive;
    backup["points.dat"] = kOldPoints;
    EXPECT_EQ(below("data/Athletics2001"), backup);
    EXPECT_EQ(below("data/athletics"), below("pristine data/athletics"));
    EXPECT_EQ(folder->read("data/carnival.dat"), "Athletics\r\n 2002 \r\n");
}

TEST_F(NewCarnivalTest, TheFirstCarnivalBacksUpThePlaceholder)
{
    folder->write("data/carnival.dat", "Click New Carnival\r\n 2026 \r\n");
    fs::remove_all(folder->root() / "data/athletics");
    const Tree placeholder = below("data/Click New Carnival");
    const auto failure = startNewCarnival(newAthleticsCarnival(), "Click New Carnival", "2026", "2026");
    ASSERT_FALSE(failure.has_value()) << *failure;
    Tree backup = placeholder;
    backup["points.dat"] = kOldPoints;
    EXPECT_EQ(below("data/Click New Carnival2026"), backup);
    EXPECT_FALSE(folder->exists("data/Click New Carnival"));
    EXPECT_EQ(below("data/athletics"), below("pristine data/athletics"));
    EXPECT_EQ(folder->read("data/carnival.dat"), "Athletics\r\n 2026 \r\n");
}

TEST_F(NewCarnivalTest, TheYearIsTheNumberAtTheStartOfWhatWasTyped)
{
    ASSERT_FALSE(startNewCarnival(newSwimmingCarnival(), "Athletics", "2001", "2010abc").has_value());
    EXPECT_EQ(folder->read("data/carnival.dat"), "Swimming\r\n 2010 \r\n");
}

TEST_F(NewCarnivalTest, LettersOnlyGiveYearZero)
{
    ASSERT_FALSE(startNewCarnival(newSwimmingCarnival(), "Athletics", "2001", "next year").has_value());
    EXPECT_EQ(folder->read("data/carnival.dat"), "Swimming\r\n 0 \r\n");
}

TEST_F(NewCarnivalTest, BlanksInsideTheYearAreSkipped)
{
    ASSERT_FALSE(startNewCarnival(newSwimmingCarnival(), "Athletics", "2001", " 20 10 ").has_value());
    EXPECT_EQ(folder->read("data/carnival.dat"), "Swimming\r\n 2010 \r\n");
}

// ---- Refused before anything changes -----------------------------------------

TEST_F(NewCarnivalTest, ATakenBackupNameChangesNothing)
{
    folder->write("data/Athletics2001/points.dat", " 1 \r\n 1 \r\n 1 \r\n 1 \r\n");
    const Tree before = whole();
    EXPECT_EQ(newCarnivalProblem(newSwimmingCarnival(), "Athletics", "2001"), std::string(kCarnivalExists));
    EXPECT_EQ(startNewCarnival(newSwimmingCarnival(), "Athletics", "2001", "2010"), std::string(kCarnivalExists));
    EXPECT_EQ(whole(), before);
}

TEST_F(NewCarnivalTest, ABackupNameTakenInAnotherCaseChangesNothing)
{
    fs::create_directories(folder->root() / "data/ATHLETICS2001");
    const Tree before = whole();
    EXPECT_EQ(startNewCarnival(newAthleticsCarnival(), "Athletics", "2001", "2002"), std::string(kCarnivalExists));
    EXPECT_EQ(whole(), before);
}

TEST_F(NewCarnivalTest, TheSameTypeAndYearStartedTwiceIsRefusedTheSecondTime)
{
    ASSERT_FALSE(startNewCarnival(newAthleticsCarnival(), "Athletics", "2001", "2001").has_value());
    ASSERT_EQ(folder->read("data/carnival.dat"), "Athletics\r\n 2001 \r\n");
    folder->write("data/athletics/events/12Boys100m.dat", "results of the second 2001");
    const Tree before = whole();
    // Whatever year is typed: the backup is named after the current carnival.
    EXPECT_EQ(startNewCarnival(newSwimmingCarnival(), "Athletics", "2001", "2011"), std::string(kCarnivalExists));
    EXPECT_EQ(whole(), before);
}

TEST_F(NewCarnivalTest, AMissingTemplateFolderIsNamedAndNothingChanges)
{
    fs::remove_all(folder->root() / "pristine data/swimming/individuals/12");
    const Tree before = whole();
    const auto failure = startNewCarnival(newSwimmingCarnival(), "Athletics", "2001", "2010");
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find("pristine data\\swimming\\individuals\\12"), std::string::npos) << *failure;
    EXPECT_EQ(whole(), before);
}

// A hand-edited carnival file must not make a new carnival move a folder
// outside the data folder.
TEST_F(NewCarnivalTest, ATypeLeavingTheDataFolderOrAYearTooLargeChangesNothing)
{
    folder->write("victim/kept.txt", "kept");
    const Tree before = whole();
    const auto failure = startNewCarnival(newSwimmingCarnival(), "..\\victim", "2001", "2010");
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find("data\\carnival.dat"), std::string::npos) << *failure;
    // Nor may a typed year too large for the number form be written.
    EXPECT_TRUE(startNewCarnival(newSwimmingCarnival(), "Athletics", "2001", "1000000000000000").has_value());
    EXPECT_EQ(whole(), before);
}

TEST_F(NewCarnivalTest, AMissingPointsFileIsNamedAndNothingChanges)
{
    fs::remove(folder->root() / "data/points.dat");
    const Tree before = whole();
    const auto failure = startNewCarnival(newSwimmingCarnival(), "Athletics", "2001", "2010");
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find("data\\points.dat"), std::string::npos) << *failure;
    EXPECT_EQ(whole(), before);
}

TEST_F(NewCarnivalTest, APointsFileInTheCurrentFolderIsNeverOverwrittenByTheBackup)
{
    folder->write("data/athletics/points.dat", "kept\r\n");
    const Tree before = whole();
    const auto failure = startNewCarnival(newSwimmingCarnival(), "Athletics", "2001", "2010");
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find("points.dat"), std::string::npos) << *failure;
    EXPECT_EQ(whole(), before);
}

TEST_F(NewCarnivalTest, AMissingCurrentFolderIsNamedAndNothingChanges)
{
    fs::remove_all(folder->root() / "data/athletics");
    const Tree before = whole();
    const auto failure = startNewCarnival(newSwimmingCarnival(), "Athletics", "2001", "2010");
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find("data\\Athletics"), std::string::npos) << *failure;
    EXPECT_EQ(whole(), before);
}

TEST_F(NewCarnivalTest, AMissingCarnivalFileIsNamedAndNothingChanges)
{
    fs::remove(folder->root() / "data/carnival.dat");
    const Tree before = whole();
    const auto failure = startNewCarnival(newSwimmingCarnival(), "Athletics", "2001", "2010");
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find("data\\carnival.dat"), std::string::npos) << *failure;
    EXPECT_EQ(whole(), before);
}

TEST_F(NewCarnivalTest, ALiveFolderOfTheNewTypeInTheWayChangesNothing)
{
    folder->write("data/swimming/events/12Boys50mFreestyle.dat", "someone's results");
    const Tree before = whole();
    const auto failure = startNewCarnival(newSwimmingCarnival(), "Athletics", "2001", "2010");
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find("data\\swimming"), std::string::npos) << *failure;
    EXPECT_EQ(whole(), before);
}

// ---- A failure at any file changes nothing ----------------------------------------

struct NewCarnivalFault {
    const char* name;
    const char* file; // the end of the failing file's or folder's path
    const char* named;
};

class NewCarnivalFaultTest : public NewCarnivalTest, public ::testing::WithParamInterface<NewCarnivalFault> {};

TEST_P(NewCarnivalFaultTest, LeavesEveryFileAsItWas)
{
    const Tree before = whole();
    failFileWritesForTests(GetParam().file);
    const auto failure = startNewCarnival(newSwimmingCarnival(), "Athletics", "2001", "2010");
    failFileWritesForTests("");
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find(GetParam().named), std::string::npos) << *failure;
    EXPECT_NE(failure->find("new carnival was not started"), std::string::npos) << *failure;
    EXPECT_EQ(whole(), before);
}

INSTANTIATE_TEST_SUITE_P(NewCarnival, NewCarnivalFaultTest,
    ::testing::Values(NewCarnivalFault { "TemplateCopy", "data/swimming", "pristine data\\swimming" },
        NewCarnivalFault { "BackedUpPoints", "athletics2001/points.dat", "data\\Athletics2001\\points.dat" },
        NewCarnivalFault { "Points", "data/points.dat", "data\\points.dat" },
        NewCarnivalFault { "CarnivalFile", "data/carnival.dat", "data\\carnival.dat" }),
    [](const ::testing::TestParamInfo<NewCarnivalFault>& info) { return std::string(info.param.name); });

// ---- A start cut short is undone or finished at the next start ----------------------

class NewCarnivalEndedTest : public NewCarnivalTest, public ::testing::WithParamInterface<const NewCarnival*> {};

TEST_P(NewCarnivalEndedTest, AtAnyStepLeavesTheOldCarnivalOrTheNewOne)
{
    const SettledEnds ends = endAtEveryCommitStep(folder->root(),
        [] { startNewCarnival(*GetParam(), "Athletics", "2001", "2010"); });
    EXPECT_GE(ends.undone, 6); // the journal, two folders, three temporaries
    EXPECT_GE(ends.finished, 1);
}

INSTANTIATE_TEST_SUITE_P(NewCarnival, NewCarnivalEndedTest,
    ::testing::Values(&newSwimmingCarnival(), &newAthleticsCarnival()),
    [](const ::testing::TestParamInfo<const NewCarnival*>& info) { return info.param->typeWord; });
