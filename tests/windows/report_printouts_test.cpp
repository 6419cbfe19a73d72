// The records printout and the age-champion printouts: their exact print
// jobs, and the roads between the report windows and their menus.

#include "window_fixture.h"

#include "support/carnival_layout.h"
#include "support/file_forms.h"

#include "reports/frmPrint.h"
#include "reports/frmPrintAgeChamps.h"
#include "reports/frmView.h"
#include "reports/frmViewAgeChamps.h"
#include "reports/frmViewRecords.h"

#include "carnival/agechamp_file.h"
#include "carnival/carnival_state.h"
#include "carnival/records_file.h"

#include <QComboBox>

#include <filesystem>

using reports::frmPrint;
using reports::frmPrintAgeChamps;
using reports::frmView;
using reports::frmViewAgeChamps;
using reports::frmViewRecords;
using namespace testing_support;

namespace {

const QString kAreYouSure = "Are you sure you wish to print this?";
const QString kFailure = "The printout could not be written to the file \"x.pdf\".";

std::vector<std::string> everyGroupFile()
{
    std::vector<std::string> files;
    for (const std::string& sex : carnival::kSexes)
        for (const std::string& age : carnival::kAgeGroups)
            files.push_back("data\\athletics\\individuals\\" + age + "\\" + sex + ".dat");
    return files;
}

class ReportPrintoutTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        layOutAthletics2010(*folder, everyGroupFile(), { { "12Boys100m", false }, { "12BoysHighJump", true } });
        click(Forms::show<frmMain>(), "cmdPrint");
    }

    frmPrint* menu() { return Forms::find<frmPrint>(); }

    frmPrintAgeChamps* openAgeChamps(const char* age, const char* sex)
    {
        click(menu(), "Command2");
        auto* window = Forms::find<frmPrintAgeChamps>();
        for (const auto& [name, text] : { std::pair { "cboage", age }, std::pair { "cboSex", sex } }) {
            auto* list = child<QComboBox>(window, name);
            list->setCurrentIndex(list->findText(text));
        }
        return window;
    }

    // One group as the printout shows it: the title frame, the underlined
    // heading, the rows and the footer lines.
    static QStringList group(const QString& title, const QStringList& rows)
    {
        QStringList lines = printJob(title, QStringList { "underline on", "line [0]Name:[1]Points:", "line",
                                                "underline off" }
                                                + rows);
        lines.removeLast(); // the job goes on
        return lines;
    }
};

const QString kRecordsTitle = "line [0]Records for Athletics";

TEST_F(ReportPrintoutTest, PrintRecordsPrintsTheSetRecordsInAFixedWidthFontAfterAYes)
{
    carnival::writeRecord(kRecords, 2, recordEntry("12BoysHighJump", "Maribel Stone", 56, "2009"));
    carnival::writeRecord(kRecords, 3, recordEntry("17+Girls100m", "Io Vance", 95, "2008"));
    answer({ platform::kAnswerNo, platform::kAnswerYes });
    click(menu(), "Command5");
    EXPECT_TRUE(printout->operations.empty());
    click(menu(), "Command5");

    EXPECT_EQ(printout->transcript(),
        QStringList({ "size 16", "bold on", "font Tahoma", kRecordsTitle, "size 12", "font Courier New",
            "line [0]Event:" + QString(20, ' ') + "Name:" + QString(26, ' ') + "Year: T/D:", "bold off", "line",
            "line [0]12BoysHighJump            Maribel Stone                  2009  0056",
            "line [0]17+Girls100m              Io Vance                       2008  000095", "line",
            "font Tahoma", "size 9", "line", "line [0]Printed by Ostrivale", "end" }));
    EXPECT_EQ(prompts(), QStringList({ kAreYouSure, kAreYouSure, "Done!" }));
    expectMessage(1, kAreYouSure, 4, "Ostrivale");
    EXPECT_TRUE(menu()->isVisible());
}

TEST_F(ReportPrintoutTest, AFailedRecordsJobIsReportedWithoutDone)
{
    printout->failure = kFailure;
    answer({ platform::kAnswerYes });
    click(menu(), "Command5");
    EXPECT_EQ(printout->transcript().mid(8, 2), QStringList({ "line", "line" })); // no rows, the body's line end
    EXPECT_EQ(prompts(), QStringList({ kAreYouSure, kFailure }));
}

TEST_F(ReportPrintoutTest, PrintOneGroupRanksItPrintsItAndReturnsToTheMenu)
{
    carnival::writeAgeChamp(kBoys12, 4, competitorEntry(kAthleticsItems, "Maribel", 16));
    carnival::writeAgeChamp(kBoys12, 8, competitorEntry(kAthleticsItems, "Io", -2));
    carnival::writeAgeChamp(kBoys12, 9, competitorEntry(kAthleticsItems, "Tobias Wren", 16));
    frmPrintAgeChamps* window = openAgeChamps("12", "Boys");
    EXPECT_EQ(window->windowTitle(), "Print Age Champions");
    EXPECT_FALSE(menu()->isVisible());
    click(window, "cmdGo");
    settle();

    EXPECT_EQ(printout->transcript(),
        group("Top Competitors for 12 Boys",
            { "line [0]Maribel                       [3] 16 ", "line [0]Tobias Wren                   [3] 16 ",
                "line [0]Io                            [3]-2 " })
            + QStringList { "end" });
    EXPECT_EQ(prompts(), QStringList { "Done!" });
    EXPECT_FALSE(Forms::isLoaded<frmPrintAgeChamps>());
    EXPECT_TRUE(menu()->isVisible());
}

TEST_F(ReportPrintoutTest, PrintAllPrintsTheTwelveGroupsInOneJobAndStays)
{
    carnival::writeAgeChamp("data\\athletics\\individuals\\17+\\Girls.dat", 50,
        competitorEntry(kAthleticsItems, "Ada", 8));
    frmPrintAgeChamps* window = openAgeChamps("13", "");
    click(window, "Command1");

    QStringList expected;
    for (const std::string& sex : carnival::kSexes)
        for (const std::string& age : carnival::kAgeGroups)
            expected += group(QString::fromStdString("Top Competitors for " + age + " " + sex),
                age == "17+" && sex == "Girls" ? QStringList { "line [0]Ada" + QString(27, ' ') + "[3] 8 " }
                                               : QStringList {});
    expected << "end";
    EXPECT_EQ(printout->transcript(), expected);
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(child<QComboBox>(window, "cboage")->currentText(), "13");
}

TEST_F(ReportPrintoutTest, AnEmptyChoicePrintsTitleAndHeadingAndCreatesNothing)
{
    const Tree before = snapshot(folder->root());
    click(openAgeChamps("", "Girls"), "cmdGo");
    EXPECT_EQ(printout->transcript(), group("Top Competitors for  Girls", {}) + QStringList { "end" });
    EXPECT_EQ(snapshot(folder->root()), before);
    EXPECT_EQ(prompts(), QStringList { "Done!" });
}

TEST_F(ReportPrintoutTest, AMissingGroupFileIsNamedAndNothingIsPrinted)
{
    std::filesystem::remove(folder->root() / "data/athletics/individuals/16/Girls.dat");
    frmPrintAgeChamps* window = openAgeChamps("16", "Girls");
    click(window, "cmdGo");
    click(window, "Command1");
    const QString named = "There is a problem with the file \"data\\Athletics\\individuals\\16\\Girls.dat\": the file is "
                          "missing.";
    EXPECT_EQ(prompts(), QStringList({ named, named }));
    EXPECT_TRUE(printout->operations.empty());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(folder->exists("data/athletics/individuals/16/Girls.dat"));
}

TEST_F(ReportPrintoutTest, AFailedGroupJobIsReportedWithoutDone)
{
    printout->failure = kFailure;
    click(openAgeChamps("12", "Boys"), "cmdGo");
    EXPECT_EQ(prompts(), QStringList { kFailure });
}

// ---- Roads between the report windows and their menus ----

struct ReportRoad {
    const char* name;
    const char* mainButton;
    const char* menuButton;
    bool menuHides; // the menu hides while the window is open
};

class ReportRoads : public WindowTest, public ::testing::WithParamInterface<ReportRoad> {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        layOutAthletics2010(*folder, {}, {});
        click(Forms::show<frmMain>(), GetParam().mainButton);
        click(menu(), GetParam().menuButton);
        settle();
    }
    bool printing() const { return GetParam().mainButton == std::string("cmdPrint"); }
    platform::Form* menu() const
    {
        return printing() ? static_cast<platform::Form*>(Forms::find<frmPrint>()) : Forms::find<frmView>();
    }
    platform::Form* report() const
    {
        const std::string name = GetParam().name;
        if (name == "PrintAgeChamps")
            return Forms::find<frmPrintAgeChamps>();
        if (name == "ViewAgeChamps")
            return Forms::find<frmViewAgeChamps>();
        return Forms::find<frmViewRecords>();
    }
    void expectBackAtTheMenu()
    {
        settle();
        EXPECT_EQ(report(), nullptr);
        ASSERT_NE(menu(), nullptr);
        EXPECT_TRUE(menu()->isVisible());
        EXPECT_TRUE(Forms::find<frmMain>()->isVisible());
        EXPECT_EQ(Forms::loadedCount(), 2);
    }
};

TEST_P(ReportRoads, TheMenuButtonOpensTheWindowAndCancelReturns)
{
    ASSERT_NE(report(), nullptr);
    EXPECT_TRUE(report()->isVisible());
    EXPECT_EQ(menu()->isVisible(), !GetParam().menuHides);
    click(report(), "cmdCancel");
    expectBackAtTheMenu();
}

TEST_P(ReportRoads, TheCloseBoxAlsoReturnsToTheMenu)
{
    report()->close();
    expectBackAtTheMenu();
}

INSTANTIATE_TEST_SUITE_P(Reports, ReportRoads,
    ::testing::Values(ReportRoad { "PrintAgeChamps", "cmdPrint", "Command2", true },
        ReportRoad { "ViewAgeChamps", "cmdSave", "Command2", true },
        ReportRoad { "ViewRecords", "cmdSave", "Command5", false }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
