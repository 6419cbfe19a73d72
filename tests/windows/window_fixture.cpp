#include "window_fixture.h"

#include "carnival/carnival_state.h"
#include "platform/shell.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include <string>

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
    auto recording = std::make_unique<platform::RecordingPrintBackend>();
    printout = recording.get();
    platform::Printer::setBackend(std::move(recording));
}

void WindowTest::TearDown()
{
    // Unloads every window; none is loaded again while it does so.
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

void WindowTest::expectMessage(std::size_t index, const QString& prompt, int style, const QString& title)
{
    ASSERT_GT(messages_.size(), index);
    EXPECT_EQ(messages_[index].prompt, prompt);
    EXPECT_EQ(messages_[index].style, style);
    EXPECT_EQ(messages_[index].title, title);
}

void WindowTest::expectWarningsNaming(const QString& file, std::size_t count)
{
    ASSERT_EQ(messages_.size(), count);
    for (const auto& message : messages_) {
        EXPECT_TRUE(message.prompt.contains(file)) << message.prompt.toStdString();
        EXPECT_EQ(message.style, 48);
    }
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

void WindowTest::type(QWidget* window, const QString& name, const char* text)
{
    auto* box = child<QLineEdit>(window, name.toLatin1().constData());
    if (!box)
        return;
    box->clear();
    QTest::keyClicks(box, text);
}

void WindowTest::pickHouse(QWidget* window, const QString& name, const char* house)
{
    auto* list = child<QComboBox>(window, name.toLatin1().constData());
    if (!list)
        return;
    const int index = *house ? list->findText(house) : -1;
    EXPECT_TRUE(!*house || index >= 0) << house;
    list->setCurrentIndex(index);
}

void WindowTest::fillRow(QWidget* window, const char* row, const ResultRow& values)
{
    const QString prefix = QString::fromLatin1(row);
    type(window, "txt" + prefix + "Name", values.name);
    pickHouse(window, "cbo" + prefix + "House", values.house);
    type(window, "txt" + prefix + "TD", values.td);
}

void WindowTest::fill(QWidget* window, std::initializer_list<ResultRow> placings)
{
    const char* rows[] = { "1st", "2nd", "3rd", "4th" };
    int i = 0;
    for (const ResultRow& row : placings)
        fillRow(window, rows[i++], row);
}

void WindowTest::chooseEvent(QWidget* chooser, const char* age, const char* sex, const char* event)
{
    if (age)
        child<QComboBox>(chooser, "cboage")->setCurrentText(age);
    if (sex)
        child<QComboBox>(chooser, "cboSex")->setCurrentText(sex);
    if (event)
        child<QComboBox>(chooser, "cboEvent")->setCurrentText(QString(event).leftJustified(20, ' '));
}

void WindowTest::expectMainWindowAlone(std::array<int, 4> totals)
{
    frmMain* main = Forms::find<frmMain>();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(labelText(main, ("lblPoints" + std::to_string(i + 1)).c_str()), QString::number(totals[i]))
            << "house " << i + 1;
    EXPECT_EQ(Forms::loadedCount(), 1);
    EXPECT_FALSE(lastWindowGone);
}

QStringList WindowTest::printJob(const QString& title, const QStringList& body)
{
    return QStringList { "size 16", "bold on", "font Tahoma", "line [0]" + title, "size 12", "bold off", "line" }
        + body + QStringList { "size 9", "line", "line [0]Printed by Ostrivale", "end" };
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
