#include "frmEnter2.h"

#include "carnival/carnival_state.h"
#include "carnival/data_files.h"
#include "carnival/fixed_text.h"
#include "carnival/result_saving.h"
#include "platform/latin1.h"
#include "platform/msgbox.h"
#include "shell/frmMain.h"

#include <QLabel>
#include <QPushButton>

using platform::Forms;
using platform::qtext;

namespace results {

frmEnter2::frmEnter2()
    : ResultFormWindow("frmEnter2", "Enter Information", "Cancel")
{
    connect(cmdGo, &QPushButton::clicked, this, &frmEnter2::cmdGo_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmEnter2::cmdCancel_Click);
}

void frmEnter2::Form_Load()
{
    removeCloseMenu();
    Forms::hide<shell::frmMain>();

    auto& state = carnival::modDeclareGlobals();
    if (carnival::lookUpEventKind())
        lbltd->setText(qtext(carnival::trimBlanks(state.eventKind)) + ":");
    lbltitle->setText("Entering: " + qtext(state.selectedAge) + " " + qtext(state.selectedSex) + " "
        + qtext(carnival::trimBlanks(state.selectedEvent)));
    applyHundredMetresRule();
    showRecordLine();
    fillHouseLists();
}

void frmEnter2::Form_Unload()
{
    Forms::show<shell::frmMain>();
}

void frmEnter2::cmdGo_Click()
{
    const auto form = readBoxes();
    if (!form)
        return;
    const carnival::SaveOutcome outcome = carnival::saveNewResult(*form);
    switch (outcome.refusal) {
    case carnival::Refusal::InvalidForm:
        platform::showMsgBox("Please fill in the form correctly before clicking \"Save Event\". Click Help for more "
                             "information.",
            48, "Oops!");
        return;
    case carnival::Refusal::DrawLineWithoutTie:
        platform::showMsgBox(qtext(carnival::kLeaveDrawBoxesAlone), 48, "Oops!");
        return;
    case carnival::Refusal::TiesTypedDifferently:
        platform::showMsgBox(qtext(carnival::kTiesTypedDifferently), 48, "Oops!");
        return;
    case carnival::Refusal::NotSaved:
        showMessages(outcome.messages);
        return;
    case carnival::Refusal::CarnivalChanged: // nothing can be saved here any more
    case carnival::Refusal::None:
        break;
    }
    showMessages(outcome.messages);
    hide();
    Forms::unload(this);
}

void frmEnter2::cmdCancel_Click()
{
    hide();
    Forms::unload(this);
}

} // namespace results
