#pragma once
// Drives real windows offscreen in a temporary working folder: message boxes
// are answered from a script, documents and programs are only recorded, and
// the end of the program is watched instead of ending the test process.

#include "support/working_folder.h"

#include "platform/forms.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "shell/frmMain.h"

#include <QAbstractButton>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <memory>
#include <vector>

// One row of a result form: name, house and time or distance.
struct ResultRow {
    const char* name = "";
    const char* house = "";
    const char* td = "";
};

// Every window test drives the forms, the main window among them.
using platform::Forms;
using shell::frmMain;

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Answers for the next message boxes, in order; a box with no scripted
    // answer takes its default button.
    void answer(std::initializer_list<int> answers);
    const std::vector<platform::MsgBoxCall>& messages() const { return messages_; }
    QStringList prompts() const;
    // Message box `index` (from 0) showed this prompt, style and title.
    void expectMessage(std::size_t index, const QString& prompt, int style, const QString& title);

    // Exactly `count` messages were shown, each a warning (style 48) naming the file.
    void expectWarningsNaming(const QString& file, std::size_t count);

    // Clicks a control of a window by its object name.
    void click(QWidget* window, const char* name);
    template <class T>
    T* child(QWidget* window, const char* name)
    {
        T* found = window ? window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
        EXPECT_NE(found, nullptr) << "no control " << name;
        return found;
    }
    QString labelText(QWidget* window, const char* name);

    // Types into a text box as the user does, after emptying it.
    void type(QWidget* window, const QString& name, const char* text);
    // Picks a house of a house list by its text; "" leaves no choice.
    void pickHouse(QWidget* window, const QString& name, const char* house);
    // Fills one row of a result form: "1st" to "4th" or "Draw".
    void fillRow(QWidget* window, const char* row, const ResultRow& values);
    // Fills the placings from the first row down.
    void fill(QWidget* window, std::initializer_list<ResultRow> placings);

    // Shows the main window and clicks its button for an event chooser.
    template <class Chooser>
    Chooser* openChooser(const char* mainButton)
    {
        click(Forms::show<frmMain>(), mainButton);
        return Forms::find<Chooser>();
    }
    // Picks the items of an event chooser by their texts; nullptr leaves a
    // list as it is.
    void chooseEvent(QWidget* chooser, const char* age, const char* sex, const char* event);
    // The road of the user: the main window's button, the choice, "Go!".
    // Returns the window the chooser handed over to, if any.
    template <class Chooser, class Window>
    Window* openThroughChooser(const char* mainButton, const char* age, const char* sex, const char* event)
    {
        Chooser* chooser = openChooser<Chooser>(mainButton);
        EXPECT_NE(chooser, nullptr);
        if (!chooser)
            return nullptr;
        chooseEvent(chooser, age, sex, event);
        click(chooser, "cmdGo");
        settle();
        return Forms::find<Window>();
    }

    // The main window is the only window left, visible and showing these
    // house totals, and the program goes on.
    void expectMainWindowAlone(std::array<int, 4> totals);

    // The transcript of a whole print job (RecordingPrintBackend::transcript):
    // the title frame, the body lines, the footer and the end of the job.
    static QStringList printJob(const QString& title, const QStringList& body);

    // Lets deferred deletions and timers run.
    void settle(int milliseconds = 0);

    std::unique_ptr<testing_support::WorkingFolder> folder;
    // Every print job of the test goes here instead of to a printer.
    platform::RecordingPrintBackend* printout = nullptr;
    QStringList openedDocuments;
    QStringList startedPrograms;
    bool programEndedAtOnce = false;
    bool lastWindowGone = false;

private:
    std::deque<int> answers_;
    std::vector<platform::MsgBoxCall> messages_;
};
