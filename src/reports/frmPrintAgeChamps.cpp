#include "frmPrintAgeChamps.h"

#include "frmPrint.h"
#include "print_job.h"
#include "report_controls.h"

#include "carnival/agechamp_ranking.h"
#include "carnival/carnival_state.h"
#include "carnival/data_error.h"
#include "platform/controls.h"
#include "platform/latin1.h"
#include "platform/msgbox.h"
#include "platform/printer.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>

#include <optional>

namespace reports {

namespace {

using carnival::AgeChampEntry;
using carnival::PrintItem;
using platform::Printer;

struct Group {
    std::string age;
    std::string sex;
    std::vector<AgeChampEntry> ranking;
};

// The ranking of a group, each file read once; a file that cannot be read is
// named to the user and nothing is returned.
std::optional<std::vector<Group>> rankGroups(const std::vector<std::pair<std::string, std::string>>& choices)
{
    std::vector<Group> groups;
    try {
        for (const auto& [age, sex] : choices)
            groups.push_back({ age, sex, carnival::rankAgeChampGroup(age, sex) });
    } catch (const carnival::DataFileError& error) {
        platform::showMsgBox(platform::qtext(error.userMessage()), 48);
        return std::nullopt;
    }
    return groups;
}

// Every group in the order of the printout: the boys' ages, then the girls'.
std::vector<std::pair<std::string, std::string>> allGroups()
{
    std::vector<std::pair<std::string, std::string>> choices;
    for (const std::string& sex : carnival::kSexes)
        for (const std::string& age : carnival::kAgeGroups)
            choices.emplace_back(age, sex);
    return choices;
}

} // namespace

frmPrintAgeChamps::frmPrintAgeChamps()
{
    setObjectName("frmPrintAgeChamps");
    setWindowTitle("Print Age Champions");

    cboage = makeAgeList(this);
    cboSex = makeSexList(this);
    auto* cmdGo = platform::namedButton("cmdGo", "Print", this, 65);
    auto* Command1 = platform::namedButton("Command1", "Print All", this, 65);
    auto* cmdCancel = platform::namedButton("cmdCancel", "Cancel", this, 65);
    connect(cmdGo, &QPushButton::clicked, this, &frmPrintAgeChamps::cmdGo_Click);
    connect(Command1, &QPushButton::clicked, this, &frmPrintAgeChamps::Command1_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPrintAgeChamps::cmdCancel_Click);

    auto* grid = new QGridLayout(this);
    grid->addWidget(cboage, 0, 0, 1, 3);
    grid->addWidget(cboSex, 0, 3, 1, 3);
    grid->addWidget(cmdGo, 1, 0, 1, 2);
    grid->addWidget(Command1, 1, 2, 1, 2);
    grid->addWidget(cmdCancel, 1, 4, 1, 2);
    grid->setVerticalSpacing(14);
}

void frmPrintAgeChamps::print_it(const std::string& age, const std::string& sex,
    const std::vector<AgeChampEntry>& ranking)
{
    printTitle(platform::qtext(carnival::ageChampTitle(age, sex)));
    Printer::setUnderline(true);
    Printer::printLine({ PrintItem::ofText("Name:"), PrintItem::ofText("Points:") });
    Printer::printLine({});
    Printer::setUnderline(false);
    for (const AgeChampEntry& entry : ranking)
        Printer::printLine({ PrintItem::ofText(entry.name.raw()), PrintItem::ofNumber(entry.points) });
    printFooterLines();
}

void frmPrintAgeChamps::cmdGo_Click()
{
    const std::string age = platform::bytes(cboage->currentText());
    const std::string sex = platform::bytes(cboSex->currentText());
    const auto groups = rankGroups({ { age, sex } });
    if (!groups)
        return;
    const Group& group = groups->front();
    print_it(group.age, group.sex, group.ranking);
    const bool printed = endPrintJob();
    platform::returnToMenu<frmPrint>(this);
    if (printed)
        showDone();
}

void frmPrintAgeChamps::Command1_Click()
{
    const auto groups = rankGroups(allGroups());
    if (!groups)
        return;
    for (const Group& group : *groups)
        print_it(group.age, group.sex, group.ranking);
    endPrintJob();
}

void frmPrintAgeChamps::cmdCancel_Click()
{
    platform::returnToMenu<frmPrint>(this);
}

} // namespace reports
