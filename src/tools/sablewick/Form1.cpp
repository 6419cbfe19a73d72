#include "Form1.h"

#include "carnival/data_error.h"
#include "carnival/records_tools.h"
#include "platform/controls.h"
#include "platform/latin1.h"
#include "platform/msgbox.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace sablewick {

namespace {

const QString kTitle = QStringLiteral("Sablewick");

// The free area on the left that receives the printed text, and the buttons'
// size, in pixels.
constexpr int kPrintAreaWidth = 232;
constexpr int kButtonWidth = 177;
constexpr int kButtonHeight = 41;
constexpr int kPrintMargin = 4;

bool confirmed(const QString& question, int style)
{
    return platform::showMsgBoxDroppingAnswer(question, style, kTitle) == platform::kAnswerYes;
}

} // namespace

Form1::Form1()
{
    setObjectName("Form1");
    setWindowTitle(kTitle);

    Command1 = platform::namedButton("Command1", "Generate Null Athletic Records", this, kButtonWidth);
    Command3 = platform::namedButton("Command3", "Generate Null Swimming Records", this, kButtonWidth);
    Command2 = platform::namedButton("Command2", "Check", this, kButtonWidth);
    Command4 = platform::namedButton("Command4", "Quit", this, kButtonWidth);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(7);
    for (QPushButton* button : { Command1, Command3, Command2, Command4 }) {
        button->setMinimumHeight(kButtonHeight);
        buttons->addWidget(button);
    }
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 8, 8, 8);
    layout->addSpacing(kPrintAreaWidth);
    layout->addStretch();
    layout->addLayout(buttons);

    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command4);

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command4, &QPushButton::clicked, this, &Form1::Command4_Click);
}

void Form1::Form_Load()
{
    const int answer = platform::showMsgBoxDroppingAnswer(
        "Please note, this program will wipe all your records of a chosen carnival type. If you are sure you want "
        "to continue, click \"Yes\"",
        52, "Warning!");
    if (answer != platform::kAnswerYes) {
        platform::endProgram();
        // Should ending return (as it does under test), the window still never shows.
        platform::Forms::unload(this);
    }
}

void Form1::Command1_Click()
{
    generate(carnival::kAthleticsRecords, carnival::defaultAthleticsEvents(),
        "Are you really sure? This will delete all athletic records.");
}

void Form1::Command3_Click()
{
    generate(carnival::kSwimmingRecords, carnival::defaultSwimmingEvents(),
        "Are you really sure? This will delete all swimming records.");
}

void Form1::generate(std::string_view programPath, const std::vector<carnival::SetupEvent>& events, const QString& secondQuestion)
{
    if (!confirmed("Are you sure?", 36) || !confirmed(secondQuestion, 20))
        return;
    try {
        carnival::replaceWithUnsetRecords(programPath, events);
    } catch (const carnival::DataFileError& error) {
        platform::showMsgBoxDroppingAnswer(
            platform::qtext(error.userMessage()) + " The records file has not been changed.", 16, kTitle);
        return;
    }
    print("Done!");
}

void Form1::Command2_Click()
{
    std::vector<std::string> lines;
    try {
        lines = carnival::firstRecordLines("First Athletic Record", carnival::readRecordsFile(carnival::kAthleticsRecords));
        lines.insert(lines.end(), 2, "");
        const auto swimming = carnival::firstRecordLines("First Swimming Record", carnival::readRecordsFile(carnival::kSwimmingRecords));
        lines.insert(lines.end(), swimming.begin(), swimming.end());
    } catch (const carnival::DataFileError& error) {
        platform::showMsgBoxDroppingAnswer(platform::qtext(error.userMessage()), 16, kTitle);
        return;
    }
    for (const std::string& line : lines)
        print(platform::qtext(line));
}

void Form1::Command4_Click()
{
    platform::endProgram();
}

void Form1::print(const QString& line)
{
    printed_ << line;
    update();
}

void Form1::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    int baseline = kPrintMargin + metrics.ascent();
    for (const QString& line : printed_) {
        painter.drawText(kPrintMargin, baseline, line);
        baseline += metrics.lineSpacing();
    }
}

} // namespace sablewick
