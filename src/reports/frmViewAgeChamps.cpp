#include "frmViewAgeChamps.h"

#include "frmView.h"
#include "report_controls.h"

#include "carnival/agechamp_ranking.h"
#include "carnival/data_error.h"
#include "platform/controls.h"
#include "platform/latin1.h"
#include "platform/msgbox.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace reports {

namespace {
// A row: the 30-character name, six blanks and a total.
constexpr int kRowColumns = 44;
constexpr int kVisibleRows = 16;
} // namespace

frmViewAgeChamps::frmViewAgeChamps()
{
    setObjectName("frmViewAgeChamps");
    setWindowTitle("View Age Champions");

    txtIWindow = makeListingBox(this, kRowColumns, kVisibleRows);
    cboage = makeAgeList(this);
    cboSex = makeSexList(this);
    auto* cmdGo = platform::namedButton("cmdGo", "View", this, 81);
    auto* cmdCancel = platform::namedButton("cmdCancel", "Cancel", this, 81);
    connect(cmdGo, &QPushButton::clicked, this, &frmViewAgeChamps::cmdGo_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmViewAgeChamps::cmdCancel_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtIWindow);
    layout->addLayout(centredRow({ cboage, cboSex }, 14));
    layout->addLayout(centredRow({ cmdGo, cmdCancel }, 30));
}

void frmViewAgeChamps::cmdGo_Click()
{
    const std::string age = platform::bytes(cboage->currentText());
    const std::string sex = platform::bytes(cboSex->currentText());
    try {
        const auto ranking = carnival::rankAgeChampGroup(age, sex);
        showListing(txtIWindow, carnival::ageChampViewText(carnival::ageChampTitle(age, sex), ranking));
    } catch (const carnival::DataFileError& error) {
        // The box must not go on showing another group under this choice.
        txtIWindow->clear();
        platform::showMsgBox(platform::qtext(error.userMessage()), 48);
    }
}

void frmViewAgeChamps::cmdCancel_Click()
{
    platform::returnToMenu<frmView>(this);
}

} // namespace reports
