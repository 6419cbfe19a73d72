// The empty-records generator's window, driven offscreen over real records
// files.

#include "support/file_forms.h"
#include "support/form_test.h"

#include "carnival/file_transaction.h"
#include "tools/sablewick/Form1.h"

#include <filesystem>

using namespace testing_support;
using platform::kAnswerNo;
using platform::kAnswerYes;

namespace {

const QString kTitle = "Sablewick";

class SablewickTest : public FormTest {
protected:
    // The window after the start-up warning was answered with Yes.
    sablewick::Form1* open()
    {
        answer({ kAnswerYes });
        return Forms::show<sablewick::Form1>();
    }
};

// A file of 168 records, as the wizard writes for a list of 14 events.
const std::string kLongFile(168 * 128, 'x');

} // namespace

TEST_F(SablewickTest, TheWarningComesFirstAndNoEndsWithoutAWindow)
{
    answer({ kAnswerNo });
    Forms::show<sablewick::Form1>();
    expectMessage(0,
        "Please note, this program will wipe all your records of a chosen carnival type. If you are sure you want to "
        "continue, click \"Yes\"",
        52, "Warning!");
    EXPECT_TRUE(programEndedAtOnce && !Forms::isLoaded<sablewick::Form1>());
}

TEST_F(SablewickTest, AnythingButYesTwiceChangesNothing)
{
    folder->write("data/athletics.dat", kLongFile);
    folder->write("data/swimming.dat", kLongFile);
    sablewick::Form1* window = open();
    for (const char* button : { "Command1", "Command3" }) {
        answer({ kAnswerNo, kAnswerYes, kAnswerNo });
        click(window, button);
        click(window, button);
    }
    EXPECT_EQ(folder->read("data/athletics.dat"), kLongFile);
    EXPECT_EQ(folder->read("data/swimming.dat"), kLongFile);
    EXPECT_TRUE(window->printedLines().isEmpty());
}

TEST_F(SablewickTest, GenerationReplacesTheWholeFileTheSameEachTime)
{
    folder->write("data/athletics.dat", kLongFile);
    folder->write("data/swimming.dat", kLongFile);
    sablewick::Form1* window = open();
    answer({ kAnswerYes, kAnswerYes, kAnswerYes, kAnswerYes });
    click(window, "Command1");
    click(window, "Command3");
    expectMessage(1, "Are you sure?", 36, kTitle);
    expectMessage(2, "Are you really sure? This will delete all athletic records.", 20, kTitle);
    expectMessage(4, "Are you really sure? This will delete all swimming records.", 20, kTitle);
    const std::string athletics = folder->read("data/athletics.dat");
    EXPECT_EQ(athletics.size(), 144u * 128u);
    EXPECT_EQ(recordSlot(athletics, 144), unsetSlotBytes("17+GirlsRelay", 990000));
    EXPECT_EQ(folder->read("data/swimming.dat").size(), 96u * 128u);

    answer({ kAnswerYes, kAnswerYes });
    click(window, "Command1");
    EXPECT_EQ(folder->read("data/athletics.dat"), athletics);
    EXPECT_EQ(window->printedLines(), QStringList({ "Done!", "Done!", "Done!" }));
}

TEST_F(SablewickTest, CheckPrintsTheFirstRecordOfBothFilesBelowEarlierOutput)
{
    folder->write("data/athletics.dat", unsetSlotBytes("12Boys100m", 990000));
    sablewick::Form1* window = open();
    click(window, "Command2");
    const QString key = QString::fromLatin1(padded("12Boys100m", 25));
    const QString holder = QString::fromLatin1(padded("Orvald Pennimore Askey", 30));
    const QStringList check = { "First Athletic Record", "", key, holder, " 990000 ", "56 BC", "", "",
        "First Swimming Record", "", "", "", " 0 ", "" };
    EXPECT_EQ(window->printedLines(), check);
    click(window, "Command2");
    EXPECT_EQ(window->printedLines(), check + check);
    EXPECT_FALSE(folder->exists("data/swimming.dat"));
}

TEST_F(SablewickTest, AFailedWriteOrAMissingFolderIsReportedInsteadOfDone)
{
    folder->write("data/athletics.dat", kLongFile);
    sablewick::Form1* window = open();
    const auto records = folder->root() / "data/athletics.dat";
    std::filesystem::permissions(records, std::filesystem::perms(0444));
    answer({ kAnswerYes, kAnswerYes });
    click(window, "Command1");
    EXPECT_EQ(folder->read("data/athletics.dat"), kLongFile);
    EXPECT_EQ(std::filesystem::status(records).permissions(), std::filesystem::perms(0444));
    EXPECT_TRUE(prompts().back().contains("the file is read-only.")) << prompts().back().toStdString();
    std::filesystem::remove_all(folder->root() / "data");
    answer({ kAnswerYes, kAnswerYes });
    click(window, "Command3");
    EXPECT_TRUE(prompts().at(3).startsWith("There is a problem with the file \"data\\athletics.dat\""));
    EXPECT_TRUE(prompts().at(6).startsWith("There is a problem with the file \"data\\swimming.dat\""));
    EXPECT_TRUE(window->printedLines().isEmpty());
}
