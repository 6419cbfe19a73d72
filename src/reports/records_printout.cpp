#include "records_printout.h"

#include "print_job.h"

#include "carnival/carnival_state.h"
#include "carnival/data_error.h"
#include "carnival/records_listing.h"
#include "platform/latin1.h"
#include "platform/msgbox.h"
#include "platform/printer.h"

namespace reports {

namespace {

using carnival::PrintItem;
using platform::Printer;

const QString kFixedWidthFont = QStringLiteral("Courier New");

} // namespace

void printRecords()
{
    if (platform::showMsgBox("Are you sure you wish to print this?", 4) != platform::kAnswerYes)
        return;
    std::string body;
    try {
        body = carnival::listRecords();
    } catch (const carnival::DataFileError& error) {
        platform::showMsgBox(platform::qtext(error.userMessage()), 48);
        return;
    }

    Printer::setFontSize(16);
    Printer::setBold(true);
    Printer::setFontName("Tahoma");
    Printer::printLine({ PrintItem::ofText("Records for " + carnival::modDeclareGlobals().carnivalType) });
    Printer::setFontSize(12);
    Printer::setFontName(kFixedWidthFont);
    Printer::printLine({ PrintItem::ofText(carnival::recordsPrintHeading()) });
    Printer::setBold(false);
    Printer::printLine({});
    Printer::printLine({ PrintItem::ofText(carnival::recordsPrintBody(body)) });
    Printer::setFontName("Tahoma");
    if (printFooter())
        showDone();
}

} // namespace reports
