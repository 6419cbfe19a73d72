#include "event_report_window.h"

#include "carnival/data_error.h"
#include "carnival/paths.h"
#include "carnival/report_lines.h"
#include "platform/latin1.h"
#include "platform/msgbox.h"

using platform::bytes;
using platform::qtext;

namespace reports {

EventReportWindow::EventReportWindow(const char* objectName, const QString& caption)
    : lists_(this)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
}

void EventReportWindow::Form_Load()
{
    lists_.fillEventCombo();
}

std::optional<std::string> EventReportWindow::enteredResultPath() const
{
    std::string path = lists_.resultPath();
    if (carnival::fileExists(path))
        return path;
    platform::showMsgBox("Event has not been entered yet.");
    return std::nullopt;
}

std::optional<carnival::StoredResult> EventReportWindow::readResult(const std::string& path)
{
    try {
        return carnival::readEventResult(path);
    } catch (const carnival::DataFileError& error) {
        platform::showMsgBox(qtext(error.userMessage()), 48);
        return std::nullopt;
    }
}

QString EventReportWindow::reportTitle() const
{
    return qtext(carnival::eventReportTitle(bytes(lists_.age()), bytes(lists_.sex()), bytes(lists_.event())));
}

} // namespace reports
