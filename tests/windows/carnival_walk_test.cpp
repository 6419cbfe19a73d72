// A whole carnival season, as a school lives it, through the real windows
// from the installed data set: the first run, results with a tie and a
// relay, a broken record, an edit and a delete, the reports, and the next
// carnival with its backup. It checks the files and the reports, not the
// program's insides.

#include "window_fixture.h"

#include "support/carnival_layout.h"
#include "support/file_forms.h"

#include "results/event_chooser.h"
#include "results/frmEdit2.h"
#include "results/frmEnter2.h"
#include "setup/frmEventSetup.h"
#include "setup/frmSetup.h"
#include "setup/wizard.h"
#include "shell/frmSplash.h"

#include <QFrame>
#include <QTest>

#include <string>

namespace {

using namespace testing_support;

class CarnivalWalkTest : public WindowTest {
protected:
    // Splash, the five wizard steps with the installed lists and houses, and
    // the first carnival: Athletics 2027.
    void firstRun()
    {
        folder->write("quillmere", "the records editor beside the program");
        auto* splash = Forms::show<shell::frmSplash>();
        QTest::mouseClick(child<QFrame>(splash, "Frame1"), Qt::LeftButton);
        settle();
        click(Forms::find<setup::frmNew>(), "Command1");
        settle();
        auto* lists = Forms::find<setup::frmEventSetup>();
        click(lists, "cmdNext"); // athletics
        click(lists, "cmdNext"); // swimming
        settle();
        auto* records = Forms::find<setup::frmNew2>();
        click(records, "Command3"); // Enter Records
        click(records, "Command1");
        settle();
        click(Forms::find<setup::frmHouses>(), "Command1");
        settle();
        click(Forms::find<setup::frmNew3>(), "Command1");
        settle();
        auto* newCarnival = Forms::find<setup::frmSetup>();
        type(newCarnival, "txtYear", "2027");
        answer({ platform::kAnswerYes });
        click(newCarnival, "cmdathletics");
        settle();
    }

    // Enters one event's placings through the entry chooser and "Save Event".
    void enter(const char* age, const char* sex, const char* event, std::initializer_list<ResultRow> placings,
        const ResultRow* drawLine = nullptr)
    {
        auto* entry = openThroughChooser<results::frmEnter, results::frmEnter2>("cmdEnter", age, sex, event);
        ASSERT_NE(entry, nullptr) << event;
        fill(entry, placings);
        if (drawLine)
            fillRow(entry, "Draw", *drawLine);
        click(entry, "cmdGo");
        settle();
    }

    results::frmEdit2* openEdit(const char* age, const char* sex, const char* event)
    {
        return openThroughChooser<results::frmEdit, results::frmEdit2>("cmdEdit", age, sex, event);
    }

    int boysPoints(const char* age, int slot)
    {
        return ageChampAt(std::string("data\\athletics\\individuals\\") + age + "\\Boys.dat", slot).points;
    }
};

TEST_F(CarnivalWalkTest, ASeasonFromTheFirstRunToTheNextCarnival)
{
    // ---- The first run ----
    firstRun();
    ASSERT_EQ(startedPrograms.size(), 1) << "Enter Records starts the records editor";
    EXPECT_TRUE(startedPrograms[0].endsWith("/quillmere"));
    EXPECT_EQ(labelText(Forms::find<frmMain>(), "lblTitle"), "Ostrivale - Athletics, 2027");
    EXPECT_EQ(folder->read("data/carnival.dat"), "Athletics\r\n 2027 \r\n");
    EXPECT_EQ(folder->read("data/athletics.dat").size(), 12u * 13u * 128u);
    EXPECT_TRUE(folder->exists("data/Click New Carnival2026/points.dat"));
    expectMainWindowAlone({ 0, 0, 0, 0 });
    const std::size_t firstRunMessages = messages().size();

    // ---- Carnival day ----
    // A plain event that breaks the unset record.
    enter("12", "Boys", "100m",
        { { "Ann Lee", "Tamsett", "012.50" }, { "Ben Ray", "Brindrel", "013.00" }, { "Cal Orr", "Corrow", "013.50" },
            { "Dev Roe", "Elvane", "014.00" } });
    EXPECT_EQ(folder->read("data/athletics/events/12Boys100m.dat"),
        crlf({ "Ann Lee", "Tamsett", "012.50", "Ben Ray", "Brindrel", "013.00", "Cal Orr", "Corrow", "013.50",
            "Dev Roe", "Elvane", "014.00" }));
    ASSERT_EQ(messages().size(), firstRunMessages + 1);
    EXPECT_TRUE(messages().back().prompt.endsWith("broken by Ann Lee")) << messages().back().prompt.toStdString();
    expectMainWindowAlone({ 8, 6, 4, 2 });

    // A tie for first in a distance event.
    enter("12", "Boys", "Long Jump",
        { { "Ann Lee", "Tamsett", "4.50" }, { "Ben Ray", "Brindrel", "4.50" }, { "Cal Orr", "Corrow", "4.00" } });
    EXPECT_EQ(folder->read("data/athletics/events/12BoysLongJump.dat").substr(0, 11), "Draw\r\n 1 \r\n");
    expectMainWindowAlone({ 15, 13, 8, 2 });

    // A relay: doubled house points and no individual points.
    enter("12", "Boys", "Relay",
        { { "Team T", "Tamsett", "055.00" }, { "Team B", "Brindrel", "056.00" } });
    expectMainWindowAlone({ 31, 25, 8, 2 });
    EXPECT_EQ(boysPoints("12", 1), 15); // Ann: 8 + 7
    EXPECT_EQ(boysPoints("12", 2), 13); // Ben: 6 + 7

    // An edit: Dev's fourth place in the 100m is taken away.
    auto* edit = openEdit("12", "Boys", "100m");
    ASSERT_NE(edit, nullptr);
    fillRow(edit, "4th", { "", "", "" });
    click(edit, "cmdGo");
    settle();
    expectMainWindowAlone({ 31, 25, 8, 0 });
    EXPECT_EQ(boysPoints("12", 4), 0);

    // A delete: the long jump goes, and its points with it.
    edit = openEdit("12", "Boys", "Long Jump");
    ASSERT_NE(edit, nullptr);
    answer({ platform::kAnswerYes });
    click(edit, "cmdCancel"); // Delete Event
    settle();
    EXPECT_FALSE(folder->exists("data/athletics/events/12BoysLongJump.dat"));
    expectMainWindowAlone({ 24, 18, 4, 0 });
    EXPECT_EQ(boysPoints("12", 1), 8);

    // ---- The next carnival ----
    const Tree season = snapshot(folder->root() / "data/athletics");
    answer({ platform::kAnswerYes }); // the warning before a new carnival
    click(Forms::find<frmMain>(), "cmdNew");
    auto* newCarnival = Forms::find<setup::frmSetup>();
    ASSERT_NE(newCarnival, nullptr);
    type(newCarnival, "txtYear", "2028");
    answer({ platform::kAnswerYes });
    click(newCarnival, "cmdSwimming");
    settle();
    EXPECT_EQ(folder->read("data/carnival.dat"), "Swimming\r\n 2028 \r\n");
    Tree backup = season;
    backup["points.dat"] = pointsLine({ 24, 18, 4, 0 });
    EXPECT_TRUE(snapshot(folder->root() / "data/Athletics2027") == backup) << "the backup holds the whole season";
    EXPECT_EQ(labelText(Forms::find<frmMain>(), "lblTitle"), "Ostrivale - Swimming, 2028");
    expectMainWindowAlone({ 0, 0, 0, 0 });
}

} // namespace
