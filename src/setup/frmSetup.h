#pragma once

#include "platform/forms.h"

class QLineEdit;
class QPushButton;

namespace carnival {
struct NewCarnival;
}

namespace setup {

// "New Carnival": backs up the current carnival and starts a new one of the
// chosen type and year, or runs the house names and last wizard step again.
class frmSetup : public platform::Form {
    Q_OBJECT
public:
    frmSetup();

    void Form_Load() override;

    void cmdathletics_Click();
    void cmdSwimming_Click();
    void Command1_Click();
    void Command3_Click();

private:
    void startNewCarnival(const carnival::NewCarnival& kind);

    QLineEdit* txtYear;
    QPushButton* cmdathletics;
    QPushButton* cmdSwimming;
    QPushButton* Command1;
    QPushButton* Command3;
};

} // namespace setup
