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

using namespace testing_support;

enum class Window { Entry, Houses, EventSetup, NewCarnival };

struct RefusedText {
    const char* label;
    Window window;
    const char* box;
    const char* text; // UTF-8
    const char* boxName;
    const char* shown;
};

class RefusedTextTest : public WindowTest, public ::testing::WithParamInterface<RefusedText> {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        layOutAthletics2010(*folder, { kBoys12 }, { { "12Boys100m", false } });
    }

    // Opens the window of the case; returns it and the button that saves.
    std::pair<QWidget*, const char*> open(Window window)
    {
        switch (window) {
        case Window::Entry:
            return { openThroughChooser<results::frmEnter, results::frmEnter2>("cmdEnter", "12", "Boys", "100m"),
                "cmdGo" };
        case Window::Houses:
            return { Forms::show<setup::frmHouses>(), "Command1" };
        case Window::EventSetup:
            return { Forms::show<setup::frmEventSetup>(), "Command3" };
        case Window::NewCarnival:
            carnival::modDeclareGlobals().wizardFinished = 1; // no warning first
            return { Forms::show<setup::frmSetup>(), "cmdathletics" };
        }
        return {};
    }
};

TEST_P(RefusedTextTest, NamesTheBoxAndTheCharacterAndWritesNothing)
{
    const RefusedText& refused = GetParam();
    const Tree before = snapshot(folder->root());
    const auto [window, saveButton] = open(refused.window);
    ASSERT_NE(window, nullptr);
    child<QLineEdit>(window, refused.box)->setText(QString::fromUtf8(refused.text));
    click(window, saveButton);
    settle();

    ASSERT_EQ(messages().size(), 1u);
    expectMessage(0,
        QString::fromUtf8(refused.boxName) + " holds " + QString::fromUtf8(refused.shown)
            + ", which Ostrivale cannot store. Please type it without that character.",
        48, "Oops!");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(child<QLineEdit>(window, refused.box)->text(), QString::fromUtf8(refused.text));
    EXPECT_EQ(snapshot(folder->root()), before);
}

INSTANTIATE_TEST_SUITE_P(Boxes, RefusedTextTest,
    ::testing::Values(
        RefusedText { "NameInCyrillic", Window::Entry, "txt1stName", "Ворон", "The name of 1st place",
            "the character \"В\" (U+0412)" },
        RefusedText { "NameWithALineBreak", Window::Entry, "txt2ndName", "Ann\nLee", "The name of 2nd place",
            "a line break" },
        RefusedText { "TimeWithATab", Window::Entry, "txt1stTD", "012.50\t", "The time of 1st place", "a tab" },
        RefusedText { "DrawNameWithAControl", Window::Entry, "txtDrawName", "Eve\a", "The name on the draw line",
            "the control character U+0007" },
        RefusedText { "HouseInCyrillic", Window::Houses, "Text2", "Сокол", "The name of house 2",
            "the character \"С\" (U+0421)" },
        RefusedText { "HouseWithALineBreak", Window::Houses, "Text1", "Tam\r\nsett", "The name of house 1",
            "a line break" },
        RefusedText { "EventNameInCyrillic", Window::EventSetup, "txten", "Бег", "The name of the new event",
            "the character \"Б\" (U+0411)" },
        RefusedText { "EventNameWithATab", Window::EventSetup, "txten", "Tab\there", "The name of the new event",
            "a tab" },
        RefusedText { "YearInCyrillic", Window::NewCarnival, "txtYear", "2010г", "The year",
            "the character \"г\" (U+0433)" },
        RefusedText { "YearWithALineBreak", Window::NewCarnival, "txtYear", "2010\n", "The year", "a line break" }),
    [](const ::testing::TestParamInfo<RefusedText>& info) { return std::string(info.param.label); });

} // namespace
