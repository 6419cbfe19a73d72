#include "frmPrintEvent.h"

#include "frmPrint.h"
#include "print_job.h"

#include "carnival/data_error.h"
#include "carnival/paths.h"
#include "carnival/report_lines.h"
#include "platform/controls.h"
#include "platform/latin1.h"
#include "platform/msgbox.h"
#include "platform/printer.h"

#include <QComboBox>
#include <QGridLayout>

using platform::bytes;
using platform::Printer;
using platform::qtext;

namespace reports {

frmPrintEvent::frmPrintEvent()
    : lists_(this)
{
    setObjectName("frmPrintEvent");
    setWindowTitle("Choose Event to Print");
    lists_.cboage->setMinimumWidth(65);
    lists_.cboSex->setMinimumWidth(57);
    lists_.cboEvent->setMinimumWidth(145);

    auto* cmdGo = platform::namedButton("cmdGo", "Print", this);
    auto* cmdCancel = platform::namedButton("cmdCancel", "Cancel", this);
    for (QPushButton* button : { cmdGo, cmdCancel })
        button->setMinimumSize(81, 33);
    connect(cmdGo, &QPushButton::clicked, this, &frmPrintEvent::cmdGo_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPrintEvent::cmdCancel_Click);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 5, 8, 8);
    grid->addWidget(lists_.cboage, 0, 0, 1, 2);
    grid->addWidget(lists_.cboSex, 0, 2, 1, 2);
    grid->addWidget(lists_.cboEvent, 0, 4, 1, 2);
    grid->addWidget(cmdGo, 1, 1, 1, 2, Qt::AlignCenter);
    grid->addWidget(cmdCancel, 1, 3, 1, 2, Qt::AlignCenter);
    grid->setColumnStretch(5, 1);
}

void frmPrintEvent::Form_Load()
{
    lists_.fillEventCombo();
}

void frmPrintEvent::cmdGo_Click()
{
    const std::string path = lists_.resultPath();
    if (!carnival::fileExists(path)) {
        platform::showMsgBox("Event has not been entered yet.");
        platform::returnToMenu<frmPrint>(this);
        return;
    }
    printit(path);
}

void frmPrintEvent::printit(const std::string& path)
{
    carnival::StoredResult result;
    try {
        result = carnival::readEventResult(path);
    } catch (const carnival::DataFileError& error) {
        platform::showMsgBox(qtext(error.userMessage()), 48);
        return;
    }
    printTitle(qtext(carnival::eventReportTitle(bytes(lists_.age()), bytes(lists_.sex()), bytes(lists_.event()))));
    Printer::setUnderline(true);
    Printer::printLine(carnival::eventReportHeading());
    Printer::setUnderline(false);
    Printer::printLine({});
    for (const auto& line : carnival::eventReportLines(result))
        Printer::printLine(line);
    if (!printFooter())
        return;
    platform::returnToMenu<frmPrint>(this);
    showDone();
}

void frmPrintEvent::cmdCancel_Click()
{
    platform::returnToMenu<frmPrint>(this);
}

} // namespace reports
