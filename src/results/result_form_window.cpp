#include "result_form_window.h"

#include "carnival/carnival_state.h"
#include "carnival/data_error.h"
#include "carnival/data_files.h"
#include "carnival/fixed_text.h"
#include "carnival/record_check.h"
#include "carnival/records_file.h"
#include "platform/controls.h"
#include "platform/help.h"
#include "platform/latin1.h"
#include "platform/msgbox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using platform::bytes;
using platform::qtext;

namespace results {

namespace {
constexpr int kButtonWidth = 110;
} // namespace

ResultFormWindow::ResultFormWindow(const char* objectName, const QString& caption, const QString& cancelCaption)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);

    lbltitle = platform::namedLabel("lbltitle", QString(), this);
    QFont titleFont = lbltitle->font();
    titleFont.setPointSize(18);
    lbltitle->setFont(titleFont);

    auto* grid = new QGridLayout;
    grid->addWidget(platform::namedLabel("Label1", "Name:", this), 0, 1);
    grid->addWidget(platform::namedLabel("Label6", "House:", this), 0, 2);
    lbltd = platform::namedLabel("lbltd", QString(), this);
    grid->addWidget(lbltd, 0, 3);

    const char* rowHeads[] = { "1st:", "2nd:", "3rd:", "4th:" };
    const char* headNames[] = { "Label2", "Label3", "Label4", "Label5" };
    const char* prefixes[] = { "1st", "2nd", "3rd", "4th", "Draw" };
    for (int i = 0; i < 5; ++i) {
        const QString prefix = QString::fromLatin1(prefixes[i]);
        Row& row = rows[static_cast<std::size_t>(i)];
        row.name = new QLineEdit(this);
        row.name->setObjectName("txt" + prefix + "Name");
        row.name->setMinimumWidth(220);
        row.house = new QComboBox(this);
        row.house->setObjectName("cbo" + prefix + "House");
        row.house->setMinimumWidth(150);
        row.td = new QLineEdit(this);
        row.td->setObjectName("txt" + prefix + "TD");
        row.td->setMaximumWidth(110);
        if (i < 4)
            grid->addWidget(platform::namedLabel(headNames[i], QString::fromLatin1(rowHeads[i]), this), i + 1, 0);
        grid->addWidget(row.name, i + 1, 1);
        grid->addWidget(row.house, i + 1, 2);
        grid->addWidget(row.td, i + 1, 3);
    }
    rows[4].name->setText(qtext(carnival::kDrawLineDefault));
    grid->setColumnStretch(1, 1);

    lblrecord = platform::namedLabel("lblrecord", QString(), this);
    lblrecord->setWordWrap(true);
    lblrecord->setMinimumHeight(lblrecord->fontMetrics().lineSpacing() * 2 + 4);

    cmdGo = platform::namedButton("cmdGo", "Save Event", this, kButtonWidth);
    cmdCancel = platform::namedButton("cmdCancel", cancelCaption, this, kButtonWidth);
    auto* Command1 = platform::namedButton("Command1", "Help", this, kButtonWidth);
    connect(Command1, &QPushButton::clicked, this, &ResultFormWindow::Command1_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdGo);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(Command1);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lbltitle);
    layout->addLayout(grid);
    layout->addWidget(lblrecord);
    layout->addLayout(buttons);

    QWidget* previous = nullptr;
    for (const Row& row : rows) {
        for (QWidget* control : { static_cast<QWidget*>(row.name), static_cast<QWidget*>(row.house),
                 static_cast<QWidget*>(row.td) }) {
            if (previous)
                setTabOrder(previous, control);
            previous = control;
        }
    }
    setTabOrder(previous, cmdGo);
    setTabOrder(cmdGo, cmdCancel);
    setTabOrder(cmdCancel, Command1);
}

std::optional<carnival::ResultForm> ResultFormWindow::readBoxes() const
{
    const bool distance = carnival::trimBlanks(carnival::modDeclareGlobals().eventKind) == "Distance";
    const QString measure = distance ? "the distance" : "the time";
    const char* rowNames[] = { "of 1st place", "of 2nd place", "of 3rd place", "of 4th place", "on the draw line" };

    carnival::ResultForm form;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        const QString where = QString::fromLatin1(rowNames[i]);
        const auto name = platform::storableText(row.name->text(), "the name " + where);
        if (!name)
            return std::nullopt;
        const auto td = platform::storableText(row.td->text(), measure + " " + where);
        if (!td)
            return std::nullopt;
        const bool chosen = row.house->currentIndex() >= 0;
        carnival::Placing& placing = i < 4 ? form.places[i] : form.drawLine;
        placing = carnival::Placing { *name, chosen ? bytes(row.house->currentText()) : std::string(), *td, chosen };
    }
    return form;
}

void ResultFormWindow::fillHouseLists()
{
    const auto& names = carnival::modDeclareGlobals().houseNames;
    for (const Row& row : rows) {
        for (const auto& name : names)
            row.house->addItem(qtext(name));
        row.house->setCurrentIndex(-1);
    }
}

void ResultFormWindow::chooseHouse(QComboBox* list, const QString& house)
{
    int index = list->findText(house, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0 && !house.isEmpty()) {
        list->addItem(house);
        index = list->count() - 1;
    }
    list->setCurrentIndex(index);
}

void ResultFormWindow::applyHundredMetresRule()
{
    auto& state = carnival::modDeclareGlobals();
    if (carnival::trimBlanks(state.selectedEvent) == "100m") {
        lbltd->setText("Time:");
        state.eventKind = "Time";
    }
}

void ResultFormWindow::showRecordLine()
{
    const auto& state = carnival::modDeclareGlobals();
    try {
        const auto caption = carnival::recordCaption(carnival::recordsFilePath(state.carnivalType),
            carnival::recordKey(state.selectedAge, state.selectedSex, state.selectedEvent), state.eventKind);
        if (caption)
            lblrecord->setText(qtext(*caption));
    } catch (const carnival::DataFileError& error) {
        lblrecord->setText(qtext(error.userMessage()));
    }
}

void ResultFormWindow::Command1_Click()
{
    platform::openHelpPage("\\Blank Page 2.htm");
}

void ResultFormWindow::showMessages(const std::vector<std::string>& messages)
{
    for (const std::string& message : messages)
        platform::showMsgBox(qtext(message));
}

} // namespace results
