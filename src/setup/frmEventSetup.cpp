#include "frmEventSetup.h"

#include "wizard.h"

#include "carnival/data_error.h"
#include "carnival/fixed_text.h"
#include "carnival/setup_files.h"
#include "platform/controls.h"
#include "platform/latin1.h"
#include "platform/msgbox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using platform::bytes;
using platform::qtext;

namespace setup {

namespace {

const QString kAthleticsPass = QStringLiteral("Command1");

QLabel* text(const char* name, const QString& caption, QWidget* parent)
{
    QLabel* label = platform::namedLabel(name, caption, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

frmEventSetup::frmEventSetup()
{
    setObjectName("frmEventSetup");
    setWindowTitle("Welcome to Ostrivale! - Step 2");

    QLabel* Label1 = wizardHeading(this);
    QLabel* pctLogo = wizardLogo(this);

    txten = new QLineEdit(this);
    txten->setObjectName("txten");
    txten->installEventFilter(this);
    lstEvents = new QListWidget(this);
    lstEvents->setObjectName("lstEvents");
    lstEvents->setMinimumHeight(220);

    auto* Command3 = platform::namedButton("Command3", "Add", this);
    auto* Command6 = platform::namedButton("Command6", "Remove", this);
    auto* Command7 = platform::namedButton("Command7", "Move Up", this);
    auto* Command8 = platform::namedButton("Command8", "Move Down", this);
    auto* cmdNext = platform::namedButton("cmdNext", "Next ->", this);
    auto* Command9 = platform::namedButton("Command9", "Quit", this);
    Command1 = platform::namedButton("Command1", "Command1", this);
    Command1->setVisible(false);
    Command1->setEnabled(false);
    connect(Command3, &QPushButton::clicked, this, &frmEventSetup::Command3_Click);
    connect(Command6, &QPushButton::clicked, this, &frmEventSetup::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &frmEventSetup::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &frmEventSetup::Command8_Click);
    connect(cmdNext, &QPushButton::clicked, this, &frmEventSetup::cmdNext_Click);
    connect(Command9, &QPushButton::clicked, this, &frmEventSetup::Command9_Click);

    auto* texts = new QVBoxLayout;
    texts->addWidget(Label1);
    texts->addWidget(text("Label2",
        "Below are the events currently entered into the athletics carnival data. If they are not to your "
        "satisfaction, change them, and then click \"Next\" to display the swimming data. After you have finished, "
        "click \"Next\" a second time.",
        this));
    texts->addWidget(text("Label3",
        "If an event is a distance event, append a \"1\" (no quotes) to the end of its name, with no space. This is "
        "required by Ostrivale to detect it as a distance event.",
        this));
    texts->addWidget(text("lblLimits",
        QString("A carnival has 1 to %1 events. An event name may have up to %2 characters (%3 without its blanks) "
                "and may not hold \\ / : * ? \" < > | or two dots in a row.")
            .arg(carnival::kMaxEvents)
            .arg(carnival::kMaxEventNameLength)
            .arg(carnival::kMaxEventKeyLength),
        this));
    auto* top = new QHBoxLayout;
    top->addWidget(pctLogo, 0, Qt::AlignTop);
    top->addLayout(texts, 1);

    auto* entry = new QHBoxLayout;
    entry->addWidget(txten, 1);
    entry->addWidget(Command3);
    auto* side = new QVBoxLayout;
    side->addWidget(Command6);
    side->addWidget(Command7);
    side->addWidget(Command8);
    side->addStretch();
    auto* list = new QHBoxLayout;
    list->addWidget(lstEvents, 1);
    list->addLayout(side);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(cmdNext);
    buttons->addWidget(Command9);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(entry);
    layout->addLayout(list, 1);
    layout->addLayout(buttons);
    setMinimumSize(600, 560);
}

void frmEventSetup::Form_Load()
{
    loadEvents(carnival::athleticsPass().templateList);
    removeCloseMenu();
}

void frmEventSetup::loadEvents(const std::string& templateList)
{
    try {
        for (const std::string& item : carnival::readTemplateItems(templateList))
            lstEvents->addItem(qtext(item));
    } catch (const carnival::DataFileError& error) {
        platform::showMsgBox(qtext(error.userMessage()) + "\n\nPlease type the events in.", 48);
    }
}

std::vector<std::string> frmEventSetup::listedEvents() const
{
    std::vector<std::string> items;
    for (int i = 0; i < lstEvents->count(); ++i)
        items.push_back(bytes(lstEvents->item(i)->text()));
    return items;
}

bool frmEventSetup::addEvent(const QString& name)
{
    if (carnival::trimBlanks(bytes(name)).empty()) {
        platform::showMsgBox("You forgot to enter a name.", 64, "Oops!");
        return false;
    }
    const auto storable = platform::storableText(name, "the name of the new event");
    if (!storable)
        return false;
    if (auto problem = carnival::eventNameProblem(*storable)) {
        platform::showMsgBox(qtext(*problem), 64, "Oops!");
        return false;
    }
    if (lstEvents->count() >= carnival::kMaxEvents) {
        platform::showMsgBox(QString("A carnival can have at most %1 events.").arg(carnival::kMaxEvents), 64, "Oops!");
        return false;
    }
    lstEvents->addItem(name);
    return true;
}

void frmEventSetup::Command3_Click()
{
    addEvent(txten->text());
}

bool frmEventSetup::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txten && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        const bool enter = keyEvent->key() == Qt::Key_Return || keyEvent->key() == Qt::Key_Enter;
        if (enter && !keyEvent->isAutoRepeat()) {
            if (event->type() == QEvent::KeyPress) {
                enterDown_ = true;
            } else if (enterDown_) {
                enterDown_ = false;
                txten_KeyUp();
            }
        }
    }
    return Form::eventFilter(watched, event);
}

void frmEventSetup::txten_KeyUp()
{
    if (addEvent(txten->text()))
        txten->clear();
}

void frmEventSetup::Command6_Click()
{
    const int selected = lstEvents->currentRow();
    if (selected >= 0)
        delete lstEvents->takeItem(selected);
}

void frmEventSetup::swapWithSelected(int offset)
{
    const int selected = lstEvents->currentRow();
    const int other = selected + offset;
    if (selected < 0 || other < 0 || other >= lstEvents->count())
        return;
    const QString text = lstEvents->item(selected)->text();
    lstEvents->item(selected)->setText(lstEvents->item(other)->text());
    lstEvents->item(other)->setText(text);
    lstEvents->setCurrentRow(other);
}

void frmEventSetup::Command7_Click()
{
    swapWithSelected(-1);
}

void frmEventSetup::Command8_Click()
{
    swapWithSelected(+1);
}

void frmEventSetup::Command9_Click()
{
    confirmWizardQuit();
}

void frmEventSetup::cmdNext_Click()
{
    const std::vector<std::string> items = listedEvents();
    if (auto problem = carnival::eventListProblem(items)) {
        platform::showMsgBox(qtext(*problem), 48, "Oops!");
        return;
    }
    const bool athletics = Command1->text() == kAthleticsPass;
    try {
        carnival::saveSetupPass(athletics ? carnival::athleticsPass() : carnival::swimmingPass(), items);
    } catch (const carnival::DataFileError& error) {
        const QString pass = athletics ? "athletics" : "swimming";
        platform::showMsgBox("The " + pass + " events were not saved: " + qtext(error.userMessage()), 48);
        return;
    }
    if (athletics) {
        lstEvents->clear();
        loadEvents(carnival::swimmingPass().templateList);
        txten->setFocus();
        Command1->setText("command2");
    } else {
        nextWizardStep<frmNew2>(this);
    }
}

} // namespace setup
