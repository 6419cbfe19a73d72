// The edit window, opened from the main window through the edit chooser:
// the read-back, the points taken back on opening, and its two ways out.

#include "window_fixture.h"

#include "support/carnival_layout.h"
#include "support/file_forms.h"

#include "results/event_chooser.h"
#include "results/frmEdit2.h"
#include "results/frmEnter2.h"
#include "shell/frmMain.h"

#include "carnival/agechamp_file.h"
#include "carnival/carnival_state.h"
#include "carnival/file_transaction.h"
#include "carnival/records_file.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using results::frmEdit;
using results::frmEdit2;
using results::frmEnter;
using results::frmEnter2;

namespace {

using namespace testing_support;

const QString kFormFault
    = "Please fill in the form correctly before clicking \"Save Event\". Click Help for more details.";
const QString kDrawInEdit = "Draws can't be re-entered from an edit screen. Re-enter the whole event.";
const QString kEnterAgain = "Please enter the event again from the 'Enter Event' menu.";
const QString kAskDelete = "Are you sure you wish to delete this event?";

// Ann of Tamsett 1st, Ben of Brindrel 2nd, Cat of Tamsett 3rd, Dan of Corrow 4th.
const std::string kFourPlaced = crlf({ "Ann", "Tamsett", "012.50", "Ben", "Brindrel", "013.00", "Cat", "Tamsett",
    "013.50", "Dan", "Corrow", "014.00" });

class EditWindowTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        layOutAthletics2010(*folder, { kBoys12 }, { { "12Boys100m", false }, { "12BoysLongJump", true } });
    }

    // A competitor's record as an earlier award left it.
    void competitorHas(int number, const char* name, int total, int eventPoints, int cellIndex = 0)
    {
        testing_support::putAgeChamp(
            kBoys12, number, competitorEntry(kAthleticsItems, name, total, { { cellIndex, std::to_string(eventPoints) } }));
    }

    carnival::AgeChampEntry competitor(int number) { return ageChampAt(kBoys12, number); }

    void expectCompetitor(int number, const char* name, int total, int eventPoints, int cellIndex = 0)
    {
        testing_support::expectCompetitor(kBoys12, number, name, total, eventPoints, cellIndex);
    }

    // Ann, Ben, Cat and Dan hold the points of kFourPlaced.
    void fourPlacedWereScored(std::array<int, 4> totals = { 12, 6, 2, 0 })
    {
        folder->write(kResult100m, kFourPlaced);
        folder->write("data/points.dat", pointsLine(totals));
        competitorHas(1, "Ann", 8, 8);
        competitorHas(2, "Ben", 6, 6);
        competitorHas(3, "Cat", 14, 4); // 10 from other events
        competitorHas(4, "Dan", 2, 2);
    }

    frmEdit2* openEdit(const char* age = "12", const char* sex = "Boys", const char* event = "100m")
    {
        return openThroughChooser<frmEdit, frmEdit2>("cmdEdit", age, sex, event);
    }

    QString text(QWidget* window, const char* name)
    {
        auto* box = child<QLineEdit>(window, name);
        return box ? box->text() : QString();
    }
    QComboBox* houses(QWidget* window, const char* name) { return child<QComboBox>(window, name); }

    // A row of the form shows these texts; a house "" is no house chosen.
    void expectRow(QWidget* window, const char* row, const char* name, const char* house, const char* td)
    {
        const std::string prefix(row);
        EXPECT_EQ(text(window, ("txt" + prefix + "Name").c_str()), name) << row;
        QComboBox* list = houses(window, ("cbo" + prefix + "House").c_str());
        if (*house) {
            EXPECT_EQ(list->currentText(), house) << row;
        } else {
            EXPECT_EQ(list->currentIndex(), -1) << row;
        }
        EXPECT_EQ(text(window, ("txt" + prefix + "TD").c_str()), td) << row;
    }

    // The main window was loaded anew: it shows the houses file as it is now
    // (the test renames a house behind the windows' back) and the totals.
    void expectFreshMainWindow(std::array<int, 4> totals, const char* fourthHouse = "Elvane Hall:")
    {
        EXPECT_FALSE(Forms::isLoaded<frmEdit2>());
        expectMainWindowAlone(totals);
        EXPECT_EQ(labelText(Forms::find<frmMain>(), "lblhouse4"), fourthHouse);
    }
    void renameAHouseBehindTheWindows()
    {
        folder->write("data/houses.dat", crlf({ "Tamsett", "Brindrel", "Corrow", "Elvane Hall" }));
    }
};

// ---- Opening: the read-back ----

TEST_F(EditWindowTest, ShowsTheStoredResultWithTheMainWindowHidden)
{
    folder->write(kResult100m,
        crlf({ "Ann", "Tamsett", "012.50", "Ben", "Brindrel", "013.00", "", "Corrow", "", "Dan", "Elvane",
            "014.00" }));
    frmEdit2* edit = openEdit();
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->isVisible());
    ASSERT_TRUE(Forms::isLoaded<frmMain>());
    EXPECT_FALSE(Forms::find<frmMain>()->isVisible());
    EXPECT_EQ(Forms::loadedCount(), 2);

    EXPECT_EQ(edit->windowTitle(), "Edit Information");
    EXPECT_EQ(labelText(edit, "lbltitle"), "Editing: 12 Boys 100m                ");
    EXPECT_EQ(labelText(edit, "lbltd"), "Time:");
    EXPECT_EQ(labelText(edit, "lblrecord"), "Record not set.");
    EXPECT_EQ(labelText(edit, "Label1"), "Name:");
    EXPECT_EQ(labelText(edit, "Label2"), "1st:");
    EXPECT_EQ(labelText(edit, "Label5"), "4th:");
    EXPECT_EQ(labelText(edit, "Label6"), "House:");
    EXPECT_EQ(child<QPushButton>(edit, "cmdGo")->text(), "Save Event");
    EXPECT_EQ(child<QPushButton>(edit, "cmdCancel")->text(), "Delete Event");
    EXPECT_EQ(child<QPushButton>(edit, "Command1")->text(), "Help");
    EXPECT_TRUE(child<QPushButton>(edit, "cmdGo")->isEnabled());

    expectRow(edit, "1st", "Ann", "Tamsett", "012.50");
    expectRow(edit, "2nd", "Ben", "Brindrel", "013.00");
    // A house stored beside an empty name is not shown.
    expectRow(edit, "3rd", "", "", "");
    expectRow(edit, "4th", "Dan", "Elvane", "014.00");
    expectRow(edit, "Draw", "Only use for draws!", "", "");
    for (const char* name : { "cbo1stHouse", "cbo2ndHouse", "cbo3rdHouse", "cbo4thHouse", "cboDrawHouse" }) {
        QComboBox* list = houses(edit, name);
        EXPECT_FALSE(list->isEditable()) << name;
        ASSERT_EQ(list->count(), 4) << name;
        EXPECT_EQ(list->itemText(0), "Tamsett");
        EXPECT_EQ(list->itemText(3), "Elvane");
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(EditWindowTest, TheColumnHeadShowsTheMeasureWithItsBlanks)
{
    struct Case {
        const char* event;
        const char* file;
        const char* title;
        const char* head;
    };
    const Case cases[] = {
        { "200m", "12Boys200m.dat", "Editing: 12 Boys 200m                ", "Time    :" },
        { "Long Jump", "12BoysLongJump.dat", "Editing: 12 Boys Long Jump           ", "Distance:" },
        { "100m", "12Boys100m.dat", "Editing: 12 Boys 100m                ", "Time:" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.event);
        folder->write(std::string("data/athletics/events/") + c.file,
            crlf({ "Ann", "Tamsett", "5.25", "", "", "", "", "", "", "", "", "" }));
        frmEdit2* edit = openEdit("12", "Boys", c.event);
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(labelText(edit, "lbltitle"), c.title);
        EXPECT_EQ(labelText(edit, "lbltd"), c.head);
        answer({ platform::kAnswerYes });
        click(edit, "cmdCancel");
        settle();
    }
}

TEST_F(EditWindowTest, TheRecordLineShowsASetRecord)
{
    testing_support::putRecord(kRecords, 2, recordEntry("12BoysLongJump", "Kira Ostrom", 56, "2008"));
    folder->write("data/athletics/events/12BoysLongJump.dat",
        crlf({ "Ann", "Tamsett", "5.25", "", "", "", "", "", "", "", "", "" }));
    frmEdit2* edit = openEdit("12", "Boys", "Long Jump");
    EXPECT_EQ(labelText(edit, "lblrecord"),
        "12BoysLongJump record set by Kira Ostrom with a Time/Distance of 0056 in 2008");
}

TEST_F(EditWindowTest, AStoredHouseNoLongerAmongTheHousesIsAddedToItsList)
{
    folder->write(kResult100m,
        crlf({ "Ann", "Oldhouse", "012.50", "Ben", "Brindrel", "013.00", "", "", "", "", "", "" }));
    folder->write("data/points.dat", pointsLine({ 0, 6, 0, 0 }));
    frmEdit2* edit = openEdit();
    QComboBox* first = houses(edit, "cbo1stHouse");
    ASSERT_EQ(first->count(), 5);
    EXPECT_EQ(first->itemText(4), "Oldhouse");
    EXPECT_EQ(first->currentIndex(), 4);
    EXPECT_EQ(first->currentText(), "Oldhouse");
    EXPECT_EQ(houses(edit, "cbo2ndHouse")->count(), 4);
    // Nobody is called Oldhouse: only Brindrel's points come back.
    EXPECT_EQ(folder->read("data/points.dat"), pointsLine({ 0, 0, 0, 0 }));

    click(edit, "cmdGo");
    settle();
    EXPECT_EQ(folder->read(kResult100m),
        crlf({ "Ann", "Oldhouse", "012.50", "Ben", "Brindrel", "013.00", "", "", "", "", "", "" }));
    EXPECT_EQ(folder->read("data/points.dat"), pointsLine({ 0, 6, 0, 0 }));
    expectFreshMainWindow({ 0, 6, 0, 0 }, "Elvane:");
}

TEST_F(EditWindowTest, HasNoCloseBox)
{
    fourPlacedWereScored();
    frmEdit2* edit = openEdit();
    EXPECT_FALSE(edit->hasCloseMenu());
    EXPECT_FALSE(edit->close());
    settle();
    EXPECT_EQ(Forms::find<frmEdit2>(), edit);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_FALSE(Forms::find<frmMain>()->isVisible());
}

// ---- Opening: the points taken back ----

TEST_F(EditWindowTest, OpeningTakesTheEventsPointsBack)
{
    fourPlacedWereScored({ 20, 10, 5, 3 });
    const std::string resultBefore = folder->read(kResult100m);
    frmEdit2* edit = openEdit();
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(messages().empty());
    // Tamsett loses 8 + 4, Brindrel 6, Corrow 2.
    EXPECT_EQ(folder->read("data/points.dat"), pointsLine({ 8, 4, 3, 3 }));
    expectCompetitor(1, "Ann", 0, 0);
    expectCompetitor(2, "Ben", 0, 0);
    expectCompetitor(3, "Cat", 10, 0);
    expectCompetitor(4, "Dan", 0, 0);
    EXPECT_EQ(folder->read(kResult100m), resultBefore);
}

TEST_F(EditWindowTest, AnUnnamedRowTakesNothingBackAndTotalsMayTurnNegative)
{
    folder->write(kResult100m,
        crlf({ "Ann", "Tamsett", "012.50", "", "Brindrel", "", "   ", "Corrow", "013.00", "", "", "" }));
    competitorHas(1, "Ann", 8, 8);
    openEdit();
    EXPECT_EQ(folder->read("data/points.dat"), pointsLine({ -8, 0, 0, 0 }));
    expectCompetitor(1, "Ann", 0, 0);
}

// ---- Save Event ----

TEST_F(EditWindowTest, SavingAnEditScoresTheDifferenceBetweenNewAndOld)
{
    // Entered through the entry window first.
    frmEnter* chooser = openFromMain<frmEnter>("cmdEnter");
    chooseEvent(chooser, "12", "Boys", "100m");
    click(chooser, "cmdGo");
    frmEnter2* entry = Forms::find<frmEnter2>();
    ASSERT_NE(entry, nullptr);
    fill(entry, { { "Ann", "Tamsett", "012.50" }, { "Ben", "Brindrel", "013.00" } });
    click(entry, "cmdGo");
    settle();
    ASSERT_EQ(folder->read("data/points.dat"), pointsLine({ 8, 6, 0, 0 }));

    frmEdit2* edit = openEdit();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(folder->read("data/points.dat"), pointsLine({ 0, 0, 0, 0 }));
    renameAHouseBehindTheWindows();
    fill(edit, { { "Ben", "Brindrel", "011.00" }, { "Ann", "Tamsett", "012.50" }, { "Cat", "Corrow", "013.00" } });
    click(edit, "cmdGo");
    settle();

    EXPECT_EQ(folder->read(kResult100m),
        crlf({ "Ben", "Brindrel", "011.00", "Ann", "Tamsett", "012.50", "Cat", "Corrow", "013.00", "", "", "" }));
    EXPECT_EQ(folder->read("data/points.dat"), pointsLine({ 6, 8, 4, 0 }));
    expectCompetitor(1, "Ann", 6, 6);
    expectCompetitor(2, "Ben", 8, 8);
    expectCompetitor(3, "Cat", 4, 4);
    EXPECT_TRUE(carnival::isFreeSlot(competitor(4)));
    EXPECT_EQ(prompts(),
        QStringList({ "12Boys100m record, set in 56 BC by Orvald Pennimore Askey broken by Ann",
            "12Boys100m record, set in 2010 by Ann broken by Ben" }));
    expectFreshMainWindow({ 6, 8, 4, 0 });
}

TEST_F(EditWindowTest, SavingUnchangedWritesTheSameLinesAndGivesBackTheSamePoints)
{
    const std::string stored = crlf({ "Ann", "Tamsett", "012.50", "", "", "", "", "", "", "", "", "" });
    folder->write(kResult100m, stored);
    folder->write("data/points.dat", pointsLine({ 8, 0, 0, 0 }));
    competitorHas(1, "Ann", 8, 8);
    frmEdit2* edit = openEdit();
    renameAHouseBehindTheWindows();
    click(edit, "cmdGo");
    settle();
    // The record check runs on every save.
    EXPECT_EQ(prompts(), QStringList { "12Boys100m record, set in 56 BC by Orvald Pennimore Askey broken by Ann" });
    EXPECT_EQ(folder->read(kResult100m), stored);
    EXPECT_EQ(folder->read("data/points.dat"), pointsLine({ 8, 0, 0, 0 }));
    expectCompetitor(1, "Ann", 8, 8);
    expectFreshMainWindow({ 8, 0, 0, 0 });
}

TEST_F(EditWindowTest, ADrawLineTypedInTheEditWindowIsDroppedAndTheEventScoredNormally)
{
    fourPlacedWereScored();
    frmEdit2* edit = openEdit();
    fillRow(edit, "Draw", { "Eve", "Elvane", "016.00" });
    click(edit, "cmdGo");
    settle();
    EXPECT_EQ(prompts(), QStringList { "12Boys100m record, set in 56 BC by Orvald Pennimore Askey broken by Ann" });
    EXPECT_EQ(folder->read(kResult100m), kFourPlaced);
    EXPECT_EQ(folder->read("data/points.dat"), pointsLine({ 12, 6, 2, 0 }));
    for (int number = 5; number <= carnival::kAgeChampSlots; ++number)
        EXPECT_TRUE(carnival::isFreeSlot(competitor(number))) << number;
    expectFreshMainWindow({ 12, 6, 2, 0 }, "Elvane:");
}

TEST_F(EditWindowTest, AFaultyFormIsRefusedWithThePointsStillTakenBack)
{
    fourPlacedWereScored();
    frmEdit2* edit = openEdit();
    type(edit, "txt2ndTD", "13.00");
    click(edit, "cmdGo");
    settle();
    ASSERT_EQ(messages().size(), 1u);
    expectMessage(0, kFormFault, 48, "Oops!");
    EXPECT_EQ(Forms::find<frmEdit2>(), edit);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(text(edit, "txt2ndTD"), "13.00");
    EXPECT_FALSE(Forms::find<frmMain>()->isVisible());
    EXPECT_EQ(folder->read(kResult100m), kFourPlaced);
    EXPECT_EQ(folder->read("data/points.dat"), pointsLine({ 0, 0, 0, 0 }));
    expectCompetitor(1, "Ann", 0, 0);
}

struct EditTieCase {
    const char* label;
    std::array<const char*, 4> times;
    int messages;
};

class EditTieTest : public EditWindowTest, public ::testing::WithParamInterface<EditTieCase> { };

TEST_P(EditTieTest, ATieDeletesTheEventAndLeavesItsPointsTakenBack)
{
    const EditTieCase& tie = GetParam();
    fourPlacedWereScored();
    frmEdit2* edit = openEdit();
    renameAHouseBehindTheWindows();
    const char* boxes[] = { "txt1stTD", "txt2ndTD", "txt3rdTD", "txt4thTD" };
    const char* names[] = { "txt1stName", "txt2ndName", "txt3rdName", "txt4thName" };
    for (int i = 0; i < 4; ++i) {
        type(edit, boxes[i], tie.times[i]);
        if (!*tie.times[i] && i > 0)
            type(edit, names[i], "");
    }
    click(edit, "cmdGo");
    settle();

    ASSERT_EQ(static_cast<int>(messages().size()), tie.messages);
    for (const auto& call : messages()) {
        EXPECT_EQ(call.prompt, kDrawInEdit);
        EXPECT_EQ(call.style, 0);
        EXPECT_EQ(call.title, "Ostrivale");
    }
    EXPECT_FALSE(folder->exists(kResult100m));
    EXPECT_EQ(folder->read("data/points.dat"), pointsLine({ 0, 0, 0, 0 }));
    expectCompetitor(1, "Ann", 0, 0);
    expectCompetitor(3, "Cat", 10, 0);
    EXPECT_EQ(testing_support::storedRecord(kRecords, 1), carnival::unsetRecord("12Boys100m", false));
    expectFreshMainWindow({ 0, 0, 0, 0 });

    // The event can be entered again.
    click(Forms::find<frmMain>(), "cmdEnter");
    frmEnter* chooser = Forms::find<frmEnter>();
    chooseEvent(chooser, "12", "Boys", "100m");
    click(chooser, "cmdGo");
    EXPECT_TRUE(Forms::isLoaded<frmEnter2>());
    EXPECT_EQ(static_cast<int>(messages().size()), tie.messages);
}

INSTANTIATE_TEST_SUITE_P(Cases, EditTieTest,
    ::testing::Values(EditTieCase { "FirstAndSecond", { "012.50", "012.50", "013.50", "014.00" }, 1 },
        EditTieCase { "ThirdAndFourth", { "012.50", "013.00", "013.50", "013.50" }, 1 },
        EditTieCase { "FirstSecondAndThird", { "012.50", "012.50", "012.50", "014.00" }, 2 },
        EditTieCase { "EqualValuesTypedDifferently", { "012.50", "12.500", "013.50", "014.00" }, 1 },
        // An empty second placing counts as 0, as does a first place of zero.
        EditTieCase { "ZeroAgainstAnEmptySecond", { "000000", "", "", "" }, 1 }),
    [](const ::testing::TestParamInfo<EditTieCase>& info) { return std::string(info.param.label); });

// ---- Delete Event ----

TEST_F(EditWindowTest, DeleteAnsweredNoChangesNothing)
{
    fourPlacedWereScored();
    frmEdit2* edit = openEdit();
    answer({ platform::kAnswerNo });
    click(edit, "cmdCancel");
    settle();
    ASSERT_EQ(messages().size(), 1u);
    expectMessage(0, kAskDelete, 20, "Ostrivale");
    EXPECT_EQ(carnival::modDeclareGlobals().lastMsgBoxAnswer, platform::kAnswerNo);
    EXPECT_EQ(Forms::find<frmEdit2>(), edit);
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(folder->read(kResult100m), kFourPlaced);
    EXPECT_EQ(folder->read("data/points.dat"), pointsLine({ 0, 0, 0, 0 }));
    EXPECT_FALSE(Forms::find<frmMain>()->isVisible());
}

TEST_F(EditWindowTest, DeleteAnsweredYesRemovesTheEventAndReloadsTheMainWindow)
{
    fourPlacedWereScored({ 20, 10, 5, 3 });
    frmEdit2* edit = openEdit();
    renameAHouseBehindTheWindows();
    answer({ platform::kAnswerYes });
    click(edit, "cmdCancel");
    settle();
    EXPECT_EQ(prompts(), QStringList { kAskDelete });
    EXPECT_EQ(carnival::modDeclareGlobals().lastMsgBoxAnswer, platform::kAnswerYes);
    EXPECT_FALSE(folder->exists(kResult100m));
    EXPECT_EQ(folder->read("data/points.dat"), pointsLine({ 8, 4, 3, 3 }));
    expectCompetitor(1, "Ann", 0, 0);
    expectFreshMainWindow({ 8, 4, 3, 3 });

    // The edit chooser now finds the event not entered.
    click(Forms::find<frmMain>(), "cmdEdit");
    frmEdit* chooser = Forms::find<frmEdit>();
    chooseEvent(chooser, "12", "Boys", "100m");
    click(chooser, "cmdGo");
    EXPECT_EQ(prompts().last(), "Event has not been entered yet - enter it instead.");
}

TEST_F(EditWindowTest, ACarnivalStartedElsewhereRefusesTheDeleteAndTheMainWindowShowsIt)
{
    fourPlacedWereScored({ 20, 10, 5, 3 });
    frmEdit2* edit = openEdit();
    putCarnivalFile(*folder, "Athletics", "2027"); // another program's new carnival
    const Tree before = snapshot(folder->root());
    answer({ platform::kAnswerYes });
    click(edit, "cmdCancel");
    settle();
    ASSERT_EQ(prompts().size(), 2);
    EXPECT_TRUE(prompts()[1].contains("another program has started the carnival Athletics, 2027"))
        << prompts()[1].toStdString();
    EXPECT_EQ(snapshot(folder->root()), before);
    expectFreshMainWindow({ 8, 4, 3, 3 }, "Elvane:");
    EXPECT_EQ(labelText(Forms::find<frmMain>(), "lblTitle"), "Ostrivale - Athletics, 2027");
}

// ---- A stored Draw event ----

TEST_F(EditWindowTest, ADrawEventIsTakenBackAndOnlyDeleteIsOffered)
{
    const std::string stored = crlf({ "Draw", " 2 ", "Ann", "Tamsett", "012.00", "Ben", "Brindrel", "012.50", "Cat",
        "Corrow", "012.50", "Dan", "Elvane", "014.00", "", "", "" });
    folder->write(kResult100m, stored);
    folder->write("data/points.dat", pointsLine({ 8, 5, 5, 2 }));
    competitorHas(1, "Ann", 8, 8);
    competitorHas(2, "Ben", 5, 5);
    competitorHas(3, "Cat", 5, 5);
    competitorHas(4, "Dan", 2, 2);
    frmEdit2* edit = openEdit();
    ASSERT_NE(edit, nullptr);

    ASSERT_EQ(messages().size(), 1u);
    expectMessage(0, kEnterAgain, 0, "Ostrivale");
    EXPECT_EQ(folder->read("data/points.dat"), pointsLine({ 0, 0, 0, 0 }));
    expectCompetitor(1, "Ann", 0, 0);
    expectCompetitor(2, "Ben", 0, 0);
    expectCompetitor(3, "Cat", 0, 0);
    expectCompetitor(4, "Dan", 0, 0);
    EXPECT_EQ(folder->read(kResult100m), stored);

    EXPECT_TRUE(edit->isVisible());
    for (const char* name : { "txt1stName", "txt1stTD", "txt2ndName", "txt3rdName", "txt4thName", "txt4thTD",
             "txtDrawTD" })
        EXPECT_EQ(text(edit, name), "") << name;
    EXPECT_EQ(text(edit, "txtDrawName"), "Only use for draws!");
    for (const char* name : { "cbo1stHouse", "cbo2ndHouse", "cbo3rdHouse", "cbo4thHouse", "cboDrawHouse" })
        EXPECT_EQ(houses(edit, name)->currentIndex(), -1) << name;
    EXPECT_FALSE(child<QPushButton>(edit, "cmdGo")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(edit, "cmdCancel")->isVisible());
    EXPECT_TRUE(child<QPushButton>(edit, "cmdCancel")->isEnabled());
    EXPECT_EQ(labelText(edit, "lbltd"), "Time:");

    click(edit, "Command1");
    EXPECT_EQ(openedDocuments.size(), 1);
    EXPECT_TRUE(Forms::isLoaded<frmEdit2>());

    renameAHouseBehindTheWindows();
    answer({ platform::kAnswerYes });
    click(edit, "cmdCancel");
    settle();
    EXPECT_FALSE(folder->exists(kResult100m));
    expectFreshMainWindow({ 0, 0, 0, 0 });
}

TEST_F(EditWindowTest, ADrawWithTheDrawLineTakesBackItsPointToo)
{
    folder->write("data/athletics/events/12Boys200m.dat",
        crlf({ "Draw", " 4 ", "Ann", "Tamsett", "025.00", "Ben", "Brindrel", "026.00", "Cat", "Corrow", "027.00",
            "Dan", "Elvane", "028.00", "Eve", "Tamsett", "028.00" }));
    folder->write("data/points.dat", pointsLine({ 9, 6, 4, 1 }));
    competitorHas(1, "Ann", 8, 8, 1);
    competitorHas(2, "Ben", 6, 6, 1);
    competitorHas(3, "Cat", 4, 4, 1);
    competitorHas(4, "Dan", 1, 1, 1);
    competitorHas(5, "Eve", 3, 1, 1); // 2 from another event
    frmEdit2* edit = openEdit("12", "Boys", "200m");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(prompts(), QStringList { kEnterAgain });
    EXPECT_EQ(labelText(edit, "lbltd"), "Time    :");
    EXPECT_EQ(folder->read("data/points.dat"), pointsLine({ 0, 0, 0, 0 }));
    expectCompetitor(4, "Dan", 0, 0, 1);
    expectCompetitor(5, "Eve", 2, 0, 1);
    EXPECT_FALSE(child<QPushButton>(edit, "cmdGo")->isEnabled());
}

TEST_F(EditWindowTest, ADrawWithAnUnnamedDrawLineTakesNothingBackForIt)
{
    folder->write(kResult100m,
        crlf({ "Draw", " 4 ", "Ann", "Tamsett", "012.00", "Ben", "Brindrel", "012.50", "Cat", "Corrow", "013.00",
            "Dan", "Elvane", "014.00", "", "Tamsett", "014.00" }));
    folder->write("data/points.dat", pointsLine({ 8, 6, 4, 1 }));
    openEdit();
    EXPECT_EQ(folder->read("data/points.dat"), pointsLine({ 0, 0, 0, 0 }));
}

// ---- Help and damaged files ----

TEST_F(EditWindowTest, HelpOpensTheBlankPage)
{
    fourPlacedWereScored();
    frmEdit2* edit = openEdit();
    click(edit, "Command1");
    EXPECT_EQ(openedDocuments,
        QStringList { QString::fromStdString((folder->root() / "help").string()) + "/Blank Page 2.htm" });
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(edit->isVisible());
    EXPECT_EQ(text(edit, "txt1stName"), "Ann");
}

TEST_F(EditWindowTest, AResultThatCannotBeTakenBackIsReportedAndTheMainWindowComesBack)
{
    const std::pair<std::string, QString> results[] = { { "Ann\r\nTamsett\r\n", "12Boys100m.dat" },
        { crlf({ "Draw", " 40000 ", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "" }),
            "12Boys100m.dat\": line 2 gives the tie position 40000, outside the range -32768 to 32767." } };
    folder->write("data/points.dat", pointsLine({ 8, 0, 0, 0 }));
    for (const auto& [content, named] : results) {
        folder->write(kResult100m, content);
        openEdit();
        settle();
        EXPECT_TRUE(messages().back().prompt.contains(named)) << messages().back().prompt.toStdString();
        EXPECT_EQ(folder->read("data/points.dat"), pointsLine({ 8, 0, 0, 0 }));
        expectFreshMainWindow({ 8, 0, 0, 0 }, "Elvane:");
    }
    EXPECT_EQ(messages().size(), 2u);
    EXPECT_FALSE(programEndedAtOnce);
}

TEST_F(EditWindowTest, ATakeBackThatCannotBeWrittenChangesNothingAndTheMainWindowComesBack)
{
    fourPlacedWereScored({ 20, 10, 5, 3 });
    const Tree before = snapshot(folder->root() / "data");
    carnival::failFileWritesForTests("12/boys.dat");
    openEdit();
    settle();
    carnival::failFileWritesForTests("");
    ASSERT_EQ(messages().size(), 1u);
    const std::string prompt = messages()[0].prompt.toStdString();
    EXPECT_NE(prompt.find("cannot be edited"), std::string::npos) << prompt;
    EXPECT_NE(prompt.find("Boys.dat"), std::string::npos) << prompt;
    EXPECT_EQ(snapshot(folder->root() / "data"), before);
    expectFreshMainWindow({ 20, 10, 5, 3 }, "Elvane:");
}

TEST_F(EditWindowTest, AMainWindowThatCannotBeReloadedStopsTheProgramWithOneMessage)
{
    fourPlacedWereScored();
    frmEdit2* edit = openEdit();
    folder->write("data/houses.dat", "");
    answer({ platform::kAnswerYes });
    click(edit, "cmdCancel");
    settle();
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[0].prompt, kAskDelete);
    EXPECT_TRUE(messages()[1].prompt.contains("houses.dat")) << messages()[1].prompt.toStdString();
    EXPECT_EQ(messages()[1].style, 16);
    EXPECT_FALSE(folder->exists(kResult100m));
    EXPECT_EQ(Forms::loadedCount(), 0);
    EXPECT_TRUE(lastWindowGone);
    EXPECT_FALSE(programEndedAtOnce);
}

} // namespace
