// The records listing and the age-champion ranking as the report windows
// show and print them, and the roads back to their menus.

#include "window_fixture.h"

#include "support/carnival_layout.h"

#include "reports/frmPrint.h"
#include "reports/frmPrintAgeChamps.h"
#include "reports/frmView.h"
#include "reports/frmViewAgeChamps.h"
#include "reports/frmViewRecords.h"

#include "carnival/carnival_state.h"

#include <QComboBox>
#include <QPlainTextEdit>

#include <filesystem>

using namespace reports;
using namespace testing_support;

namespace {

const QString kAreYouSure = "Are you sure you wish to print this?";
const QString kFailure = "The printout could not be written to the file \"x.pdf\".";
// The ranking of the 12 Boys as printed.
const QStringList kBoys12Rows = { "line [0]Tobias Wren                   [3] 22 ",
    "line [0]Maribel                       [3] 16 ", "line [0]Io                            [3]-2 " };

// The window when it is loaded.
template <class Window>
platform::Form* loaded()
{
    return Forms::find<Window>();
}

class ReportListTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        std::vector<std::string> groupFiles;
        for (const std::string& sex : carnival::kSexes)
            for (const std::string& age : carnival::kAgeGroups)
                groupFiles.push_back("data\\athletics\\individuals\\" + age + "\\" + sex + ".dat");
        layOutAthletics2010(*folder, groupFiles, { { "12Boys100m", false }, { "12BoysHighJump", true } });
        putRecord(kRecords, 2, recordEntry("12BoysHighJump", "Maribel Stone", 56, "2009"));
        putRecord(kRecords, 3, recordEntry("17+Girls100m", "Io Vance", 95, "2008"));
        putAgeChamp(kBoys12, 4, competitorEntry(kAthleticsItems, "Maribel", 16));
        putAgeChamp(kBoys12, 8, competitorEntry(kAthleticsItems, "Io", -2));
        putAgeChamp(kBoys12, 9, competitorEntry(kAthleticsItems, "Tobias Wren", 22));
        Forms::show<frmMain>();
    }

    // The print menu, opened when it is not loaded.
    frmPrint* printMenu() { return Forms::isLoaded<frmPrint>() ? Forms::find<frmPrint>() : Forms::show<frmPrint>(); }

    template <class Window>
    Window* openAgeChamps(const char* age, const char* sex)
    {
        auto* window = Forms::show<Window>();
        for (const auto& [name, text] : { std::pair { "cboage", age }, std::pair { "cboSex", sex } }) {
            auto* list = child<QComboBox>(window, name);
            list->setCurrentIndex(list->findText(text));
        }
        return window;
    }

    QString viewAgeChamps(const char* age, const char* sex)
    {
        auto* window = openAgeChamps<frmViewAgeChamps>(age, sex);
        click(window, "cmdGo");
        return child<QPlainTextEdit>(window, "txtIWindow")->toPlainText();
    }

    // One group as printed: the title frame, the underlined heading, the
    // rows and the footer lines; the job goes on.
    static QStringList group(const std::string& age, const std::string& sex, const QStringList& rows)
    {
        QStringList lines = printJob(QString::fromStdString("Top Competitors for " + age + " " + sex),
            QStringList { "underline on", "line [0]Name:[1]Points:", "line", "underline off" } + rows);
        lines.removeLast();
        return lines;
    }
};

} // namespace

TEST_F(ReportListTest, TheRecordsViewListsTheSetRecordsUnderItsHeading)
{
    auto* window = Forms::show<frmViewRecords>();
    EXPECT_EQ(window->windowTitle(), "View Records");
    click(window, "cmdGo");
    EXPECT_EQ(child<QPlainTextEdit>(window, "txtIWindow")->toPlainText(),
        "Records for Athletics\tName:\t\t\tYear:\tT/D:\n\n"
        "12BoysHighJump           \tMaribel Stone                 \t2009 \t0056\n"
        "17+Girls100m             \tIo Vance                      \t2008 \t000095\n");
}

TEST_F(ReportListTest, PrintRecordsPrintsTheSetRecordsInAFixedWidthFontAfterAYes)
{
    answer({ platform::kAnswerNo, platform::kAnswerYes });
    click(printMenu(), "Command5");
    EXPECT_TRUE(printout->operations.empty());
    click(printMenu(), "Command5");
    EXPECT_EQ(printout->transcript(),
        QStringList({ "size 16", "bold on", "font Tahoma", "line [0]Records for Athletics", "size 12",
            "font Courier New", "line [0]Event:" + QString(20, ' ') + "Name:" + QString(26, ' ') + "Year: T/D:",
            "bold off", "line", "line [0]12BoysHighJump            Maribel Stone                  2009  0056",
            "line [0]17+Girls100m              Io Vance                       2008  000095", "line", "font Tahoma",
            "size 9", "line", "line [0]Printed by Ostrivale", "end" }));
    EXPECT_EQ(prompts(), QStringList({ kAreYouSure, kAreYouSure, "Done!" }));
    expectMessage(1, kAreYouSure, 4, "Ostrivale");
    EXPECT_TRUE(printMenu()->isVisible());
}

TEST_F(ReportListTest, TheAgeChampionViewShowsTheRankingRowByRow)
{
    EXPECT_EQ(viewAgeChamps("12", "Boys"),
        "Top Competitors for 12 Boys\n\nName:                Points:\n"
        "Tobias Wren                         22\n"
        "Maribel                             16\n"
        "Io                                  -2");
    EXPECT_EQ(Forms::find<frmViewAgeChamps>()->windowTitle(), "View Age Champions");
}

TEST_F(ReportListTest, PrintOneGroupPrintsItsRankingAndReturnsToTheMenu)
{
    click(printMenu(), "Command2");
    EXPECT_FALSE(printMenu()->isVisible());
    click(openAgeChamps<frmPrintAgeChamps>("12", "Boys"), "cmdGo");
    settle();
    EXPECT_EQ(printout->transcript(),
        group("12", "Boys", kBoys12Rows) + QStringList { "end" });
    EXPECT_EQ(prompts(), QStringList { "Done!" });
    EXPECT_FALSE(Forms::isLoaded<frmPrintAgeChamps>());
    EXPECT_TRUE(printMenu()->isVisible());
}

TEST_F(ReportListTest, PrintAllPrintsTheTwelveGroupsInOneJobAndStays)
{
    // A group without its file prints its title and heading alone.
    std::filesystem::remove(folder->root() / "data/athletics/individuals/17+/Girls.dat");
    auto* window = openAgeChamps<frmPrintAgeChamps>("13", "");
    click(window, "Command1");
    QStringList expected;
    for (const std::string& sex : carnival::kSexes)
        for (const std::string& age : carnival::kAgeGroups)
            expected += group(age, sex, age == "12" && sex == "Boys" ? kBoys12Rows : QStringList {});
    EXPECT_EQ(printout->transcript(), expected + QStringList { "end" });
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(child<QComboBox>(window, "cboage")->currentText(), "13");
}

TEST_F(ReportListTest, AnEmptyChoiceOrAMissingFileShowsTitleAndHeadingAndCreatesNothing)
{
    std::filesystem::remove(folder->root() / "data/athletics/individuals/16/Girls.dat");
    const Tree before = snapshot(folder->root());
    EXPECT_EQ(viewAgeChamps("", "Boys"), "Top Competitors for  Boys\n\nName:                Points:");
    EXPECT_EQ(viewAgeChamps("16", "Girls"), "Top Competitors for 16 Girls\n\nName:                Points:");
    click(openAgeChamps<frmPrintAgeChamps>("12", ""), "cmdGo");
    EXPECT_EQ(printout->transcript(), group("12", "", {}) + QStringList { "end" });
    EXPECT_EQ(snapshot(folder->root()), before);
}

TEST_F(ReportListTest, AGroupFileThatCannotBeReadIsNamedAndNothingIsPrintedOrShown)
{
    std::filesystem::remove(folder->root() / "data/athletics/individuals/14/Boys.dat");
    std::filesystem::create_directory(folder->root() / "data/athletics/individuals/14/Boys.dat");
    viewAgeChamps("12", "Boys");
    EXPECT_EQ(viewAgeChamps("14", "Boys"), "");
    auto* window = openAgeChamps<frmPrintAgeChamps>("14", "Boys");
    click(window, "cmdGo");
    click(window, "Command1");
    expectWarningsNaming("data\\Athletics\\individuals\\14\\Boys.dat", 3);
    EXPECT_TRUE(printout->operations.empty());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ReportListTest, AFailedJobIsReportedWithoutDone)
{
    printout->failure = kFailure;
    answer({ platform::kAnswerYes });
    click(printMenu(), "Command5");
    click(openAgeChamps<frmPrintAgeChamps>("12", "Boys"), "cmdGo");
    EXPECT_EQ(prompts(), QStringList({ kAreYouSure, kFailure, kFailure }));
}

TEST_F(ReportListTest, CancelBringsTheMenuBackAndTheCloseBoxLeavesItToTheMainWindow)
{
    const struct {
        platform::Form* menu;
        const char* mainButton;
        const char* menuButton;
        platform::Form* (*report)();
        bool menuHides; // while the window is open
    } roads[] = {
        { Forms::show<frmPrint>(), "cmdPrint", "Command2", &loaded<frmPrintAgeChamps>, true },
        { Forms::show<frmView>(), "cmdSave", "Command2", &loaded<frmViewAgeChamps>, true },
        { Forms::show<frmView>(), "cmdSave", "Command5", &loaded<frmViewRecords>, false },
    };
    for (const auto& road : roads) {
        for (bool closeBox : { false, true }) {
            SCOPED_TRACE(road.menu->objectName().toStdString() + road.menuButton + (closeBox ? " close box" : ""));
            click(road.menu, road.menuButton);
            ASSERT_NE(road.report(), nullptr);
            EXPECT_TRUE(road.report()->isVisible());
            EXPECT_EQ(road.menu->isVisible(), !road.menuHides);
            if (closeBox)
                road.report()->close();
            else
                click(road.report(), "cmdCancel");
            settle();
            EXPECT_EQ(road.report(), nullptr);
            EXPECT_EQ(road.menu->isVisible(), !(closeBox && road.menuHides));
            EXPECT_TRUE(Forms::find<frmMain>()->isVisible());
            click(Forms::find<frmMain>(), road.mainButton);
        }
    }
    EXPECT_EQ(Forms::loadedCount(), 3);
}
