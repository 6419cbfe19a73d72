#pragma once

#include "platform/forms.h"

class QPlainTextEdit;

namespace reports {

// "View Records": the set records of the current carnival type in a box.
class frmViewRecords : public platform::Form {
    Q_OBJECT
public:
    frmViewRecords();

    void cmdGo_Click();
    void cmdCancel_Click();

private:
    QPlainTextEdit* txtIWindow;
};

} // namespace reports
