#include "wizard.h"

#include "frmEventSetup.h"
#include "frmSetup.h"

#include "carnival/carnival_state.h"
#include "carnival/data_error.h"
#include "carnival/data_files.h"
#include "carnival/paths.h"
#include "platform/controls.h"
#include "platform/latin1.h"
#include "platform/msgbox.h"
#include "platform/shell.h"
#include "shell/frmMain.h"
#include "shell/logo.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>

using platform::Forms;

namespace setup {

void confirmWizardQuit()
{
    platform::showMsgBox("Are you sure? You haven't even set up Ostrivale yet!", 52, "Are you sure?");
    if (carnival::modDeclareGlobals().lastMsgBoxAnswer == platform::kAnswerYes)
        platform::endProgram();
}

QLabel* wizardHeading(QWidget* parent)
{
    QLabel* heading = platform::namedLabel("Label1", "Welcome to Ostrivale!", parent);
    QFont font = heading->font();
    font.setPointSize(16);
    font.setBold(true);
    heading->setFont(font);
    return heading;
}

QLabel* wizardLogo(QWidget* parent)
{
    QLabel* logo = platform::namedLabel("pctLogo", QString(), parent);
    logo->setPixmap(shell::ostrivaleLogo(96));
    logo->setAlignment(Qt::AlignTop);
    return logo;
}

WizardStep::WizardStep(const char* objectName, const QString& caption)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);

    QLabel* Label1 = wizardHeading(this);
    QLabel* pctLogo = wizardLogo(this);

    body_ = new QVBoxLayout;
    body_->addWidget(Label1);

    Command1 = platform::namedButton("Command1", "Next ->", this);
    Command2 = platform::namedButton("Command2", "Quit", this);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, &WizardStep::Command2_Click);

    auto* top = new QHBoxLayout;
    top->addWidget(pctLogo, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(body_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    setMinimumWidth(560);
}

QLabel* WizardStep::addText(const char* name, const QString& text)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    body_->addWidget(label);
    return label;
}

void WizardStep::disableQuitWhileResetting()
{
    if (carnival::modDeclareGlobals().resettingHouses == 1)
        Command2->setEnabled(false);
}

void WizardStep::Command2_Click()
{
    confirmWizardQuit();
}

// Step 1: welcome.

frmNew::frmNew()
    : WizardStep("frmNew", "Welcome to Ostrivale!")
{
    addText("Label2", "Before you begin to use Ostrivale, you need to answer a few questions, and set up the first "
                      "carnival. Click 'Next' to continue.");
    addText("Label3", "The first step is to select events that will be available in your carnivals.");
    body()->addStretch();
}

void frmNew::Form_Load()
{
    Forms::unload<shell::frmMain>();
    removeCloseMenu();
}

void frmNew::Command1_Click()
{
    nextWizardStep<frmEventSetup>(this);
}

// Step 3: previous records.

frmNew2::frmNew2()
    : WizardStep("frmNew2", "Welcome to Ostrivale! - Step 3")
{
    addText("Label2", "Do you have previous records that you want Ostrivale to use? ");
    addText("Label3", "You will need to enter these manually if you choose to do so. If you wish to, click 'Enter "
                      "Records', otherwise, you can click 'Next', and every event in the first carnival you enter "
                      "will set a record.");
    auto* Command3 = new QPushButton("Enter Records", this);
    Command3->setObjectName("Command3");
    connect(Command3, &QPushButton::clicked, this, &frmNew2::Command3_Click);
    auto* row = new QHBoxLayout;
    row->addWidget(Command3);
    row->addStretch();
    body()->addLayout(row);
    addText("Label4", "After you have finished, click 'Next'.");
    body()->addStretch();
}

void frmNew2::Form_Load()
{
    // Loads the main window without showing it, with the placeholder carnival.
    Forms::hide<shell::frmMain>();
    removeCloseMenu();
}

void frmNew2::Command3_Click()
{
    const QString editor = QDir::current().absoluteFilePath("quillmere");
    if (!QFileInfo::exists(editor) || !platform::startProgram(editor)) {
        platform::showMsgBox("The records editor could not be started: \"" + QDir::toNativeSeparators(editor)
                + "\" is missing or cannot be run. You can click 'Next' and enter previous records later.",
            48);
    }
}

void frmNew2::Command1_Click()
{
    nextWizardStep<frmHouses>(this);
}

// Step 4: house names.

frmHouses::frmHouses()
    : WizardStep("frmHouses", "Welcome to Ostrivale - Step 4")
{
    addText("Label2", "Ostrivale allows you to have up to four houses. Please enter their names below:");
    const char* defaults[] = { "Tamsett", "Brindrel", "Corrow", "Elvane" };
    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(QString("House %1:").arg(i + 1), this);
        label->setObjectName(QString("Label%1").arg(i + 3));
        houseBoxes[i] = new QLineEdit(QString::fromLatin1(defaults[i]), this);
        houseBoxes[i]->setObjectName(QString("Text%1").arg(i + 1));
        grid->addWidget(label, i, 0);
        grid->addWidget(houseBoxes[i], i, 1);
    }
    body()->addLayout(grid);
    body()->addStretch();
}

void frmHouses::Form_Load()
{
    disableQuitWhileResetting();
    removeCloseMenu();
}

void frmHouses::Command1_Click()
{
    std::array<std::string, carnival::kHouseCount> names;
    for (int i = 0; i < 4; ++i) {
        const auto name = platform::storableText(houseBoxes[i]->text(), QString("the name of house %1").arg(i + 1));
        if (!name)
            return;
        names[static_cast<std::size_t>(i)] = *name;
    }
    try {
        carnival::writeHousesFile(names);
    } catch (const carnival::DataFileError& error) {
        platform::showMsgBox("The house names were not saved: " + platform::qtext(error.userMessage()), 48);
        return;
    }
    nextWizardStep<frmNew3>(this);
}

// Step 5: the closing word.

frmNew3::frmNew3()
    : WizardStep("frmNew3", "Welcome to Ostrivale - Step 5")
{
    addText("Label2", "All that remains to be done is to choose the year and type of carnival that you wish to "
                      "enter. Click 'Next' to continue to the screen to do this.");
    body()->addStretch();
}

void frmNew3::Form_Load()
{
    disableQuitWhileResetting();
    removeCloseMenu();
}

void frmNew3::Command1_Click()
{
    carnival::modDeclareGlobals().wizardFinished = 1;
    nextWizardStep<frmSetup>(this);
}

} // namespace setup
