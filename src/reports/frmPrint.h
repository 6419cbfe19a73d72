#pragma once

#include "report_menu.h"

namespace reports {

// "Print What?": prints the progressive points and the records itself, and
// opens the windows of the event report and the age champions.
class frmPrint : public ReportMenu {
    Q_OBJECT
public:
    frmPrint();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command5_Click();
    void Command4_Click();
};

} // namespace reports
