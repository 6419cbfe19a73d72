// The two event choosers: what they offer, the order of their tests on "Go!",
// their messages and which windows stand afterwards.

#include "window_fixture.h"

#include "support/carnival_layout.h"
#include "support/file_forms.h"

#include "results/event_chooser.h"
#include "results/frmEdit2.h"
#include "results/frmEnter2.h"
#include "shell/frmMain.h"

#include "carnival/agechamp_file.h"
#include "carnival/carnival_state.h"
#include "carnival/records_file.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

using results::frmEdit;
using results::frmEdit2;
using results::frmEnter;
using results::frmEnter2;

namespace {

using namespace testing_support;

const QString kAlreadyEntered = "This event has already been entered - edit it instead.";
const QString kForgotSomething = "Please try again. You forgot to select something.";
const QString kNotEnteredYet = "Event has not been entered yet - enter it instead.";
const QString kForgotOrRelay
    = "Please try again. You forgot to select something, or tried to edit a relay (not yet implemented).";

// A stored result of an ordinary event: Ann of Tamsett won alone.
const char* kStoredWin = "Ann\r\nTamsett\r\n012.50\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n";

class EventChooserTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        layOutAthletics2010(
            *folder, { kBoys12, "data\\athletics\\individuals\\12\\Girls.dat" }, { { "12Boys100m", false } });
    }

    frmEnter* openEnter() { return openFromMain<frmEnter>("cmdEnter"); }
    frmEdit* openEdit() { return openFromMain<frmEdit>("cmdEdit"); }

    bool mainVisible() { return Forms::isLoaded<frmMain>() && Forms::find<frmMain>()->isVisible(); }
};

// ---- What the choosers offer ----

TEST_F(EventChooserTest, BothChoosersOfferTheFixedListsAndTheEventListWithNothingChosen)
{
    struct Case {
        const char* mainButton;
        const char* title;
    };
    for (const Case& c : { Case { "cmdEnter", "Choose Event to Enter" }, Case { "cmdEdit", "Choose Event to Edit" } }) {
        SCOPED_TRACE(c.title);
        frmMain* main = Forms::show<frmMain>();
        click(main, c.mainButton);
        QWidget* chooser = c.mainButton == std::string("cmdEnter") ? static_cast<QWidget*>(Forms::find<frmEnter>())
                                                                   : static_cast<QWidget*>(Forms::find<frmEdit>());
        ASSERT_NE(chooser, nullptr);
        EXPECT_TRUE(chooser->isVisible());
        EXPECT_FALSE(main->isVisible());
        EXPECT_EQ(chooser->windowTitle(), c.title);

        auto items = [&](const char* name) {
            QStringList texts;
            auto* list = child<QComboBox>(chooser, name);
            for (int i = 0; i < list->count(); ++i)
                texts << list->itemText(i);
            return texts;
        };
        EXPECT_EQ(items("cboage"), QStringList({ "12", "13", "14", "15", "16", "17+" }));
        EXPECT_EQ(items("cboSex"), QStringList({ "Boys", "Girls" }));
        const QStringList events = items("cboEvent");
        ASSERT_EQ(events.size(), 13);
        EXPECT_EQ(events[0], "100m                ");
        EXPECT_EQ(events[5], "90m Hurdles         ");
        EXPECT_EQ(events[7], "Long Jump           "); // the distance marker is not shown
        EXPECT_EQ(events[12], "Relay               ");
        for (const char* name : { "cboage", "cboSex", "cboEvent" }) {
            auto* list = child<QComboBox>(chooser, name);
            EXPECT_FALSE(list->isEditable()) << name;
            EXPECT_EQ(list->currentIndex(), -1) << name;
            EXPECT_TRUE(list->currentText().isEmpty()) << name;
        }
        EXPECT_EQ(child<QPushButton>(chooser, "cmdGo")->text(), "Go!");
        EXPECT_EQ(child<QPushButton>(chooser, "cmdCancel")->text(), "Cancel");
        click(chooser, "cmdCancel");
        settle();
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(EventChooserTest, TabRunsAcrossTheListsThenTheButtons)
{
    for (const char* mainButton : { "cmdEnter", "cmdEdit" }) {
        SCOPED_TRACE(mainButton);
        frmMain* main = Forms::show<frmMain>();
        click(main, mainButton);
        settle();
        QWidget* chooser = QApplication::activeWindow();
        ASSERT_NE(chooser, nullptr);
        ASSERT_TRUE(chooser == Forms::find<frmEnter>() || chooser == Forms::find<frmEdit>());
        child<QWidget>(chooser, "cboage")->setFocus();
        QStringList order { QApplication::focusWidget()->objectName() };
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        EXPECT_EQ(order, QStringList({ "cboage", "cboSex", "cboEvent", "cmdGo", "cmdCancel", "cboage" }));
        click(chooser, "cmdCancel");
        settle();
    }
}

// ---- "Go!" of the entry chooser ----

TEST_F(EventChooserTest, EnterWithNothingChosenAsksAgainAndStays)
{
    frmEnter* chooser = openEnter();
    click(chooser, "cmdGo");
    ASSERT_EQ(messages().size(), 1u);
    expectMessage(0, kForgotSomething, 0, "Ostrivale");
    EXPECT_EQ(carnival::modDeclareGlobals().lastMsgBoxAnswer, platform::kAnswerOk);
    EXPECT_EQ(Forms::find<frmEnter>(), chooser);
    EXPECT_TRUE(chooser->isVisible());
    EXPECT_FALSE(Forms::isLoaded<frmEnter2>());
    EXPECT_FALSE(mainVisible());
}

TEST_F(EventChooserTest, EnterWithOneListEmptyKeepsTheOtherChoices)
{
    frmEnter* chooser = openEnter();
    chooseEvent(chooser, "12", nullptr, "100m");
    click(chooser, "cmdGo");
    EXPECT_EQ(prompts(), QStringList { kForgotSomething });
    EXPECT_TRUE(chooser->isVisible());
    EXPECT_EQ(child<QComboBox>(chooser, "cboage")->currentText(), "12");
    EXPECT_EQ(child<QComboBox>(chooser, "cboEvent")->currentText(), "100m                ");
    EXPECT_TRUE(carnival::modDeclareGlobals().selectedAge.empty());

    chooseEvent(chooser, nullptr, "Boys", nullptr);
    click(chooser, "cmdGo");
    EXPECT_EQ(prompts().size(), 1);
    EXPECT_TRUE(Forms::isLoaded<frmEnter2>());
}

TEST_F(EventChooserTest, EnterHandsOverToTheEntryWindowAsTheOnlyWindow)
{
    frmEnter* chooser = openEnter();
    chooseEvent(chooser, "17+", "Girls", "90m Hurdles");
    click(chooser, "cmdGo");
    settle();
    EXPECT_TRUE(messages().empty());
    const auto& state = carnival::modDeclareGlobals();
    EXPECT_EQ(state.selectedAge, "17+");
    EXPECT_EQ(state.selectedSex, "Girls");
    EXPECT_EQ(state.selectedEvent, "90m Hurdles         ");
    EXPECT_FALSE(Forms::isLoaded<frmEnter>());
    EXPECT_FALSE(Forms::isLoaded<frmMain>());
    ASSERT_TRUE(Forms::isLoaded<frmEnter2>());
    EXPECT_TRUE(Forms::find<frmEnter2>()->isVisible());
    EXPECT_EQ(Forms::loadedCount(), 1);
    EXPECT_FALSE(lastWindowGone);
}

TEST_F(EventChooserTest, EnterRefusesAnEnteredEventEvenAnEmptyFileAndShowsTheMainWindow)
{
    folder->write("data/athletics/events/12Boys100m.dat", "");
    frmEnter* chooser = openEnter();
    chooseEvent(chooser, "12", "Boys", "100m");
    click(chooser, "cmdGo");
    settle();
    ASSERT_EQ(messages().size(), 1u);
    expectMessage(0, kAlreadyEntered, 0, "Ostrivale");
    EXPECT_FALSE(Forms::isLoaded<frmEnter>());
    EXPECT_FALSE(Forms::isLoaded<frmEnter2>());
    EXPECT_TRUE(mainVisible());
    EXPECT_EQ(folder->read("data/athletics/events/12Boys100m.dat"), "");
    EXPECT_TRUE(carnival::modDeclareGlobals().selectedAge.empty());
}

TEST_F(EventChooserTest, EnterFindsTheFileWithoutBlanksOrLetterCase)
{
    // The name's inner blank and padding are dropped from the file name, and
    // the file name matches whatever its letter case.
    folder->write("data/athletics/events/17+girls90mhurdles.DAT", kStoredWin);
    frmEnter* chooser = openEnter();
    chooseEvent(chooser, "17+", "Girls", "90m Hurdles");
    click(chooser, "cmdGo");
    EXPECT_EQ(prompts(), QStringList { kAlreadyEntered });
    EXPECT_FALSE(Forms::isLoaded<frmEnter2>());
}

TEST_F(EventChooserTest, EnterTellsBoysAndGirlsApart)
{
    folder->write("data/athletics/events/12Boys100m.dat", kStoredWin);
    frmEnter* chooser = openEnter();
    chooseEvent(chooser, "12", "Girls", "100m");
    click(chooser, "cmdGo");
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(Forms::isLoaded<frmEnter2>());
    EXPECT_EQ(carnival::modDeclareGlobals().selectedSex, "Girls");
}

TEST_F(EventChooserTest, EnterTestsTheFileBeforeTheChoiceIsComplete)
{
    // Age and sex without an event name the file "12Boys.dat".
    folder->write("data/athletics/events/12Boys.dat", "");
    frmEnter* chooser = openEnter();
    chooseEvent(chooser, "12", "Boys", nullptr);
    click(chooser, "cmdGo");
    settle();
    EXPECT_EQ(prompts(), QStringList { kAlreadyEntered });
    EXPECT_FALSE(Forms::isLoaded<frmEnter>());
    EXPECT_TRUE(mainVisible());
}

// ---- "Go!" of the edit chooser ----

TEST_F(EventChooserTest, EditWithNothingChosenFindsNoFileAndCloses)
{
    frmEdit* chooser = openEdit();
    click(chooser, "cmdGo");
    settle();
    ASSERT_EQ(messages().size(), 1u);
    expectMessage(0, kNotEnteredYet, 0, "Ostrivale");
    EXPECT_EQ(carnival::modDeclareGlobals().lastMsgBoxAnswer, platform::kAnswerOk);
    EXPECT_FALSE(Forms::isLoaded<frmEdit>());
    EXPECT_FALSE(Forms::isLoaded<frmEdit2>());
    EXPECT_TRUE(mainVisible());
}

TEST_F(EventChooserTest, EditOfAnEventNotEnteredClosesTheChooser)
{
    folder->write("data/athletics/events/12Boys100m.dat", kStoredWin);
    frmEdit* chooser = openEdit();
    chooseEvent(chooser, "12", "Girls", "100m");
    click(chooser, "cmdGo");
    settle();
    EXPECT_EQ(prompts(), QStringList { kNotEnteredYet });
    EXPECT_FALSE(Forms::isLoaded<frmEdit>());
    EXPECT_FALSE(Forms::isLoaded<frmEdit2>());
    EXPECT_TRUE(mainVisible());
    EXPECT_TRUE(carnival::modDeclareGlobals().selectedSex.empty());
}

TEST_F(EventChooserTest, EditTestsTheFileBeforeTheChoiceIsComplete)
{
    folder->write("data/athletics/events/12Boys.dat", kStoredWin);
    frmEdit* chooser = openEdit();
    chooseEvent(chooser, "12", "Boys", nullptr);
    click(chooser, "cmdGo");
    EXPECT_EQ(prompts(), QStringList { kForgotOrRelay });
    EXPECT_TRUE(Forms::isLoaded<frmEdit>());
    EXPECT_TRUE(chooser->isVisible());
    EXPECT_FALSE(Forms::isLoaded<frmEdit2>());
    EXPECT_FALSE(mainVisible());
}

TEST_F(EventChooserTest, EditRefusesAnEnteredRelayAndStays)
{
    folder->write("data/athletics/events/12BoysRelay.dat", kStoredWin);
    frmEdit* chooser = openEdit();
    chooseEvent(chooser, "12", "Boys", "Relay");
    click(chooser, "cmdGo");
    ASSERT_EQ(messages().size(), 1u);
    expectMessage(0, kForgotOrRelay, 0, "Ostrivale");
    EXPECT_TRUE(chooser->isVisible());
    EXPECT_FALSE(Forms::isLoaded<frmEdit2>());
    EXPECT_EQ(folder->read("data/athletics/events/12BoysRelay.dat"), kStoredWin);
    EXPECT_EQ(folder->read("data/points.dat"), kZeroPoints);
}

TEST_F(EventChooserTest, EditOfARelayNotEnteredSaysSoAndCloses)
{
    frmEdit* chooser = openEdit();
    chooseEvent(chooser, "12", "Boys", "Relay");
    click(chooser, "cmdGo");
    settle();
    EXPECT_EQ(prompts(), QStringList { kNotEnteredYet });
    EXPECT_FALSE(Forms::isLoaded<frmEdit>());
    EXPECT_TRUE(mainVisible());
}

TEST_F(EventChooserTest, AnEventCalledRelayInOtherLettersIsEditedLikeAnyOther)
{
    folder->write("data/athletics/events.dat",
        " 3 \r\n100m\r\nrelay\r\nRelay\r\n");
    // File names match whatever their letter case, so this one file is the
    // result of both "relay" and "Relay".
    folder->write("data/athletics/events/12BoysRELAY.dat", kStoredWin);

    frmEdit* chooser = openEdit();
    chooseEvent(chooser, "12", "Boys", "Relay");
    click(chooser, "cmdGo");
    EXPECT_EQ(prompts(), QStringList { kForgotOrRelay });

    chooseEvent(chooser, nullptr, nullptr, "relay");
    click(chooser, "cmdGo");
    settle();
    EXPECT_EQ(prompts().size(), 1);
    EXPECT_EQ(carnival::modDeclareGlobals().selectedEvent, "relay               ");
    EXPECT_FALSE(Forms::isLoaded<frmEdit>());
    ASSERT_TRUE(Forms::isLoaded<frmEdit2>());
    EXPECT_TRUE(Forms::find<frmEdit2>()->isVisible());
}

TEST_F(EventChooserTest, EditHandsOverAndLeavesTheMainWindowLoadedButHidden)
{
    folder->write("data/athletics/events/12Boys100m.dat", kStoredWin);
    frmEdit* chooser = openEdit();
    chooseEvent(chooser, "12", "Boys", "100m");
    click(chooser, "cmdGo");
    settle();
    EXPECT_TRUE(messages().empty());
    const auto& state = carnival::modDeclareGlobals();
    EXPECT_EQ(state.selectedAge, "12");
    EXPECT_EQ(state.selectedSex, "Boys");
    EXPECT_EQ(state.selectedEvent, "100m                ");
    EXPECT_FALSE(Forms::isLoaded<frmEdit>());
    ASSERT_TRUE(Forms::isLoaded<frmEdit2>());
    EXPECT_TRUE(Forms::find<frmEdit2>()->isVisible());
    ASSERT_TRUE(Forms::isLoaded<frmMain>());
    EXPECT_FALSE(Forms::find<frmMain>()->isVisible());
    EXPECT_EQ(Forms::loadedCount(), 2);
}

// ---- Leaving without a choice ----

TEST_F(EventChooserTest, CancelOfEitherChooserShowsTheMainWindowAndStoresNothing)
{
    for (const char* mainButton : { "cmdEnter", "cmdEdit" }) {
        SCOPED_TRACE(mainButton);
        frmMain* main = Forms::show<frmMain>();
        click(main, mainButton);
        QWidget* chooser = mainButton == std::string("cmdEnter") ? static_cast<QWidget*>(Forms::find<frmEnter>())
                                                                 : static_cast<QWidget*>(Forms::find<frmEdit>());
        ASSERT_NE(chooser, nullptr);
        chooseEvent(chooser, "12", "Boys", "100m");
        click(chooser, "cmdCancel");
        settle();
        EXPECT_FALSE(Forms::isLoaded<frmEnter>());
        EXPECT_FALSE(Forms::isLoaded<frmEdit>());
        EXPECT_EQ(Forms::find<frmMain>(), main);
        EXPECT_TRUE(main->isVisible());
    }
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(carnival::modDeclareGlobals().selectedAge.empty());
    EXPECT_TRUE(carnival::modDeclareGlobals().selectedEvent.empty());
    EXPECT_FALSE(lastWindowGone);
}

TEST_F(EventChooserTest, TheCloseBoxOfEitherChooserShowsTheMainWindow)
{
    frmEnter* enter = openEnter();
    frmMain* main = Forms::find<frmMain>();
    EXPECT_TRUE(enter->hasCloseMenu());
    enter->close();
    settle();
    EXPECT_FALSE(Forms::isLoaded<frmEnter>());
    EXPECT_TRUE(main->isVisible());

    frmEdit* edit = openEdit();
    EXPECT_EQ(Forms::find<frmMain>(), main);
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(edit->hasCloseMenu());
    edit->close();
    settle();
    EXPECT_FALSE(Forms::isLoaded<frmEdit>());
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(messages().empty());
    EXPECT_FALSE(lastWindowGone);
}

TEST_F(EventChooserTest, AChooserOpenedAgainStartsWithoutAChoice)
{
    frmEnter* chooser = openEnter();
    chooseEvent(chooser, "13", "Girls", "200m");
    click(chooser, "cmdCancel");
    settle();
    chooser = openEnter();
    EXPECT_EQ(child<QComboBox>(chooser, "cboage")->currentIndex(), -1);
    EXPECT_EQ(child<QComboBox>(chooser, "cboSex")->currentIndex(), -1);
    EXPECT_EQ(child<QComboBox>(chooser, "cboEvent")->currentIndex(), -1);
    EXPECT_EQ(child<QComboBox>(chooser, "cboEvent")->count(), 13);
}

} // namespace
