#pragma once
// Drives real windows offscreen in a temporary working folder: message boxes
// are answered from a script, documents and programs are only recorded, and
// the end of the program is watched instead of ending the test process.

#include "support/working_folder.h"

#include "platform/forms.h"
#include "platform/msgbox.h"
#include "platform/printer.h"

#include <QAbstractButton>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <vector>

using platform::Forms;

class FormTest : public ::testing::Test {
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
