#include "window_fixture.h"

#include "carnival/carnival_state.h"
#include "platform/shell.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

void WindowTest::SetUp()
{
    folder = std::make_unique<testing_support::WorkingFolder>();
    carnival::resetCarnivalState();
    platform::setMsgBoxResponder([this](const platform::MsgBoxCall& call) {
        messages_.push_back(call);
        if (answers_.empty())
            return platform::defaultAnswer(call.style);
        const int next = answers_.front();
        answers_.pop_front();
        return next;
    });
    platform::setDocumentOpener([this](const QString& path) { openedDocuments << path; });
    platform::setProgramStarter([this](const QString& program, const QStringList&) {
        startedPrograms << program;
        return true;
    });
    platform::setProgramEndHandlers([this] { programEndedAtOnce = true; }, [this] { lastWindowGone = true; });
}

void WindowTest::TearDown()
{
    platform::Forms::unloadAll();
    settle();
    EXPECT_TRUE(answers_.empty()) << "scripted answers left unused";
    folder.reset();
}

void WindowTest::answer(std::initializer_list<int> answers)
{
    answers_.insert(answers_.end(), answers.begin(), answers.end());
}

QStringList WindowTest::prompts() const
{
    QStringList result;
    for (const auto& call : messages_)
        result << call.prompt;
    return result;
}

void WindowTest::click(QWidget* window, const char* name)
{
    auto* button = child<QAbstractButton>(window, name);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled()) << name << " is disabled";
    QTest::mouseClick(button, Qt::LeftButton);
}

QString WindowTest::labelText(QWidget* window, const char* name)
{
    auto* label = child<QLabel>(window, name);
    return label ? label->text() : QString();
}

void WindowTest::settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } while (timer.elapsed() < milliseconds);
}
