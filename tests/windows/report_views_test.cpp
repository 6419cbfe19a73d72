// The records view and the age-champion view: their exact texts, and what
// they do with an empty choice and a missing file.

#include "window_fixture.h"

#include "support/carnival_layout.h"
#include "support/file_forms.h"

#include "reports/frmViewAgeChamps.h"
#include "reports/frmViewRecords.h"

#include "carnival/agechamp_file.h"
#include "carnival/records_file.h"

#include <QComboBox>
#include <QPlainTextEdit>

#include <filesystem>

using reports::frmViewAgeChamps;
using reports::frmViewRecords;
using namespace testing_support;

namespace {

class ReportViewTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        layOutAthletics2010(*folder, { kBoys12 }, { { "12Boys100m", false }, { "12BoysHighJump", true } });
        Forms::show<frmMain>();
    }

    QString listing(QWidget* window) { return child<QPlainTextEdit>(window, "txtIWindow")->toPlainText(); }

    // Picks an age group and a sex by their texts; "" leaves a list unchosen.
    void choose(QWidget* window, const char* age, const char* sex)
    {
        for (const auto& [name, text] : { std::pair { "cboage", age }, std::pair { "cboSex", sex } }) {
            auto* list = child<QComboBox>(window, name);
            list->setCurrentIndex(list->findText(text));
        }
    }

    QString viewAgeChamps(const char* age, const char* sex)
    {
        auto* window = Forms::show<frmViewAgeChamps>();
        choose(window, age, sex);
        click(window, "cmdGo");
        return listing(window);
    }
};

const QString kRecordsHeading = "Records for Athletics\tName:\t\t\tYear:\tT/D:\n\n";

} // namespace

TEST_F(ReportViewTest, TheRecordsViewListsTheSetRecordsUnderItsHeading)
{
    auto* window = Forms::show<frmViewRecords>();
    EXPECT_EQ(window->windowTitle(), "View Records");
    EXPECT_EQ(listing(window), "");
    click(window, "cmdGo");
    EXPECT_EQ(listing(window), kRecordsHeading);

    carnival::writeRecord(kRecords, 2, recordEntry("12BoysHighJump", "Maribel Stone", 56, "2009"));
    carnival::writeRecord(kRecords, 3, recordEntry("17+Girls100m", "Io Vance", 95, "2008"));
    click(window, "cmdGo");
    EXPECT_EQ(listing(window),
        kRecordsHeading + "12BoysHighJump           \tMaribel Stone                 \t2009 \t0056\n"
            + "17+Girls100m             \tIo Vance                      \t2008 \t000095\n");
    EXPECT_TRUE(messages().empty());
}

TEST_F(ReportViewTest, TheRecordsViewCreatesAMissingRecordsFileEmpty)
{
    std::filesystem::remove(folder->root() / "data/athletics.dat");
    auto* window = Forms::show<frmViewRecords>();
    click(window, "cmdGo");
    EXPECT_EQ(listing(window), kRecordsHeading);
    EXPECT_EQ(folder->read("data/Athletics.dat"), "");
}

TEST_F(ReportViewTest, TheAgeChampionViewShowsTheRankingRowByRow)
{
    carnival::writeAgeChamp(kBoys12, 3, competitorEntry(kAthleticsItems, "Maribel", 16));
    carnival::writeAgeChamp(kBoys12, 7, competitorEntry(kAthleticsItems, "Tobias Wren", 22));
    carnival::writeAgeChamp(kBoys12, 9, competitorEntry(kAthleticsItems, "Io", -2));
    EXPECT_EQ(Forms::show<frmViewAgeChamps>()->windowTitle(), "View Age Champions");
    EXPECT_EQ(viewAgeChamps("12", "Boys"),
        "Top Competitors for 12 Boys\n\nName:                Points:\n"
        "Tobias Wren                         22\n"
        "Maribel                             16\n"
        "Io                                  -2");
    EXPECT_TRUE(messages().empty());
}

TEST_F(ReportViewTest, AnEmptyChoiceShowsTitleAndHeadingAndCreatesNothing)
{
    const Tree before = snapshot(folder->root());
    EXPECT_EQ(viewAgeChamps("", "Boys"), "Top Competitors for  Boys\n\nName:                Points:");
    EXPECT_EQ(viewAgeChamps("12", ""), "Top Competitors for 12 \n\nName:                Points:");
    EXPECT_EQ(snapshot(folder->root()), before);
    EXPECT_TRUE(messages().empty());
}

TEST_F(ReportViewTest, AMissingAgeChampionFileIsNamedAndTheViewKeepsItsText)
{
    const QString shown = viewAgeChamps("12", "Boys");
    std::filesystem::remove_all(folder->root() / "data/athletics/individuals");
    EXPECT_EQ(viewAgeChamps("12", "Boys"), shown);
    EXPECT_EQ(prompts(),
        QStringList { "There is a problem with the file \"data\\Athletics\\individuals\\12\\Boys.dat\": the file is "
                      "missing." });
    EXPECT_FALSE(folder->exists("data/athletics/individuals"));
}
