#pragma once

#include "event_report_window.h"

#include <string>

namespace reports {

// "Choose Event to Print": prints the stored result of one event.
class frmPrintEvent : public EventReportWindow {
    Q_OBJECT
public:
    frmPrintEvent();

    void cmdGo_Click();
    void cmdCancel_Click();

    // Prints the event result at path and closes the window.
    void printit(const std::string& path);
};

} // namespace reports
