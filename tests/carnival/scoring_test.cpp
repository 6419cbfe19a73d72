// House points and individual points: the tables, the house match, which rows
// count, and the award and removal of points in the age-champion file.

#include "carnival/agechamp_file.h"
#include "carnival/carnival_state.h"
#include "carnival/data_error.h"
#include "carnival/scoring.h"

#include "support/carnival_layout.h"
#include "support/file_forms.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

using namespace carnival;
using namespace testing_support;

namespace {

using Points = std::array<int, 5>;

HouseTotals fourHouses()
{
    HouseTotals totals;
    totals.names = { "Tamsett", "Brindrel", "Corrow", "Elvane" };
    return totals;
}

ResultForm rows(Placing first, Placing second, Placing third, Placing fourth,
    Placing draw = { std::string(kDrawLineDefault), "", "" })
{
    ResultForm form;
    form.places = { std::move(first), std::move(second), std::move(third), std::move(fourth) };
    form.drawLine = std::move(draw);
    return form;
}

} // namespace

// ---- Points tables ----

TEST(PointsTables, NormalPointsByTiePosition)
{
    EXPECT_EQ(normalPoints(0), (Points { 8, 6, 4, 2, 0 }));
    EXPECT_EQ(normalPoints(1), (Points { 7, 7, 4, 2, 0 }));
    EXPECT_EQ(normalPoints(2), (Points { 8, 5, 5, 2, 0 }));
    EXPECT_EQ(normalPoints(3), (Points { 8, 6, 3, 3, 0 }));
    EXPECT_EQ(normalPoints(4), (Points { 8, 6, 4, 1, 1 }));
}

TEST(PointsTables, RelayPointsAreDoubled)
{
    EXPECT_EQ(relayPoints(0), (Points { 16, 12, 8, 4, 0 }));
    EXPECT_EQ(relayPoints(1), (Points { 14, 14, 8, 4, 0 }));
    EXPECT_EQ(relayPoints(2), (Points { 16, 10, 10, 4, 0 }));
    EXPECT_EQ(relayPoints(3), (Points { 16, 12, 6, 6, 0 }));
    EXPECT_EQ(relayPoints(4), (Points { 16, 12, 8, 2, 2 }));
}

TEST(PointsTables, ATiedPairSharesThePointsOfItsTwoPlaces)
{
    for (int drawpos = 1; drawpos <= 4; ++drawpos) {
        const Points tied = normalPoints(drawpos);
        int sum = 0;
        for (int p : tied)
            sum += p;
        EXPECT_EQ(sum, 20) << "tie position " << drawpos;
        EXPECT_EQ(tied[drawpos - 1], tied[drawpos]) << "tie position " << drawpos;
    }
}

// ---- Matching a house ----

TEST(MatchHouse, AnExactNameGetsThePoints)
{
    HouseTotals totals = fourHouses();
    EXPECT_EQ(totals.matchHouse("Corrow", 8), 2);
    EXPECT_EQ(totals.points, (std::array<int, 4> { 0, 0, 8, 0 }));
    EXPECT_EQ(totals.matchHouse("Corrow", -3), 2);
    EXPECT_EQ(totals.points, (std::array<int, 4> { 0, 0, 5, 0 }));
}

TEST(MatchHouse, CaseAndBlanksCountAndNothingIsReported)
{
    HouseTotals totals = fourHouses();
    EXPECT_EQ(totals.matchHouse("corrow", 8), -1);
    EXPECT_EQ(totals.matchHouse("Corrow ", 8), -1);
    EXPECT_EQ(totals.matchHouse(" Corrow", 8), -1);
    EXPECT_EQ(totals.matchHouse("", 8), -1);
    EXPECT_EQ(totals.points, (std::array<int, 4> { 0, 0, 0, 0 }));
}

TEST(MatchHouse, OnlyTheFirstOfTwoEqualNamesGetsThePoints)
{
    HouseTotals totals = fourHouses();
    totals.names[3] = "Brindrel";
    EXPECT_EQ(totals.matchHouse("Brindrel", 6), 1);
    EXPECT_EQ(totals.points, (std::array<int, 4> { 0, 6, 0, 0 }));
}

TEST(MatchHouse, AnEmptyHouseNameMatchesOnlyAnEmptyText)
{
    HouseTotals totals = fourHouses();
    totals.names[2] = "";
    EXPECT_EQ(totals.matchHouse("", 4), 2);
    EXPECT_EQ(totals.matchHouse(" ", 4), -1);
    EXPECT_EQ(totals.points, (std::array<int, 4> { 0, 0, 4, 0 }));
}

TEST(HouseTotals, ATotalOutsideSixteenBitsIsFound)
{
    HouseTotals totals = fourHouses();
    totals.points = { 32767, -32768, 0, 0 };
    EXPECT_EQ(totals.houseOutOfRange(), -1);
    totals.points[2] = 32768;
    EXPECT_EQ(totals.houseOutOfRange(), 2);
    totals.points[2] = 0;
    totals.points[3] = -32769;
    EXPECT_EQ(totals.houseOutOfRange(), 3);
}

// ---- Rows that count ----

TEST(RowCounts, TheFirstRowAlwaysCounts)
{
    EXPECT_TRUE(rowCounts({ "", "", "" }, 0));
    EXPECT_TRUE(rowCounts({ "   ", "Tamsett", "" }, 0));
}

TEST(RowCounts, LaterRowsAndTheDrawLineNeedANonBlankName)
{
    for (int row = 1; row <= 4; ++row) {
        EXPECT_FALSE(rowCounts({ "", "Tamsett", "012.50" }, row)) << row;
        EXPECT_FALSE(rowCounts({ "   ", "Tamsett", "012.50" }, row)) << row;
        EXPECT_TRUE(rowCounts({ " b ", "", "" }, row)) << row;
    }
}

// ---- House points of a form ----

TEST(HousePoints, ANormalEventSkipsRowsWithoutAName)
{
    HouseTotals totals = fourHouses();
    addHousePoints(totals,
        rows({ "Ann", "Tamsett", "" }, { "Bea", "Brindrel", "" }, { "Cat", "Tamsett", "" }, { "", "Corrow", "" }),
        normalPoints(0));
    EXPECT_EQ(totals.points, (std::array<int, 4> { 12, 6, 0, 0 }));
}

TEST(HousePoints, ARelayWithTheSameRowsEarnsDouble)
{
    HouseTotals totals = fourHouses();
    addHousePoints(totals,
        rows({ "Ann", "Tamsett", "" }, { "Bea", "Brindrel", "" }, { "Cat", "Tamsett", "" }, { "", "Corrow", "" }),
        relayPoints(0));
    EXPECT_EQ(totals.points, (std::array<int, 4> { 24, 12, 0, 0 }));
}

TEST(HousePoints, ABlankSecondNameEarnsNothing)
{
    HouseTotals totals = fourHouses();
    addHousePoints(totals,
        rows({ "Ann", "Tamsett", "" }, { "   ", "Brindrel", "" }, { "Cat", "Corrow", "" }, { "Dan", "Elvane", "" }),
        normalPoints(0));
    EXPECT_EQ(totals.points, (std::array<int, 4> { 8, 0, 4, 2 }));
}

TEST(HousePoints, AnEmptyHouseNameNeverReceivesTheHouseOfARowThatDoesNotCount)
{
    HouseTotals totals = fourHouses();
    totals.names[3] = "";
    addHousePoints(totals,
        rows({ "Ann", "Tamsett", "" }, { "", "", "" }, { " ", "", "" }, { "", "", "" }, { "", "", "" }),
        normalPoints(4));
    EXPECT_EQ(totals.points, (std::array<int, 4> { 8, 0, 0, 0 }));
}

TEST(HousePoints, TheEmptyHouseTextOfAScoredRowIsTheHouseWhoseNameIsEmpty)
{
    HouseTotals totals = fourHouses();
    totals.names[3] = "";
    const ResultForm form = rows({ "Ann", "", "" }, { "Bea", "Brindrel", "" }, { "", "", "" }, { "", "", "" });
    addHousePoints(totals, form, normalPoints(1));
    EXPECT_EQ(totals.points, (std::array<int, 4> { 0, 7, 0, 7 }));
    takeBackHousePoints(totals, form, normalPoints(1));
    EXPECT_EQ(totals.points, (std::array<int, 4> { 0, 0, 0, 0 }));
}

TEST(HousePoints, TheDrawLineScoresOnlyAtTiePositionFour)
{
    const ResultForm form = rows({ "Ann", "Tamsett", "" }, { "Bea", "Brindrel", "" }, { "Cat", "Corrow", "" },
        { "Dan", "Elvane", "" }, { "Dee", "Tamsett", "" });
    for (int drawpos = 0; drawpos <= 3; ++drawpos) {
        HouseTotals totals = fourHouses();
        addHousePoints(totals, form, normalPoints(drawpos));
        const Points p = normalPoints(drawpos);
        EXPECT_EQ(totals.points, (std::array<int, 4> { p[0], p[1], p[2], p[3] })) << drawpos;
    }
    HouseTotals totals = fourHouses();
    addHousePoints(totals, form, normalPoints(4));
    EXPECT_EQ(totals.points, (std::array<int, 4> { 9, 6, 4, 1 }));
    totals = fourHouses();
    addHousePoints(totals, form, relayPoints(4));
    EXPECT_EQ(totals.points, (std::array<int, 4> { 18, 12, 8, 2 }));
}

TEST(HousePoints, AnUnnamedDrawLineEarnsNothingAtTiePositionFour)
{
    HouseTotals totals = fourHouses();
    addHousePoints(totals,
        rows({ "Ann", "Tamsett", "" }, { "Bea", "Brindrel", "" }, { "Cat", "Corrow", "" }, { "Dan", "Elvane", "" },
            { "", "Brindrel", "" }),
        normalPoints(4));
    EXPECT_EQ(totals.points, (std::array<int, 4> { 8, 6, 4, 1 }));
}

TEST(HousePoints, TakingBackSubtractsTheSameRowsAndMayGoNegative)
{
    const ResultForm form = rows({ "Ann", "Tamsett", "" }, { "Bea", "Brindrel", "" }, { "", "Corrow", "" },
        { "Dan", "Elvane", "" }, { "Dee", "Tamsett", "" });
    HouseTotals totals = fourHouses();
    totals.points = { 20, 3, 10, 10 };
    takeBackHousePoints(totals, form, normalPoints(4));
    EXPECT_EQ(totals.points, (std::array<int, 4> { 11, -3, 10, 9 }));
    addHousePoints(totals, form, normalPoints(4));
    EXPECT_EQ(totals.points, (std::array<int, 4> { 20, 3, 10, 10 }));
}

// ---- Awards of a form ----

TEST(Awards, CountingRowsInOrderWithTheDrawLineOnlyWhenItHasPoints)
{
    const ResultForm form = rows({ " ", "", "" }, { "Bea", "", "" }, { "  ", "", "" }, { "Dan", "", "" },
        { "Dee", "", "" });
    const auto plain = awardsFor(form, normalPoints(0));
    ASSERT_EQ(plain.size(), 3u);
    EXPECT_EQ(plain[0].name, " ");
    EXPECT_EQ(plain[0].points, 8);
    EXPECT_EQ(plain[1].name, "Bea");
    EXPECT_EQ(plain[2].name, "Dan");
    EXPECT_EQ(plain[2].points, 2);

    const auto tied = awardsFor(form, normalPoints(4));
    ASSERT_EQ(tied.size(), 4u);
    EXPECT_EQ(tied[2].points, 1);
    EXPECT_EQ(tied[3].name, "Dee");
    EXPECT_EQ(tied[3].points, 1);
}

// ---- The event's points cell ----

TEST(EventCellIndex, TheEventsPositionInTheList)
{
    resetCarnivalState();
    auto& list = modDeclareGlobals().eventList;
    for (const char* name : { "100m", "Long Jump", "Relay" }) {
        EventEntry entry;
        entry.name.assign(name);
        entry.kind.assign("Time");
        list.push_back(entry);
    }
    EXPECT_EQ(eventCellIndex("100m                "), 0);
    EXPECT_EQ(eventCellIndex("Long Jump           "), 1);
    EXPECT_EQ(eventCellIndex("Relay               "), 2);
    EXPECT_EQ(eventCellIndex("Relay"), -1);
    EXPECT_EQ(eventCellIndex("relay               "), -1);
    EXPECT_EQ(eventCellIndex("Shot Put            "), -1);
}

TEST(EventCellIndex, EventsPastTheTwentiethCellHaveNone)
{
    resetCarnivalState();
    auto& list = modDeclareGlobals().eventList;
    for (int i = 1; i <= 22; ++i) {
        EventEntry entry;
        entry.name.assign("Event " + std::to_string(i));
        list.push_back(entry);
    }
    EXPECT_EQ(eventCellIndex(list[19].name.raw()), 19);
    EXPECT_EQ(eventCellIndex(list[20].name.raw()), -1);
}

// ---- Awarding and removing individual points ----

class AgeChampTest : public ::testing::Test {
protected:
    AgeChampEntry record(int number) const { return entries[static_cast<std::size_t>(number - 1)]; }

    int freeSlots() const
    {
        int free = 0;
        for (int number = 1; number <= kAgeChampSlots; ++number)
            free += isFreeSlot(record(number)) ? 1 : 0;
        return free;
    }

    std::vector<AgeChampEntry> entries { static_cast<std::size_t>(kAgeChampSlots),
        freeSlotTemplate({ "100m", "Long Jump1", "Relay" }) };
};

TEST_F(AgeChampTest, ANewCompetitorTakesTheFirstFreeSlot)
{
    EXPECT_EQ(findAgeChampSlot(entries, "Ann Tamsett", 8, 1), SlotOutcome::NewCompetitor);
    const AgeChampEntry ann = record(1);
    EXPECT_EQ(ann.name.raw(), "Ann Tamsett" + std::string(19, ' '));
    EXPECT_EQ(ann.points, 8);
    EXPECT_EQ(ann.eventPoints[1].raw(), cell("8"));
    EXPECT_EQ(ann.eventPoints[0].raw(), std::string(12, '\0'));
    EXPECT_EQ(ann.eventNames[1].raw(), cell("Long Jump1"));
    EXPECT_EQ(record(2), freeSlotTemplate({ "100m", "Long Jump1", "Relay" }));
}

TEST_F(AgeChampTest, RepeatAwardsToOneNameAddUp)
{
    findAgeChampSlot(entries, "Ann", 8, 0);
    EXPECT_EQ(findAgeChampSlot(entries, "Ann", 6, 1), SlotOutcome::AddedToCompetitor);
    EXPECT_EQ(record(1).points, 14);
    EXPECT_EQ(record(1).eventPoints[0].raw(), cell("8"));
    EXPECT_EQ(record(1).eventPoints[1].raw(), cell("6"));
    EXPECT_EQ(freeSlots(), 49);
}

TEST_F(AgeChampTest, TheSameNameTwiceInOneEventKeepsTheLaterCell)
{
    findAgeChampSlot(entries, "Ann", 8, 0);
    findAgeChampSlot(entries, "Ann", 4, 0);
    EXPECT_EQ(record(1).points, 12);
    EXPECT_EQ(record(1).eventPoints[0].raw(), cell("4"));
}

TEST_F(AgeChampTest, NamesDifferingInCaseAreTwoCompetitors)
{
    findAgeChampSlot(entries, "Ann", 8, 0);
    EXPECT_EQ(findAgeChampSlot(entries, "ann", 6, 0), SlotOutcome::NewCompetitor);
    EXPECT_EQ(record(1).points, 8);
    EXPECT_EQ(record(2).name.trimmed(), "ann");
    EXPECT_EQ(record(2).points, 6);
}

// A name is compared as the record keeps it, so blanks around it or a 31st
// character never split a competitor's points, and an edit takes them back.
TEST_F(AgeChampTest, ANameIsFoundAsTheRecordKeepsIt)
{
    const std::string longName = "Annabelle Constance Tamsett-Brindrel";
    for (const std::string& typed : { std::string("Ann Lee "), std::string(" Bea"), longName }) {
        EXPECT_EQ(findAgeChampSlot(entries, typed, 8, 0), SlotOutcome::NewCompetitor) << typed;
        EXPECT_EQ(findAgeChampSlot(entries, typed, 6, 1), SlotOutcome::AddedToCompetitor) << typed;
    }
    EXPECT_EQ(findAgeChampSlot(entries, "Ann Lee", 4, 2), SlotOutcome::AddedToCompetitor);
    EXPECT_EQ(record(1).name.raw(), padded("Ann Lee", 30));
    EXPECT_EQ(record(2).name.raw(), padded(" Bea", 30));
    EXPECT_EQ(record(3).name.raw(), longName.substr(0, 30));
    EXPECT_EQ(record(1).points, 18);
    EXPECT_EQ(record(3).points, 14);
    EXPECT_EQ(freeSlots(), 47);

    removeIndividualPoints(entries, "Ann Lee ", 8, 0);
    removeIndividualPoints(entries, longName, 8, 0);
    EXPECT_EQ(record(1).points, 10);
    EXPECT_EQ(record(3).points, 6);
    EXPECT_EQ(record(3).eventPoints[0].raw(), cell("0"));
}

TEST_F(AgeChampTest, ANameOfExactlyThirtyIsFound)
{
    const std::string name(30, 'x');
    findAgeChampSlot(entries, name, 8, 0);
    EXPECT_EQ(findAgeChampSlot(entries, name, 6, 0), SlotOutcome::AddedToCompetitor);
    EXPECT_EQ(record(1).points, 14);
}

TEST_F(AgeChampTest, ABlankFirstPlaceNameTakesASlot)
{
    EXPECT_EQ(findAgeChampSlot(entries, "  ", 8, 0), SlotOutcome::NewCompetitor);
    EXPECT_EQ(record(1).name.raw(), std::string(30, ' '));
    EXPECT_EQ(record(1).points, 8);
}

TEST_F(AgeChampTest, WithAllSlotsInUseANewNameEarnsNothing)
{
    for (int i = 1; i <= kAgeChampSlots; ++i)
        ASSERT_EQ(findAgeChampSlot(entries, "Runner " + std::to_string(i), 2, 0), SlotOutcome::NewCompetitor);
    const std::vector<AgeChampEntry> before = entries;
    EXPECT_EQ(findAgeChampSlot(entries, "Late Comer", 8, 0), SlotOutcome::NoFreeSlot);
    EXPECT_EQ(entries, before);
    EXPECT_EQ(findAgeChampSlot(entries, "Runner 50", 6, 1), SlotOutcome::AddedToCompetitor);
    EXPECT_EQ(record(50).points, 8);
}

TEST_F(AgeChampTest, ZzMatchesTheFirstFreeSlotWhichStaysFree)
{
    findAgeChampSlot(entries, "Ann", 8, 0);
    EXPECT_EQ(findAgeChampSlot(entries, "zz", 6, 0), SlotOutcome::AddedToCompetitor);
    EXPECT_TRUE(isFreeSlot(record(2)));
    EXPECT_EQ(record(2).points, 6);
    EXPECT_EQ(record(2).eventPoints[0].raw(), cell("6"));
    EXPECT_EQ(findAgeChampSlot(entries, "zz", 4, 0), SlotOutcome::AddedToCompetitor);
    EXPECT_EQ(record(2).points, 10);
    // The next new competitor takes the slot and replaces its total.
    EXPECT_EQ(findAgeChampSlot(entries, "Bea", 2, 1), SlotOutcome::NewCompetitor);
    EXPECT_EQ(record(2).name.trimmed(), "Bea");
    EXPECT_EQ(record(2).points, 2);
    EXPECT_EQ(record(2).eventPoints[0].raw(), cell("4"));
    EXPECT_EQ(record(2).eventPoints[1].raw(), cell("2"));
}

TEST_F(AgeChampTest, AFreeSlotWithPointsLeftInItIsTakenWithTheNewPointsOnly)
{
    AgeChampEntry slot = record(1);
    slot.name.assign("  zz  ");
    slot.points = 99;
    slot.eventPoints[2].assign("7");
    entries[0] = slot;
    EXPECT_EQ(findAgeChampSlot(entries, "Ann", 8, 0), SlotOutcome::NewCompetitor);
    EXPECT_EQ(record(1).points, 8);
    EXPECT_EQ(record(1).eventPoints[0].raw(), cell("8"));
    EXPECT_EQ(record(1).eventPoints[2].raw(), cell("7"));
}

TEST_F(AgeChampTest, WithoutACellOnlyTheTotalChanges)
{
    findAgeChampSlot(entries, "Ann", 8, -1);
    EXPECT_EQ(record(1).points, 8);
    for (const auto& c : record(1).eventPoints)
        EXPECT_EQ(c.raw(), std::string(12, '\0'));
}

TEST_F(AgeChampTest, ATotalThatWouldPass32767IsLeftAlone)
{
    AgeChampEntry ann = record(1);
    ann.name.assign("Ann");
    ann.points = 32760;
    entries[0] = ann;
    const std::vector<AgeChampEntry> before = entries;
    EXPECT_EQ(findAgeChampSlot(entries, "Ann", 8, 0), SlotOutcome::TotalOutOfRange);
    EXPECT_EQ(entries, before);
    EXPECT_EQ(findAgeChampSlot(entries, "Ann", 7, 0), SlotOutcome::AddedToCompetitor);
    EXPECT_EQ(record(1).points, 32767);
}

TEST_F(AgeChampTest, RemovalTakesPointsFromTheFirstRecordOfTheNameAndZeroesTheCell)
{
    findAgeChampSlot(entries, "Ann", 8, 0);
    findAgeChampSlot(entries, "Ann", 6, 1);
    removeIndividualPoints(entries, "Ann", 8, 0);
    EXPECT_EQ(record(1).points, 6);
    EXPECT_EQ(record(1).eventPoints[0].raw(), cell("0"));
    EXPECT_EQ(record(1).eventPoints[1].raw(), cell("6"));
    EXPECT_EQ(record(1).name.trimmed(), "Ann");
}

TEST_F(AgeChampTest, RemovalMayLeaveANegativeTotal)
{
    findAgeChampSlot(entries, "Ann", 2, 0);
    removeIndividualPoints(entries, "Ann", 8, 0);
    EXPECT_EQ(record(1).points, -6);
}

TEST_F(AgeChampTest, OnlyTheFirstOfTwoEqualNamesLosesPoints)
{
    AgeChampEntry entry = record(1);
    entry.name.assign("Ann");
    entry.points = 10;
    entries[0] = entry;
    entry.name.assign("  Ann");
    entries[1] = entry;
    removeIndividualPoints(entries, "Ann", 4, 2);
    EXPECT_EQ(record(1).points, 6);
    EXPECT_EQ(record(2).points, 10);
    EXPECT_EQ(record(2).eventPoints[2].raw(), std::string(12, '\0'));
}

TEST_F(AgeChampTest, RemovalFindsNothingForBlankOrUnknownNames)
{
    findAgeChampSlot(entries, "Ann", 8, 0);
    findAgeChampSlot(entries, " ", 6, 0);
    const std::vector<AgeChampEntry> before = entries;
    removeIndividualPoints(entries, "", 8, 0);
    removeIndividualPoints(entries, " ", 6, 0);
    removeIndividualPoints(entries, "Bea", 8, 0);
    EXPECT_EQ(entries, before);
}

