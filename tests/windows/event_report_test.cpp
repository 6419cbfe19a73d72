// The event report: printing and viewing a stored result, plain or Draw.

#include "window_fixture.h"

#include "support/carnival_layout.h"
#include "support/file_forms.h"

#include "reports/frmPrint.h"
#include "reports/frmPrintEvent.h"
#include "reports/frmView.h"
#include "reports/frmViewEvent.h"

#include <QComboBox>
#include <QLineEdit>

using reports::frmPrint;
using reports::frmPrintEvent;
using reports::frmView;
using reports::frmViewEvent;

namespace {

using namespace testing_support;

const QString kNotEntered = "Event has not been entered yet.";
const QString kTitle = "12 Boys 100m                "; // the event name keeps its trailing blanks

// The four placings of the plain form, the second a name of one blank, the third empty.
const std::vector<std::string> kPlaces
    = { "Ann", "Tamsett", "012.50", " ", "Brindrel", "012.80", "", "", "", "Dee", "Elvane", "013.10" };
const std::vector<std::string> kFirstOnly = { "Ann", "Tamsett", "012.50", "", "", "", "", "", "", "", "", "" };

std::vector<std::string> drawForm(const std::vector<std::string>& drawLine, const std::string& drawpos = " 4 ")
{
    std::vector<std::string> lines = { "Draw", drawpos };
    lines.insert(lines.end(), kPlaces.begin(), kPlaces.end());
    lines.insert(lines.end(), drawLine.begin(), drawLine.end());
    return lines;
}

class EventReportTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        layOutAthletics2010(*folder, {}, {});
    }

    void storeResult(const std::vector<std::string>& lines) { folder->write(kResult100m, crlf(lines)); }

    // Opens the event window of a menu and picks age, sex and event.
    template <class Window>
    Window* openAndChoose(const char* age, const char* sex, const char* event)
    {
        const bool printing = std::is_same_v<Window, frmPrintEvent>;
        click(Forms::show<frmMain>(), printing ? "cmdPrint" : "cmdSave");
        click(printing ? static_cast<QWidget*>(Forms::find<frmPrint>()) : Forms::find<frmView>(), "Command3");
        chooseEvent(Forms::find<Window>(), age, sex, event);
        return Forms::find<Window>();
    }

    // The view's title, whether its draw line shows, and its fifteen boxes row by row.
    QStringList shown(QWidget* view)
    {
        QStringList state { labelText(view, "lbltitle") };
        for (const char* row : { "1st", "2nd", "3rd", "4th", "Draw" })
            for (const char* column : { "Name", "House", "TD" }) {
                auto* box = child<QLineEdit>(view, ("txt" + std::string(row) + column).c_str());
                state << (box->isVisible() ? "" : "hidden:") + box->text();
            }
        return state;
    }
};

struct PrintCase {
    const char* name;
    std::vector<std::string> lines;
    QStringList body;
};

class EventPrintout : public EventReportTest, public ::testing::WithParamInterface<PrintCase> { };

TEST_P(EventPrintout, PrintsThePlacingsThenReturnsToTheMenuAndSaysDone)
{
    storeResult(GetParam().lines);
    click(openAndChoose<frmPrintEvent>("12", "Boys", "100m"), "cmdGo");
    settle();
    const QStringList heading = { "underline on", "line [0]Name:[2]House:[4]Time/Distance:", "underline off", "line" };
    EXPECT_EQ(printout->transcript(), printJob(kTitle, heading + GetParam().body));
    EXPECT_EQ(prompts(), QStringList { "Done!" });
    EXPECT_FALSE(Forms::isLoaded<frmPrintEvent>());
    EXPECT_TRUE(Forms::find<frmPrint>()->isVisible());
}

const QStringList kPlacingLines
    = { "line [0]Ann[2]Tamsett[5]012.50", "line [0] [2]Brindrel[5]012.80", "line [0]Dee[2]Elvane[5]013.10" };

INSTANTIATE_TEST_SUITE_P(Results, EventPrintout,
    ::testing::Values(PrintCase { "FirstPlacingAlone", kFirstOnly, { "line [0]Ann[2]Tamsett[5]012.50" } },
        PrintCase { "PlacingsWithABlankNameButNotAnEmptyOne", kPlaces, kPlacingLines },
        PrintCase { "DrawWithItsDrawLineUnderTheHeadings", drawForm({ "Eve", "Corrow", "013.10" }),
            kPlacingLines + QStringList { "line [0]Eve[2]Corrow[4]013.10" } },
        PrintCase { "DrawWithAnEmptyDrawLine", drawForm({ "", "", "" }), kPlacingLines },
        PrintCase { "DrawWithATiePositionBeyond16Bits", drawForm({ "", "", "" }, " 99999 "), kPlacingLines }),
    [](const ::testing::TestParamInfo<PrintCase>& info) { return std::string(info.param.name); });

TEST_F(EventReportTest, PrintOfAnEventNotEnteredOrNotChosenSaysSoAndClosesTheWindow)
{
    for (const bool menuClosed : { false, true }) {
        auto* chooser = openAndChoose<frmPrintEvent>(menuClosed ? "13" : nullptr, "Boys", "100m");
        if (menuClosed)
            click(Forms::find<frmPrint>(), "Command4");
        click(chooser, "cmdGo");
        settle();
        EXPECT_FALSE(Forms::isLoaded<frmPrintEvent>());
        EXPECT_EQ(Forms::isLoaded<frmPrint>() && Forms::find<frmPrint>()->isVisible(), !menuClosed);
    }
    EXPECT_TRUE(Forms::find<frmMain>()->isVisible());
    EXPECT_EQ(prompts(), QStringList({ kNotEntered, kNotEntered }));
    expectMessage(1, kNotEntered, 0, "Ostrivale");
    EXPECT_TRUE(printout->operations.empty());
}

TEST_F(EventReportTest, AnUnreadableResultIsNamedAndNeitherWindowCloses)
{
    storeResult({ "Ann", "Tamsett" });
    auto* print = openAndChoose<frmPrintEvent>("12", "Boys", "100m");
    click(print, "cmdGo");
    auto* view = openAndChoose<frmViewEvent>("12", "Boys", "100m");
    click(view, "cmdGo");
    expectWarningsNaming("12Boys100m.dat", 2);
    EXPECT_TRUE(printout->operations.empty());
    EXPECT_TRUE(print->isVisible());
    EXPECT_EQ(labelText(view, "lbltitle"), "View Event");
}

TEST_F(EventReportTest, TheViewShowsOneResultAfterAnotherWithTheDrawLineOnlyForADraw)
{
    auto* view = openAndChoose<frmViewEvent>("12", "Boys", "100m");
    EXPECT_EQ(view->windowTitle(), "Choose Event to View");
    EXPECT_EQ(QStringList({ labelText(view, "Label1"), labelText(view, "Label6"), labelText(view, "lbltd") }),
        QStringList({ "Name:", "House:", "Time/Distance:" }));
    for (QLineEdit* box : view->findChildren<QLineEdit*>())
        EXPECT_FALSE(box->isEnabled()) << box->objectName().toStdString();
    EXPECT_EQ(shown(view), QStringList { "View Event" } + QStringList(12, "") + QStringList(3, "hidden:"));

    storeResult(drawForm({ "Eve", "Corrow", "013.10" }, " 99999 "));
    click(view, "cmdGo");
    const QStringList drawShown = { "View Event - " + kTitle, "Ann", "Tamsett", "012.50", " ", "Brindrel", "012.80",
        "", "", "", "Dee", "Elvane", "013.10", "Eve", "Corrow", "013.10" };
    EXPECT_EQ(shown(view), drawShown);

    // A plain result hides the draw line again, which keeps its texts.
    storeResult(kFirstOnly);
    click(view, "cmdGo");
    const QStringList firstOnly = QStringList { "View Event - " + kTitle, "Ann", "Tamsett", "012.50" }
        + QStringList(9, "") + QStringList { "hidden:Eve", "hidden:Corrow", "hidden:013.10" };
    EXPECT_EQ(shown(view), firstOnly);

    // An event not entered changes nothing, and the window stays.
    chooseEvent(view, "13", nullptr, nullptr);
    click(view, "cmdGo");
    EXPECT_EQ(prompts(), QStringList { kNotEntered });
    EXPECT_EQ(shown(view), firstOnly);
    EXPECT_TRUE(view->isVisible() && Forms::find<frmView>()->isVisible());
}

} // namespace
