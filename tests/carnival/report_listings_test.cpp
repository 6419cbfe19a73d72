// The records listing and the age-champion ranking that the reports print
// and show.

#include "carnival/agechamp_ranking.h"
#include "carnival/carnival_state.h"
#include "carnival/data_error.h"
#include "carnival/records_listing.h"

#include "support/carnival_layout.h"
#include "support/file_forms.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace carnival;
using namespace testing_support;

namespace {

EventEntry event(std::string_view name, std::string_view kind)
{
    EventEntry entry;
    entry.name.assign(name);
    entry.kind.assign(kind);
    return entry;
}

const std::vector<EventEntry> kEvents = { event("100m", "Time"), event("High Jump", "Distance"),
    event("Relay", "Time") };

RecordEntry setRecord(std::string_view key, std::int32_t value, std::string_view holder = "Ada Quill")
{
    return recordEntry(key, holder, value, "2009");
}

// The row of a record as the listing shows it.
std::string row(std::string_view key, std::string_view holder, std::string_view td)
{
    return padded(key, 25) + '\t' + padded(holder, 30) + '\t' + "2009 " + '\t' + std::string(td) + "\r\n";
}

std::string listed(const std::vector<RecordEntry>& records, std::string kind = "Time")
{
    return listRecords(records, kEvents, static_cast<int>(kEvents.size()) - 1, kind);
}

} // namespace

// ---- Records listing ----

struct ListedRow {
    const char* name;
    const char* key;
    std::int32_t value;
    const char* shown;
};

class RecordRow : public ::testing::TestWithParam<ListedRow> { };

TEST_P(RecordRow, TakesItsKindFromTheEventOfItsKey)
{
    const ListedRow& c = GetParam();
    // The kind carried in is a distance, so only a found time event pads to six.
    EXPECT_EQ(listed({ setRecord(c.key, c.value) }, "Distance"), row(c.key, "Ada Quill", c.shown));
}

INSTANTIATE_TEST_SUITE_P(RecordsListing, RecordRow,
    ::testing::Values(ListedRow { "BoysTime", "12Boys100m", 95, "000095" },
        ListedRow { "OlderGirlsTime", "17+Girls100m", 95, "000095" },
        ListedRow { "GirlsDistance", "13GirlsHighJump", 56, "0056" },
        ListedRow { "OlderGirlsRelay", "17+GirlsRelay", 1234, "001234" },
        ListedRow { "LongTimeUnchanged", "14Boys100m", 1234567, "1234567" },
        ListedRow { "LongDistanceUnchanged", "15BoysHighJump", 12345, "12345" },
        ListedRow { "KeyWithBlanksAround", " 16Girls 100m ", 7, "000007" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecordsListing, UnsetHoldersAreLeftOutByTheirFirstSixLetters)
{
    const std::vector<RecordEntry> records = { unsetRecord("12Boys100m", false),
        setRecord("12Boys100m", 1, "Orvaldson Grey"), setRecord("13Boys100m", 2, "orvald Pennimore"),
        setRecord("14Boys100m", 3, " Orvald") };
    EXPECT_EQ(listed({ unsetRecord("12Boys100m", false), unsetRecord("12BoysHighJump", true) }), "");
    EXPECT_EQ(listed(records),
        row("13Boys100m", "orvald Pennimore", "000002") + row("14Boys100m", " Orvald", "000003"));
}

TEST(RecordsListing, AnEventNotListedKeepsTheLastKindFound)
{
    std::string kind = "Distance";
    const std::string body = listRecords({ setRecord("12BoysSkipping", 5), setRecord("12Boys100m", 6),
                                             setRecord("12BoysSkipping", 7) },
        kEvents, 2, kind);
    EXPECT_EQ(body, row("12BoysSkipping", "Ada Quill", "0005") + row("12Boys100m", "Ada Quill", "000006")
            + row("12BoysSkipping", "Ada Quill", "000007"));
    EXPECT_EQ(kind, "Time    ");

    // Events past the last index are not looked at.
    kind = "Distance";
    EXPECT_EQ(listRecords({ setRecord("12BoysRelay", 5) }, kEvents, 1, kind), row("12BoysRelay", "Ada Quill", "0005"));
}

class RecordsFileListing : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetCarnivalState();
        std::filesystem::create_directories(folder.root() / "data");
        CarnivalState& state = modDeclareGlobals();
        state.carnivalType = "Athletics";
        state.eventList = kEvents;
        state.eventLastIndex = 2;
    }
    WorkingFolder folder { WorkingFolder::Contents::Empty };
};

TEST_F(RecordsFileListing, ListsTheSetRecordsOfAFullFileInRecordOrder)
{
    std::vector<RecordEntry> records;
    for (int i = 0; i < 144; ++i)
        records.push_back(unsetRecord("12Boys100m", false));
    records[4] = setRecord("12Boys100m", 1200);
    records[70] = setRecord("15GirlsHighJump", 310);
    records[143] = setRecord("17+GirlsRelay", 5000);
    folder.write("data/athletics.dat", encodeRecords(records));

    EXPECT_EQ(listRecords(), row("12Boys100m", "Ada Quill", "001200") + row("15GirlsHighJump", "Ada Quill", "0310")
            + row("17+GirlsRelay", "Ada Quill", "005000"));
    EXPECT_EQ(modDeclareGlobals().currentRecord, records.back());
    EXPECT_EQ(modDeclareGlobals().eventKind, "Time    ");
}

TEST_F(RecordsFileListing, ALastSlotCutShortAfterItsDataIsListed)
{
    std::string file = encodeRecords({ setRecord("12Boys100m", 1), setRecord("13Boys100m", 2) });
    folder.write("data/athletics.dat", file.substr(0, 128 + 64));
    EXPECT_EQ(listRecords(), row("12Boys100m", "Ada Quill", "000001") + row("13Boys100m", "Ada Quill", "000002"));
    folder.write("data/athletics.dat", file.substr(0, 128 + 63));
    EXPECT_EQ(listRecords(), row("12Boys100m", "Ada Quill", "000001"));
}

TEST_F(RecordsFileListing, AMissingFileListsNothingAndIsCreatedEmpty)
{
    EXPECT_EQ(listRecords(), "");
    EXPECT_TRUE(folder.exists("data/Athletics.dat"));
    EXPECT_EQ(folder.read("data/Athletics.dat"), "");
}

TEST(RecordsListing, TheViewHeadsTheBody)
{
    EXPECT_EQ(recordsViewText("Swimming", ""), "Records for Swimming\tName:\t\t\tYear:\tT/D:\r\n\r\n");
}

// ---- Age-champion ranking ----

namespace {

AgeChampEntry competitor(std::string_view name, int total)
{
    return competitorEntry(kAthleticsItems, name, total);
}

// Names and totals of a ranking, "name=total".
std::vector<std::string> shown(const std::vector<AgeChampEntry>& ranking)
{
    std::vector<std::string> result;
    for (const AgeChampEntry& entry : ranking)
        result.push_back(entry.name.trimmed() + "=" + std::to_string(entry.points));
    return result;
}

} // namespace

TEST(AgeChampRanking, RanksByDescendingTotalsWithTiesInRecordOrder)
{
    EXPECT_EQ(shown(rankAgeChamps({ competitor("Ann", 5), competitor("Bob", 8), competitor("Cy", 3) })),
        (std::vector<std::string> { "Bob=8", "Ann=5", "Cy=3" }));
    EXPECT_EQ(shown(rankAgeChamps({ competitor("Neg", -4), competitor("Dee", 6), competitor("Eve", 8),
                  competitor("Fay", 6), competitor("Gus", -2), competitor("Hal", 6) })),
        (std::vector<std::string> { "Eve=8", "Dee=6", "Fay=6", "Hal=6", "Gus=-2", "Neg=-4" }));
}

TEST(AgeChampRanking, LeavesOutFreeSlotsBlankNamesAndZeroTotals)
{
    const std::vector<AgeChampEntry> records = { competitor("zz", 4), competitor("  zz ", 4), competitor("", 4),
        competitor("Zed", 0), competitor("ZZ", 4), AgeChampEntry {}, competitor("Zz", 2) };
    EXPECT_EQ(shown(rankAgeChamps(records)), (std::vector<std::string> { "ZZ=4", "Zz=2" }));
}

TEST(AgeChampRanking, OnlyTheFirstFiftyRecordsCount)
{
    std::vector<AgeChampEntry> records(kAgeChampSlots, competitor("zz", 0));
    records[49] = competitor("Last", 1);
    records.push_back(competitor("Beyond", 9));
    EXPECT_EQ(shown(rankAgeChamps(records)), (std::vector<std::string> { "Last=1" }));
}

TEST(AgeChampRanking, TheViewShowsWholeNamesAndPlainTotals)
{
    EXPECT_EQ(ageChampViewText(ageChampTitle("17+", "Girls"), { competitor("Maribel", 16), competitor("Io", -3) }),
        "Top Competitors for 17+ Girls\r\n\r\nName:                Points:\r\nMaribel" + std::string(23 + 6, ' ')
            + "16\r\nIo" + std::string(28 + 6, ' ') + "-3");
}

TEST(AgeChampRanking, AGroupWithoutAChoiceReadsNothing)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    resetCarnivalState();
    modDeclareGlobals().carnivalType = "Athletics";
    EXPECT_TRUE(rankAgeChampGroup("", "Boys").empty());
    EXPECT_TRUE(rankAgeChampGroup("12", "").empty());
    EXPECT_TRUE(testing_support::snapshot(folder.root()).empty());
    EXPECT_THROW(rankAgeChampGroup("12", "Boys"), DataFileError);
}
