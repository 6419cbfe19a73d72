#include "frmAbout.h"

#include "frmMain.h"
#include "logo.h"

#include "carnival/paths.h"
#include "platform/controls.h"
#include "platform/help.h"
#include "platform/msgbox.h"
#include "platform/registry.h"
#include "platform/shell.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <string>

using platform::Forms;

namespace shell {

namespace {

const QString kDescription = QStringLiteral(
    "Ostrivale runs a school's athletics or swimming carnival on one PC. As each event's placings are entered, "
    "it scores the house points and every competitor's age-champion points and checks the result against the "
    "school records; it shows and prints the results, the records and the age champions.");

const QString kNotice = QStringLiteral(
    "Every result, total and record of the carnival is kept in the \"data\" folder of the Ostrivale folder. "
    "Copy that folder to a safe place before the carnival and again at its end. Ostrivale is provided as it "
    "is, without warranty of any kind.");

QGroupBox* framedText(const char* frameName, const QString& caption, const char* textName, const QString& text,
    QWidget* parent)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(frameName));
    auto* box = new QPlainTextEdit(text, frame);
    box->setObjectName(QString::fromLatin1(textName));
    box->setReadOnly(true);
    box->setMinimumWidth(460);
    box->setFixedHeight(box->fontMetrics().lineSpacing() * 5 + 14);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(box);
    return frame;
}

} // namespace

frmAbout::frmAbout()
{
    setObjectName("frmAbout");
    setWindowTitle("About Ostrivale");

    auto* picIcon = platform::namedLabel("picIcon", QString(), this);
    picIcon->setPixmap(ostrivaleLogo(64));
    auto* lblTitle = platform::namedLabel("lblTitle", "Ostrivale", this);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    auto* lblVersion = platform::namedLabel("lblVersion", "Version 1.6.0", this);

    auto* cmdOK = platform::namedButton("cmdOK", "OK", this, 110);
    auto* cmdSysInfo = platform::namedButton("cmdSysInfo", "&System Info...", this, 110);
    auto* Command1 = platform::namedButton("Command1", "Go to Website", this, 110);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    connect(Command1, &QPushButton::clicked, this, &frmAbout::Command1_Click);

    auto* names = new QVBoxLayout;
    names->addWidget(lblTitle);
    names->addWidget(lblVersion);
    names->addStretch();
    auto* heading = new QHBoxLayout;
    heading->addWidget(picIcon, 0, Qt::AlignTop);
    heading->addSpacing(12);
    heading->addLayout(names, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addWidget(Command1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(framedText("Frame1", "What it does", "Text1", kDescription, this));
    layout->addWidget(framedText("Frame2", "Notice", "Text2", kNotice, this));
    layout->addLayout(buttons);
}

void frmAbout::Form_Unload()
{
    Forms::show<frmMain>();
}

void frmAbout::cmdOK_Click()
{
    Forms::unload(this);
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::Command1_Click()
{
    // The program's own page is the start page of its installed help.
    platform::openDocument(platform::helpPageFile("\\index.htm"));
}

void frmAbout::StartSysInfo()
{
    using platform::RegistryRoot;
    std::string path;
    if (platform::GetKeyValue(RegistryRoot::LocalMachine, platform::kMsinfoKey, "PATH", path)) {
        if (platform::startProgram(QString::fromStdString(path)))
            return;
    } else if (platform::GetKeyValue(RegistryRoot::LocalMachine, platform::kMsinfoLocationKey, "MSINFO", path)) {
        const std::string program = path + "\\MSINFO32.EXE";
        if (carnival::fileExists(program)
            && platform::startProgram(QString::fromStdString(carnival::resolvePath(program).string())))
            return;
    }
    platform::showMsgBoxDroppingAnswer("System Information Is Unavailable At This Time", 0);
}

} // namespace shell
