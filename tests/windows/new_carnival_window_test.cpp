// The new-carnival window opened from the main window: the warning, a new
// carnival answered Yes or No, the refusals, Cancel and the house reset.

#include "window_fixture.h"

#include "support/carnival_layout.h"
#include "support/file_forms.h"

#include "setup/frmSetup.h"
#include "setup/wizard.h"
#include "shell/frmMain.h"

#include "carnival/carnival_state.h"
#include "carnival/new_carnival.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <filesystem>
#include <string>

using setup::frmHouses;
using setup::frmNew3;
using setup::frmSetup;

namespace {

namespace fs = std::filesystem;

using namespace testing_support;

const char* const kWarning = "This is Dangerous, and will wipe all event records from standard retrieval. It will "
                             "backup, however. Do you want to continue?";

class NewCarnivalWindowTest : public WindowTest {
protected:
    // The current carnival: Athletics, 2001, with some results.
    void SetUp() override
    {
        WindowTest::SetUp();
        folder->write("pristine data/swimming/individuals/12/boys.dat", std::string(25600, 's'));
        layOutAthletics2001(*folder);
        main = Forms::show<frmMain>();
        ASSERT_NE(main, nullptr);
        ASSERT_EQ(labelText(main, "lblTitle"), "Ostrivale - Athletics, 2001");
    }

    // "New Carnival" on the main window, the warning answered as given.
    frmSetup* openSetup(int warningAnswer)
    {
        answer({ warningAnswer });
        click(main, "cmdNew");
        frmSetup* window = Forms::find<frmSetup>();
        EXPECT_NE(window, nullptr);
        return window;
    }

    bool enabled(QWidget* window, const char* name) { return child<QPushButton>(window, name)->isEnabled(); }

    void typeYear(frmSetup* window, const char* year) { child<QLineEdit>(window, "txtYear")->setText(year); }

    // "Reset Houses and Carnival", its question answered as given.
    void resetAnswered(frmSetup* window, int resetAnswer)
    {
        answer({ resetAnswer });
        click(window, "Command1");
        settle();
    }

    // Types the year and clicks a button for a new carnival, its question
    // answered Yes.
    void startNew(frmSetup* window, const char* year, const char* button)
    {
        typeYear(window, year);
        answer({ platform::kAnswerYes });
        click(window, button);
        settle();
    }

    Tree whole() const { return snapshot(folder->root()); }

    frmMain* main = nullptr;
};

} // namespace

// ---- The warning ------------------------------------------------------------------

TEST_F(NewCarnivalWindowTest, TheWarningComesBeforeTheWindowShows)
{
    frmSetup* window = openSetup(platform::kAnswerYes);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(messages().size(), 1u);
    expectMessage(0, kWarning, 308, "Are you sure?");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "New Carnival");
    EXPECT_FALSE(window->hasCloseMenu());
    EXPECT_FALSE(main->isVisible());
    for (const char* name : { "cmdathletics", "cmdSwimming", "Command1", "Command3" })
        EXPECT_TRUE(enabled(window, name)) << name;
    EXPECT_EQ(labelText(window, "Label1"), "Please enter year:");
    EXPECT_TRUE(child<QLineEdit>(window, "txtYear")->text().isEmpty());
    EXPECT_EQ(child<QPushButton>(window, "cmdathletics")->text(), "New Athletics Carnival");
    EXPECT_EQ(child<QPushButton>(window, "cmdSwimming")->text(), "New Swimming Carnival");
    EXPECT_EQ(child<QPushButton>(window, "Command1")->text(), "Reset Houses and Carnival");
    EXPECT_EQ(child<QPushButton>(window, "Command3")->text(), "Cancel");
}

TEST_F(NewCarnivalWindowTest, WarningAnsweredNoDisablesBothNewCarnivalButtons)
{
    frmSetup* window = openSetup(platform::kAnswerNo);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(enabled(window, "cmdathletics"));
    EXPECT_FALSE(enabled(window, "cmdSwimming"));
    EXPECT_TRUE(enabled(window, "Command1"));
    EXPECT_TRUE(enabled(window, "Command3"));
    EXPECT_EQ(carnival::modDeclareGlobals().lastMsgBoxAnswer, platform::kAnswerNo);
}

TEST_F(NewCarnivalWindowTest, CancelAfterNoReturnsToTheSameMainWindow)
{
    const Tree before = whole();
    frmSetup* window = openSetup(platform::kAnswerNo);
    // A change the main window would show only when loaded again.
    folder->write("data/houses.dat", "North\r\nSouth\r\nEast\r\nWest\r\n");
    click(window, "Command3");
    settle();
    EXPECT_FALSE(Forms::isLoaded<frmSetup>());
    EXPECT_EQ(Forms::find<frmMain>(), main);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(labelText(main, "lblhouse1"), "Tamsett:");
    folder->write("data/houses.dat", before.at("data/houses.dat"));
    EXPECT_EQ(whole(), before);
}

TEST_F(NewCarnivalWindowTest, ResetStillWorksAfterNo)
{
    frmSetup* window = openSetup(platform::kAnswerNo);
    resetAnswered(window, platform::kAnswerYes);
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[1].prompt, "Are you sure?");
    EXPECT_EQ(messages()[1].style, 36);
    EXPECT_FALSE(Forms::isLoaded<frmSetup>());
    EXPECT_FALSE(Forms::isLoaded<frmMain>());
    frmHouses* houses = Forms::find<frmHouses>();
    ASSERT_NE(houses, nullptr);
    EXPECT_TRUE(houses->isVisible());
}

// ---- A new carnival -------------------------------------------------------------------

TEST_F(NewCarnivalWindowTest, NewSwimmingCarnivalAnsweredYes)
{
    const Tree oldLive = snapshot(folder->root() / "data/athletics");
    const Tree swimmingTemplate = snapshot(folder->root() / "pristine data/swimming");
    frmSetup* window = openSetup(platform::kAnswerYes);
    startNew(window, "2010", "cmdSwimming");

    ASSERT_EQ(messages().size(), 2u);
    expectMessage(1, "Are you sure?", 36, "Ostrivale");

    Tree backup = oldLive;
    backup["points.dat"] = kOldPoints;
    EXPECT_EQ(snapshot(folder->root() / "data/Athletics2001"), backup);
    EXPECT_FALSE(folder->exists("data/athletics"));
    EXPECT_EQ(snapshot(folder->root() / "data/swimming"), swimmingTemplate);
    EXPECT_EQ(folder->read("data/points.dat"), " 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
    EXPECT_EQ(folder->read("data/carnival.dat"), "Swimming\r\n 2010 \r\n");

    EXPECT_FALSE(Forms::isLoaded<frmSetup>());
    frmMain* reloaded = Forms::find<frmMain>();
    ASSERT_NE(reloaded, nullptr);
    EXPECT_TRUE(reloaded->isVisible());
    EXPECT_EQ(labelText(reloaded, "lblTitle"), "Ostrivale - Swimming, 2010");
    for (const char* points : { "lblPoints1", "lblPoints2", "lblPoints3", "lblPoints4" })
        EXPECT_EQ(labelText(reloaded, points), "0");
    EXPECT_EQ(carnival::modDeclareGlobals().eventLastIndex, 9);
    EXPECT_FALSE(lastWindowGone);
}

TEST_F(NewCarnivalWindowTest, NewAthleticsCarnivalTakesTheNumberAtTheStartOfTheYear)
{
    frmSetup* window = openSetup(platform::kAnswerYes);
    startNew(window, "2010abc", "cmdathletics");
    EXPECT_EQ(folder->read("data/carnival.dat"), "Athletics\r\n 2010 \r\n");
    EXPECT_EQ(labelText(Forms::find<frmMain>(), "lblTitle"), "Ostrivale - Athletics, 2010");
    EXPECT_TRUE(folder->exists("data/Athletics2001/events/12Boys100m.dat"));
    EXPECT_FALSE(folder->exists("data/athletics/events/12Boys100m.dat"));
}

TEST_F(NewCarnivalWindowTest, AYearOfLettersOnlyIsStoredAsZero)
{
    frmSetup* window = openSetup(platform::kAnswerYes);
    startNew(window, "soon", "cmdSwimming");
    EXPECT_EQ(folder->read("data/carnival.dat"), "Swimming\r\n 0 \r\n");
    EXPECT_EQ(labelText(Forms::find<frmMain>(), "lblTitle"), "Ostrivale - Swimming, 0");
}

TEST_F(NewCarnivalWindowTest, AnsweredNoChangesNothingAndShowsAFreshMainWindow)
{
    QPointer<frmMain> oldMain = main;
    frmSetup* window = openSetup(platform::kAnswerYes);
    typeYear(window, "2010");
    // A change the old main window does not show yet.
    folder->write("data/houses.dat", "North\r\nSouth\r\nEast\r\nWest\r\n");
    const Tree before = whole();
    answer({ platform::kAnswerNo });
    click(window, "cmdSwimming");
    settle();
    EXPECT_EQ(whole(), before);
    EXPECT_EQ(messages().size(), 2u);
    EXPECT_FALSE(Forms::isLoaded<frmSetup>());
    EXPECT_TRUE(oldMain.isNull());
    frmMain* fresh = Forms::find<frmMain>();
    ASSERT_NE(fresh, nullptr);
    EXPECT_TRUE(fresh->isVisible());
    EXPECT_EQ(labelText(fresh, "lblhouse1"), "North:");
    EXPECT_EQ(labelText(fresh, "lblTitle"), "Ostrivale - Athletics, 2001");
}

TEST_F(NewCarnivalWindowTest, AnEmptyYearIsAskedFor)
{
    const Tree before = whole();
    frmSetup* window = openSetup(platform::kAnswerYes);
    click(window, "cmdathletics");
    click(window, "cmdSwimming");
    ASSERT_EQ(messages().size(), 3u);
    for (std::size_t i = 1; i < 3; ++i) {
        expectMessage(i, "Please enter the year.", 64, "Ostrivale");
    }
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Forms::find<frmSetup>(), window);
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(whole(), before);
}

TEST_F(NewCarnivalWindowTest, ATakenBackupNameIsRefusedAndTheWindowStaysOpen)
{
    folder->write("data/Athletics2001/points.dat", " 1 \r\n 1 \r\n 1 \r\n 1 \r\n");
    const Tree before = whole();
    frmSetup* window = openSetup(platform::kAnswerYes);
    startNew(window, "2010", "cmdSwimming");
    ASSERT_EQ(messages().size(), 3u);
    EXPECT_EQ(messages()[2].prompt, "That carnival already exists. Please enter a different year.");
    EXPECT_EQ(messages()[2].style, 0);
    EXPECT_EQ(whole(), before);
    EXPECT_EQ(Forms::find<frmSetup>(), window);
    EXPECT_TRUE(window->isVisible());
    for (const char* name : { "cmdathletics", "cmdSwimming", "Command1", "Command3" })
        EXPECT_TRUE(enabled(window, name)) << name;
    EXPECT_EQ(Forms::find<frmMain>(), main);
    EXPECT_FALSE(main->isVisible());

    // Another year makes no difference: the backup is named after 2001.
    typeYear(window, "2011");
    answer({ platform::kAnswerYes });
    click(window, "cmdathletics");
    ASSERT_EQ(messages().size(), 5u);
    EXPECT_EQ(messages()[4].prompt, "That carnival already exists. Please enter a different year.");
    EXPECT_EQ(whole(), before);
}

TEST_F(NewCarnivalWindowTest, ACarnivalStartedElsewhereIsNamedAndTheMainWindowShowsIt)
{
    frmSetup* window = openSetup(platform::kAnswerYes);
    putCarnivalFile(*folder, "Athletics", "2027"); // another program's new carnival
    const Tree before = whole();
    startNew(window, "2010", "cmdathletics");
    ASSERT_EQ(messages().size(), 3u);
    EXPECT_TRUE(messages()[2].prompt.contains("another program has started the carnival Athletics, 2027"))
        << messages()[2].prompt.toStdString();
    EXPECT_EQ(whole(), before);
    EXPECT_FALSE(Forms::isLoaded<frmSetup>());
    EXPECT_EQ(labelText(Forms::find<frmMain>(), "lblTitle"), "Ostrivale - Athletics, 2027");
}

TEST_F(NewCarnivalWindowTest, AMissingTemplateIsNamedAndTheWindowStaysOpen)
{
    fs::remove_all(folder->root() / "pristine data/swimming");
    const Tree before = whole();
    frmSetup* window = openSetup(platform::kAnswerYes);
    startNew(window, "2010", "cmdSwimming");
    ASSERT_EQ(messages().size(), 3u);
    EXPECT_TRUE(messages()[2].prompt.contains("pristine data\\swimming")) << messages()[2].prompt.toStdString();
    EXPECT_EQ(whole(), before);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(main->isVisible());
}

// ---- Reset Houses and Carnival ------------------------------------------------------------

TEST_F(NewCarnivalWindowTest, ResetAnsweredNoDoesNothing)
{
    frmSetup* window = openSetup(platform::kAnswerYes);
    resetAnswered(window, platform::kAnswerNo);
    EXPECT_EQ(Forms::find<frmSetup>(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Forms::find<frmMain>(), main);
    EXPECT_FALSE(Forms::isLoaded<frmHouses>());
    EXPECT_EQ(carnival::modDeclareGlobals().resettingHouses, 0);
}

TEST_F(NewCarnivalWindowTest, ResetRunsStepsFourAndFiveWithoutQuitThenANewCarnival)
{
    folder->write("data/houses.dat", "A\r\nB\r\nC\r\nD\r\n");
    frmSetup* window = openSetup(platform::kAnswerYes);
    resetAnswered(window, platform::kAnswerYes);
    EXPECT_FALSE(Forms::isLoaded<frmMain>());
    EXPECT_FALSE(Forms::isLoaded<frmSetup>());

    frmHouses* houses = Forms::find<frmHouses>();
    ASSERT_NE(houses, nullptr);
    EXPECT_TRUE(houses->isVisible());
    EXPECT_FALSE(enabled(houses, "Command2"));
    EXPECT_EQ(child<QLineEdit>(houses, "Text1")->text(), "Tamsett");
    click(houses, "Command1");
    settle();
    EXPECT_EQ(folder->read("data/houses.dat"), "Tamsett\r\nBrindrel\r\nCorrow\r\nElvane\r\n");

    frmNew3* last = Forms::find<frmNew3>();
    ASSERT_NE(last, nullptr);
    EXPECT_TRUE(last->isVisible());
    EXPECT_FALSE(enabled(last, "Command2"));
    const std::size_t shown = messages().size();
    click(last, "Command1");
    settle();

    frmSetup* again = Forms::find<frmSetup>();
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->isVisible());
    EXPECT_EQ(messages().size(), shown) << "no warning at the end of the reset";
    EXPECT_FALSE(enabled(again, "Command3"));
    EXPECT_FALSE(enabled(again, "Command1"));
    EXPECT_TRUE(enabled(again, "cmdathletics"));
    EXPECT_TRUE(enabled(again, "cmdSwimming"));
    EXPECT_EQ(carnival::modDeclareGlobals().resettingHouses, 0);
    EXPECT_EQ(carnival::modDeclareGlobals().wizardFinished, 0);

    startNew(again, "2002", "cmdathletics");
    EXPECT_FALSE(Forms::isLoaded<frmSetup>());
    frmMain* reloaded = Forms::find<frmMain>();
    ASSERT_NE(reloaded, nullptr);
    EXPECT_TRUE(reloaded->isVisible());
    EXPECT_EQ(labelText(reloaded, "lblTitle"), "Ostrivale - Athletics, 2002");
    EXPECT_EQ(labelText(reloaded, "lblhouse1"), "Tamsett:");
    EXPECT_TRUE(folder->exists("data/Athletics2001/points.dat"));
}

TEST_F(NewCarnivalWindowTest, AfterAResetTheNextOpeningWarnsAgain)
{
    frmSetup* window = openSetup(platform::kAnswerYes);
    resetAnswered(window, platform::kAnswerYes);
    click(Forms::find<frmHouses>(), "Command1");
    settle();
    click(Forms::find<frmNew3>(), "Command1");
    settle();
    frmSetup* again = Forms::find<frmSetup>();
    ASSERT_NE(again, nullptr);
    startNew(again, "2002", "cmdSwimming");

    frmMain* reloaded = Forms::find<frmMain>();
    ASSERT_NE(reloaded, nullptr);
    const std::size_t shown = messages().size();
    answer({ platform::kAnswerNo });
    click(reloaded, "cmdNew");
    ASSERT_EQ(messages().size(), shown + 1);
    EXPECT_EQ(messages()[shown].prompt, kWarning);
    frmSetup* third = Forms::find<frmSetup>();
    ASSERT_NE(third, nullptr);
    EXPECT_TRUE(enabled(third, "Command1"));
    EXPECT_TRUE(enabled(third, "Command3"));
}
