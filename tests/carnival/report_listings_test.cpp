// The records listing and the age-champion ranking that the reports print
// and show.

#include "carnival/agechamp_ranking.h"
#include "carnival/carnival_state.h"
#include "carnival/records_listing.h"

#include "support/carnival_layout.h"
#include "support/file_forms.h"

#include <gtest/gtest.h>

#include <filesystem>

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

std::string row(std::string_view key, std::string_view td, std::string_view holder = "Ada Quill")
{
    return padded(key, 25) + '\t' + padded(holder, 30) + "\t2009 \t" + std::string(td) + "\r\n";
}

// The listing with the kind a distance before the first record.
std::string listed(const std::vector<RecordEntry>& records, int lastIndex = 2)
{
    std::string kind = "Distance";
    return listRecords(records, kEvents, lastIndex, kind);
}

} // namespace

TEST(RecordsListing, EachRowTakesItsKindFromTheEventOfItsKey)
{
    const struct {
        const char* key;
        std::int32_t value;
        const char* shown;
    } rows[] = { { "12Boys100m", 95, "000095" }, { "13GirlsHighJump", 56, "0056" }, { "17+GirlsRelay", 1234, "001234" },
        { "14Boys100m", 1234567, "1234567" }, { "15BoysHighJump", 12345, "12345" } };
    for (const auto& r : rows)
        EXPECT_EQ(listed({ setRecord(r.key, r.value) }), row(r.key, r.shown)) << r.key;
}

TEST(RecordsListing, UnsetHoldersAreLeftOutByTheirFirstSixLetters)
{
    EXPECT_EQ(listed({ unsetRecord("12Boys100m", false), unsetRecord("12BoysHighJump", true) }), "");
    EXPECT_EQ(listed({ setRecord("12Boys100m", 1, "Orvaldson Grey"), setRecord("13Boys100m", 2, "orvald Pennimore") }),
        row("13Boys100m", "000002", "orvald Pennimore"));
}

TEST(RecordsListing, AnEventNotListedKeepsTheLastKindFound)
{
    EXPECT_EQ(listed({ setRecord("12BoysSkipping", 5), setRecord("12Boys100m", 6), setRecord("12BoysSkipping", 7) }),
        row("12BoysSkipping", "0005") + row("12Boys100m", "000006") + row("12BoysSkipping", "000007"));
    EXPECT_EQ(listed({ setRecord("12BoysRelay", 5) }, 1), row("12BoysRelay", "0005")); // past the last index
}

TEST(RecordsListing, ReadsTheWholeFileOnceCreatingAMissingOneEmpty)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    std::filesystem::create_directories(folder.root() / "data");
    resetCarnivalState();
    CarnivalState& state = modDeclareGlobals();
    state.carnivalType = "Athletics";
    state.eventList = kEvents;
    state.eventLastIndex = 2;
    EXPECT_EQ(listRecords(), "");
    EXPECT_EQ(folder.read("data/Athletics.dat"), "");

    std::vector<RecordEntry> records(144, unsetRecord("12Boys100m", false));
    records[4] = setRecord("12Boys100m", 1200);
    records[70] = setRecord("15GirlsHighJump", 310);
    records[143] = setRecord("17+GirlsRelay", 5000);
    const std::string full = encodeRecords(records);
    const std::string rows = row("12Boys100m", "001200") + row("15GirlsHighJump", "0310");
    folder.write("data/Athletics.dat", full.substr(0, 143 * 128 + 64)); // the last slot cut after its data
    EXPECT_EQ(listRecords(), rows + row("17+GirlsRelay", "005000"));
    EXPECT_EQ(state.currentRecord, records.back());
    folder.write("data/Athletics.dat", full.substr(0, 143 * 128 + 63));
    EXPECT_EQ(listRecords(), rows);
}

// ---- Age-champion ranking ----

namespace {

// "name=total" for each ranked competitor.
std::vector<std::string> ranked(const std::vector<std::pair<std::string, int>>& records)
{
    std::vector<AgeChampEntry> entries;
    for (const auto& [name, total] : records)
        entries.push_back(competitorEntry(kAthleticsItems, name, total));
    std::vector<std::string> result;
    for (const AgeChampEntry& entry : rankAgeChamps(entries))
        result.push_back(entry.name.trimmed() + "=" + std::to_string(entry.points));
    return result;
}

using Names = std::vector<std::string>;

} // namespace

TEST(AgeChampRanking, RanksByDescendingTotalsWithTiesInRecordOrder)
{
    EXPECT_EQ(ranked({ { "Ann", 5 }, { "Bob", 8 }, { "Cy", 3 } }), (Names { "Bob=8", "Ann=5", "Cy=3" }));
    EXPECT_EQ(ranked({ { "Neg", -4 }, { "Dee", 6 }, { "Eve", 8 }, { "Fay", 6 }, { "Gus", -2 }, { "Hal", 6 } }),
        (Names { "Eve=8", "Dee=6", "Fay=6", "Hal=6", "Gus=-2", "Neg=-4" }));
}

TEST(AgeChampRanking, LeavesOutFreeSlotsBlankNamesZeroTotalsAndRecordsPastFifty)
{
    std::vector<std::pair<std::string, int>> records = { { "zz", 4 }, { " zz ", 4 }, { "", 4 }, { "Zed", 0 },
        { "ZZ", 4 }, { "Zz", 2 } };
    records.resize(50, { "zz", 0 });
    records.push_back({ "Beyond", 9 });
    EXPECT_EQ(ranked(records), (Names { "ZZ=4", "Zz=2" }));
}
