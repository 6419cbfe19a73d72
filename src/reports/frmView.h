#pragma once

#include "report_menu.h"

namespace reports {

// "View What?": opens the windows of the age champions, the event report and
// the records.
class frmView : public ReportMenu {
    Q_OBJECT
public:
    frmView();

    void Command2_Click();
    void Command3_Click();
    void Command5_Click();
    void Command4_Click();
};

} // namespace reports
