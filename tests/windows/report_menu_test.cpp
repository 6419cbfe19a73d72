// The print and view menus: their buttons, the roads between the menus, the
// main window and the report windows, and the progressive points printout.

#include "window_fixture.h"

#include "support/carnival_layout.h"
#include "support/file_forms.h"

#include "reports/frmPrint.h"
#include "reports/frmPrintEvent.h"
#include "reports/frmView.h"
#include "reports/frmViewEvent.h"

#include "carnival/carnival_state.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

using reports::frmPrint;
using reports::frmPrintEvent;
using reports::frmView;
using reports::frmViewEvent;

namespace {

using namespace testing_support;

class ReportMenuTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        layOutAthletics2010(*folder, {}, {});
    }

    template <class Menu>
    Menu* openMenu(const char* mainButton)
    {
        click(Forms::show<frmMain>(), mainButton);
        return Forms::find<Menu>();
    }

    // The captions of the window's buttons in tab order from the first.
    QStringList buttonsInTabOrder(QWidget* window, const char* first)
    {
        QStringList captions;
        QWidget* button = child<QWidget>(window, first);
        do {
            captions << button->objectName() + " " + static_cast<QPushButton*>(button)->text();
            button = button->nextInFocusChain();
        } while (button != child<QWidget>(window, first) && qobject_cast<QPushButton*>(button));
        return captions;
    }
};

TEST_F(ReportMenuTest, EachMenuOpensBesideTheMainWindowWithItsButtons)
{
    frmPrint* print = openMenu<frmPrint>("cmdPrint");
    ASSERT_NE(print, nullptr);
    EXPECT_TRUE(print->isVisible());
    EXPECT_EQ(print->windowTitle(), "Print What?");
    EXPECT_EQ(buttonsInTabOrder(print, "Command1"),
        QStringList({ "Command1 Print Progressive Points", "Command2 Print Age Champions", "Command3 Print an Event",
            "Command5 Print Records", "Command4 Cancel" }));

    frmView* view = openMenu<frmView>("cmdSave");
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->windowTitle(), "View What?");
    EXPECT_EQ(buttonsInTabOrder(view, "Command2"),
        QStringList({ "Command2 View Age Champions", "Command3 View an Event", "Command5 View Records",
            "Command4 Cancel" }));

    EXPECT_TRUE(Forms::find<frmMain>()->isVisible());
    EXPECT_TRUE(print->isVisible());
    for (QWidget* menu : { static_cast<QWidget*>(print), static_cast<QWidget*>(view) })
        for (QPushButton* button : menu->findChildren<QPushButton*>())
            EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
}

// One road of a menu to its event window and back, for each menu.
struct MenuRoad {
    const char* mainButton;
    const char* eventButton;
};

class MenuRoads : public ReportMenuTest, public ::testing::WithParamInterface<MenuRoad> {
protected:
    bool printing() const { return GetParam().mainButton == std::string("cmdPrint"); }
    platform::Form* menu() const
    {
        return printing() ? static_cast<platform::Form*>(Forms::find<frmPrint>()) : Forms::find<frmView>();
    }
    platform::Form* eventWindow() const
    {
        return printing() ? static_cast<platform::Form*>(Forms::find<frmPrintEvent>()) : Forms::find<frmViewEvent>();
    }
    void openMenuAndEventWindow()
    {
        click(Forms::show<frmMain>(), GetParam().mainButton);
        click(menu(), GetParam().eventButton);
        settle();
    }
};

TEST_P(MenuRoads, TheEventButtonOpensOneWindowBesideTheMenu)
{
    openMenuAndEventWindow();
    platform::Form* chooser = eventWindow();
    ASSERT_NE(chooser, nullptr);
    click(menu(), GetParam().eventButton);
    settle();
    EXPECT_EQ(eventWindow(), chooser);
    int visibleWindows = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        visibleWindows += window->isVisible() && window->objectName() == chooser->objectName();
    EXPECT_EQ(visibleWindows, 1);
    EXPECT_TRUE(menu()->isVisible());
    EXPECT_TRUE(Forms::find<frmMain>()->isVisible());
}

TEST_P(MenuRoads, CancelOnTheMenuLeavesTheEventWindowWhoseCancelBringsAFreshMenu)
{
    openMenuAndEventWindow();
    platform::Form* chooser = eventWindow();
    click(menu(), "Command4");
    settle();
    EXPECT_EQ(menu(), nullptr);
    EXPECT_EQ(eventWindow(), chooser);
    EXPECT_TRUE(chooser->isVisible());

    click(chooser, "cmdCancel");
    settle();
    EXPECT_EQ(eventWindow(), nullptr);
    ASSERT_NE(menu(), nullptr);
    EXPECT_TRUE(menu()->isVisible());
    EXPECT_TRUE(Forms::find<frmMain>()->isVisible());
    EXPECT_EQ(Forms::loadedCount(), 2);
    EXPECT_TRUE(messages().empty());
}

TEST_P(MenuRoads, TheCloseBoxesUnloadOnlyTheirOwnWindow)
{
    openMenuAndEventWindow();
    menu()->close();
    settle();
    EXPECT_EQ(menu(), nullptr);
    ASSERT_NE(eventWindow(), nullptr);
    eventWindow()->close();
    settle();
    EXPECT_EQ(eventWindow(), nullptr);
    EXPECT_EQ(menu(), nullptr);
    expectMainWindowAlone({ 0, 0, 0, 0 });
}

INSTANTIATE_TEST_SUITE_P(Menus, MenuRoads,
    ::testing::Values(MenuRoad { "cmdPrint", "Command3" }, MenuRoad { "cmdSave", "Command3" }),
    [](const ::testing::TestParamInfo<MenuRoad>& info) {
        return std::string(info.param.mainButton == std::string("cmdPrint") ? "PrintMenu" : "ViewMenu");
    });

// ---- Progressive points ----

const QStringList kPointLines = { "line [0]Tamsett:[1] 120 ", "line [0]Brindrel and Stanmore:[2] 98 ",
    "line [0]Corrow:[1] 0 ", "line [0]:[1]-5 " };

TEST_F(ReportMenuTest, ProgressivePointsPrintTheTotalsOfThePointsFileTwiceInARow)
{
    folder->write("data/points.dat", pointsLine({ 120, 98, 0, -5 }));
    frmPrint* print = openMenu<frmPrint>("cmdPrint");
    auto& state = carnival::modDeclareGlobals();
    state.houseNames = { "Tamsett", "  Brindrel and Stanmore ", "Corrow", "" };

    click(print, "Command1");
    EXPECT_EQ(state.housePoints, (std::array<std::int16_t, 4> { 120, 98, 0, -5 }));
    click(print, "Command1");
    EXPECT_EQ(printout->transcript(),
        printJob("Progressive Point Score", kPointLines) + printJob("Progressive Point Score", kPointLines));
    EXPECT_EQ(prompts(), QStringList({ "Done!", "Done!" }));
    expectMessage(0, "Done!", 0, "Ostrivale");
    EXPECT_TRUE(print->isVisible());
}

TEST_F(ReportMenuTest, ProgressivePointsWithoutAReadablePointsFileSayWhichFileAndPrintNothing)
{
    frmPrint* print = openMenu<frmPrint>("cmdPrint");
    for (const char* content : { static_cast<const char*>(nullptr), " 4 \r\n" }) {
        std::filesystem::remove(folder->root() / "data/points.dat");
        if (content)
            folder->write("data/points.dat", content);
        click(print, "Command1");
    }
    ASSERT_EQ(messages().size(), 2u);
    for (const auto& message : messages()) {
        EXPECT_TRUE(message.prompt.contains("data\\points.dat")) << message.prompt.toStdString();
        EXPECT_EQ(message.style, 48);
    }
    EXPECT_TRUE(printout->operations.empty());
    EXPECT_TRUE(print->isVisible());
}

TEST_F(ReportMenuTest, AJobThePrinterRefusesIsReportedInsteadOfDone)
{
    printout->failure = "The printout could not be written to the file \"x.pdf\".";
    click(openMenu<frmPrint>("cmdPrint"), "Command1");
    EXPECT_EQ(printout->transcript().last(), "end");
    EXPECT_EQ(prompts(), QStringList { *printout->failure });
    EXPECT_EQ(messages()[0].style, 48);
}

} // namespace
