// Text a data file cannot hold is refused in the box it was typed into: the
// message names the box and shows the character, and no file changes.

#include "window_fixture.h"

#include "support/carnival_layout.h"

#include "results/event_chooser.h"
#include "results/frmEnter2.h"
#include "setup/frmEventSetup.h"
#include "setup/frmSetup.h"
#include "setup/wizard.h"

#include "carnival/carnival_state.h"

#include <QLineEdit>

namespace {

enum class Window { Entry, Houses, EventSetup, NewCarnival };

struct RefusedText {
    const char* label;
    Window window;
    const char* box;
    const char* text;    // UTF-8
    const char* refusal; // the box and the character
};

class RefusedTextTest : public WindowTest, public ::testing::WithParamInterface<RefusedText> { };

TEST_P(RefusedTextTest, NamesTheBoxAndTheCharacterAndWritesNothing)
{
    const RefusedText& refused = GetParam();
    testing_support::layOutAthletics2010(*folder, { testing_support::kBoys12 }, { { "12Boys100m", false } });
    const testing_support::Tree before = testing_support::snapshot(folder->root());
    carnival::modDeclareGlobals().wizardFinished = 1; // the new-carnival window opens without its warning
    QWidget* window = nullptr;
    const char* save = "Command1";
    switch (refused.window) {
    case Window::Entry:
        window = openThroughChooser<results::frmEnter, results::frmEnter2>("cmdEnter", "12", "Boys", "100m");
        save = "cmdGo";
        break;
    case Window::Houses: window = Forms::show<setup::frmHouses>(); break;
    case Window::EventSetup: window = Forms::show<setup::frmEventSetup>(), save = "Command3"; break;
    case Window::NewCarnival: window = Forms::show<setup::frmSetup>(), save = "cmdathletics"; break;
    }
    ASSERT_NE(window, nullptr);
    child<QLineEdit>(window, refused.box)->setText(QString::fromUtf8(refused.text));
    click(window, save);
    settle();

    ASSERT_EQ(messages().size(), 1u);
    expectMessage(0,
        QString::fromUtf8(refused.refusal)
            + ", which Ostrivale cannot store. Please type it without that character.",
        48, "Oops!");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(testing_support::snapshot(folder->root()), before);
}

INSTANTIATE_TEST_SUITE_P(Boxes, RefusedTextTest,
    ::testing::Values(
        RefusedText { "NameInCyrillic", Window::Entry, "txt1stName", "Ворон",
            "The name of 1st place holds the character \"В\" (U+0412)" },
        RefusedText { "TimeWithALineBreak", Window::Entry, "txt2ndTD", "013.00\n",
            "The time of 2nd place holds a line break" },
        RefusedText { "HouseWithAControlCharacter", Window::Houses, "Text3", "Cor\arow",
            "The name of house 3 holds the control character U+0007" },
        RefusedText { "EventNameWithATab", Window::EventSetup, "txten", "Tab\there",
            "The name of the new event holds a tab" },
        RefusedText { "YearInCyrillic", Window::NewCarnival, "txtYear", "2010г",
            "The year holds the character \"г\" (U+0433)" }),
    [](const ::testing::TestParamInfo<RefusedText>& info) { return std::string(info.param.label); });

} // namespace
