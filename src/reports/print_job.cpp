#include "print_job.h"

#include "platform/latin1.h"
#include "platform/msgbox.h"
#include "platform/printer.h"

using platform::Printer;

namespace reports {

void printTitle(const QString& title)
{
    Printer::setFontSize(16);
    Printer::setBold(true);
    Printer::setFontName("Tahoma");
    Printer::printLine({ carnival::PrintItem::ofText(platform::bytes(title)) });
    Printer::setFontSize(12);
    Printer::setBold(false);
    Printer::printLine({});
}

void printFooterLines()
{
    Printer::setFontSize(9);
    Printer::printLine({});
    Printer::printLine({ carnival::PrintItem::ofText(platform::bytes(kPrintFooter)) });
}

bool endPrintJob()
{
    if (const auto failure = Printer::endDoc()) {
        platform::showMsgBox(*failure, 48);
        return false;
    }
    return true;
}

bool printFooter()
{
    printFooterLines();
    return endPrintJob();
}

void showDone()
{
    platform::showMsgBox("Done!");
}

} // namespace reports
