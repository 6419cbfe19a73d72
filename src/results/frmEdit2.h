#pragma once

#include "result_form_window.h"

namespace carnival {
struct SaveOutcome;
}

namespace results {

// "Edit Information": an entered event, its points taken back on opening,
// saved again or deleted.
class frmEdit2 : public ResultFormWindow {
    Q_OBJECT
public:
    frmEdit2();

    void Form_Load() override;
    void Form_Unload() override;

    void cmdGo_Click();
    void cmdCancel_Click();

private:
    void showEventKind();
    void fillBoxes(const carnival::ResultForm& form);
    void Manage_Draw();
    void leaveWithFreshMainWindow();
    // Shows what a save or a deletion said, and leaves unless it was refused.
    void leaveUnlessRefused(const carnival::SaveOutcome& outcome);
};

} // namespace results
