#include "frmView.h"

#include "frmViewAgeChamps.h"
#include "frmViewEvent.h"
#include "frmViewRecords.h"

using platform::Forms;

namespace reports {

frmView::frmView()
    : ReportMenu("frmView", "View What?")
{
    addButton("Command2", "View Age Champions", &frmView::Command2_Click);
    addButton("Command3", "View an Event", &frmView::Command3_Click);
    addButton("Command5", "View Records", &frmView::Command5_Click);
    addButton("Command4", "Cancel", &frmView::Command4_Click);
}

void frmView::Command2_Click()
{
    Forms::load<frmViewAgeChamps>();
    hide();
    Forms::show<frmViewAgeChamps>();
}

void frmView::Command3_Click()
{
    Forms::show<frmViewEvent>();
}

void frmView::Command5_Click()
{
    Forms::show<frmViewRecords>();
}

void frmView::Command4_Click()
{
    hide();
    Forms::unload(this);
}

} // namespace reports
