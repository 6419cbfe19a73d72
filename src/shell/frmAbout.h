#pragma once

#include "platform/forms.h"

namespace shell {

// "About Ostrivale": the program's name and version, its web page and the
// platform's System Information program.
class frmAbout : public platform::Form {
    Q_OBJECT
public:
    frmAbout();

    void Form_Unload() override;

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void Command1_Click();

private:
    void StartSysInfo();
};

} // namespace shell
