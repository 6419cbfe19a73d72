#include "frmViewEvent.h"

#include "frmView.h"

#include "platform/controls.h"
#include "platform/latin1.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

using platform::qtext;

namespace reports {

namespace {

QLineEdit* displayBox(const QString& name, int minimumWidth, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setEnabled(false);
    // Disabled so that nothing can be typed, but as easy to read as any text.
    QPalette palette = box->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, palette.color(QPalette::Active, QPalette::Text));
    box->setPalette(palette);
    box->setMinimumWidth(minimumWidth);
    return box;
}

} // namespace

void frmViewEvent::showPlacing(const Row& row, const carnival::Placing& placing)
{
    // Each box shows the start of its text.
    for (auto [box, text] : { std::pair { row.name, &placing.name }, { row.house, &placing.house }, { row.td, &placing.td } }) {
        box->setText(qtext(*text));
        box->setCursorPosition(0);
    }
}

frmViewEvent::frmViewEvent()
    : EventReportWindow("frmViewEvent", "Choose Event to View")
{

    lbltitle = platform::namedLabel("lbltitle", "View Event", this);
    QFont titleFont = lbltitle->font();
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    lbltitle->setFont(titleFont);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    grid->addWidget(platform::namedLabel("Label1", "Name:", this), 0, 0);
    grid->addWidget(platform::namedLabel("Label6", "House:", this), 0, 1);
    grid->addWidget(platform::namedLabel("lbltd", "Time/Distance:", this), 0, 2);
    const char* rowNames[] = { "1st", "2nd", "3rd", "4th", "Draw" };
    for (int i = 0; i < 5; ++i) {
        const QString prefix = QStringLiteral("txt") + rowNames[i];
        const Row row { displayBox(prefix + "Name", 137, this), displayBox(prefix + "House", 81, this),
            displayBox(prefix + "TD", 97, this) };
        grid->addWidget(row.name, i + 1, 0);
        grid->addWidget(row.house, i + 1, 1);
        grid->addWidget(row.td, i + 1, 2);
        if (i < 4)
            places_[static_cast<std::size_t>(i)] = row;
        else
            drawRow_ = row;
    }
    for (QLineEdit* box : { drawRow_.name, drawRow_.house, drawRow_.td }) {
        QSizePolicy policy = box->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        box->setSizePolicy(policy);
        box->hide();
    }

    lists_.cboage->setMinimumWidth(65);
    lists_.cboSex->setMinimumWidth(57);
    lists_.cboEvent->setMinimumWidth(145);
    auto* chooser = new QHBoxLayout;
    chooser->addStretch();
    chooser->addWidget(lists_.cboage);
    chooser->addWidget(lists_.cboSex);
    chooser->addWidget(lists_.cboEvent);
    chooser->addStretch();

    auto* cmdGo = platform::namedButton("cmdGo", "View Event", this);
    auto* cmdCancel = platform::namedButton("cmdCancel", "Cancel", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : { cmdGo, cmdCancel }) {
        button->setMinimumSize(81, 33);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    connect(cmdGo, &QPushButton::clicked, this, &frmViewEvent::cmdGo_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmViewEvent::cmdCancel_Click);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 8, 32, 12);
    layout->addWidget(lbltitle);
    layout->addSpacing(8);
    layout->addLayout(grid);
    layout->addSpacing(12);
    layout->addLayout(chooser);
    layout->addLayout(buttons);
}

void frmViewEvent::cmdGo_Click()
{
    if (const auto path = enteredResultPath())
        viewit(*path);
}

void frmViewEvent::viewit(const std::string& path)
{
    const auto result = readResult(path);
    if (!result)
        return;
    lbltitle->setText("View Event - " + reportTitle());
    for (std::size_t i = 0; i < places_.size(); ++i)
        showPlacing(places_[i], result->form.places[i]);
    for (QLineEdit* box : { drawRow_.name, drawRow_.house, drawRow_.td })
        box->setVisible(result->isDraw);
    if (result->isDraw)
        showPlacing(drawRow_, result->form.drawLine);
}

void frmViewEvent::cmdCancel_Click()
{
    platform::returnToMenu<frmView>(this);
}

} // namespace reports
