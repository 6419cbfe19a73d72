#include "frmSetup.h"

#include "wizard.h"

#include "carnival/carnival_state.h"
#include "carnival/new_carnival.h"
#include "platform/controls.h"
#include "platform/latin1.h"
#include "platform/msgbox.h"
#include "shell/frmMain.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using platform::Forms;

namespace setup {

namespace {
constexpr int kButtonWidth = 200;
} // namespace

frmSetup::frmSetup()
{
    setObjectName("frmSetup");
    setWindowTitle("New Carnival");

    auto* Label1 = new QLabel("Please enter year:", this);
    Label1->setObjectName("Label1");
    txtYear = new QLineEdit(this);
    txtYear->setObjectName("txtYear");
    cmdathletics = platform::namedButton("cmdathletics", "New Athletics Carnival", this, kButtonWidth);
    cmdSwimming = platform::namedButton("cmdSwimming", "New Swimming Carnival", this, kButtonWidth);
    Command1 = platform::namedButton("Command1", "Reset Houses and Carnival", this, kButtonWidth);
    Command3 = platform::namedButton("Command3", "Cancel", this, kButtonWidth);
    connect(cmdathletics, &QPushButton::clicked, this, &frmSetup::cmdathletics_Click);
    connect(cmdSwimming, &QPushButton::clicked, this, &frmSetup::cmdSwimming_Click);
    connect(Command1, &QPushButton::clicked, this, &frmSetup::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &frmSetup::Command3_Click);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtYear, 0, 1);
    grid->addWidget(cmdathletics, 1, 0);
    grid->addWidget(cmdSwimming, 1, 1);
    grid->addWidget(Command1, 2, 0);
    grid->addWidget(Command3, 2, 1);
}

void frmSetup::Form_Load()
{
    auto& state = carnival::modDeclareGlobals();
    if (state.wizardFinished != 1) {
        platform::showMsgBox("This is Dangerous, and will wipe all event records from standard retrieval. It will "
                             "backup, however. Do you want to continue?",
            308, "Are you sure?");
        if (state.lastMsgBoxAnswer == platform::kAnswerNo) {
            cmdathletics->setEnabled(false);
            cmdSwimming->setEnabled(false);
        }
    } else {
        Command3->setEnabled(false);
    }
    state.wizardFinished = 0;
    if (state.resettingHouses == 1)
        Command1->setEnabled(false);
    state.resettingHouses = 0;
    removeCloseMenu();
}

void frmSetup::cmdathletics_Click()
{
    startNewCarnival(carnival::newAthleticsCarnival());
}

void frmSetup::cmdSwimming_Click()
{
    startNewCarnival(carnival::newSwimmingCarnival());
}

void frmSetup::startNewCarnival(const carnival::NewCarnival& kind)
{
    if (txtYear->text().isEmpty()) {
        platform::showMsgBox("Please enter the year.", 64);
        return;
    }
    const auto year = platform::storableText(txtYear->text(), "the year");
    if (!year)
        return;
    if (const auto problem = carnival::yearProblem(*year)) {
        platform::showMsgBox(platform::qtext(*problem), 48, "Oops!");
        return;
    }
    const auto& state = carnival::modDeclareGlobals();
    platform::showMsgBox("Are you sure?", 36);
    if (state.lastMsgBoxAnswer == platform::kAnswerYes) {
        bool carnivalChanged = false;
        const auto failure
            = carnival::startNewCarnival(kind, state.carnivalType, state.carnivalYear, *year, &carnivalChanged);
        if (failure) {
            platform::showMsgBox(platform::qtext(*failure), 0);
            // After a carnival change the main window must show the new one.
            if (!carnivalChanged)
                return;
        }
    }
    // Whatever the answer: a freshly loaded main window.
    hide();
    Forms::unload<shell::frmMain>();
    Forms::show<shell::frmMain>();
    Forms::unload(this);
}

void frmSetup::Command1_Click()
{
    platform::showMsgBox("Are you sure?", 36);
    if (carnival::modDeclareGlobals().lastMsgBoxAnswer != platform::kAnswerYes)
        return;
    carnival::modDeclareGlobals().resettingHouses = 1;
    Forms::unload<shell::frmMain>();
    Forms::show<frmHouses>();
    Forms::unload(this);
}

void frmSetup::Command3_Click()
{
    hide();
    Forms::show<shell::frmMain>();
    Forms::unload(this);
}

} // namespace setup
