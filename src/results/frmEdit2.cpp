#include "frmEdit2.h"

#include "carnival/carnival_state.h"
#include "carnival/data_files.h"
#include "carnival/fixed_text.h"
#include "carnival/result_saving.h"
#include "platform/latin1.h"
#include "platform/msgbox.h"
#include "shell/frmMain.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using platform::Forms;
using platform::qtext;

namespace results {

frmEdit2::frmEdit2()
    : ResultFormWindow("frmEdit2", "Edit Information", "Delete Event")
{
    connect(cmdGo, &QPushButton::clicked, this, &frmEdit2::cmdGo_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmEdit2::cmdCancel_Click);
}

void frmEdit2::showEventKind()
{
    lbltd->setText(qtext(carnival::modDeclareGlobals().eventKind) + ":");
}

void frmEdit2::Form_Load()
{
    removeCloseMenu();
    fillHouseLists();
    Forms::show<frmEdit2>();

    auto& state = carnival::modDeclareGlobals();
    if (carnival::lookUpEventKind())
        showEventKind();
    lbltitle->setText("Editing: " + qtext(state.selectedAge) + " " + qtext(state.selectedSex) + " "
        + qtext(state.selectedEvent));
    applyHundredMetresRule();
    showRecordLine();

    const carnival::OpenedResult opened = carnival::openResultForEditing();
    if (opened.failure) {
        // Nothing was taken back, so the event must not be edited.
        platform::showMsgBox(qtext(*opened.failure) + "\n\nNothing was changed: the event keeps its points.", 48);
        leaveWithFreshMainWindow();
        return;
    }
    if (opened.stored.isDraw) {
        showMessages(opened.messages);
        Manage_Draw();
    } else {
        fillBoxes(opened.stored.form);
        showMessages(opened.messages);
    }
}

void frmEdit2::fillBoxes(const carnival::ResultForm& form)
{
    for (std::size_t i = 0; i < 4; ++i) {
        const carnival::Placing& placing = form.places[i];
        rows[i].name->setText(qtext(placing.name));
        // A house stands beside a name only; the first row always has one.
        if (i == 0 || !placing.name.empty())
            chooseHouse(rows[i].house, qtext(placing.house));
        rows[i].td->setText(qtext(placing.td));
    }
}

void frmEdit2::Manage_Draw()
{
    // The measure is looked up again from the second event on; the "100m"
    // rule is not applied again.
    if (carnival::lookUpEventKind(1))
        showEventKind();
    cmdGo->setEnabled(false);
    cmdCancel->setVisible(true);
    cmdCancel->setEnabled(true);
}

void frmEdit2::Form_Unload()
{
    Forms::show<shell::frmMain>();
}

void frmEdit2::leaveWithFreshMainWindow()
{
    // The main window is loaded anew by this window's unloading
    // (Form_Unload). Loading it here as well would, when its data files
    // fail, load it a second time from Form_Unload while the program stops,
    // and report the failure twice.
    Forms::unload<shell::frmMain>();
    hide();
    Forms::unload(this);
}

void frmEdit2::cmdGo_Click()
{
    const auto form = readBoxes();
    if (!form)
        return;
    const carnival::SaveOutcome outcome = carnival::saveEditedResult(*form);
    if (outcome.refusal == carnival::Refusal::InvalidForm) {
        platform::showMsgBox(
            "Please fill in the form correctly before clicking \"Save Event\". Click Help for more details.", 48,
            "Oops!");
        return;
    }
    leaveUnlessRefused(outcome);
}

void frmEdit2::leaveUnlessRefused(const carnival::SaveOutcome& outcome)
{
    showMessages(outcome.messages);
    // After a carnival change nothing can be saved or deleted here any more.
    if (outcome.refusal == carnival::Refusal::NotSaved)
        return;
    leaveWithFreshMainWindow();
}

void frmEdit2::cmdCancel_Click()
{
    platform::showMsgBox("Are you sure you wish to delete this event?", 20);
    if (carnival::modDeclareGlobals().lastMsgBoxAnswer != platform::kAnswerYes)
        return;
    leaveUnlessRefused(carnival::deleteChosenResult());
}

} // namespace results
