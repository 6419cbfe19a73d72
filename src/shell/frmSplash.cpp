#include "frmSplash.h"

#include "frmMain.h"
#include "logo.h"
#include "startup_failure.h"

#include "setup/wizard.h"

#include "carnival/carnival_state.h"
#include "carnival/data_error.h"
#include "carnival/data_files.h"
#include "carnival/fixed_text.h"
#include "platform/msgbox.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace shell {

namespace {

// A frame that reports a click anywhere on it (labels on it pass clicks on).
class ClickFrame : public QFrame {
public:
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (rect().contains(event->position().toPoint()) && onClick)
            onClick();
    }
};

QLabel* label(const char* name, const QString& text, QWidget* parent, int pointSize = 0, bool bold = false)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    if (pointSize > 0 || bold) {
        QFont font = l->font();
        if (pointSize > 0)
            font.setPointSize(pointSize);
        font.setBold(bold);
        l->setFont(font);
    }
    return l;
}

} // namespace

frmSplash::frmSplash()
{
    setObjectName("frmSplash");
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);

    auto* frame = new ClickFrame;
    frame->onClick = [this] { Frame1_Click(); };
    Frame1 = frame;
    Frame1->setObjectName("Frame1");
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setLineWidth(2);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(Frame1);

    auto* grid = new QGridLayout(Frame1);
    grid->setContentsMargins(24, 20, 24, 20);
    grid->setHorizontalSpacing(24);

    auto* imgLogo = label("imgLogo", QString(), Frame1);
    imgLogo->setPixmap(ostrivaleLogo(128));
    grid->addWidget(imgLogo, 0, 0, 4, 1, Qt::AlignTop);

    grid->addWidget(label("Label1", "Licensed to your school", Frame1), 0, 1, 1, 2);
    grid->addWidget(label("lblProductName", "Ostrivale", Frame1, 28, true), 1, 1, 1, 2);
    grid->addWidget(label("Label2", "Sports carnival manager", Frame1, 11), 2, 1, 1, 2);
    grid->addWidget(label("lblPlatform", "For Windows 9x and NT", Frame1), 3, 1);
    grid->addWidget(label("lblVersion", "Version 1.5.3", Frame1), 3, 2, Qt::AlignRight);
    grid->addWidget(label("Label3", "House points, age champions and records", Frame1), 4, 0, 1, 3);
    grid->addWidget(label("Label4", "Athletics and swimming carnivals", Frame1), 5, 0, 1, 3);

    grid->addWidget(label("lblLoading", "Loading:", Frame1), 6, 0);
    ProgressBar1 = new QProgressBar(Frame1);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setRange(0, 15);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    grid->addWidget(ProgressBar1, 6, 1, 1, 2);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1500);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    Timer2->setInterval(100);
    connect(Timer2, &QTimer::timeout, this, &frmSplash::Timer2_Timer);
}

void frmSplash::Form_Load()
{
    carnival::modDeclareGlobals().splashProgress = 0;
    Timer1->start();
    Timer2->start();
}

void frmSplash::Timer2_Timer()
{
    auto& state = carnival::modDeclareGlobals();
    ProgressBar1->setValue(std::min<int>(state.splashProgress, ProgressBar1->maximum()));
    ++state.splashProgress;
}

void frmSplash::Timer1_Timer()
{
    Timer1->stop();
    Timer2->stop();
    wizard();
}

void frmSplash::Frame1_Click()
{
    wizard();
}

void frmSplash::keyPressEvent(QKeyEvent* event)
{
    if (event->text().isEmpty()) {
        Form::keyPressEvent(event);
        return;
    }
    Form_KeyPress();
}

void frmSplash::Form_KeyPress()
{
    Timer1->stop();
    Timer2->stop();
    platform::Forms::show<frmMain>();
    platform::Forms::unload(this);
}

void frmSplash::wizard()
{
    Timer1->stop();
    Timer2->stop();
    try {
        carnival::readCarnivalFile();
    } catch (const carnival::DataFileError& error) {
        stopAfterStartupFailure(error);
        return;
    }

    if (carnival::trimBlanks(carnival::modDeclareGlobals().carnivalType) == carnival::kFirstRunPlaceholder) {
        platform::Forms::load<setup::frmNew>();
        platform::Forms::show<setup::frmNew>();
    } else {
        platform::Forms::show<frmMain>();
    }
    platform::Forms::unload(this);
}

} // namespace shell
