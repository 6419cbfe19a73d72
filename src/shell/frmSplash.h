#pragma once

#include "platform/forms.h"

class QFrame;
class QLabel;
class QProgressBar;
class QTimer;

namespace shell {

// The start-up window: a progress bar for a moment, then the first-run
// decision between the set-up wizard and the main window.
class frmSplash : public platform::Form {
    Q_OBJECT
public:
    frmSplash();

    void Form_Load() override;

    void Timer1_Timer();
    void Timer2_Timer();
    void Frame1_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_KeyPress();
    void wizard();

    QFrame* Frame1;
    QProgressBar* ProgressBar1;
    QTimer* Timer1;
    QTimer* Timer2;
};

} // namespace shell
