#pragma once

#include "result_form_window.h"

namespace results {

// "Enter Information": the result of the chosen event, saved and scored.
class frmEnter2 : public ResultFormWindow {
    Q_OBJECT
public:
    frmEnter2();

    void Form_Load() override;
    void Form_Unload() override;

    void cmdGo_Click();
    void cmdCancel_Click();
};

} // namespace results
