#pragma once
// The main program's windows driven offscreen: the shared form fixture with
// the roads through the main window, its choosers and the result forms.

#include "support/form_test.h"

#include "shell/frmMain.h"

#include <QString>
#include <QWidget>

#include <array>

// One row of a result form: name, house and time or distance.
struct ResultRow {
    const char* name = "";
    const char* house = "";
    const char* td = "";
};

// Every window test drives the forms, the main window among them.
using shell::frmMain;

class WindowTest : public FormTest {
protected:
    // Picks a house of a house list by its text; "" leaves no choice.
    void pickHouse(QWidget* window, const QString& name, const char* house);
    // Fills one row of a result form: "1st" to "4th" or "Draw".
    void fillRow(QWidget* window, const char* row, const ResultRow& values);
    // Fills the placings from the first row down.
    void fill(QWidget* window, std::initializer_list<ResultRow> placings);

    // Shows the main window, clicks one of its buttons and returns the
    // window that button opens, when it is loaded.
    template <class Window>
    Window* openFromMain(const char* mainButton)
    {
        click(Forms::show<frmMain>(), mainButton);
        return Forms::find<Window>();
    }
    // Picks the items of an event chooser (or the age and sex of an
    // age-champion report) by their texts; nullptr leaves a list as it is.
    void chooseEvent(QWidget* chooser, const char* age, const char* sex, const char* event);
    // The road of the user: the main window's button, the choice, "Go!".
    // Returns the window the chooser handed over to, if any.
    template <class Chooser, class Window>
    Window* openThroughChooser(const char* mainButton, const char* age, const char* sex, const char* event)
    {
        Chooser* chooser = openFromMain<Chooser>(mainButton);
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
};
