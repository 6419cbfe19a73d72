#pragma once

#include "carnival/agechamp_file.h"
#include "platform/forms.h"

#include <string>
#include <vector>

class QComboBox;

namespace reports {

// "Print Age Champions": the ranking of one age group and sex, or of all
// twelve groups in one job.
class frmPrintAgeChamps : public platform::Form {
    Q_OBJECT
public:
    frmPrintAgeChamps();

    void cmdGo_Click();
    void Command1_Click();
    void cmdCancel_Click();

    // Prints one group's ranking, footer lines included, into the current
    // print job; the job stays open.
    static void print_it(const std::string& age, const std::string& sex,
        const std::vector<carnival::AgeChampEntry>& ranking);

private:
    QComboBox* cboage;
    QComboBox* cboSex;
};

} // namespace reports
