#include "Form1.h"

#include "Module1.h"

#include "carnival/data_error.h"
#include "carnival/records_tools.h"
#include "platform/controls.h"
#include "platform/latin1.h"
#include "platform/msgbox.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quillmere {

namespace {

const QString kTitle = QStringLiteral("Quillmere");

// A focused box selects this many characters from the caret: the whole of a
// shown field, so that typing replaces it.
constexpr int kSelectedLength = 30;

QLineEdit* namedBox(const char* name, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

// Wide enough for the sample text with a little room.
void fitWidthTo(QLineEdit* box, const QString& sample)
{
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(sample) + 16);
}

void showIn(QLineEdit* box, const QString& text)
{
    box->setText(text);
    box->setCursorPosition(0);
}

// The caret stays where it is, so the start of the text stays in view.
void selectFromCaret(QLineEdit* box)
{
    const int caret = box->cursorPosition();
    const int end = std::min(caret + kSelectedLength, static_cast<int>(box->text().size()));
    box->setCursorPosition(end);
    box->cursorBackward(true, end - caret);
}

// Why a box's text cannot reach the records file, or nothing: the file holds
// single-byte text without control characters.
std::optional<QString> unstorableCharacter(const QString& boxName, const QString& text)
{
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        const bool control = code < 0x20 || (code >= 0x7F && code < 0xA0);
        if (control || code > 0xFF)
            return "The " + boxName + " box holds " + (control ? QString("a control character") : "the character \"" + QString(c) + "\"")
                + ", which the records file cannot hold. Please change it.";
    }
    return std::nullopt;
}

void tell(const QString& message, int style)
{
    platform::showMsgBoxDroppingAnswer(message, style, kTitle);
}

} // namespace

Form1::Form1()
{
    setObjectName("Form1");
    setWindowTitle(kTitle);

    Label1 = platform::namedLabel("Label1", "Event:", this);
    Label2 = platform::namedLabel("Label2", "Name:", this);
    Label4 = platform::namedLabel("Label4", "Time/Distance:", this);
    Label3 = platform::namedLabel("Label3", "Year:", this);
    Text1 = namedBox("Text1", this);
    Text1->setEnabled(false);
    Text2 = namedBox("Text2", this);
    Text4 = namedBox("Text4", this);
    Text3 = namedBox("Text3", this);
    fitWidthTo(Text1, "17+Girls50mBreaststroke");
    fitWidthTo(Text2, "Orvald Pennimore Askey");
    Text4->setMinimumWidth(81);
    Text3->setMinimumWidth(81);
    Label5 = platform::namedLabel("Label5",
        "Choose your type of Carnival by clicking \"Athletics\" or \"Swimming\" and then enter your records, "
        "clicking next to save the current event and then open the next.",
        this);
    Label5->setWordWrap(true);
    Command3 = platform::namedButton("Command3", "Athletics", this, 81);
    Command4 = platform::namedButton("Command4", "Swimming", this, 81);
    Command1 = platform::namedButton("Command1", "Next ->", this, 81);
    Command2 = platform::namedButton("Command2", "Quit", this, 89);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(16);
    int column = 0;
    for (auto [label, box] : { std::pair { Label1, Text1 }, { Label2, Text2 }, { Label4, Text4 }, { Label3, Text3 } }) {
        fields->addWidget(label, 0, column);
        fields->addWidget(box, 1, column++);
    }
    fields->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command3);
    buttons->addStretch();
    buttons->addWidget(Command4);
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addStretch();
    buttons->addWidget(Command2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(Label5);
    layout->addLayout(buttons);

    // The focus runs name, time or distance, year, "Next ->", "Quit", then
    // the two type buttons; the key box is never focused.
    QWidget* order[] = { Text2, Text4, Text3, Command1, Command2, Command3, Command4 };
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    for (QLineEdit* box : { Text2, Text3, Text4 })
        box->installEventFilter(this);
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    // Coming back from a box's own menu (say, after Paste) is not entering it.
    if (event->type() == QEvent::FocusIn && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        if (watched == Text2)
            Text2_GotFocus();
        else if (watched == Text3)
            Text3_GotFocus();
        else if (watched == Text4)
            Text4_GotFocus();
    }
    return platform::Form::eventFilter(watched, event);
}

void Form1::Form_Load()
{
    module1() = Module1 {};
    Command1->setEnabled(false);
}

void Form1::Command3_Click()
{
    chooseRecordsFile(carnival::kAthleticsRecords);
}

void Form1::Command4_Click()
{
    chooseRecordsFile(carnival::kSwimmingRecords);
}

void Form1::chooseRecordsFile(std::string_view programPath)
{
    std::vector<carnival::RecordEntry> records;
    try {
        records = carnival::recordsToEdit(programPath);
    } catch (const carnival::DataFileError& error) {
        tell(platform::qtext(error.userMessage()), 16);
        return;
    }
    Module1& state = module1();
    Command1->setEnabled(true);
    state.fileChosen = true;
    state.currentRecord = records.at(static_cast<std::size_t>(state.recordNumber - 1));
    showRecord();
    Command3->setEnabled(false);
    Command4->setEnabled(false);
    state.recordsPath = programPath;
}

void Form1::Command1_Click()
{
    const std::optional<carnival::RecordEntry> record = typedRecord();
    if (!record)
        return;
    const auto records = store(*record);
    if (!records)
        return;
    Module1& state = module1();
    if (carnival::endsTheWalk(*records, state.recordNumber)) {
        tell("Finished!", 0);
        platform::endProgram();
        return;
    }
    ++state.recordNumber;
    state.currentRecord = (*records)[static_cast<std::size_t>(state.recordNumber - 1)];
    showRecord();
}

void Form1::Command2_Click()
{
    if (module1().fileChosen) {
        const std::optional<carnival::RecordEntry> record = typedRecord();
        if (!record || !store(*record))
            return;
        tell("Records Saved!", 0);
    }
    platform::endProgram();
}

void Form1::Text2_GotFocus()
{
    selectFromCaret(Text2);
}

void Form1::Text3_GotFocus()
{
    selectFromCaret(Text3);
}

void Form1::Text4_GotFocus()
{
    selectFromCaret(Text4);
}

void Form1::showRecord()
{
    const carnival::RecordEntry& record = module1().currentRecord;
    showIn(Text1, platform::qtext(record.key.shown()));
    showIn(Text2, platform::qtext(record.holder.shown()));
    showIn(Text3, platform::qtext(record.year.shown()));
    showIn(Text4, QString::number(record.value));
}

std::optional<carnival::RecordEntry> Form1::typedRecord()
{
    const std::pair<QLineEdit*, QString> boxes[] = { { Text2, "Name" }, { Text4, "Time/Distance" }, { Text3, "Year" } };
    for (const auto& [box, name] : boxes) {
        if (const auto problem = unstorableCharacter(name, box->text())) {
            tell(*problem, 48);
            box->setFocus();
            return std::nullopt;
        }
    }
    const std::optional<std::int32_t> value = carnival::typedRecordValue(platform::bytes(Text4->text()));
    if (!value) {
        tell("The time or distance \"" + Text4->text()
                + "\" cannot be stored: a record holds whole numbers from -2147483648 to 2147483647.",
            48);
        Text4->setFocus();
        return std::nullopt;
    }
    carnival::RecordEntry record = module1().currentRecord;
    record.holder.assign(platform::bytes(Text2->text()));
    record.year.assign(platform::bytes(Text3->text()));
    record.value = *value;
    return record;
}

std::optional<std::vector<carnival::RecordEntry>> Form1::store(const carnival::RecordEntry& record)
{
    Module1& state = module1();
    try {
        std::vector<carnival::RecordEntry> records = carnival::storeRecordInFile(state.recordsPath, state.recordNumber, record);
        state.currentRecord = record;
        return records;
    } catch (const carnival::DataFileError& error) {
        tell(platform::qtext(error.userMessage()) + " The record on screen has not been saved.", 16);
        return std::nullopt;
    }
}

} // namespace quillmere
