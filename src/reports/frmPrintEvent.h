#pragma once

#include "results/event_lists.h"

#include "platform/forms.h"

#include <string>

namespace reports {

// "Choose Event to Print": prints the stored result of one event.
class frmPrintEvent : public platform::Form {
    Q_OBJECT
public:
    frmPrintEvent();

    void Form_Load() override;
    void cmdGo_Click();
    void cmdCancel_Click();

    // Prints the event result at path and closes the window.
    void printit(const std::string& path);

private:
    results::EventLists lists_;
};

} // namespace reports
