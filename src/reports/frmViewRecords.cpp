#include "frmViewRecords.h"

#include "frmView.h"
#include "report_controls.h"

#include "carnival/carnival_state.h"
#include "carnival/data_error.h"
#include "carnival/records_listing.h"
#include "platform/controls.h"
#include "platform/latin1.h"
#include "platform/msgbox.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace reports {

namespace {
// A row: key, holder, year and performance at stops fourteen characters apart.
constexpr int kRowColumns = 92;
constexpr int kVisibleRows = 16;
} // namespace

frmViewRecords::frmViewRecords()
{
    setObjectName("frmViewRecords");
    setWindowTitle("View Records");

    txtIWindow = makeListingBox(this, kRowColumns, kVisibleRows);
    auto* cmdGo = platform::namedButton("cmdGo", "View", this, 81);
    auto* cmdCancel = platform::namedButton("cmdCancel", "Cancel", this, 81);
    connect(cmdGo, &QPushButton::clicked, this, &frmViewRecords::cmdGo_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmViewRecords::cmdCancel_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtIWindow);
    layout->addLayout(centredRow({ cmdGo, cmdCancel }, 30));
}

void frmViewRecords::cmdGo_Click()
{
    try {
        const std::string body = carnival::listRecords();
        showListing(txtIWindow, carnival::recordsViewText(carnival::modDeclareGlobals().carnivalType, body));
    } catch (const carnival::DataFileError& error) {
        platform::showMsgBox(platform::qtext(error.userMessage()), 48);
    }
}

void frmViewRecords::cmdCancel_Click()
{
    platform::returnToMenu<frmView>(this);
}

} // namespace reports
