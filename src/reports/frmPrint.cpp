#include "frmPrint.h"

#include "frmPrintAgeChamps.h"
#include "frmPrintEvent.h"
#include "print_job.h"
#include "records_printout.h"

#include "carnival/carnival_state.h"
#include "carnival/data_error.h"
#include "carnival/data_files.h"
#include "carnival/report_lines.h"
#include "platform/latin1.h"
#include "platform/msgbox.h"
#include "platform/printer.h"

using platform::Forms;

namespace reports {

frmPrint::frmPrint()
    : ReportMenu("frmPrint", "Print What?")
{
    addButton("Command1", "Print Progressive Points", &frmPrint::Command1_Click);
    addButton("Command2", "Print Age Champions", &frmPrint::Command2_Click);
    addButton("Command3", "Print an Event", &frmPrint::Command3_Click);
    addButton("Command5", "Print Records", &frmPrint::Command5_Click);
    addButton("Command4", "Cancel", &frmPrint::Command4_Click);
}

void frmPrint::Command1_Click()
{
    auto& state = carnival::modDeclareGlobals();
    try {
        carnival::readPointsFile();
    } catch (const carnival::DataFileError& error) {
        platform::showMsgBox(platform::qtext(error.userMessage()), 48);
        return;
    }
    printTitle("Progressive Point Score");
    for (const auto& line : carnival::progressivePointLines(state.houseNames, state.housePoints))
        platform::Printer::printLine(line);
    if (printFooter())
        showDone();
}

void frmPrint::Command2_Click()
{
    Forms::load<frmPrintAgeChamps>();
    hide();
    Forms::show<frmPrintAgeChamps>();
}

void frmPrint::Command3_Click()
{
    Forms::show<frmPrintEvent>();
}

void frmPrint::Command5_Click()
{
    printRecords();
}

void frmPrint::Command4_Click()
{
    hide();
    Forms::unload(this);
}

} // namespace reports
