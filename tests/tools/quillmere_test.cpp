// The records editor's window, driven offscreen over real records files.

#include "support/file_forms.h"
#include "support/form_test.h"

#include "carnival/file_transaction.h"
#include "tools/quillmere/Form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace testing_support;

namespace {

const QString kTitle = "Quillmere";

class QuillmereTest : public FormTest {
protected:
    quillmere::Form1* open() { return Forms::show<quillmere::Form1>(); }
    QString text(QWidget* window, const char* box) { return child<QLineEdit>(window, box)->text(); }
};

// Four records whose third is the oldest girls' relay.
const std::string kFile = unsetSlotBytes("12Boys100m", 990000) + unsetSlotBytes("12BoysShotput", 1)
    + unsetSlotBytes("17+GirlsRelay", 990000) + unsetSlotBytes("17+GirlsWalk", 990000);

} // namespace

TEST_F(QuillmereTest, TypedRecordsAreStoredOneByOneUntilTheOldestGirlsRelay)
{
    folder->write("data/athletics.dat", kFile);
    quillmere::Form1* window = open();
    EXPECT_FALSE(child<QPushButton>(window, "Command1")->isEnabled());
    click(window, "Command3");
    EXPECT_EQ(text(window, "Text1"), QString::fromLatin1(padded("12Boys100m", 25)));
    EXPECT_EQ(text(window, "Text2"), QString::fromLatin1(padded("Orvald Pennimore Askey", 30)));
    EXPECT_EQ(text(window, "Text4"), "990000");
    EXPECT_EQ(text(window, "Text3"), "56 BC");
    EXPECT_FALSE(child<QPushButton>(window, "Command3")->isEnabled() || child<QPushButton>(window, "Command4")->isEnabled());

    // A focused box has its whole shown field selected: typing replaces it.
    QApplication::setActiveWindow(window);
    child<QLineEdit>(window, "Text2")->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(child<QLineEdit>(window, "Text2"), "Ann Lee");
    type(window, "Text4", "12.5 s");
    type(window, "Text3", "1998");
    click(window, "Command1");
    EXPECT_EQ(text(window, "Text1"), QString::fromLatin1(padded("12BoysShotput", 25)));
    EXPECT_EQ(text(window, "Text4"), "1");
    type(window, "Text2", "Bartholomew Fitzgerald-Hargreaves");
    type(window, "Text4", "000123");
    type(window, "Text3", "2003AD");
    click(window, "Command1");
    EXPECT_TRUE(messages().empty());
    click(window, "Command1");

    expectMessage(0, "Finished!", 0, kTitle);
    EXPECT_TRUE(programEndedAtOnce);
    EXPECT_EQ(folder->read("data/athletics.dat"),
        recordSlotBytes("Ann Lee", "12Boys100m", 12, "1998")
            + recordSlotBytes("Bartholomew Fitzgerald-Hargrea", "12BoysShotput", 123, "2003A") + kFile.substr(256));
}

TEST_F(QuillmereTest, TheLastRecordOfTheFileEndsTheWalkToo)
{
    folder->write("data/swimming.dat", kFile.substr(0, 256));
    quillmere::Form1* window = open();
    click(window, "Command4");
    click(window, "Command1");
    click(window, "Command1");
    EXPECT_EQ(prompts(), QStringList { "Finished!" });
    EXPECT_EQ(folder->read("data/swimming.dat"), kFile.substr(0, 256));
}

TEST_F(QuillmereTest, QuitStoresTheRecordOnScreenOnceATypeIsChosen)
{
    folder->write("data/swimming.dat", kFile);
    quillmere::Form1* window = open();
    click(window, "Command4");
    click(window, "Command1");
    type(window, "Text2", "Cy Ng");
    click(window, "Command2");
    expectMessage(0, "Records Saved!", 0, kTitle);
    EXPECT_TRUE(programEndedAtOnce);
    EXPECT_EQ(folder->read("data/swimming.dat"),
        kFile.substr(0, 128) + recordSlotBytes("Cy Ng", "12BoysShotput", 1, "56 BC") + kFile.substr(256));
}

TEST_F(QuillmereTest, QuitBeforeAChoiceAndTheCloseBoxStoreNothing)
{
    const Tree before = snapshot(folder->root());
    click(open(), "Command2");
    EXPECT_TRUE(programEndedAtOnce);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(snapshot(folder->root()), before);

    folder->write("data/athletics.dat", kFile);
    quillmere::Form1* window = open();
    click(window, "Command3");
    type(window, "Text2", "Dee");
    window->close();
    EXPECT_TRUE(lastWindowGone);
    EXPECT_EQ(folder->read("data/athletics.dat"), kFile);
}

TEST_F(QuillmereTest, MissingFilesUnwritableFilesAndUnstorableTextAreNamed)
{
    quillmere::Form1* window = open();
    click(window, "Command3");
    EXPECT_TRUE(prompts().at(0).contains("data\\athletics.dat"));
    EXPECT_FALSE(folder->exists("data/athletics.dat"));
    folder->write("data/athletics.dat", "");
    click(window, "Command3");
    EXPECT_TRUE(prompts().at(1).contains("holds no records"));
    EXPECT_FALSE(child<QPushButton>(window, "Command1")->isEnabled());

    folder->write("data/athletics.dat", kFile);
    click(window, "Command3");
    child<QLineEdit>(window, "Text2")->setText(QString::fromUtf8("Zo\u00eb \u20ac"));
    click(window, "Command1");
    EXPECT_TRUE(prompts().at(2).contains(QString::fromUtf8("Name box holds the character \"\u20ac\"")));
    child<QLineEdit>(window, "Text2")->setText(QString::fromLatin1("Zo\xeb"));
    carnival::failFileWritesForTests("athletics.dat");
    click(window, "Command2");
    carnival::failFileWritesForTests("");
    EXPECT_TRUE(prompts().at(3).contains("data\\athletics.dat"));
    EXPECT_FALSE(programEndedAtOnce);
    EXPECT_EQ(folder->read("data/athletics.dat"), kFile);
}
