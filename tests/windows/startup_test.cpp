// The splash window and the first-run decision.

#include "window_fixture.h"

#include "shell/frmMain.h"
#include "shell/frmSplash.h"
#include "setup/wizard.h"

#include "carnival/carnival_state.h"

#include <QFrame>
#include <QPointer>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

using shell::frmSplash;

namespace {

class SplashTest : public WindowTest {
protected:
    void useCarnivalFile(const char* content) { folder->write("data/carnival.dat", content); }

    static bool wizardRoadTaken()
    {
        return Forms::isLoaded<setup::frmNew>() && Forms::find<setup::frmNew>()->isVisible();
    }
};

TEST_F(SplashTest, StartsWithEmptyBarAndBothTimers)
{
    frmSplash* splash = Forms::show<frmSplash>();
    EXPECT_TRUE(splash->windowTitle().isEmpty());
    auto* bar = child<QProgressBar>(splash, "ProgressBar1");
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum(), 15);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(labelText(splash, "lblLoading"), "Loading:");
    EXPECT_EQ(labelText(splash, "lblVersion"), "Version 1.5.3");
    EXPECT_EQ(labelText(splash, "lblPlatform"), "For Windows 9x and NT");
    EXPECT_EQ(labelText(splash, "lblProductName"), "Ostrivale");
    auto* timer1 = child<QTimer>(splash, "Timer1");
    auto* timer2 = child<QTimer>(splash, "Timer2");
    EXPECT_TRUE(timer1->isActive());
    EXPECT_EQ(timer1->interval(), 1500);
    EXPECT_TRUE(timer2->isActive());
    EXPECT_EQ(timer2->interval(), 100);
}

TEST_F(SplashTest, BarShowsEarlierTicks)
{
    frmSplash* splash = Forms::show<frmSplash>();
    // The test alone drives the ticks; on a busy machine one may have come already.
    child<QTimer>(splash, "Timer2")->stop();
    const int start = carnival::modDeclareGlobals().splashProgress;
    auto* bar = child<QProgressBar>(splash, "ProgressBar1");
    splash->Timer2_Timer();
    EXPECT_EQ(bar->value(), start);
    splash->Timer2_Timer();
    splash->Timer2_Timer();
    EXPECT_EQ(bar->value(), start + 2);
    EXPECT_EQ(carnival::modDeclareGlobals().splashProgress, start + 3);
}

TEST_F(SplashTest, AfterItsTimeAnEstablishedCarnivalOpensTheMainWindow)
{
    useCarnivalFile("Athletics\r\n 2010 \r\n");
    folder->write("data/athletics/events.dat", " 1 \r\n100m\r\n");
    frmSplash* splash = Forms::show<frmSplash>();
    // Its time is up at once: the timer fires on the next turn of the loop.
    child<QTimer>(splash, "Timer1")->start(0);
    settle(50);
    EXPECT_FALSE(Forms::isLoaded<frmSplash>());
    ASSERT_TRUE(Forms::isLoaded<frmMain>());
    EXPECT_TRUE(Forms::find<frmMain>()->isVisible());
    EXPECT_FALSE(wizardRoadTaken());
    EXPECT_FALSE(lastWindowGone);
}

TEST_F(SplashTest, PlaceholderWithBlanksAroundItTakesTheFirstRunRoad)
{
    useCarnivalFile("   Click New Carnival   \r\n 2026 \r\n");
    frmSplash* splash = Forms::show<frmSplash>();
    QTest::mouseClick(child<QFrame>(splash, "Frame1"), Qt::LeftButton);
    EXPECT_TRUE(wizardRoadTaken());
    EXPECT_FALSE(Forms::isLoaded<frmSplash>());
}

TEST_F(SplashTest, PlaceholderInLowerCaseIsAnOrdinaryCarnival)
{
    useCarnivalFile("click new carnival\r\n 2026 \r\n");
    folder->write("data/click new carnival/events.dat", " 1 \r\n100m\r\n");
    frmSplash* splash = Forms::show<frmSplash>();
    QTest::mouseClick(child<QFrame>(splash, "Frame1"), Qt::LeftButton);
    EXPECT_FALSE(wizardRoadTaken());
    ASSERT_TRUE(Forms::isLoaded<frmMain>());
    EXPECT_TRUE(Forms::find<frmMain>()->isVisible());
}

TEST_F(SplashTest, ClickRunsTheDecisionAtOnceAndTheTimersNeverFireAfterwards)
{
    frmSplash* splash = Forms::show<frmSplash>();
    const QPointer<QTimer> timers[] = { child<QTimer>(splash, "Timer1"), child<QTimer>(splash, "Timer2") };
    QTest::mouseClick(child<QFrame>(splash, "Frame1"), Qt::LeftButton);
    EXPECT_FALSE(Forms::isLoaded<frmSplash>());
    settle();
    // A stopped or deleted timer cannot fire.
    for (const QPointer<QTimer>& timer : timers)
        EXPECT_TRUE(!timer || !timer->isActive());
}

TEST_F(SplashTest, KeyPressShowsTheMainWindowWithoutTheFirstRunCheck)
{
    frmSplash* splash = Forms::show<frmSplash>();
    QTest::keyClick(splash, Qt::Key_A);
    EXPECT_FALSE(wizardRoadTaken());
    EXPECT_FALSE(Forms::isLoaded<frmSplash>());
    frmMain* main = Forms::find<frmMain>();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(labelText(main, "lblTitle"), "Ostrivale - Click New Carnival, 2026");
}

TEST_F(SplashTest, MissingCarnivalFileIsNamedAndTheProgramStopsInOrder)
{
    std::filesystem::remove(folder->root() / "data/carnival.dat");
    frmSplash* splash = Forms::show<frmSplash>();
    splash->Frame1_Click();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].prompt.contains("data\\carnival.dat"));
    EXPECT_TRUE(messages()[0].prompt.contains("missing"));
    EXPECT_EQ(Forms::loadedCount(), 0);
    EXPECT_TRUE(lastWindowGone);
    EXPECT_FALSE(programEndedAtOnce);
}

} // namespace
