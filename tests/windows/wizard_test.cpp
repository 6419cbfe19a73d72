// The first-run wizard: from the splash window through the five steps to the
// first carnival, the editing of the event lists in step 2 and the Quit
// question of every step.

#include "window_fixture.h"

#include "support/carnival_layout.h"
#include "support/file_forms.h"

#include "setup/frmEventSetup.h"
#include "setup/frmSetup.h"
#include "setup/wizard.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"

#include "carnival/carnival_state.h"

#include <QDir>
#include <QFileInfo>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using setup::frmEventSetup;
using setup::frmHouses;
using setup::frmNew;
using setup::frmNew2;
using setup::frmNew3;
using setup::frmSetup;
using shell::frmSplash;

namespace {

namespace fs = std::filesystem;

using namespace testing_support;

const char* const kAges[] = { "12", "13", "14", "15", "16", "17+" };
const char* const kQuitPrompt = "Are you sure? You haven't even set up Ostrivale yet!";

class WizardTest : public WindowTest {
protected:
    std::vector<std::string> items(frmEventSetup* window)
    {
        std::vector<std::string> result;
        auto* list = child<QListWidget>(window, "lstEvents");
        for (int i = 0; i < list->count(); ++i)
            result.push_back(list->item(i)->text().toStdString());
        return result;
    }

    void type(QWidget* window, const char* box, const QString& text)
    {
        auto* edit = child<QLineEdit>(window, box);
        ASSERT_NE(edit, nullptr);
        edit->setText(text);
    }

    // Clicks an item of the list, as the user selects it.
    void select(frmEventSetup* window, int row)
    {
        auto* list = child<QListWidget>(window, "lstEvents");
        ASSERT_NE(list, nullptr);
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        ASSERT_EQ(list->currentRow(), row);
    }

    void selectNothing(frmEventSetup* window)
    {
        auto* list = child<QListWidget>(window, "lstEvents");
        list->setCurrentRow(-1);
        list->clearSelection();
    }

    int selectedRow(frmEventSetup* window) { return child<QListWidget>(window, "lstEvents")->currentRow(); }

    void pressEnter(frmEventSetup* window)
    {
        QTest::keyClick(child<QLineEdit>(window, "txten"), Qt::Key_Return);
    }

    bool noWorkFiles() const
    {
        for (const char* name : { "athletic_agechamp.dat", "swimming_agechamp.dat", "boys.dat", "girls.dat" })
            if (folder->exists(name))
                return false;
        return true;
    }

    void expectTemplates(const char* type, const std::vector<std::string>& list)
    {
        EXPECT_EQ(folder->read(std::string("pristine data/") + type + "/events.dat"), eventList(list));
        for (const char* age : kAges)
            for (const char* sex : { "boys.dat", "girls.dat" })
                EXPECT_EQ(folder->read(std::string("pristine data/") + type + "/individuals/" + age + "/" + sex),
                    templateFile(list))
                    << type << " " << age << " " << sex;
    }

    void expectWizardQuestion(std::size_t index) { expectMessage(index, kQuitPrompt, 52, "Are you sure?"); }
};

// ---- The whole first run --------------------------------------------------------

TEST_F(WizardTest, AWholeFirstRunEndsInTheFirstCarnival)
{
    const Tree placeholder = snapshot(folder->root() / "data/Click New Carnival");
    const std::string installedPoints = folder->read("data/points.dat");

    frmSplash* splash = Forms::show<frmSplash>();
    QTest::mouseClick(child<QFrame>(splash, "Frame1"), Qt::LeftButton);
    EXPECT_FALSE(Forms::isLoaded<frmSplash>());

    // Step 1.
    frmNew* step1 = Forms::find<frmNew>();
    ASSERT_NE(step1, nullptr);
    EXPECT_TRUE(step1->isVisible());
    EXPECT_FALSE(step1->hasCloseMenu());
    EXPECT_FALSE(Forms::isLoaded<frmMain>());
    click(step1, "Command1");
    settle();
    EXPECT_FALSE(Forms::isLoaded<frmNew>());

    // Step 2, athletics pass: the template list, one event added.
    frmEventSetup* step2 = Forms::find<frmEventSetup>();
    ASSERT_NE(step2, nullptr);
    EXPECT_TRUE(step2->isVisible());
    EXPECT_FALSE(step2->hasCloseMenu());
    EXPECT_EQ(items(step2), kAthleticsItems);
    type(step2, "txten", "Walk");
    click(step2, "Command3");
    std::vector<std::string> athletics = kAthleticsItems;
    athletics.push_back("Walk");
    EXPECT_EQ(items(step2), athletics);
    click(step2, "cmdNext");

    expectTemplates("athletics", athletics);
    EXPECT_EQ(folder->read("pristine data/swimming/events.dat"), eventList(kSwimmingItems));
    EXPECT_FALSE(folder->exists("pristine data/swimming/individuals/12/boys.dat"));
    EXPECT_TRUE(noWorkFiles());
    EXPECT_EQ(carnival::modDeclareGlobals().carnivalType, "athletics");

    // Swimming pass: the swimming list, the typed text still in the box.
    EXPECT_EQ(Forms::find<frmEventSetup>(), step2);
    EXPECT_EQ(items(step2), kSwimmingItems);
    EXPECT_EQ(child<QPushButton>(step2, "Command1")->text(), "command2");
    EXPECT_EQ(child<QLineEdit>(step2, "txten")->text(), "Walk");
    EXPECT_EQ(step2->windowTitle(), "Welcome to Ostrivale! - Step 2");
    select(step2, 9);
    click(step2, "Command6");
    std::vector<std::string> swimming = kSwimmingItems;
    swimming.pop_back();
    EXPECT_EQ(items(step2), swimming);
    click(step2, "cmdNext");
    settle();
    EXPECT_TRUE(messages().empty());

    expectTemplates("swimming", swimming);
    EXPECT_TRUE(noWorkFiles());
    EXPECT_FALSE(Forms::isLoaded<frmEventSetup>());

    // The records files: 12 x n unset records each.
    const std::string athleticsRecords = folder->read("data/athletics.dat");
    ASSERT_EQ(athleticsRecords.size(), 12u * 14u * 128u);
    EXPECT_EQ(recordKeyAt(athleticsRecords, 1), padded("12Boys100m", 25));
    EXPECT_EQ(recordValueAt(athleticsRecords, 1), 990000);
    EXPECT_EQ(recordKeyAt(athleticsRecords, 7), padded("12BoysHighJump", 25));
    EXPECT_EQ(recordValueAt(athleticsRecords, 7), 1);
    EXPECT_EQ(recordKeyAt(athleticsRecords, 15), padded("12Girls100m", 25));
    EXPECT_EQ(recordKeyAt(athleticsRecords, 29), padded("13Boys100m", 25));
    EXPECT_EQ(recordKeyAt(athleticsRecords, 168), padded("17+GirlsWalk", 25));
    EXPECT_EQ(athleticsRecords.substr(0, 30), padded("Orvald Pennimore Askey", 30));
    EXPECT_EQ(athleticsRecords.substr(59, 5), "56 BC");
    const std::string swimmingRecords = folder->read("data/swimming.dat");
    ASSERT_EQ(swimmingRecords.size(), 12u * 9u * 128u);
    EXPECT_EQ(recordKeyAt(swimmingRecords, 108), padded("17+Girls200mMedley", 25));

    // Step 3: the main window loaded hidden with the placeholder carnival.
    frmNew2* step3 = Forms::find<frmNew2>();
    ASSERT_NE(step3, nullptr);
    EXPECT_TRUE(step3->isVisible());
    EXPECT_FALSE(step3->hasCloseMenu());
    frmMain* hiddenMain = Forms::find<frmMain>();
    ASSERT_NE(hiddenMain, nullptr);
    EXPECT_FALSE(hiddenMain->isVisible());
    EXPECT_EQ(labelText(hiddenMain, "lblTitle"), "Ostrivale - Click New Carnival, 2026");
    EXPECT_EQ(carnival::modDeclareGlobals().carnivalType, "Click New Carnival");
    click(step3, "Command1");
    settle();
    EXPECT_FALSE(Forms::isLoaded<frmNew2>());

    // Step 4: the house names as typed, one box emptied.
    frmHouses* step4 = Forms::find<frmHouses>();
    ASSERT_NE(step4, nullptr);
    EXPECT_TRUE(step4->isVisible());
    EXPECT_FALSE(step4->hasCloseMenu());
    EXPECT_TRUE(child<QPushButton>(step4, "Command2")->isEnabled());
    type(step4, "Text1", "Red House");
    type(step4, "Text2", "");
    type(step4, "Text3", "  Blue, Green ");
    click(step4, "Command1");
    settle();
    EXPECT_EQ(folder->read("data/houses.dat"), "Red House\r\n\r\n  Blue, Green \r\nElvane\r\n");
    EXPECT_FALSE(Forms::isLoaded<frmHouses>());

    // Step 5.
    frmNew3* step5 = Forms::find<frmNew3>();
    ASSERT_NE(step5, nullptr);
    EXPECT_TRUE(step5->isVisible());
    EXPECT_FALSE(step5->hasCloseMenu());
    EXPECT_TRUE(child<QPushButton>(step5, "Command2")->isEnabled());
    click(step5, "Command1");
    settle();
    EXPECT_FALSE(Forms::isLoaded<frmNew3>());

    // The new-carnival window: no warning, no way back.
    frmSetup* setupWindow = Forms::find<frmSetup>();
    ASSERT_NE(setupWindow, nullptr);
    EXPECT_TRUE(setupWindow->isVisible());
    EXPECT_TRUE(messages().empty());
    EXPECT_FALSE(child<QPushButton>(setupWindow, "Command3")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(setupWindow, "Command1")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(setupWindow, "cmdathletics")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(setupWindow, "cmdSwimming")->isEnabled());
    EXPECT_EQ(carnival::modDeclareGlobals().wizardFinished, 0);

    const Tree athleticsTree = snapshot(folder->root() / "pristine data/athletics");
    type(setupWindow, "txtYear", "2027");
    answer({ platform::kAnswerYes });
    click(setupWindow, "cmdathletics");
    settle();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0].prompt, "Are you sure?");
    EXPECT_EQ(messages()[0].style, 36);

    // The first carnival.
    EXPECT_FALSE(Forms::isLoaded<frmSetup>());
    frmMain* main = Forms::find<frmMain>();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(labelText(main, "lblTitle"), "Ostrivale - Athletics, 2027");
    EXPECT_EQ(labelText(main, "lblhouse1"), "Red House:");
    EXPECT_EQ(labelText(main, "lblhouse2"), ":");
    EXPECT_EQ(labelText(main, "lblhouse3"), "Blue, Green:");
    EXPECT_EQ(carnival::modDeclareGlobals().eventLastIndex, 13);
    EXPECT_EQ(folder->read("data/carnival.dat"), "Athletics\r\n 2027 \r\n");
    EXPECT_EQ(folder->read("data/points.dat"), " 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
    Tree backup = placeholder;
    backup["points.dat"] = installedPoints;
    EXPECT_EQ(snapshot(folder->root() / "data/Click New Carnival2026"), backup);
    EXPECT_FALSE(folder->exists("data/Click New Carnival"));
    EXPECT_EQ(snapshot(folder->root() / "data/athletics"), athleticsTree);
    EXPECT_FALSE(programEndedAtOnce);
}

// ---- Step 2: the two passes ------------------------------------------------------

TEST_F(WizardTest, EveryLoadOfStep2StartsInTheAthleticsPass)
{
    frmEventSetup* step2 = Forms::show<frmEventSetup>();
    auto* pass = child<QPushButton>(step2, "Command1");
    EXPECT_EQ(pass->text(), "Command1");
    EXPECT_FALSE(pass->isVisible());
    EXPECT_FALSE(pass->isEnabled());
    EXPECT_EQ(items(step2), kAthleticsItems);
    click(step2, "cmdNext");
    EXPECT_EQ(pass->text(), "command2");
    Forms::unload<frmEventSetup>();
    settle();
    step2 = Forms::show<frmEventSetup>();
    EXPECT_EQ(child<QPushButton>(step2, "Command1")->text(), "Command1");
    EXPECT_EQ(items(step2), kAthleticsItems);
}

TEST_F(WizardTest, TheTemplateListIsReadToItsEndWhateverItsCountSays)
{
    folder->write("pristine data/athletics/events.dat", " 2 \r\n100m\r\n Long Jump1\r\nRelay\r\n");
    frmEventSetup* step2 = Forms::show<frmEventSetup>();
    EXPECT_EQ(items(step2), (std::vector<std::string> { "100m", " Long Jump1", "Relay" }));
    click(step2, "cmdNext");
    EXPECT_EQ(folder->read("pristine data/athletics/events.dat"), " 3 \r\n100m\r\n Long Jump1\r\nRelay\r\n");
}

TEST_F(WizardTest, QuitAfterTheFirstPassKeepsTheAthleticsFilesOnly)
{
    const std::string swimmingList = folder->read("pristine data/swimming/events.dat");
    frmEventSetup* step2 = Forms::show<frmEventSetup>();
    click(step2, "cmdNext");
    answer({ platform::kAnswerYes });
    click(step2, "Command9");
    expectWizardQuestion(0);
    EXPECT_TRUE(programEndedAtOnce);
    expectTemplates("athletics", kAthleticsItems);
    EXPECT_TRUE(folder->exists("data/athletics.dat"));
    EXPECT_EQ(folder->read("pristine data/swimming/events.dat"), swimmingList);
    EXPECT_FALSE(folder->exists("data/swimming.dat"));
    EXPECT_FALSE(folder->exists("pristine data/swimming/individuals/12/girls.dat"));
}

TEST_F(WizardTest, NextRefusesAnEmptyListAndWritesNothing)
{
    const Tree before = snapshot(folder->root());
    frmEventSetup* step2 = Forms::show<frmEventSetup>();
    const int count = static_cast<int>(items(step2).size());
    for (int i = 0; i < count; ++i) {
        select(step2, 0);
        click(step2, "Command6");
    }
    ASSERT_TRUE(items(step2).empty());
    click(step2, "cmdNext");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].prompt.contains("at least one event")) << messages()[0].prompt.toStdString();
    EXPECT_EQ(snapshot(folder->root()), before);
    EXPECT_EQ(child<QPushButton>(step2, "Command1")->text(), "Command1");
    EXPECT_TRUE(step2->isVisible());
}

TEST_F(WizardTest, NextRefusesMoreThan20EventsAndWritesNothing)
{
    std::vector<std::string> many;
    for (int i = 1; i <= 21; ++i)
        many.push_back("Event " + std::to_string(i));
    folder->write("pristine data/athletics/events.dat", eventList(many));
    const Tree before = snapshot(folder->root());
    frmEventSetup* step2 = Forms::show<frmEventSetup>();
    EXPECT_EQ(items(step2).size(), 21u);
    click(step2, "cmdNext");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].prompt.contains("20")) << messages()[0].prompt.toStdString();
    EXPECT_EQ(snapshot(folder->root()), before);
    EXPECT_EQ(child<QPushButton>(step2, "Command1")->text(), "Command1");

    // One removed: the list goes through.
    select(step2, 20);
    click(step2, "Command6");
    click(step2, "cmdNext");
    EXPECT_EQ(messages().size(), 1u);
    many.pop_back();
    expectTemplates("athletics", many);
}

TEST_F(WizardTest, NextRefusesABadItemOfATemplateListAndWritesNothing)
{
    const char* bad[] = { "100m/200m", "Long Jump1 ", "200m Freestyle Relay", "", "Twenty-one characters" };
    for (const char* item : bad) {
        folder->write("pristine data/swimming/events.dat", eventList({ "50m Freestyle", item, "Relay" }));
        frmEventSetup* step2 = Forms::show<frmEventSetup>();
        click(step2, "cmdNext");
        const Tree afterFirstPass = snapshot(folder->root());
        const std::size_t before = messages().size();
        click(step2, "cmdNext");
        ASSERT_EQ(messages().size(), before + 1) << item;
        EXPECT_EQ(snapshot(folder->root()), afterFirstPass) << item;
        EXPECT_TRUE(Forms::isLoaded<frmEventSetup>());
        EXPECT_FALSE(Forms::isLoaded<frmNew2>());
        Forms::unload<frmEventSetup>();
        settle();
    }
}

// ---- Step 2: editing the list ------------------------------------------------------

TEST_F(WizardTest, AddAppendsTheTypedNameAndKeepsIt)
{
    frmEventSetup* step2 = Forms::show<frmEventSetup>();
    type(step2, "txten", "Cross Country");
    click(step2, "Command3");
    click(step2, "Command3");
    auto expected = kAthleticsItems;
    expected.push_back("Cross Country");
    expected.push_back("Cross Country");
    EXPECT_EQ(items(step2), expected);
    EXPECT_EQ(child<QLineEdit>(step2, "txten")->text(), "Cross Country");
    EXPECT_TRUE(messages().empty());
}

TEST_F(WizardTest, AddWithoutANameIsRefused)
{
    frmEventSetup* step2 = Forms::show<frmEventSetup>();
    for (const char* text : { "", "   " }) {
        type(step2, "txten", text);
        click(step2, "Command3");
    }
    ASSERT_EQ(messages().size(), 2u);
    for (const auto& message : messages()) {
        EXPECT_EQ(message.prompt, "You forgot to enter a name.");
        EXPECT_EQ(message.style, 64);
        EXPECT_EQ(message.title, "Oops!");
    }
    EXPECT_EQ(carnival::modDeclareGlobals().lastMsgBoxAnswer, platform::kAnswerOk);
    EXPECT_EQ(items(step2), kAthleticsItems);
}

TEST_F(WizardTest, TheEnterKeyAddsTheNameAndEmptiesTheBox)
{
    frmEventSetup* step2 = Forms::show<frmEventSetup>();
    type(step2, "txten", "Long Jump 1");
    pressEnter(step2);
    auto expected = kAthleticsItems;
    expected.push_back("Long Jump 1");
    EXPECT_EQ(items(step2), expected);
    EXPECT_TRUE(child<QLineEdit>(step2, "txten")->text().isEmpty());
    EXPECT_TRUE(messages().empty());

    // Other keys type into the box and add nothing.
    QTest::keyClicks(child<QLineEdit>(step2, "txten"), "Mile");
    EXPECT_EQ(child<QLineEdit>(step2, "txten")->text(), "Mile");
    EXPECT_EQ(items(step2), expected);
}

TEST_F(WizardTest, TheEnterKeyOnAnEmptyBoxIsRefused)
{
    frmEventSetup* step2 = Forms::show<frmEventSetup>();
    type(step2, "txten", "");
    pressEnter(step2);
    ASSERT_EQ(messages().size(), 1u);
    expectMessage(0, "You forgot to enter a name.", 64, "Oops!");
    EXPECT_EQ(items(step2), kAthleticsItems);
}

TEST_F(WizardTest, TheReleaseOfAnEnterPressedElsewhereAddsNothing)
{
    // A message box closed with the Enter key leaves its key release to the
    // box that had the focus before it.
    frmEventSetup* step2 = Forms::show<frmEventSetup>();
    auto* box = child<QLineEdit>(step2, "txten");
    for (const char* text : { "Walk", "Star*", "" }) {
        box->setText(text);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, "\r");
        QCoreApplication::sendEvent(box, &release);
        EXPECT_EQ(box->text(), QString(text));
    }
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(items(step2), kAthleticsItems);

    // A whole key stroke still adds.
    box->setText("Walk");
    pressEnter(step2);
    EXPECT_EQ(items(step2).size(), kAthleticsItems.size() + 1);
}

struct BadName {
    const char* label;
    const char* name;
    const char* problem; // words of the message
};

class BadEventNameTest : public WizardTest, public ::testing::WithParamInterface<BadName> { };

TEST_P(BadEventNameTest, RefusedAtAddAndAtTheEnterKey)
{
    const BadName& bad = GetParam();
    frmEventSetup* step2 = Forms::show<frmEventSetup>();
    type(step2, "txten", QString::fromLatin1(bad.name));
    click(step2, "Command3");
    type(step2, "txten", QString::fromLatin1(bad.name));
    pressEnter(step2);
    ASSERT_EQ(messages().size(), 2u);
    for (const auto& message : messages()) {
        EXPECT_TRUE(message.prompt.contains(bad.problem)) << message.prompt.toStdString();
        EXPECT_EQ(message.style, 64);
        EXPECT_EQ(message.title, "Oops!");
    }
    EXPECT_EQ(items(step2), kAthleticsItems);
    EXPECT_EQ(child<QLineEdit>(step2, "txten")->text(), QString::fromLatin1(bad.name));
}

INSTANTIATE_TEST_SUITE_P(Names, BadEventNameTest,
    ::testing::Values(BadName { "Backslash", "100m\\200m", "character" },
        BadName { "Slash", "100m/200m", "character" }, BadName { "Colon", "Time: 100m", "character" },
        BadName { "Star", "Star*", "character" }, BadName { "QuestionMark", "Who?", "character" },
        BadName { "Quotes", "The \"Mile\"", "character" }, BadName { "LessThan", "<Relay", "character" },
        BadName { "GreaterThan", "Relay>", "character" }, BadName { "Bar", "Shot|Put", "character" },
        BadName { "TwoDots", "Walk..", "character" },
        BadName { "TwentyOneCharacters", "1234567   1234567 123", "too long" },
        BadName { "EighteenWithoutBlanks", "abcdefghijklmnopqr", "too long" },
        BadName { "LongRelay", "200m Freestyle Relay", "too long" },
        BadName { "BlankAfterTheMarker", "Long Jump1 ", "distance marker" }),
    [](const ::testing::TestParamInfo<BadName>& info) { return std::string(info.param.label); });

TEST_F(WizardTest, LongestAcceptedNamesGoIn)
{
    frmEventSetup* step2 = Forms::show<frmEventSetup>();
    for (const char* name : { "1234567  1234567 123", "1234567  1234567 1231", "abcdefghijklmnopq1" }) {
        type(step2, "txten", name);
        click(step2, "Command3");
    }
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(items(step2).size(), kAthleticsItems.size() + 3);
}

TEST_F(WizardTest, A21stEventIsRefused)
{
    std::vector<std::string> twenty;
    for (int i = 1; i <= 20; ++i)
        twenty.push_back("Event " + std::to_string(i));
    folder->write("pristine data/athletics/events.dat", eventList(twenty));
    frmEventSetup* step2 = Forms::show<frmEventSetup>();
    type(step2, "txten", "Walk");
    click(step2, "Command3");
    type(step2, "txten", "Walk");
    pressEnter(step2);
    ASSERT_EQ(messages().size(), 2u);
    for (const auto& message : messages()) {
        EXPECT_TRUE(message.prompt.contains("20")) << message.prompt.toStdString();
        EXPECT_EQ(message.title, "Oops!");
    }
    EXPECT_EQ(items(step2), twenty);
    EXPECT_EQ(child<QLineEdit>(step2, "txten")->text(), "Walk");
}

TEST_F(WizardTest, RemoveTakesTheSelectedItemOnly)
{
    frmEventSetup* step2 = Forms::show<frmEventSetup>();
    select(step2, 6);
    click(step2, "Command6");
    auto expected = kAthleticsItems;
    expected.erase(expected.begin() + 6);
    EXPECT_EQ(items(step2), expected);

    selectNothing(step2);
    click(step2, "Command6");
    EXPECT_EQ(items(step2), expected);
    EXPECT_TRUE(messages().empty());
}

TEST_F(WizardTest, MoveUpExchangesWithTheItemAboveAndFollowsIt)
{
    frmEventSetup* step2 = Forms::show<frmEventSetup>();
    select(step2, 2);
    click(step2, "Command7");
    auto expected = kAthleticsItems;
    std::swap(expected[1], expected[2]);
    EXPECT_EQ(items(step2), expected);
    EXPECT_EQ(selectedRow(step2), 1);
    click(step2, "Command7");
    std::swap(expected[0], expected[1]);
    EXPECT_EQ(items(step2), expected);
    EXPECT_EQ(selectedRow(step2), 0);
    // On the first item nothing happens.
    click(step2, "Command7");
    EXPECT_EQ(items(step2), expected);
    EXPECT_EQ(selectedRow(step2), 0);
}

TEST_F(WizardTest, MoveDownExchangesWithTheItemBelowAndFollowsIt)
{
    frmEventSetup* step2 = Forms::show<frmEventSetup>();
    const int last = static_cast<int>(kAthleticsItems.size()) - 1;
    select(step2, last - 1);
    click(step2, "Command8");
    auto expected = kAthleticsItems;
    std::swap(expected[last - 1], expected[last]);
    EXPECT_EQ(items(step2), expected);
    EXPECT_EQ(selectedRow(step2), last);
    // On the last item nothing happens.
    click(step2, "Command8");
    EXPECT_EQ(items(step2), expected);
    EXPECT_EQ(selectedRow(step2), last);
    select(step2, 0);
    click(step2, "Command8");
    std::swap(expected[0], expected[1]);
    EXPECT_EQ(items(step2), expected);
    EXPECT_EQ(selectedRow(step2), 1);
}

TEST_F(WizardTest, MovesWithoutASelectionDoNothing)
{
    frmEventSetup* step2 = Forms::show<frmEventSetup>();
    selectNothing(step2);
    click(step2, "Command7");
    click(step2, "Command8");
    EXPECT_EQ(items(step2), kAthleticsItems);
    EXPECT_TRUE(messages().empty());
}

TEST_F(WizardTest, MovesInAnEmptyListDoNothing)
{
    folder->write("pristine data/athletics/events.dat", " 0 \r\n");
    frmEventSetup* step2 = Forms::show<frmEventSetup>();
    ASSERT_TRUE(items(step2).empty());
    click(step2, "Command6");
    click(step2, "Command7");
    click(step2, "Command8");
    EXPECT_TRUE(items(step2).empty());
    EXPECT_TRUE(messages().empty());
}

TEST_F(WizardTest, AnEditedListIsSavedInItsNewOrder)
{
    frmEventSetup* step2 = Forms::show<frmEventSetup>();
    select(step2, 12); // Relay
    click(step2, "Command7");
    type(step2, "txten", " Long Jump 1");
    pressEnter(step2);
    click(step2, "cmdNext");
    auto expected = kAthleticsItems;
    std::swap(expected[11], expected[12]);
    expected.push_back(" Long Jump 1");
    expectTemplates("athletics", expected);
    const std::string records = folder->read("data/athletics.dat");
    EXPECT_EQ(recordKeyAt(records, 12), padded("12BoysRelay", 25));
    EXPECT_EQ(recordKeyAt(records, 14), padded("12BoysLongJump", 25));
    EXPECT_EQ(recordValueAt(records, 14), 1);
}

// ---- Step 3: the records editor ---------------------------------------------------

TEST_F(WizardTest, EnterRecordsStartsTheEditorEachTime)
{
    {
        std::ofstream editor(folder->root() / "quillmere");
        editor << "#!/bin/sh\n";
    }
    fs::permissions(folder->root() / "quillmere", fs::perms::owner_all);
    frmNew2* step3 = Forms::show<frmNew2>();
    click(step3, "Command3");
    click(step3, "Command3");
    ASSERT_EQ(startedPrograms.size(), 2);
    const QString expected = QFileInfo(QString::fromStdString((folder->root() / "quillmere").string()))
                                 .canonicalFilePath();
    for (const QString& program : startedPrograms)
        EXPECT_EQ(QFileInfo(program).canonicalFilePath(), expected) << program.toStdString();
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(step3->isVisible());

    // Quit while the editor runs ends only this program.
    answer({ platform::kAnswerYes });
    click(step3, "Command2");
    EXPECT_TRUE(programEndedAtOnce);
    EXPECT_EQ(startedPrograms.size(), 2);
}

TEST_F(WizardTest, AMissingEditorIsReportedAndNothingStarts)
{
    frmNew2* step3 = Forms::show<frmNew2>();
    click(step3, "Command3");
    EXPECT_TRUE(startedPrograms.isEmpty());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].prompt.contains("could not be started")) << messages()[0].prompt.toStdString();
    EXPECT_TRUE(messages()[0].prompt.contains("quillmere")) << messages()[0].prompt.toStdString();
    EXPECT_TRUE(step3->isVisible());
    EXPECT_FALSE(programEndedAtOnce);
}

TEST_F(WizardTest, AStep3ThatCannotLoadTheMainWindowStopsWithOneMessage)
{
    std::filesystem::remove(folder->root() / "data/Click New Carnival/events.dat");
    frmNew* step1 = Forms::show<frmNew>();
    setup::nextWizardStep<frmNew2>(step1);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].prompt.contains("data\\Click New Carnival\\events.dat"))
        << messages()[0].prompt.toStdString();
    EXPECT_EQ(Forms::loadedCount(), 0);
    EXPECT_TRUE(lastWindowGone);
}

// ---- Step 4: house names ------------------------------------------------------------

TEST_F(WizardTest, HouseBoxesStartWithTheDefaultsWhateverTheFileHolds)
{
    folder->write("data/houses.dat", "A\r\nB\r\nC\r\nD\r\n");
    frmHouses* step4 = Forms::show<frmHouses>();
    const char* defaults[] = { "Tamsett", "Brindrel", "Corrow", "Elvane" };
    const char* boxes[] = { "Text1", "Text2", "Text3", "Text4" };
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(child<QLineEdit>(step4, boxes[i])->text(), defaults[i]);
    click(step4, "Command1");
    EXPECT_EQ(folder->read("data/houses.dat"), "Tamsett\r\nBrindrel\r\nCorrow\r\nElvane\r\n");
}

TEST_F(WizardTest, BlankAndRepeatedHouseNamesAreWrittenAsTyped)
{
    frmHouses* step4 = Forms::show<frmHouses>();
    type(step4, "Text1", "   ");
    type(step4, "Text2", "Corrow");
    type(step4, "Text4", "");
    click(step4, "Command1");
    EXPECT_EQ(folder->read("data/houses.dat"), "   \r\nCorrow\r\nCorrow\r\n\r\n");
    EXPECT_TRUE(messages().empty());
}

// ---- Quit on every step ---------------------------------------------------------------

TEST_F(WizardTest, QuitAnsweredNoLeavesEveryStepAsItWas)
{
    frmNew* step1 = Forms::show<frmNew>();
    frmEventSetup* step2 = Forms::show<frmEventSetup>();
    frmNew2* step3 = Forms::show<frmNew2>();
    frmHouses* step4 = Forms::show<frmHouses>();
    frmNew3* step5 = Forms::show<frmNew3>();
    const std::pair<QWidget*, const char*> quits[] = { { step1, "Command2" }, { step2, "Command9" },
        { step3, "Command2" }, { step4, "Command2" }, { step5, "Command2" } };
    const Tree before = snapshot(folder->root());
    std::size_t index = 0;
    for (const auto& [window, button] : quits) {
        answer({ platform::kAnswerNo });
        click(window, button);
        expectWizardQuestion(index++);
        EXPECT_EQ(carnival::modDeclareGlobals().lastMsgBoxAnswer, platform::kAnswerNo);
        EXPECT_TRUE(window->isVisible()) << window->objectName().toStdString();
        EXPECT_FALSE(programEndedAtOnce) << window->objectName().toStdString();
    }
    EXPECT_EQ(messages().size(), 5u);
    EXPECT_EQ(items(step2), kAthleticsItems);
    EXPECT_EQ(snapshot(folder->root()), before);
}

class WizardQuitTest : public WizardTest, public ::testing::WithParamInterface<int> { };

TEST_P(WizardQuitTest, QuitAnsweredYesEndsTheProgramAtOnce)
{
    QWidget* window = nullptr;
    const char* button = "Command2";
    switch (GetParam()) {
    case 1: window = Forms::show<frmNew>(); break;
    case 2: window = Forms::show<frmEventSetup>(); button = "Command9"; break;
    case 3: window = Forms::show<frmNew2>(); break;
    case 4: window = Forms::show<frmHouses>(); break;
    case 5: window = Forms::show<frmNew3>(); break;
    }
    ASSERT_NE(window, nullptr);
    const Tree before = snapshot(folder->root());
    answer({ platform::kAnswerYes });
    click(window, button);
    expectWizardQuestion(0);
    EXPECT_EQ(carnival::modDeclareGlobals().lastMsgBoxAnswer, platform::kAnswerYes);
    EXPECT_TRUE(programEndedAtOnce);
    EXPECT_FALSE(lastWindowGone);
    EXPECT_EQ(snapshot(folder->root()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, WizardQuitTest, ::testing::Values(1, 2, 3, 4, 5), ::testing::PrintToStringParamName());

// ---- Captions and texts ---------------------------------------------------------------

TEST_F(WizardTest, EveryStepCarriesItsCaptionAndTexts)
{
    frmNew* step1 = Forms::show<frmNew>();
    frmEventSetup* step2 = Forms::show<frmEventSetup>();
    frmNew2* step3 = Forms::show<frmNew2>();
    frmHouses* step4 = Forms::show<frmHouses>();
    frmNew3* step5 = Forms::show<frmNew3>();
    EXPECT_EQ(step1->windowTitle(), "Welcome to Ostrivale!");
    EXPECT_EQ(step2->windowTitle(), "Welcome to Ostrivale! - Step 2");
    EXPECT_EQ(step3->windowTitle(), "Welcome to Ostrivale! - Step 3");
    EXPECT_EQ(step4->windowTitle(), "Welcome to Ostrivale - Step 4");
    EXPECT_EQ(step5->windowTitle(), "Welcome to Ostrivale - Step 5");

    for (QWidget* step : std::initializer_list<QWidget*> { step1, step2, step3, step4, step5 })
        EXPECT_EQ(labelText(step, "Label1"), "Welcome to Ostrivale!") << step->objectName().toStdString();
    for (QWidget* step : std::initializer_list<QWidget*> { step1, step3, step4, step5 }) {
        EXPECT_EQ(child<QPushButton>(step, "Command1")->text(), "Next ->");
        EXPECT_EQ(child<QPushButton>(step, "Command2")->text(), "Quit");
    }
    EXPECT_EQ(child<QPushButton>(step2, "cmdNext")->text(), "Next ->");
    EXPECT_EQ(child<QPushButton>(step2, "Command9")->text(), "Quit");
    EXPECT_EQ(child<QPushButton>(step2, "Command3")->text(), "Add");
    EXPECT_EQ(child<QPushButton>(step2, "Command6")->text(), "Remove");
    EXPECT_EQ(child<QPushButton>(step2, "Command7")->text(), "Move Up");
    EXPECT_EQ(child<QPushButton>(step2, "Command8")->text(), "Move Down");
    EXPECT_EQ(child<QPushButton>(step3, "Command3")->text(), "Enter Records");

    EXPECT_EQ(labelText(step1, "Label2"),
        "Before you begin to use Ostrivale, you need to answer a few questions, and set up the first carnival. "
        "Click 'Next' to continue.");
    EXPECT_EQ(labelText(step1, "Label3"),
        "The first step is to select events that will be available in your carnivals.");
    EXPECT_EQ(labelText(step2, "Label2"),
        "Below are the events currently entered into the athletics carnival data. If they are not to your "
        "satisfaction, change them, and then click \"Next\" to display the swimming data. After you have finished, "
        "click \"Next\" a second time.");
    EXPECT_EQ(labelText(step2, "Label3"),
        "If an event is a distance event, append a \"1\" (no quotes) to the end of its name, with no space. This is "
        "required by Ostrivale to detect it as a distance event.");
    EXPECT_EQ(labelText(step3, "Label2"), "Do you have previous records that you want Ostrivale to use? ");
    EXPECT_EQ(labelText(step3, "Label3"),
        "You will need to enter these manually if you choose to do so. If you wish to, click 'Enter Records', "
        "otherwise, you can click 'Next', and every event in the first carnival you enter will set a record.");
    EXPECT_EQ(labelText(step3, "Label4"), "After you have finished, click 'Next'.");
    EXPECT_EQ(labelText(step4, "Label2"),
        "Ostrivale allows you to have up to four houses. Please enter their names below:");
    EXPECT_EQ(labelText(step4, "Label3"), "House 1:");
    EXPECT_EQ(labelText(step4, "Label6"), "House 4:");
    EXPECT_EQ(labelText(step5, "Label2"),
        "All that remains to be done is to choose the year and type of carnival that you wish to enter. Click "
        "'Next' to continue to the screen to do this.");
}

TEST_F(WizardTest, StepsCannotBeClosedFromTheTitleBar)
{
    frmNew* step1 = Forms::show<frmNew>();
    frmHouses* step4 = Forms::show<frmHouses>();
    step1->close();
    step4->close();
    settle();
    EXPECT_TRUE(Forms::isLoaded<frmNew>());
    EXPECT_TRUE(Forms::isLoaded<frmHouses>());
    EXPECT_TRUE(step1->isVisible());
}

} // namespace
