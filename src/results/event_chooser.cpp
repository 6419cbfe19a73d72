#include "event_chooser.h"

#include "frmEdit2.h"
#include "frmEnter2.h"

#include "carnival/carnival_state.h"
#include "carnival/event_result.h"
#include "carnival/fixed_text.h"
#include "carnival/paths.h"
#include "platform/latin1.h"
#include "platform/msgbox.h"
#include "shell/frmMain.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using platform::Forms;
using platform::qtext;

namespace results {

EventChooser::EventChooser(const char* objectName, const QString& caption)
    : lists_(this)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);

    QComboBox* cboage = lists_.cboage;
    QComboBox* cboSex = lists_.cboSex;
    QComboBox* cboEvent = lists_.cboEvent;
    cboage->setMinimumWidth(80);
    cboSex->setMinimumWidth(90);

    auto* cmdGo = new QPushButton("Go!", this);
    cmdGo->setObjectName("cmdGo");
    auto* cmdCancel = new QPushButton("Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    connect(cmdGo, &QPushButton::clicked, this, &EventChooser::cmdGo_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &EventChooser::cmdCancel_Click);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Age group:", this), 0, 0);
    grid->addWidget(new QLabel("Sex:", this), 0, 1);
    grid->addWidget(new QLabel("Event:", this), 0, 2);
    grid->addWidget(cboage, 1, 0);
    grid->addWidget(cboSex, 1, 1);
    grid->addWidget(cboEvent, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdGo);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 2, 0, 1, 3);
    grid->setColumnStretch(2, 1);

    setTabOrder(cboage, cboSex);
    setTabOrder(cboSex, cboEvent);
    setTabOrder(cboEvent, cmdGo);
    setTabOrder(cmdGo, cmdCancel);
}

void EventChooser::Form_Load()
{
    lists_.fillEventCombo();
}

QString EventChooser::chosenAge() const { return lists_.age(); }
QString EventChooser::chosenSex() const { return lists_.sex(); }
QString EventChooser::chosenEvent() const { return lists_.event(); }

bool EventChooser::somethingMissing() const
{
    return lists_.somethingMissing();
}

bool EventChooser::chosenEventEntered() const
{
    return carnival::fileExists(lists_.resultPath());
}

void EventChooser::storeChoice() const
{
    auto& state = carnival::modDeclareGlobals();
    state.selectedAge = platform::bytes(chosenAge());
    state.selectedSex = platform::bytes(chosenSex());
    state.selectedEvent = platform::bytes(chosenEvent());
}

void EventChooser::cmdGo_Click()
{
    go();
}

void EventChooser::cmdCancel_Click()
{
    // Back to the main window without a choice.
    platform::returnToMenu<shell::frmMain>(this);
}

frmEnter::frmEnter()
    : EventChooser("frmEnter", "Choose Event to Enter")
{
}

void frmEnter::Form_Unload()
{
    Forms::show<shell::frmMain>();
}

void frmEnter::go()
{
    if (chosenEventEntered()) {
        platform::showMsgBox(qtext(carnival::kAlreadyEntered));
        hide();
        Forms::unload(this);
        return;
    }
    if (somethingMissing()) {
        platform::showMsgBox("Please try again. You forgot to select something.");
        return;
    }
    storeChoice();
    Forms::show<frmEnter2>();
    hide();
    Forms::unload(this);
    Forms::unload<shell::frmMain>();
}

frmEdit::frmEdit()
    : EventChooser("frmEdit", "Choose Event to Edit")
{
}

void frmEdit::closeEvent(QCloseEvent* event)
{
    Forms::show<shell::frmMain>();
    EventChooser::closeEvent(event);
}

void frmEdit::go()
{
    if (!chosenEventEntered()) {
        platform::showMsgBox("Event has not been entered yet - enter it instead.");
        hide();
        Forms::show<shell::frmMain>();
        Forms::unload(this);
        return;
    }
    if (somethingMissing() || carnival::trimBlanks(platform::bytes(chosenEvent())) == "Relay") {
        platform::showMsgBox(
            "Please try again. You forgot to select something, or tried to edit a relay (not yet implemented).");
        return;
    }
    storeChoice();
    Forms::load<frmEdit2>();
    hide();
    Forms::unload(this);
}

} // namespace results
