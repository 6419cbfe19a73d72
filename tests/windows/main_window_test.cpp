// The main window: what it shows of the carnival, hover help and its buttons.

#include "window_fixture.h"

#include "support/carnival_layout.h"
#include "support/file_forms.h"

#include "shell/frmMain.h"

#include "carnival/carnival_state.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>

namespace {

using namespace testing_support;

class MainWindowTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        putCarnivalFile(*folder, "Athletics", "2010");
        folder->write("data/houses.dat", kInstalledHouses);
        folder->write("data/points.dat", kOldPoints);
        folder->write("data/athletics/events.dat", " 3 \r\n100m\r\nLong Jump1\r\nRelay\r\n");
    }

    frmMain* openMain() { return Forms::show<frmMain>(); }

    void hover(QWidget* window, const char* name)
    {
        auto* control = child<QWidget>(window, name);
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), control->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(control, &move);
    }
};

TEST_F(MainWindowTest, ShowsTheCarnivalHousesAndPoints)
{
    frmMain* main = openMain();
    EXPECT_EQ(main->windowTitle(), "Ostrivale");
    EXPECT_EQ(labelText(main, "lblTitle"), "Ostrivale - Athletics, 2010");
    EXPECT_EQ(labelText(main, "Label3"), "Progressive Points:");
    const char* houses[] = { "Tamsett:", "Brindrel:", "Corrow:", "Elvane:" };
    const char* points[] = { "8", "6", "4", "2" };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(labelText(main, ("lblhouse" + std::to_string(i + 1)).c_str()), houses[i]);
        EXPECT_EQ(labelText(main, ("lblPoints" + std::to_string(i + 1)).c_str()), points[i]);
    }
    const auto& state = carnival::modDeclareGlobals();
    EXPECT_EQ(state.eventLastIndex, 2);
    EXPECT_EQ(state.eventList[1].name.trimmed(), "Long Jump");
    EXPECT_TRUE(state.eventList[1].isDistance());
}

TEST_F(MainWindowTest, ButtonsCarryTheirCaptions)
{
    frmMain* main = openMain();
    const std::pair<const char*, const char*> buttons[] = { { "cmdEnter", "Enter Event" },
        { "cmdEdit", "Edit Event" }, { "cmdPrint", "Print Info" }, { "cmdSave", "View Info" },
        { "cmdNew", "New Carnival" }, { "cmdHelp", "Help!" }, { "cmdAbout", "About" }, { "cmdQuit", "Quit" } };
    for (const auto& [name, caption] : buttons)
        EXPECT_EQ(child<QPushButton>(main, name)->text(), caption);
}

TEST_F(MainWindowTest, NamesAreTrimmedAndNegativeTotalsShowTheirSign)
{
    folder->write("data/houses.dat", "  Tamsett  \r\nBrin, drel\r\n\r\nElvane\r\n");
    folder->write("data/points.dat", " 12           -3             0             40 \r\n");
    frmMain* main = openMain();
    EXPECT_EQ(labelText(main, "lblhouse1"), "Tamsett:");
    EXPECT_EQ(labelText(main, "lblhouse2"), "Brin, drel:");
    EXPECT_EQ(labelText(main, "lblhouse3"), ":");
    EXPECT_EQ(labelText(main, "lblPoints2"), "-3");
    EXPECT_EQ(labelText(main, "lblPoints4"), "40");
}

TEST_F(MainWindowTest, PointsChangeOnlyWhenTheWindowIsLoadedAgain)
{
    frmMain* main = openMain();
    folder->write("data/points.dat", " 20 \r\n 0 \r\n 0 \r\n 0 \r\n");
    EXPECT_EQ(labelText(main, "lblPoints1"), "8");
    Forms::unload<frmMain>();
    settle();
    main = openMain();
    EXPECT_EQ(labelText(main, "lblPoints1"), "20");
}

TEST_F(MainWindowTest, HoverHelpFollowsTheMouse)
{
    frmMain* main = openMain();
    EXPECT_EQ(labelText(main, "lblHelp"),
        "Welcome to the Carnival Program! Please make a choice from the above. Move the mouse over the buttons to "
        "see context sensitive help here.");
    hover(main, "cmdEnter");
    EXPECT_EQ(labelText(main, "lblHelp"),
        "Welcome to the Ostrivale! This button will let you enter a new event for the current carnival.");
    hover(main, "cmdQuit");
    EXPECT_EQ(labelText(main, "lblHelp"), "Welcome to the Ostrivale!");
    hover(main, "Frame1");
    hover(main, "lblTitle");
    hover(main, "lblPoints1");
    EXPECT_EQ(labelText(main, "lblHelp"), "Welcome to the Ostrivale!");
    hover(main, "pctLogo");
    EXPECT_EQ(labelText(main, "lblHelp"),
        "Welcome to the Ostrivale! Please make a choice from the above. Move the mouse over the buttons to see "
        "context sensitive help here.");
    hover(main, "cmdAbout");
    EXPECT_EQ(labelText(main, "lblHelp"),
        "Welcome to the Ostrivale! This button tell you about Ostrivale and allow you to go to its website.");
    hover(main, "lblHelp");
    EXPECT_TRUE(labelText(main, "lblHelp").startsWith("Welcome to the Ostrivale! Please make a choice"));
}

TEST_F(MainWindowTest, QuitAnsweredNoDoesNothing)
{
    frmMain* main = openMain();
    answer({ platform::kAnswerNo });
    click(main, "cmdQuit");
    ASSERT_EQ(messages().size(), 1u);
    expectMessage(0, "Are you sure you want to quit?", 308, "Ostrivale");
    EXPECT_EQ(carnival::modDeclareGlobals().lastMsgBoxAnswer, 7);
    EXPECT_FALSE(programEndedAtOnce);
    EXPECT_TRUE(main->isVisible());
}

TEST_F(MainWindowTest, QuitAnsweredYesEndsTheProgramAtOnce)
{
    frmMain* main = openMain();
    answer({ platform::kAnswerYes });
    click(main, "cmdQuit");
    EXPECT_TRUE(programEndedAtOnce);
    EXPECT_EQ(carnival::modDeclareGlobals().lastMsgBoxAnswer, 6);
}

TEST_F(MainWindowTest, QuitDefaultsToNo)
{
    EXPECT_EQ(platform::defaultAnswer(308), platform::kAnswerNo);
    EXPECT_EQ(platform::defaultAnswer(36), platform::kAnswerYes);
    EXPECT_EQ(platform::defaultAnswer(64), platform::kAnswerOk);
}

TEST_F(MainWindowTest, CloseBoxEndsTheProgramWithoutAQuestion)
{
    frmMain* main = openMain();
    main->close();
    EXPECT_TRUE(messages().empty());
    EXPECT_FALSE(Forms::isLoaded<frmMain>());
    EXPECT_TRUE(lastWindowGone);
    EXPECT_FALSE(programEndedAtOnce);
}

TEST_F(MainWindowTest, HelpOpensTheIndexPageWithoutWaiting)
{
    frmMain* main = openMain();
    click(main, "cmdHelp");
    ASSERT_EQ(openedDocuments.size(), 1);
    const QString expected = QString::fromStdString((folder->root() / "help").string()) + "/index.htm";
    EXPECT_EQ(openedDocuments[0], expected);
    EXPECT_EQ(QString::fromStdString(carnival::modDeclareGlobals().helpPagePath), expected);
    EXPECT_TRUE(main->isVisible());
}

TEST_F(MainWindowTest, MissingHelpFolderIsReportedNotFatal)
{
    std::filesystem::remove_all(folder->root() / "help");
    frmMain* main = openMain();
    click(main, "cmdHelp");
    EXPECT_TRUE(openedDocuments.isEmpty());
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].prompt.contains("help"));
    EXPECT_TRUE(main->isVisible());
}

struct BrokenFile {
    const char* path;
    const char* content; // nullptr: the file is removed
    const char* named;
    const char* problem;
};

void PrintTo(const BrokenFile& broken, std::ostream* out)
{
    *out << broken.path << " (" << broken.problem << ")";
}

class BrokenDataTest : public MainWindowTest, public ::testing::WithParamInterface<BrokenFile> { };

TEST_P(BrokenDataTest, NamesTheFileAndStopsInOrder)
{
    const BrokenFile& broken = GetParam();
    if (broken.content)
        folder->write(broken.path, broken.content);
    else
        std::filesystem::remove(folder->root() / broken.path);
    EXPECT_EQ(Forms::show<frmMain>(), nullptr);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].prompt.contains(broken.named)) << messages()[0].prompt.toStdString();
    EXPECT_TRUE(messages()[0].prompt.contains(broken.problem)) << messages()[0].prompt.toStdString();
    EXPECT_EQ(Forms::loadedCount(), 0);
    EXPECT_TRUE(lastWindowGone);
}

INSTANTIATE_TEST_SUITE_P(MainWindowLoad, BrokenDataTest,
    ::testing::Values(BrokenFile { "data/houses.dat", nullptr, "data\\houses.dat", "missing" },
        BrokenFile { "data/houses.dat", "One\r\nTwo\r\n", "data\\houses.dat", "house 3" },
        BrokenFile { "data/carnival.dat", "", "data\\carnival.dat", "carnival type" },
        BrokenFile { "data/points.dat", " 1 \r\n 2 \r\n", "data\\points.dat", "house 3" },
        BrokenFile { "data/points.dat", " 1  x  3  4 \r\n", "data\\points.dat", "not a whole number" },
        BrokenFile { "data/points.dat", " 40000  0  0  0 \r\n", "data\\points.dat", "outside the range" },
        BrokenFile { "data/athletics/events.dat", nullptr, "data\\Athletics\\events.dat", "missing" },
        BrokenFile { "data/athletics/events.dat", " 0 \r\n", "data\\Athletics\\events.dat", "at least one" },
        BrokenFile { "data/athletics/events.dat", " 3 \r\n100m\r\n", "data\\Athletics\\events.dat", "event 2" }),
    [](const ::testing::TestParamInfo<BrokenFile>& info) { return "Case" + std::to_string(info.index); });

} // namespace
