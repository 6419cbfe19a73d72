#include "frmPrintEvent.h"

#include "frmPrint.h"
#include "print_job.h"

#include "carnival/report_lines.h"
#include "platform/controls.h"
#include "platform/printer.h"

#include <QComboBox>
#include <QGridLayout>

using platform::Printer;

namespace reports {

frmPrintEvent::frmPrintEvent()
    : EventReportWindow("frmPrintEvent", "Choose Event to Print")
{
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

void frmPrintEvent::cmdGo_Click()
{
    if (const auto path = enteredResultPath()) {
        printit(*path);
        return;
    }
    // Unlike "Cancel", no menu is brought back: the print menu stayed open
    // beside this window, unless the user has closed it.
    hide();
    platform::Forms::unload(this);
}

void frmPrintEvent::printit(const std::string& path)
{
    const auto result = readResult(path);
    if (!result)
        return;
    printTitle(reportTitle());
    Printer::setUnderline(true);
    Printer::printLine(carnival::eventReportHeading());
    Printer::setUnderline(false);
    Printer::printLine({});
    for (const auto& line : carnival::eventReportLines(*result))
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
