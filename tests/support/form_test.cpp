#include "form_test.h"

#include "carnival/carnival_state.h"
#include "platform/shell.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

void FormTest::SetUp()
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
    auto recording = std::make_unique<platform::RecordingPrintBackend>();
    printout = recording.get();
    platform::Printer::setBackend(std::move(recording));
}

void FormTest::TearDown()
{
    // Unloads every window; none is loaded again while it does so.
    platform::Forms::unloadAll();
    settle();
    EXPECT_TRUE(answers_.empty()) << "scripted answers left unused";
    folder.reset();
}

void FormTest::answer(std::initializer_list<int> answers)
{
    answers_.insert(answers_.end(), answers.begin(), answers.end());
}

QStringList FormTest::prompts() const
{
    QStringList result;
    for (const auto& call : messages_)
        result << call.prompt;
    return result;
}

void FormTest::expectMessage(std::size_t index, const QString& prompt, int style, const QString& title)
{
    ASSERT_GT(messages_.size(), index);
    EXPECT_EQ(messages_[index].prompt, prompt);
    EXPECT_EQ(messages_[index].style, style);
    EXPECT_EQ(messages_[index].title, title);
}

void FormTest::expectWarningsNaming(const QString& file, std::size_t count)
{
    ASSERT_EQ(messages_.size(), count);
    for (const auto& message : messages_) {
        EXPECT_TRUE(message.prompt.contains(file)) << message.prompt.toStdString();
        EXPECT_EQ(message.style, 48);
    }
}

void FormTest::click(QWidget* window, const char* name)
{
    auto* button = child<QAbstractButton>(window, name);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled()) << name << " is disabled";
    QTest::mouseClick(button, Qt::LeftButton);
}

QString FormTest::labelText(QWidget* window, const char* name)
{
    auto* label = child<QLabel>(window, name);
    return label ? label->text() : QString();
}

void FormTest::type(QWidget* window, const QString& name, const char* text)
{
    auto* box = child<QLineEdit>(window, name.toLatin1().constData());
    if (!box)
        return;
    box->clear();
    QTest::keyClicks(box, text);
}

void FormTest::settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    } while (timer.elapsed() < milliseconds);
}
