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
#include "reports/frmPrint.h"
#include "reports/frmPrintAgeChamps.h"
#include "reports/frmPrintEvent.h"
#include "reports/frmView.h"
#include "reports/frmViewAgeChamps.h"
#include "reports/frmViewEvent.h"
#include "reports/frmViewRecords.h"
#include "tools/quillmere/Form1.h"
#include "tools/sablewick/Form1.h"

#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
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

    // The lines of the print jobs since the last call, without the frame.
    QStringList printedLines()
    {
        QStringList lines;
        for (const QString& line : printout->transcript())
            if (line.startsWith("line"))
                lines << line;
        printout->operations.clear();
        return lines;
    }

    static std::string joined(const QStringList& lines) { return lines.join('\n').toStdString(); }

    QString listing(QWidget* window)
    {
        auto* box = child<QPlainTextEdit>(window, "txtIWindow");
        return box ? box->toPlainText() : QString();
    }

    // Every printout of the print menu, in one sitting.
    void printEverything()
    {
        click(Forms::find<frmMain>(), "cmdPrint");
        auto* menu = Forms::find<reports::frmPrint>();
        ASSERT_NE(menu, nullptr);
        click(menu, "Command1");
        EXPECT_EQ(joined(printedLines()),
            joined({ "line [0]Progressive Point Score", "line", "line [0]Tamsett:[1] 24 ", "line [0]Brindrel:[1] 18 ",
                "line [0]Corrow:[1] 4 ", "line [0]Elvane:[1] 0 ", "line", "line [0]Printed by Ostrivale" }));

        click(menu, "Command3");
        auto* event = Forms::find<reports::frmPrintEvent>();
        ASSERT_NE(event, nullptr);
        chooseEvent(event, "12", "Boys", "Relay");
        click(event, "cmdGo");
        const QStringList relay = printedLines();
        EXPECT_TRUE(relay.contains("line [0]Team T[2]Tamsett[5]055.00")) << joined(relay);

        answer({ platform::kAnswerYes });
        click(menu, "Command5");
        const QStringList records = printedLines().filter("12Boys100m");
        ASSERT_EQ(records.size(), 1);
        EXPECT_TRUE(records[0].contains("Ann Lee")) << records[0].toStdString();
        EXPECT_TRUE(records[0].contains("000012")) << records[0].toStdString();

        click(menu, "Command2");
        auto* champions = Forms::find<reports::frmPrintAgeChamps>();
        ASSERT_NE(champions, nullptr);
        chooseEvent(champions, "12", "Boys", nullptr);
        click(champions, "cmdGo");
        const QStringList ranking = printedLines().filter(QRegularExpression("^line \\[0\\]\\w+ \\w+ +\\["));
        EXPECT_EQ(joined(ranking),
            joined({ "line [0]" + QString("Ann Lee").leftJustified(30) + "[3] 8 ",
                "line [0]" + QString("Ben Ray").leftJustified(30) + "[3] 6 ",
                "line [0]" + QString("Cal Orr").leftJustified(30) + "[3] 4 " }));
        click(Forms::find<reports::frmPrint>(), "Command4");
        settle();
    }

    // Every report of the view menu.
    void viewEverything()
    {
        click(Forms::find<frmMain>(), "cmdSave");
        auto* menu = Forms::find<reports::frmView>();
        ASSERT_NE(menu, nullptr);
        click(menu, "Command5");
        auto* records = Forms::find<reports::frmViewRecords>();
        ASSERT_NE(records, nullptr);
        click(records, "cmdGo");
        EXPECT_TRUE(listing(records).contains(
            QString::fromLatin1(padded("12Boys100m", 25)) + "\t" + QString::fromLatin1(padded("Ann Lee", 30))));

        click(menu, "Command3");
        auto* event = Forms::find<reports::frmViewEvent>();
        ASSERT_NE(event, nullptr);
        chooseEvent(event, "12", "Boys", "100m");
        click(event, "cmdGo");
        EXPECT_EQ(child<QLineEdit>(event, "txt1stName")->text(), "Ann Lee");

        click(menu, "Command2");
        auto* champions = Forms::find<reports::frmViewAgeChamps>();
        ASSERT_NE(champions, nullptr);
        chooseEvent(champions, "12", "Boys", nullptr);
        click(champions, "cmdGo");
        EXPECT_TRUE(listing(champions).contains("Ann Lee")) << listing(champions).toStdString();
        EXPECT_FALSE(listing(champions).contains("Dev Roe")) << "a competitor without points is left out";
        click(champions, "cmdCancel");
        settle();
        Forms::unload<reports::frmViewEvent>();
        Forms::unload<reports::frmViewRecords>();
        Forms::unload<reports::frmView>();
        settle();
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

    // ---- The reports ----
    printEverything();
    viewEverything();
    expectMainWindowAlone({ 24, 18, 4, 0 });

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

// The records tools on the records file the season left: the editor takes
// an older record typed over the first one, the generator wipes the other
// file back to unset records.
TEST_F(CarnivalWalkTest, TheRecordsToolsWorkOnTheSeasonsRecordsFile)
{
    firstRun();
    enter("12", "Boys", "100m", { { "Ann Lee", "Tamsett", "012.50" } });
    const std::string season = folder->read("data/athletics.dat");

    auto* editor = Forms::show<quillmere::Form1>();
    click(editor, "Command3"); // Athletics
    type(editor, "Text2", "Old Champion");
    type(editor, "Text4", "011.20");
    type(editor, "Text3", "1999");
    click(editor, "Command2"); // Quit
    EXPECT_EQ(messages().back().prompt, "Records Saved!");
    EXPECT_TRUE(programEndedAtOnce);
    const carnival::RecordEntry first = recordAt("data\\athletics.dat", 1);
    EXPECT_EQ(first.holder.trimmed(), "Old Champion");
    EXPECT_EQ(first.value, 11);
    EXPECT_EQ(folder->read("data/athletics.dat").substr(128), season.substr(128)) << "only the first record changed";
    Forms::unload<quillmere::Form1>();

    answer({ platform::kAnswerYes, platform::kAnswerYes, platform::kAnswerYes });
    auto* generator = Forms::show<sablewick::Form1>();
    click(generator, "Command3"); // Generate Null Swimming Records
    EXPECT_EQ(folder->read("data/swimming.dat").size(), 96u * 128u);
    EXPECT_EQ(recordKeyAt(folder->read("data/swimming.dat"), 1).substr(0, 4), "12Bo");
    EXPECT_EQ(recordAt("data\\athletics.dat", 1).holder.trimmed(), "Old Champion") << "the other file is untouched";
}
