// The entry window, driven from the main window through the entry chooser:
// what it shows, the form check, the files a save writes and the way back.

#include "window_fixture.h"

#include "support/carnival_layout.h"
#include "support/file_forms.h"

#include "results/event_chooser.h"
#include "results/frmEnter2.h"
#include "shell/frmMain.h"

#include "carnival/agechamp_file.h"
#include "carnival/carnival_state.h"
#include "carnival/file_transaction.h"
#include "carnival/records_file.h"
#include "carnival/result_saving.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>

using results::frmEnter;
using results::frmEnter2;

namespace {

using namespace testing_support;

const QString kFormFault
    = "Please fill in the form correctly before clicking \"Save Event\". Click Help for more information.";
const QString kLeaveDrawAlone = "Please leave the Draw boxes alone if there isn't a draw.";
const QString kUnset100mBroken = "12Boys100m record, set in 56 BC by Orvald Pennimore Askey broken by ";

// A row not touched at all: no text typed and no house picked.
const ResultRow kLeftAlone { nullptr, nullptr, nullptr };

class EntryWindowTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        layOutAthletics2010(*folder, { kBoys12, "data\\athletics\\individuals\\17+\\Girls.dat" },
            { { "12Boys100m", false }, { "12BoysLongJump", true }, { "12BoysRelay", false } });
    }

    // The road of the user: main window, "Enter Event", the choice, "Go!".
    frmEnter2* openEntry(const char* age = "12", const char* sex = "Boys", const char* event = "100m")
    {
        frmEnter2* entry = openThroughChooser<frmEnter, frmEnter2>("cmdEnter", age, sex, event);
        EXPECT_NE(entry, nullptr);
        return entry;
    }

    carnival::AgeChampEntry competitor(int number) { return ageChampAt(kBoys12, number); }

    void expectCompetitor(int number, const char* name, int points, int cell)
    {
        testing_support::expectCompetitor(kBoys12, number, name, points, points, cell);
        EXPECT_EQ(competitor(number).eventNames[cell].trimmed(), kAthleticsItems[cell]) << "slot " << number;
    }

    carnival::RecordEntry record(int number) { return recordAt(kRecords, number); }

    // The main window is back, loaded afresh, showing these totals.
    void expectMainWindowShows(std::array<int, 4> totals)
    {
        EXPECT_FALSE(Forms::isLoaded<frmEnter2>());
        expectMainWindowAlone(totals);
    }

    // Nothing written: the result, the points, the age champions and the
    // records stay as they were.
    struct Snapshot {
        std::string points, champions, records;
    };
    Snapshot snapshot()
    {
        return { folder->read("data/points.dat"), folder->read("data/athletics/individuals/12/Boys.dat"),
            folder->read("data/athletics.dat") };
    }
    void expectUnchanged(const Snapshot& before)
    {
        EXPECT_FALSE(folder->exists(kResult100m));
        EXPECT_EQ(folder->read("data/points.dat"), before.points);
        EXPECT_TRUE(folder->read("data/athletics/individuals/12/Boys.dat") == before.champions);
        EXPECT_TRUE(folder->read("data/athletics.dat") == before.records);
    }
};

// ---- The window as it opens ----

TEST_F(EntryWindowTest, OpensAsTheOnlyWindowWithAnEmptyFormForTheChosenEvent)
{
    frmEnter2* entry = openEntry();
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isVisible());
    EXPECT_EQ(Forms::loadedCount(), 1);
    EXPECT_FALSE(Forms::isLoaded<frmMain>());
    EXPECT_EQ(entry->windowTitle(), "Enter Information");
    EXPECT_EQ(labelText(entry, "lbltitle"), "Entering: 12 Boys 100m");
    EXPECT_EQ(child<QLabel>(entry, "lbltitle")->font().pointSize(), 18);
    EXPECT_EQ(labelText(entry, "lbltd"), "Time:");
    EXPECT_EQ(labelText(entry, "Label1"), "Name:");
    EXPECT_EQ(labelText(entry, "Label6"), "House:");
    EXPECT_EQ(labelText(entry, "Label2"), "1st:");
    EXPECT_EQ(labelText(entry, "Label3"), "2nd:");
    EXPECT_EQ(labelText(entry, "Label4"), "3rd:");
    EXPECT_EQ(labelText(entry, "Label5"), "4th:");
    EXPECT_EQ(labelText(entry, "lblrecord"), "Record not set.");
    EXPECT_EQ(child<QPushButton>(entry, "cmdGo")->text(), "Save Event");
    EXPECT_EQ(child<QPushButton>(entry, "cmdCancel")->text(), "Cancel");
    EXPECT_EQ(child<QPushButton>(entry, "Command1")->text(), "Help");

    for (const char* row : { "1st", "2nd", "3rd", "4th", "Draw" }) {
        SCOPED_TRACE(row);
        const QString prefix = QString::fromLatin1(row);
        const QString name = child<QLineEdit>(entry, ("txt" + prefix + "Name").toLatin1().constData())->text();
        EXPECT_EQ(name, prefix == "Draw" ? "Only use for draws!" : "");
        EXPECT_TRUE(child<QLineEdit>(entry, ("txt" + prefix + "TD").toLatin1().constData())->text().isEmpty());
        auto* houses = child<QComboBox>(entry, ("cbo" + prefix + "House").toLatin1().constData());
        EXPECT_FALSE(houses->isEditable());
        ASSERT_EQ(houses->count(), 4);
        EXPECT_EQ(houses->itemText(0), "Tamsett");
        EXPECT_EQ(houses->itemText(1), "Brindrel");
        EXPECT_EQ(houses->itemText(2), "Corrow");
        EXPECT_EQ(houses->itemText(3), "Elvane");
        EXPECT_EQ(houses->currentIndex(), -1);
        EXPECT_TRUE(houses->currentText().isEmpty());
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(EntryWindowTest, HouseListsOfferTheHousesAsTheHousesFileNamesThem)
{
    folder->write("data/houses.dat", "  Aster  \r\nBirch\r\nCedar\r\nDune\r\n");
    frmEnter2* entry = openEntry();
    for (const char* name : { "cbo1stHouse", "cbo2ndHouse", "cbo3rdHouse", "cbo4thHouse", "cboDrawHouse" }) {
        auto* houses = child<QComboBox>(entry, name);
        QStringList items;
        for (int i = 0; i < houses->count(); ++i)
            items << houses->itemText(i);
        EXPECT_EQ(items, QStringList({ "Aster", "Birch", "Cedar", "Dune" })) << name;
    }
}

TEST_F(EntryWindowTest, AHouseWhoseNameIsEmptyCanBeChosenAndScores)
{
    folder->write("data/houses.dat", "Tamsett\r\nBrindrel\r\nCorrow\r\n\r\n");
    frmEnter2* entry = openEntry();
    fill(entry, { { "Ann", "", "012.50" } });
    child<QComboBox>(entry, "cbo1stHouse")->setCurrentIndex(3);
    click(entry, "cmdGo");
    settle();
    EXPECT_EQ(folder->read(kResult100m), crlf({ "Ann", "", "012.50", "", "", "", "", "", "", "", "", "" }));
    expectMainWindowShows({ 0, 0, 0, 8 });
}

TEST_F(EntryWindowTest, TheColumnHeadAndTitleFollowTheChosenEvent)
{
    struct Case {
        const char* age;
        const char* sex;
        const char* event;
        const char* title;
        const char* head;
    };
    const Case cases[] = {
        { "12", "Boys", "Long Jump", "Entering: 12 Boys Long Jump", "Distance:" },
        { "12", "Boys", "200m", "Entering: 12 Boys 200m", "Time:" },
        { "17+", "Girls", "90m Hurdles", "Entering: 17+ Girls 90m Hurdles", "Time:" },
        { "12", "Boys", "Relay", "Entering: 12 Boys Relay", "Time:" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.event);
        frmEnter2* entry = openEntry(c.age, c.sex, c.event);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(labelText(entry, "lbltitle"), c.title);
        EXPECT_EQ(labelText(entry, "lbltd"), c.head);
        click(entry, "cmdCancel");
        settle();
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(EntryWindowTest, HundredMetresIsTimedWhateverTheEventListSays)
{
    folder->write("data/athletics/events.dat", " 2 \r\n100m1\r\n200m1\r\n");
    frmEnter2* entry = openEntry("12", "Boys", "200m");
    EXPECT_EQ(labelText(entry, "lbltd"), "Distance:");
    click(entry, "cmdCancel");
    settle();

    entry = openEntry("12", "Boys", "100m");
    EXPECT_EQ(labelText(entry, "lbltd"), "Time:");
    EXPECT_EQ(carnival::trimBlanks(carnival::modDeclareGlobals().eventKind), "Time");
    // Wants the 6 characters of a time, not the 4 of a distance.
    fill(entry, { { "Ann", "Tamsett", "0125" } });
    click(entry, "cmdGo");
    EXPECT_EQ(prompts(), QStringList { kFormFault });
    fill(entry, { { "Ann", "Tamsett", "012.50" } });
    click(entry, "cmdGo");
    EXPECT_TRUE(folder->exists(kResult100m));
    EXPECT_FALSE(Forms::isLoaded<frmEnter2>());
}

TEST_F(EntryWindowTest, TheRecordLineShowsTheEventsRecord)
{
    testing_support::putRecord(kRecords, 1, recordEntry("12Boys100m", "Kira Ostrom", 95, "2008"));
    testing_support::putRecord(kRecords, 2, recordEntry("12BoysLongJump", "Kira Ostrom", 56, "2009"));
    // A second record of 200m: the later one is shown.
    testing_support::putRecord(kRecords, 4, carnival::unsetRecord("12Boys200m", false));
    testing_support::putRecord(kRecords, 5, recordEntry("12Boys200m", "Kira Ostrom", 2412, "2009"));

    struct Case {
        const char* event;
        const char* caption;
    };
    const Case cases[] = {
        { "100m", "12Boys100m record set by Kira Ostrom with a Time/Distance of 000095 in 2008" },
        { "Long Jump", "12BoysLongJump record set by Kira Ostrom with a Time/Distance of 0056 in 2009" },
        { "200m", "12Boys200m record set by Kira Ostrom with a Time/Distance of 002412 in 2009" },
        { "400m", "" }, // no record for the event
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.event);
        frmEnter2* entry = openEntry("12", "Boys", c.event);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(labelText(entry, "lblrecord"), c.caption);
        click(entry, "cmdCancel");
        settle();
    }
}

TEST_F(EntryWindowTest, HasNoCloseBox)
{
    frmEnter2* entry = openEntry();
    fill(entry, { { "Ann", "Tamsett", "012.50" } });
    EXPECT_FALSE(entry->hasCloseMenu());
    EXPECT_FALSE(entry->close());
    settle();
    EXPECT_EQ(Forms::find<frmEnter2>(), entry);
    EXPECT_TRUE(entry->isVisible());
    EXPECT_FALSE(Forms::isLoaded<frmMain>());
    EXPECT_EQ(child<QLineEdit>(entry, "txt1stName")->text(), "Ann");
    EXPECT_FALSE(folder->exists(kResult100m));
    EXPECT_TRUE(messages().empty());
}

TEST_F(EntryWindowTest, TabRunsRowByRowThenTheButtons)
{
    frmEnter2* entry = openEntry();
    entry->activateWindow();
    settle();
    ASSERT_EQ(QApplication::activeWindow(), entry);
    child<QWidget>(entry, "txt1stName")->setFocus();
    QStringList order { QApplication::focusWidget()->objectName() };
    for (int i = 0; i < 18; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(order,
        QStringList({ "txt1stName", "cbo1stHouse", "txt1stTD", "txt2ndName", "cbo2ndHouse", "txt2ndTD", "txt3rdName",
            "cbo3rdHouse", "txt3rdTD", "txt4thName", "cbo4thHouse", "txt4thTD", "txtDrawName", "cboDrawHouse",
            "txtDrawTD", "cmdGo", "cmdCancel", "Command1", "txt1stName" }));
}

// ---- Saving ----

TEST_F(EntryWindowTest, ANormalEventIsWrittenScoredAndBreaksTheRecord)
{
    frmEnter2* entry = openEntry();
    fill(entry,
        { { "Ann", "Tamsett", "012.50" }, { "Ben", "Brindrel", "013.00" }, { "Cat", "Tamsett", "013.50" },
            { "", "Corrow", "" } });
    click(entry, "cmdGo");
    settle();

    // The fourth row has a house but no name: its house is written, but it
    // earns nothing.
    EXPECT_EQ(folder->read(kResult100m),
        "Ann\r\nTamsett\r\n012.50\r\nBen\r\nBrindrel\r\n013.00\r\nCat\r\nTamsett\r\n013.50\r\n\r\nCorrow\r\n\r\n");
    EXPECT_EQ(folder->read("data/points.dat"),
        " 12 " + std::string(10, ' ') + " 6 " + std::string(11, ' ') + " 0 " + std::string(11, ' ') + " 0 \r\n");
    expectCompetitor(1, "Ann", 8, 0);
    expectCompetitor(2, "Ben", 6, 0);
    expectCompetitor(3, "Cat", 4, 0);
    EXPECT_TRUE(carnival::isFreeSlot(competitor(4)));

    ASSERT_EQ(messages().size(), 1u);
    expectMessage(0, kUnset100mBroken + "Ann", 0, "Ostrivale");
    const carnival::RecordEntry broken = record(1);
    EXPECT_EQ(broken.holder.raw(), carnival::fitWidth("Ann", 30));
    EXPECT_EQ(broken.key.trimmed(), "12Boys100m");
    EXPECT_EQ(broken.value, 12); // 12.5 goes to the even neighbour
    EXPECT_EQ(broken.year.raw(), "2010 ");
    EXPECT_EQ(record(2), carnival::unsetRecord("12BoysLongJump", true));

    expectMainWindowShows({ 12, 6, 0, 0 });
    EXPECT_EQ(labelText(Forms::find<frmMain>(), "lblTitle"), "Ostrivale - Athletics, 2010");
}

TEST_F(EntryWindowTest, OnlyAFirstPlacingWritesNineEmptyLinesAfterIt)
{
    folder->write("data/points.dat", pointsLine({ 20, -3, 7, 0 }));
    frmEnter2* entry = openEntry("12", "Boys", "Long Jump");
    fill(entry, { { "Ann", "Elvane", "5.25" } });
    click(entry, "cmdGo");
    settle();
    EXPECT_EQ(folder->read("data/athletics/events/12BoysLongJump.dat"),
        "Ann\r\nElvane\r\n5.25\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(folder->read("data/points.dat"), pointsLine({ 20, -3, 7, 8 }));
    expectCompetitor(1, "Ann", 8, 7);
    EXPECT_EQ(prompts(), QStringList { "12BoysLongJump record, set in 56 BC by Orvald Pennimore Askey broken by Ann" });
    EXPECT_EQ(record(2).value, 5);
    expectMainWindowShows({ 20, -3, 7, 8 });
}

TEST_F(EntryWindowTest, ACompetitorAlreadyListedGainsOnTheirRecord)
{
    testing_support::putAgeChamp(kBoys12, 3, competitorEntry(kAthleticsItems, "Ben", 10));
    frmEnter2* entry = openEntry();
    fill(entry, { { "Ann", "Tamsett", "012.50" }, { "Ben", "Brindrel", "013.00" } });
    click(entry, "cmdGo");
    EXPECT_EQ(competitor(1).name.trimmed(), "Ann");
    EXPECT_EQ(competitor(2).name.trimmed(), "zz");
    EXPECT_EQ(competitor(3).name.trimmed(), "Ben");
    EXPECT_EQ(competitor(3).points, 16);
}

TEST_F(EntryWindowTest, ARelayScoresDoubleHousePointsAndNoIndividualPoints)
{
    folder->write("data/points.dat", " 3 \r\n 0 \r\n 0 \r\n-1 \r\n");
    const std::string championsBefore = folder->read("data/athletics/individuals/12/Boys.dat");
    frmEnter2* entry = openEntry("12", "Boys", "Relay");
    fill(entry,
        { { "Team A", "Tamsett", "050.10" }, { "Team B", "Brindrel", "051.00" }, { "Team C", "Tamsett", "052.00" },
            { "", "Corrow", "" } });
    click(entry, "cmdGo");
    settle();
    EXPECT_EQ(folder->read("data/athletics/events/12BoysRelay.dat"),
        crlf({ "Team A", "Tamsett", "050.10", "Team B", "Brindrel", "051.00", "Team C", "Tamsett", "052.00", "",
            "Corrow", "" }));
    EXPECT_EQ(folder->read("data/points.dat"), pointsLine({ 27, 12, 0, -1 }));
    EXPECT_TRUE(folder->read("data/athletics/individuals/12/Boys.dat") == championsBefore);
    EXPECT_EQ(prompts(), QStringList { "12BoysRelay record, set in 56 BC by Orvald Pennimore Askey broken by Team A" });
    expectMainWindowShows({ 27, 12, 0, -1 });
}

TEST_F(EntryWindowTest, ARelayWithATieSharesTheDoubledPoints)
{
    frmEnter2* entry = openEntry("12", "Boys", "Relay");
    fill(entry,
        { { "Team A", "Tamsett", "050.10" }, { "Team B", "Brindrel", "050.10" }, { "Team C", "Corrow", "052.00" },
            { "Team D", "Elvane", "053.00" } });
    click(entry, "cmdGo");
    settle();
    EXPECT_EQ(folder->read("data/athletics/events/12BoysRelay.dat"),
        crlf({ "Draw", " 1 ", "Team A", "Tamsett", "050.10", "Team B", "Brindrel", "050.10", "Team C", "Corrow",
            "052.00", "Team D", "Elvane", "053.00", "", "", "" }));
    EXPECT_EQ(folder->read("data/points.dat"), pointsLine({ 14, 14, 8, 4 }));
    expectMainWindowShows({ 14, 14, 8, 4 });
}

// ---- Ties ----

struct TieCase {
    const char* label;
    std::array<const char*, 4> times;
    ResultRow drawLine; // name nullptr: the draw line is left alone
    const char* storedPosition;
    std::array<int, 4> houseTotals; // Ann Tamsett, Ben Brindrel, Cat Corrow, Dan Elvane
    std::array<int, 5> individual;  // Ann, Ben, Cat, Dan, then the draw line's Eve
};

class EntryTieTest : public EntryWindowTest, public ::testing::WithParamInterface<TieCase> { };

TEST_P(EntryTieTest, WritesTheDrawFormAndSharesThePoints)
{
    const TieCase& tie = GetParam();
    frmEnter2* entry = openEntry();
    fill(entry,
        { { "Ann", "Tamsett", tie.times[0] }, { "Ben", "Brindrel", tie.times[1] }, { "Cat", "Corrow", tie.times[2] },
            { "Dan", "Elvane", tie.times[3] } });
    if (tie.drawLine.name)
        fillRow(entry, "Draw", tie.drawLine);
    click(entry, "cmdGo");
    settle();

    const char* drawName = tie.drawLine.name ? tie.drawLine.name : "";
    const char* drawHouse = tie.drawLine.name ? tie.drawLine.house : "";
    const char* drawTD = tie.drawLine.name ? tie.drawLine.td : "";
    EXPECT_EQ(folder->read(kResult100m),
        crlf({ "Draw", tie.storedPosition, "Ann", "Tamsett", tie.times[0], "Ben", "Brindrel", tie.times[1], "Cat",
            "Corrow", tie.times[2], "Dan", "Elvane", tie.times[3], drawName, drawHouse, drawTD }));
    EXPECT_EQ(folder->read("data/points.dat"), pointsLine(tie.houseTotals));
    const char* names[] = { "Ann", "Ben", "Cat", "Dan", "Eve" };
    int slot = 1;
    for (int i = 0; i < 5; ++i) {
        if (tie.individual[i] == 0)
            continue;
        expectCompetitor(slot++, names[i], tie.individual[i], 0);
    }
    EXPECT_TRUE(carnival::isFreeSlot(competitor(slot)));
    EXPECT_EQ(prompts(), QStringList { kUnset100mBroken + "Ann" });
    expectMainWindowShows(tie.houseTotals);
}

INSTANTIATE_TEST_SUITE_P(EveryPosition, EntryTieTest,
    ::testing::Values(
        TieCase { "FirstAndSecond", { "012.50", "012.50", "013.00", "014.00" }, kLeftAlone, " 1 ",
            { 7, 7, 4, 2 }, { 7, 7, 4, 2, 0 } },
        TieCase { "SecondAndThird", { "012.00", "012.50", "012.50", "014.00" }, kLeftAlone, " 2 ",
            { 8, 5, 5, 2 }, { 8, 5, 5, 2, 0 } },
        TieCase { "ThirdAndFourth", { "012.00", "012.50", "013.00", "013.00" }, kLeftAlone, " 3 ",
            { 8, 6, 3, 3 }, { 8, 6, 3, 3, 0 } },
        TieCase { "FourthAndDrawLine", { "012.00", "012.50", "013.00", "014.00" }, { "Eve", "Tamsett", "014.00" },
            " 4 ", { 9, 6, 4, 1 }, { 8, 6, 4, 1, 1 } },
        // Three equal: the last equal pair is the one stored and scored.
        TieCase { "FirstSecondAndThird", { "012.50", "012.50", "012.50", "014.00" }, kLeftAlone,
            " 2 ", { 8, 5, 5, 2 }, { 8, 5, 5, 2, 0 } },
        // A named draw line earns nothing when the tie is higher up.
        TieCase { "FirstAndSecondWithANamedDrawLine", { "012.50", "012.50", "013.00", "014.00" },
            { "Eve", "Tamsett", "015.00" }, " 1 ", { 7, 7, 4, 2 }, { 7, 7, 4, 2, 0 } }),
    [](const ::testing::TestParamInfo<TieCase>& info) { return std::string(info.param.label); });

// ---- Refused forms ----

TEST_F(EntryWindowTest, AFaultyFormIsRefusedAndTheWindowKeepsItsEntries)
{
    const Snapshot before = snapshot();
    frmEnter2* entry = openEntry();
    fill(entry, { { "Ann", "Tamsett", "" }, { "Ben", "Brindrel", "013.00" } });
    click(entry, "cmdGo");
    settle();
    ASSERT_EQ(messages().size(), 1u);
    expectMessage(0, kFormFault, 48, "Oops!");
    EXPECT_EQ(carnival::modDeclareGlobals().lastMsgBoxAnswer, platform::kAnswerOk);
    EXPECT_EQ(Forms::find<frmEnter2>(), entry);
    EXPECT_TRUE(entry->isVisible());
    EXPECT_FALSE(Forms::isLoaded<frmMain>());
    EXPECT_EQ(child<QLineEdit>(entry, "txt1stName")->text(), "Ann");
    EXPECT_EQ(child<QComboBox>(entry, "cbo2ndHouse")->currentText(), "Brindrel");
    EXPECT_EQ(child<QLineEdit>(entry, "txtDrawName")->text(), "Only use for draws!");
    expectUnchanged(before);

    // Put right, the same window saves.
    fill(entry, { { "Ann", "Tamsett", "012.00" } });
    click(entry, "cmdGo");
    settle();
    EXPECT_TRUE(folder->exists(kResult100m));
    expectMainWindowShows({ 8, 6, 0, 0 });
}

struct FormCase {
    const char* label;
    const char* event;
    bool passes;
    std::array<ResultRow, 4> rows; // rows not given stay empty
    ResultRow drawLine = kLeftAlone;
};

class EntryFormCheckTest : public EntryWindowTest, public ::testing::WithParamInterface<FormCase> { };

TEST_P(EntryFormCheckTest, SavesOnlyAWellFilledForm)
{
    const FormCase& c = GetParam();
    frmEnter2* entry = openEntry("12", "Boys", c.event);
    ASSERT_NE(entry, nullptr);
    const char* rows[] = { "1st", "2nd", "3rd", "4th" };
    for (int i = 0; i < 4; ++i)
        fillRow(entry, rows[i], c.rows[i]);
    if (c.drawLine.name)
        fillRow(entry, "Draw", c.drawLine);
    click(entry, "cmdGo");
    settle();
    std::string key = c.event;
    std::erase(key, ' ');
    const std::string result = "data/athletics/events/12Boys" + key + ".dat";
    if (c.passes) {
        EXPECT_FALSE(prompts().contains(kFormFault));
        EXPECT_TRUE(folder->exists(result));
        EXPECT_FALSE(Forms::isLoaded<frmEnter2>());
    } else {
        EXPECT_EQ(prompts(), QStringList { kFormFault });
        EXPECT_TRUE(Forms::isLoaded<frmEnter2>());
        EXPECT_EQ(folder->read("data/points.dat"), kZeroPoints);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, EntryFormCheckTest,
    ::testing::Values(FormCase { "SixCharacterTime", "100m", true, { { { "Ann", "Tamsett", "012.50" } } } },
        FormCase { "FiveCharacterTime", "100m", false, { { { "Ann", "Tamsett", "12.50" } } } },
        FormCase { "TimeWithBlanksAround", "100m", true, { { { "Ann", "Tamsett", "  001500 " } } } },
        FormCase { "TimeWithALetter", "100m", false, { { { "Ann", "Tamsett", "012.5s" } } } },
        FormCase { "TimeWithABlankInside", "100m", false, { { { "Ann", "Tamsett", "01 2.5" } } } },
        FormCase { "TimeWithAComma", "100m", false, { { { "Ann", "Tamsett", "01,250" } } } },
        FormCase { "FourCharacterDistance", "Long Jump", true, { { { "Ann", "Tamsett", "5.25" } } } },
        FormCase { "FiveCharacterDistance", "Long Jump", false, { { { "Ann", "Tamsett", "05.25" } } } },
        FormCase { "NoFirstName", "100m", false, { { { "", "Tamsett", "012.50" } } } },
        FormCase { "NoFirstHouse", "100m", false, { { { "Ann", "", "012.50" } } } },
        FormCase { "SecondNameWithoutHouse", "100m", false,
            { { { "Ann", "Tamsett", "012.50" }, { "Ben", "", "013.00" } } } },
        FormCase { "SecondNameOfBlanksWithoutHouse", "100m", false,
            { { { "Ann", "Tamsett", "012.50" }, { "   ", "", "013.00" } } } },
        FormCase { "SecondHouseAndTimeWithoutName", "100m", true,
            { { { "Ann", "Tamsett", "012.50" }, { "", "Brindrel", "bad" } } } },
        FormCase { "FourthWithoutTime", "100m", false,
            { { { "Ann", "Tamsett", "012.50" }, { "Ben", "Brindrel", "013.00" }, { "Cat", "Corrow", "014.00" },
                { "Dan", "Elvane", "" } } } },
        FormCase { "DrawLineWithoutHouse", "100m", false,
            { { { "Ann", "Tamsett", "012.50" }, { "Ben", "Brindrel", "013.00" }, { "Cat", "Corrow", "014.00" },
                { "Dan", "Elvane", "015.00" } } },
            { "Eve", "", "015.00" } }),
    [](const ::testing::TestParamInfo<FormCase>& info) { return std::string(info.param.label); });

TEST_F(EntryWindowTest, AFileThatCannotBeWrittenSavesNothingAndTheWindowKeepsItsEntries)
{
    const Snapshot before = snapshot();
    frmEnter2* entry = openEntry();
    fill(entry, { { "Ann", "Tamsett", "012.00" }, { "Ben", "Brindrel", "013.00" } });
    carnival::failFileWritesForTests("data/points.dat");
    click(entry, "cmdGo");
    settle();
    carnival::failFileWritesForTests("");
    ASSERT_EQ(messages().size(), 1u);
    const std::string prompt = messages()[0].prompt.toStdString();
    EXPECT_NE(prompt.find("The result was not saved"), std::string::npos) << prompt;
    EXPECT_NE(prompt.find("data\\points.dat"), std::string::npos) << prompt;
    EXPECT_EQ(Forms::find<frmEnter2>(), entry);
    EXPECT_EQ(child<QLineEdit>(entry, "txt2ndName")->text(), "Ben");
    expectUnchanged(before);
}

TEST_F(EntryWindowTest, AHouseWithoutANameIsWrittenButNotChecked)
{
    frmEnter2* entry = openEntry();
    fill(entry, { { "Ann", "Tamsett", "012.50" }, { "", "Brindrel", "bad" } });
    click(entry, "cmdGo");
    settle();
    EXPECT_EQ(folder->read(kResult100m),
        crlf({ "Ann", "Tamsett", "012.50", "", "Brindrel", "bad", "", "", "", "", "", "" }));
    EXPECT_EQ(folder->read("data/points.dat"), pointsLine({ 8, 0, 0, 0 }));
}

TEST_F(EntryWindowTest, ADrawLineUsedWithoutATieIsRefused)
{
    const Snapshot before = snapshot();
    frmEnter2* entry = openEntry();
    fill(entry, { { "Ann", "Tamsett", "012.50" }, { "Ben", "Brindrel", "013.00" } });
    fillRow(entry, "Draw", { "Eve", "Corrow", "014.00" });
    click(entry, "cmdGo");
    settle();
    ASSERT_EQ(messages().size(), 1u);
    expectMessage(0, kLeaveDrawAlone, 48, "Oops!");
    EXPECT_EQ(Forms::find<frmEnter2>(), entry);
    EXPECT_TRUE(entry->isVisible());
    EXPECT_EQ(child<QLineEdit>(entry, "txtDrawName")->text(), "Eve");
    expectUnchanged(before);
}

TEST_F(EntryWindowTest, ADrawLineNameChangedAloneIsRefusedToo)
{
    const Snapshot before = snapshot();
    frmEnter2* entry = openEntry();
    fill(entry, { { "Ann", "Tamsett", "012.50" } });
    // Only the name is changed; house and time stay blank.
    type(entry, "txtDrawName", "Eve");
    pickHouse(entry, "cboDrawHouse", "Corrow");
    click(entry, "cmdGo");
    EXPECT_EQ(prompts(), QStringList { kFormFault });
    pickHouse(entry, "cboDrawHouse", "");
    type(entry, "txtDrawTD", "");
    click(entry, "cmdGo");
    EXPECT_EQ(prompts(), QStringList({ kFormFault, kFormFault }));
    EXPECT_TRUE(Forms::isLoaded<frmEnter2>());
    expectUnchanged(before);

    // Back to its default text the line is unused again.
    type(entry, "txtDrawName", "Only use for draws!");
    click(entry, "cmdGo");
    settle();
    EXPECT_TRUE(folder->exists(kResult100m));
    expectMainWindowShows({ 8, 0, 0, 0 });
}

TEST_F(EntryWindowTest, EqualTimesTypedDifferentlyAreRefused)
{
    const Snapshot before = snapshot();
    frmEnter2* entry = openEntry();
    fill(entry, { { "Ann", "Tamsett", "012.50" }, { "Ben", "Brindrel", "12.500" }, { "Cat", "Corrow", "013.00" } });
    click(entry, "cmdGo");
    settle();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].prompt, QString::fromLatin1(carnival::kTiesTypedDifferently.data(),
                                        static_cast<qsizetype>(carnival::kTiesTypedDifferently.size())));
    EXPECT_TRUE(messages()[0].prompt.contains("012.50"));
    EXPECT_EQ(messages()[0].title, "Oops!");
    EXPECT_EQ(Forms::find<frmEnter2>(), entry);
    EXPECT_TRUE(entry->isVisible());
    expectUnchanged(before);

    // Typed alike, the tie is stored and scored.
    type(entry, "txt2ndTD", "012.50");
    click(entry, "cmdGo");
    settle();
    EXPECT_EQ(folder->read(kResult100m).substr(0, 11), "Draw\r\n 1 \r\n");
    expectMainWindowShows({ 7, 7, 4, 0 });
}

TEST_F(EntryWindowTest, ABlankedDrawLineSavesAsAnOrdinaryEvent)
{
    for (const char* blankName : { "", "   " }) {
        SCOPED_TRACE(std::string("draw name [") + blankName + "]");
        std::filesystem::remove(folder->root() / kResult100m);
        folder->write("data/points.dat", kZeroPoints);
        frmEnter2* entry = openEntry();
        fill(entry,
            { { "Ann", "Tamsett", "012.50" }, { "Ben", "Brindrel", "013.00" }, { "Cat", "Corrow", "014.00" },
                { "Dan", "Elvane", "015.00" } });
        type(entry, "txtDrawName", blankName);
        click(entry, "cmdGo");
        settle();
        EXPECT_EQ(folder->read(kResult100m),
            crlf({ "Ann", "Tamsett", "012.50", "Ben", "Brindrel", "013.00", "Cat", "Corrow", "014.00", "Dan",
                "Elvane", "015.00" }));
        EXPECT_EQ(folder->read("data/points.dat"), pointsLine({ 8, 6, 4, 2 }));
        expectMainWindowShows({ 8, 6, 4, 2 });
        // Start the next round from the rewritten points file.
        Forms::unload<frmMain>();
        settle();
        lastWindowGone = false;
    }
    EXPECT_FALSE(prompts().contains(kLeaveDrawAlone));
}

// ---- Record check on saving ----

TEST_F(EntryWindowTest, OnlyABetterFirstPlaceBreaksTheRecord)
{
    testing_support::putRecord(kRecords, 1, recordEntry("12Boys100m", "Kira Ostrom", 95, "2008"));
    testing_support::putRecord(kRecords, 2, recordEntry("12BoysLongJump", "Kira Ostrom", 55, "2008"));
    const std::string recordsBefore = folder->read("data/athletics.dat");

    struct Case {
        const char* event;
        const char* result;
        const char* performance;
    };
    // Equal, or worse: no message and no change.
    for (const Case& c :
        { Case { "100m", "12Boys100m.dat", "000095" }, Case { "Long Jump", "12BoysLongJump.dat", "0054" } }) {
        frmEnter2* entry = openEntry("12", "Boys", c.event);
        fill(entry, { { "Zoe", "Tamsett", c.performance } });
        click(entry, "cmdGo");
        settle();
        EXPECT_TRUE(folder->exists(std::string("data/athletics/events/") + c.result));
    }
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(folder->read("data/athletics.dat") == recordsBefore);

    // Better: a lower time, a longer distance. Only the first row counts.
    std::filesystem::remove(folder->root() / kResult100m);
    std::filesystem::remove(folder->root() / "data/athletics/events/12BoysLongJump.dat");
    frmEnter2* entry = openEntry();
    fill(entry, { { "Zoe", "Tamsett", "000094" }, { "Yan", "Brindrel", "000095" } });
    click(entry, "cmdGo");
    settle();
    entry = openEntry("12", "Boys", "Long Jump");
    fill(entry, { { "Max", "Corrow", "0056" } });
    click(entry, "cmdGo");
    settle();
    EXPECT_EQ(prompts(),
        QStringList({ "12Boys100m record, set in 2008 by Kira Ostrom broken by Zoe",
            "12BoysLongJump record, set in 2008 by Kira Ostrom broken by Max" }));
    EXPECT_EQ(record(1).holder.trimmed(), "Zoe");
    EXPECT_EQ(record(1).value, 94);
    EXPECT_EQ(record(1).year.trimmed(), "2010");
    EXPECT_EQ(record(2).holder.trimmed(), "Max");
    EXPECT_EQ(record(2).value, 56);
    EXPECT_EQ(record(2).key.trimmed(), "12BoysLongJump");
}

// ---- Leaving without saving, and Help ----

TEST_F(EntryWindowTest, CancelWritesNothingAndBringsBackTheMainWindow)
{
    folder->write("data/points.dat", pointsLine({ 5, 4, 3, 2 }));
    const Snapshot before = snapshot();
    frmEnter2* entry = openEntry();
    fill(entry, { { "Ann", "Tamsett", "012.50" } });
    click(entry, "cmdCancel");
    settle();
    EXPECT_TRUE(messages().empty());
    expectUnchanged(before);
    expectMainWindowShows({ 5, 4, 3, 2 });
}

TEST_F(EntryWindowTest, HelpOpensTheBlankPageAndLeavesTheFormAlone)
{
    frmEnter2* entry = openEntry();
    fill(entry, { { "Ann", "Tamsett", "012.50" } });
    click(entry, "Command1");
    const QString page = QString::fromStdString((folder->root() / "help").string()) + "/Blank Page 2.htm";
    EXPECT_EQ(openedDocuments, QStringList { page });
    EXPECT_EQ(QString::fromStdString(carnival::modDeclareGlobals().helpPagePath), page);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(Forms::find<frmEnter2>(), entry);
    EXPECT_TRUE(entry->isVisible());
    EXPECT_EQ(child<QLineEdit>(entry, "txt1stTD")->text(), "012.50");
    EXPECT_FALSE(folder->exists(kResult100m));
}

TEST_F(EntryWindowTest, HelpWithoutTheHelpFolderIsReportedAndTheWindowStays)
{
    std::filesystem::remove_all(folder->root() / "help");
    frmEnter2* entry = openEntry();
    click(entry, "Command1");
    EXPECT_TRUE(openedDocuments.isEmpty());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].prompt.contains("help"));
    EXPECT_TRUE(entry->isVisible());
    EXPECT_FALSE(programEndedAtOnce);
}

} // namespace
