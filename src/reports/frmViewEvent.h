#pragma once

#include "event_report_window.h"

#include <array>
#include <string>

class QLabel;
class QLineEdit;

namespace reports {

// "Choose Event to View": shows the stored result of one event after another.
class frmViewEvent : public EventReportWindow {
    Q_OBJECT
public:
    frmViewEvent();

    void cmdGo_Click();
    void cmdCancel_Click();

    // Shows the event result at path in the window.
    void viewit(const std::string& path);

private:
    struct Row {
        QLineEdit* name;
        QLineEdit* house;
        QLineEdit* td;
    };

    static void showPlacing(const Row& row, const carnival::Placing& placing);

    QLabel* lbltitle;
    std::array<Row, 4> places_;
    Row drawRow_;
};

} // namespace reports
