#pragma once

#include "platform/forms.h"

class QComboBox;
class QPlainTextEdit;

namespace reports {

// "View Age Champions": the ranked competitors of one age group and sex.
class frmViewAgeChamps : public platform::Form {
    Q_OBJECT
public:
    frmViewAgeChamps();

    void cmdGo_Click();
    void cmdCancel_Click();

private:
    QPlainTextEdit* txtIWindow;
    QComboBox* cboage;
    QComboBox* cboSex;
};

} // namespace reports
