#include "frmMain.h"

#include "logo.h"
#include "startup_failure.h"

#include "reports/frmPrint.h"
#include "reports/frmView.h"
#include "results/event_chooser.h"
#include "setup/frmSetup.h"

#include "carnival/carnival_state.h"
#include "carnival/data_error.h"
#include "carnival/data_files.h"
#include "platform/latin1.h"
#include "platform/msgbox.h"
#include "platform/controls.h"
#include "platform/help.h"
#include "platform/shell.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

namespace {

const QString kWelcomeHelp = QStringLiteral("Welcome to the Carnival Program! Please make a choice from the above. "
                                            "Move the mouse over the buttons to see context sensitive help here.");
const QString kHoverWelcome = QStringLiteral("Welcome to the Ostrivale!");
const QString kHoverGeneral = QStringLiteral("Welcome to the Ostrivale! Please make a choice from the above. "
                                             "Move the mouse over the buttons to see context sensitive help here.");

} // namespace

frmMain::frmMain()
{
    setObjectName("frmMain");
    setWindowTitle("Ostrivale");

    lblTitle = platform::namedLabel("lblTitle", "Ostrivale - ", this);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(6);
    const struct {
        const char* name;
        const char* caption;
        void (frmMain::*handler)();
        const char* hover;
    } buttonTable[] = {
        { "cmdEnter", "Enter Event", &frmMain::cmdEnter_Click,
            "Welcome to the Ostrivale! This button will let you enter a new event for the current carnival." },
        { "cmdEdit", "Edit Event", &frmMain::cmdEdit_Click,
            "Welcome to the Ostrivale! This button will let you edit an event that has been previously entered." },
        { "cmdPrint", "Print Info", &frmMain::cmdPrint_Click,
            "Welcome to the Ostrivale! Use this button to view or print event data, records, a point score or age "
            "champions." },
        { "cmdSave", "View Info", &frmMain::cmdSave_Click,
            "Welcome to the Ostrivale! This button will allow you to view the current results, age champions, "
            "records and event information." },
        { "cmdNew", "New Carnival", &frmMain::cmdNew_Click,
            "Welcome to the Ostrivale! This button will reset Ostrivale and allow you to enter data for a new "
            "carnival." },
        { "cmdHelp", "Help!", &frmMain::cmdHelp_Click,
            "Welcome to the Ostrivale! Click on this button if you are in a bother, or need a walkthrough on how to "
            "use this program." },
        { "cmdAbout", "About", &frmMain::cmdAbout_Click,
            "Welcome to the Ostrivale! This button tell you about Ostrivale and allow you to go to its website." },
        { "cmdQuit", "Quit", &frmMain::cmdQuit_Click, "Welcome to the Ostrivale!" },
    };
    for (const auto& entry : buttonTable) {
        QPushButton* button = addButton(entry.name, QString::fromLatin1(entry.caption), entry.handler);
        addHover(button, QString::fromLatin1(entry.hover));
        buttons->addWidget(button);
    }
    buttons->addStretch();

    auto* Frame1 = new QFrame(this);
    Frame1->setObjectName("Frame1");
    Frame1->setFrameShape(QFrame::StyledPanel);
    auto* panel = new QGridLayout(Frame1);
    panel->setHorizontalSpacing(16);
    auto* Label3 = platform::namedLabel("Label3", "Progressive Points:", Frame1);
    QFont panelTitle = Label3->font();
    panelTitle.setBold(true);
    Label3->setFont(panelTitle);
    panel->addWidget(Label3, 0, 0, 1, 2);
    const char* defaultHouses[] = { "Tamsett:", "Brindrel:", "Corrow:", "Elvane:" };
    for (int i = 0; i < 4; ++i) {
        const QByteArray houseName = "lblhouse" + QByteArray::number(i + 1);
        const QByteArray pointsName = "lblPoints" + QByteArray::number(i + 1);
        lblhouse[i] = platform::namedLabel(houseName.constData(), QString::fromLatin1(defaultHouses[i]), Frame1);
        lblPoints[i] = platform::namedLabel(pointsName.constData(), "0", Frame1);
        lblPoints[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblPoints[i]->setMinimumWidth(lblPoints[i]->fontMetrics().horizontalAdvance("-32768") + 4);
        panel->addWidget(lblhouse[i], i + 1, 0);
        panel->addWidget(lblPoints[i], i + 1, 1);
    }
    panel->setColumnStretch(0, 1);

    auto* pctLogo = platform::namedLabel("pctLogo", QString(), this);
    pctLogo->setPixmap(ostrivaleLogo(120));
    pctLogo->setAlignment(Qt::AlignCenter);
    addHover(pctLogo, kHoverGeneral);

    lblHelp = platform::namedLabel("lblHelp", kWelcomeHelp, this);
    lblHelp->setWordWrap(true);
    lblHelp->setFrameShape(QFrame::Panel);
    lblHelp->setFrameShadow(QFrame::Sunken);
    lblHelp->setMargin(6);
    lblHelp->setMinimumHeight(lblHelp->fontMetrics().lineSpacing() * 3 + 16);
    lblHelp->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    addHover(lblHelp, kHoverGeneral);

    auto* right = new QVBoxLayout;
    right->addWidget(Frame1);
    right->addWidget(pctLogo, 1);

    auto* middle = new QHBoxLayout;
    middle->addLayout(buttons);
    middle->addSpacing(12);
    middle->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addLayout(middle, 1);
    layout->addWidget(lblHelp);
    setMinimumSize(560, 440);
}

QPushButton* frmMain::addButton(const char* name, const QString& caption, void (frmMain::*handler)())
{
    QPushButton* button = platform::namedButton(name, caption, this);
    button->setMinimumSize(150, 34);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

void frmMain::addHover(QWidget* control, const QString& text)
{
    control->setMouseTracking(true);
    control->installEventFilter(this);
    hoverTexts_.insert(control, text);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        const auto it = hoverTexts_.constFind(watched);
        if (it != hoverTexts_.constEnd())
            lblHelp->setText(it.value());
    }
    return Form::eventFilter(watched, event);
}

void frmMain::Form_Load()
{
    platform::setApplicationHelpFile("ostrivale.hlp");
    auto& state = carnival::modDeclareGlobals();
    try {
        carnival::readHousesFile();
        for (int i = 0; i < 4; ++i)
            lblhouse[i]->setText(platform::qtext(state.houseNames[i]) + ":");

        carnival::readCarnivalFile();
        lblTitle->setText("Ostrivale - " + platform::qtext(state.carnivalType) + ", "
            + platform::qtext(state.carnivalYear));

        carnival::readPointsFile();
        sub_update();

        LoadEvents();
    } catch (const carnival::DataFileError& error) {
        stopAfterStartupFailure(error);
    }
}

void frmMain::sub_update()
{
    const auto& state = carnival::modDeclareGlobals();
    for (int i = 0; i < 4; ++i)
        lblPoints[i]->setText(QString::number(state.housePoints[i]));
}

void frmMain::LoadEvents()
{
    carnival::loadEventList();
}

void frmMain::cmdEnter_Click()
{
    platform::Forms::show<results::frmEnter>();
    hide();
}

void frmMain::cmdEdit_Click()
{
    platform::Forms::show<results::frmEdit>();
    hide();
}

void frmMain::cmdPrint_Click()
{
    platform::Forms::show<reports::frmPrint>();
}

void frmMain::cmdSave_Click()
{
    platform::Forms::show<reports::frmView>();
}

void frmMain::cmdNew_Click()
{
    platform::Forms::load<setup::frmSetup>();
    platform::Forms::show<setup::frmSetup>();
    hide();
}

void frmMain::cmdAbout_Click()
{
    // The About window arrives later.
}

void frmMain::cmdHelp_Click()
{
    platform::openHelpPage("\\index.htm");
}

void frmMain::cmdQuit_Click()
{
    platform::showMsgBox("Are you sure you want to quit?", 308, "Ostrivale");
    if (carnival::modDeclareGlobals().lastMsgBoxAnswer == platform::kAnswerYes)
        platform::endProgram();
}

} // namespace shell
