// Saving, opening for edit and deleting an event's result on a carnival laid
// out from the installed data set: the result file, the points file, the
// age-champion file and the records file are checked byte for byte.

#include "carnival/agechamp_file.h"
#include "carnival/carnival_state.h"
#include "carnival/data_files.h"
#include "carnival/file_transaction.h"
#include "carnival/records_file.h"
#include "carnival/result_saving.h"
#include "carnival/text_files.h"

#include "support/carnival_layout.h"
#include "support/file_forms.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

using namespace carnival;
using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const std::string kResultOnDisk = "data/athletics/events/12Boys100m.dat";
const std::string kResultPath = "data\\Athletics\\events\\12Boys100m.dat";
const std::string kBoysOnDisk = "data/athletics/individuals/12/Boys.dat";
const std::string kBoysPath = "data\\Athletics\\individuals\\12\\Boys.dat";
const std::string kPointsOnDisk = "data/points.dat";
const std::string kRecordsOnDisk = "data/athletics.dat";
const std::string kRecordsPath = "data\\athletics.dat";

using Totals = std::array<int, 4>;
const Totals kStartTotals { 10, 20, 30, 40 };

std::string brokenUnset(const std::string& key, const std::string& name)
{
    return key + " record, set in 56 BC by Orvald Pennimore Askey broken by " + name;
}

ResultForm form(Placing first, Placing second = {}, Placing third = {}, Placing fourth = {},
    Placing draw = { std::string(kDrawLineDefault), "", "" })
{
    ResultForm result;
    result.places = { std::move(first), std::move(second), std::move(third), std::move(fourth) };
    result.drawLine = std::move(draw);
    return result;
}

// Ann, Bea, Cat and Dan for houses 1 to 4 with the given times.
ResultForm fourRunners(const std::string& t1, const std::string& t2, const std::string& t3, const std::string& t4)
{
    return form({ "Ann", "Tamsett", t1 }, { "Bea", "Brindrel", t2 }, { "Cat", "Corrow", t3 }, { "Dan", "Elvane", t4 });
}

// The four runners a second apart from 10 seconds.
const ResultForm kFourRunners = fourRunners("010.00", "011.00", "012.00", "013.00");

// The form with this draw line.
ResultForm withDrawLine(ResultForm entered, Placing drawLine)
{
    entered.drawLine = std::move(drawLine);
    return entered;
}

} // namespace

class ResultSavingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetCarnivalState();
        copyTemplateToLive(folder, "athletics");
        putCarnivalFile(folder, "Athletics", "2026");

        CarnivalState& state = modDeclareGlobals();
        state.carnivalType = "Athletics";
        state.carnivalYear = "2026";
        readHousesFile();
        ASSERT_EQ(state.houseNames, (std::array<std::string, 4> { "Tamsett", "Brindrel", "Corrow", "Elvane" }));
        writePointsUpdate({ 10, 20, 30, 40 });
        readPointsFile();
        loadEventList();

        std::vector<std::string> lines = splitLines(folder.read("data/athletics/events.dat"));
        eventItems.assign(lines.begin() + 1, lines.end());
        ASSERT_EQ(eventItems.size(), state.eventList.size());
        slot = freeSlotTemplate(eventItems);
        for (const std::string& sex : kSexes)
            fillAgeChampFile("data\\Athletics\\individuals\\12\\" + sex + ".dat", slot);

        for (std::size_t i = 0; i < state.eventList.size(); ++i) {
            const EventEntry& event = state.eventList[i];
            putRecord(kRecordsPath, static_cast<int>(i) + 1,
                unsetRecord(recordKey("12", "Boys", event.name.raw()), event.isDistance()));
        }
        choose("100m");
    }

    // The chooser's choice of an event of the 12 Boys.
    void choose(const std::string& name)
    {
        CarnivalState& state = modDeclareGlobals();
        for (const EventEntry& event : state.eventList) {
            if (event.name.trimmed() == name) {
                state.selectedAge = "12";
                state.selectedSex = "Boys";
                state.selectedEvent = event.name.raw();
                state.eventKind = event.kind.raw();
                return;
            }
        }
        FAIL() << name << " is not listed";
    }

    int eventIndex(const std::string& name) const
    {
        const auto& list = modDeclareGlobals().eventList;
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list[i].name.trimmed() == name)
                return static_cast<int>(i);
        return -1;
    }

    // A competitor record: the free-slot template with a name, a total and
    // the given points cells.
    AgeChampEntry competitor(const std::string& name, int total, const std::map<int, std::string>& cells) const
    {
        return competitorEntry(eventItems, name, total, cells);
    }

    // The whole age-champion file: these records first, free slots after.
    std::string champions(const std::vector<AgeChampEntry>& records) const
    {
        std::string content;
        for (int number = 1; number <= kAgeChampSlots; ++number) {
            const std::size_t i = static_cast<std::size_t>(number - 1);
            content += encodeAgeChamp(i < records.size() ? records[i] : slot);
        }
        return content;
    }

    RecordEntry record(int number) const { return *storedRecord(kRecordsPath, number); }

    void expectTotals(const Totals& totals) const
    {
        EXPECT_EQ(folder.read(kPointsOnDisk), pointsLine(totals));
        const auto& memory = modDeclareGlobals().housePoints;
        EXPECT_EQ((Totals { memory[0], memory[1], memory[2], memory[3] }), totals);
    }

    // The main window's reload between two windows.
    static void reloadMain() { readPointsFile(); }

    // The files a save scores into, as they stand.
    struct ScoredFiles {
        std::string points, boys, records;
    };
    ScoredFiles scoredFiles() const
    {
        return { folder.read(kPointsOnDisk), folder.read(kBoysOnDisk), folder.read(kRecordsOnDisk) };
    }
    // No result is stored and the scored files are as they were.
    void expectNoResultAndUnchanged(const ScoredFiles& earlier) const
    {
        EXPECT_FALSE(folder.exists(kResultOnDisk));
        EXPECT_EQ(folder.read(kPointsOnDisk), earlier.points);
        EXPECT_EQ(folder.read(kBoysOnDisk), earlier.boys);
        EXPECT_EQ(folder.read(kRecordsOnDisk), earlier.records);
    }

    WorkingFolder folder;
    std::vector<std::string> eventItems;
    AgeChampEntry slot;
};

// ---- Entry: a normal event ----

TEST_F(ResultSavingTest, ANormalEventIsWrittenScoredAndChecked)
{
    const std::string recordsBefore = folder.read(kRecordsOnDisk);
    const SaveOutcome outcome = saveNewResult(form(
        { "Ann", "Tamsett", "012.50" }, { "Bea", "Brindrel", "013.00" }, { "Cat", "Tamsett", "014.00" },
        { "", "Corrow", "" }));
    EXPECT_EQ(outcome.refusal, Refusal::None);
    EXPECT_EQ(outcome.messages, std::vector<std::string> { brokenUnset("12Boys100m", "Ann") });

    EXPECT_EQ(folder.read(kResultOnDisk),
        "Ann\r\nTamsett\r\n012.50\r\nBea\r\nBrindrel\r\n013.00\r\nCat\r\nTamsett\r\n014.00\r\n\r\nCorrow\r\n\r\n");
    EXPECT_EQ(folder.read(kPointsOnDisk),
        " 22 " + std::string(10, ' ') + " 26 " + std::string(10, ' ') + " 30 " + std::string(10, ' ') + " 40 \r\n");
    expectTotals({ 22, 26, 30, 40 });
    EXPECT_EQ(folder.read(kBoysOnDisk),
        champions({ competitor("Ann", 8, { { 0, "8" } }), competitor("Bea", 6, { { 0, "6" } }),
            competitor("Cat", 4, { { 0, "4" } }) }));

    RecordEntry expected = unsetRecord("12Boys100m", false);
    expected.holder.assign("Ann");
    expected.value = 12; // 12.50 rounds to the even neighbour
    expected.year.assign("2026");
    EXPECT_EQ(record(1), expected);
    EXPECT_EQ(folder.read(kRecordsOnDisk).substr(128), recordsBefore.substr(128));
}

TEST_F(ResultSavingTest, OnlyAFirstPlacingWritesNineEmptyLines)
{
    const SaveOutcome outcome = saveNewResult(form({ "Ann", "Tamsett", "012.50" }));
    EXPECT_EQ(outcome.refusal, Refusal::None);
    EXPECT_EQ(folder.read(kResultOnDisk), crlf({ "Ann", "Tamsett", "012.50", "", "", "", "", "", "", "", "", "" }));
    expectTotals({ 18, 20, 30, 40 });
    EXPECT_EQ(folder.read(kBoysOnDisk), champions({ competitor("Ann", 8, { { 0, "8" } }) }));
}

TEST_F(ResultSavingTest, CompetitorsAddUpAcrossEventsAndTheCellIsTheEventsPosition)
{
    saveNewResult(kFourRunners);
    choose("Long Jump");
    const int longJump = eventIndex("Long Jump");
    ASSERT_EQ(longJump, 7);
    const SaveOutcome outcome = saveNewResult(form({ "Bea", "Brindrel", "5.25" }, { "Ann", "Corrow", "4.80" }));
    EXPECT_EQ(outcome.messages, std::vector<std::string> { brokenUnset("12BoysLongJump", "Bea") });
    EXPECT_EQ(folder.read("data/athletics/events/12BoysLongJump.dat"),
        crlf({ "Bea", "Brindrel", "5.25", "Ann", "Corrow", "4.80", "", "", "", "", "", "" }));
    EXPECT_EQ(folder.read(kBoysOnDisk),
        champions({ competitor("Ann", 14, { { 0, "8" }, { longJump, "6" } }),
            competitor("Bea", 14, { { 0, "6" }, { longJump, "8" } }), competitor("Cat", 4, { { 0, "4" } }),
            competitor("Dan", 2, { { 0, "2" } }) }));
    EXPECT_EQ(storedAgeChamp(kBoysPath, 1)->eventNames[static_cast<std::size_t>(longJump)].raw(), cell("Long Jump1"));
    EXPECT_EQ(record(8).value, 5);
}

TEST_F(ResultSavingTest, TheOtherSexsFileIsLeftAlone)
{
    const std::string girlsBefore = folder.read("data/athletics/individuals/12/Girls.dat");
    saveNewResult(form({ "Ann", "Tamsett", "012.50" }));
    EXPECT_EQ(folder.read("data/athletics/individuals/12/Girls.dat"), girlsBefore);
    EXPECT_FALSE(folder.exists("data/athletics/events/12Girls100m.dat"));
}

// ---- Entry: a relay ----

TEST_F(ResultSavingTest, ARelayEarnsDoubleHousePointsAndNoIndividualPoints)
{
    choose("Relay");
    const SaveOutcome outcome = saveNewResult(form(
        { "Tamsett A", "Tamsett", "050.00" }, { "Brindrel A", "Brindrel", "051.00" },
        { "Tamsett B", "Tamsett", "052.00" }, { "", "Corrow", "" }));
    EXPECT_EQ(outcome.refusal, Refusal::None);
    EXPECT_EQ(outcome.messages, std::vector<std::string> { brokenUnset("12BoysRelay", "Tamsett A") });
    EXPECT_EQ(folder.read("data/athletics/events/12BoysRelay.dat"),
        crlf({ "Tamsett A", "Tamsett", "050.00", "Brindrel A", "Brindrel", "051.00", "Tamsett B", "Tamsett",
            "052.00", "", "Corrow", "" }));
    expectTotals({ 34, 32, 30, 40 });
    EXPECT_EQ(folder.read(kBoysOnDisk), champions({}));
    EXPECT_EQ(record(13).holder.trimmed(), "Tamsett A");
    EXPECT_EQ(record(13).value, 50);
}

TEST_F(ResultSavingTest, ARelayTieUsesTheDoubledTieTable)
{
    choose("Relay");
    saveNewResult(withDrawLine(fourRunners("050.00", "051.00", "052.00", "053.00"), { "Dee", "Brindrel", "053.00" }));
    expectTotals({ 26, 34, 38, 42 });
    EXPECT_EQ(folder.read(kBoysOnDisk), champions({}));
}

TEST_F(ResultSavingTest, AnEventCalledRelayInOtherCaseIsOrdinary)
{
    CarnivalState& state = modDeclareGlobals();
    state.selectedEvent = "relay               ";
    state.eventKind = "Time";
    saveNewResult(form({ "Ann", "Tamsett", "050.00" }));
    expectTotals({ 18, 20, 30, 40 });
    EXPECT_EQ(storedAgeChamp(kBoysPath, 1)->points, 8);
}

// ---- Entry: ties ----

class TieAtEachPosition : public ResultSavingTest, public ::testing::WithParamInterface<int> {};

TEST_P(TieAtEachPosition, IsStoredInTheDrawFormScoredByTheTieTableAndTakenBackOnOpening)
{
    const int drawpos = GetParam();
    // Points of Ann, Bea, Cat, Dan and the draw line Dee.
    const std::map<int, std::array<int, 5>> table {
        { 1, { 7, 7, 4, 2, 0 } }, { 2, { 8, 5, 5, 2, 0 } }, { 3, { 8, 6, 3, 3, 0 } }, { 4, { 8, 6, 4, 1, 1 } } };
    const std::array<int, 5> p = table.at(drawpos);

    std::array<std::string, 5> td { "010.00", "011.00", "012.00", "013.00", "" };
    td[static_cast<std::size_t>(drawpos)] = td[static_cast<std::size_t>(drawpos - 1)];
    ResultForm entered = fourRunners(td[0], td[1], td[2], td[3]);
    if (drawpos == 4)
        entered.drawLine = { "Dee", "Tamsett", td[4] };

    const SaveOutcome outcome = saveNewResult(entered);
    EXPECT_EQ(outcome.refusal, Refusal::None);
    EXPECT_EQ(outcome.messages, std::vector<std::string> { brokenUnset("12Boys100m", "Ann") });

    // The default draw-line name is cleared by a tie among the four placings.
    const std::vector<std::string> drawLine
        = drawpos == 4 ? std::vector<std::string> { "Dee", "Tamsett", "013.00" } : std::vector<std::string> { "", "", "" };
    std::vector<std::string> lines { "Draw", " " + std::to_string(drawpos) + " ", "Ann", "Tamsett", td[0], "Bea",
        "Brindrel", td[1], "Cat", "Corrow", td[2], "Dan", "Elvane", td[3] };
    lines.insert(lines.end(), drawLine.begin(), drawLine.end());
    EXPECT_EQ(folder.read(kResultOnDisk), crlf(lines));

    expectTotals({ 10 + p[0] + p[4], 20 + p[1], 30 + p[2], 40 + p[3] });
    std::vector<AgeChampEntry> awarded { competitor("Ann", p[0], { { 0, std::to_string(p[0]) } }),
        competitor("Bea", p[1], { { 0, std::to_string(p[1]) } }),
        competitor("Cat", p[2], { { 0, std::to_string(p[2]) } }),
        competitor("Dan", p[3], { { 0, std::to_string(p[3]) } }) };
    if (drawpos == 4)
        awarded.push_back(competitor("Dee", 1, { { 0, "1" } }));
    EXPECT_EQ(folder.read(kBoysOnDisk), champions(awarded));

    // Opening the stored Draw event takes everything back with the tie table,
    // the draw line's individual point included.
    reloadMain();
    const std::string recordsBefore = folder.read(kRecordsOnDisk);
    const OpenedResult opened = openResultForEditing();
    EXPECT_TRUE(opened.stored.isDraw);
    EXPECT_EQ(opened.stored.drawpos, drawpos);
    EXPECT_EQ(opened.messages, std::vector<std::string> { std::string(kEnterDrawAgain) });
    expectTotals(kStartTotals);
    std::vector<AgeChampEntry> takenBack;
    for (const AgeChampEntry& entry : awarded)
        takenBack.push_back(competitor(entry.name.trimmed(), 0, { { 0, "0" } }));
    EXPECT_EQ(folder.read(kBoysOnDisk), champions(takenBack));
    EXPECT_EQ(folder.read(kResultOnDisk), crlf(lines));
    EXPECT_EQ(folder.read(kRecordsOnDisk), recordsBefore);

    // Only deleting is left; the event can then be entered again.
    deleteChosenResult();
    EXPECT_FALSE(folder.exists(kResultOnDisk));
    expectTotals(kStartTotals);
}

INSTANTIATE_TEST_SUITE_P(ResultSaving, TieAtEachPosition, ::testing::Values(1, 2, 3, 4),
    ::testing::PrintToStringParamName());

TEST_F(ResultSavingTest, ThreeEqualPlacingsAreStoredAndScoredAsATieOfSecondAndThird)
{
    saveNewResult(fourRunners("010.00", "010.00", "010.00", "013.00"));
    EXPECT_EQ(folder.read(kResultOnDisk),
        crlf({ "Draw", " 2 ", "Ann", "Tamsett", "010.00", "Bea", "Brindrel", "010.00", "Cat", "Corrow", "010.00",
            "Dan", "Elvane", "013.00", "", "", "" }));
    expectTotals({ 18, 25, 35, 42 });
}

TEST_F(ResultSavingTest, AFourthPlaceTiedWithAnUnnamedDrawLineGivesTheDrawLineNothing)
{
    saveNewResult(withDrawLine(kFourRunners, { std::string(kDrawLineDefault), "Tamsett", "013.00" }));
    EXPECT_EQ(folder.read(kResultOnDisk),
        crlf({ "Draw", " 4 ", "Ann", "Tamsett", "010.00", "Bea", "Brindrel", "011.00", "Cat", "Corrow", "012.00",
            "Dan", "Elvane", "013.00", "", "Tamsett", "013.00" }));
    expectTotals({ 18, 26, 34, 41 });
    EXPECT_EQ(storedAgeChamp(kBoysPath, 5), slot);

    // On opening, the unnamed draw line's house loses nothing either.
    reloadMain();
    openResultForEditing();
    expectTotals(kStartTotals);
}

TEST_F(ResultSavingTest, ANamedDrawLineBesideATieAmongThePlacingsIsStoredButEarnsNothing)
{
    saveNewResult(withDrawLine(fourRunners("010.00", "010.00", "012.00", "013.00"), { "Dee", "Tamsett", "014.00" }));
    EXPECT_EQ(folder.read(kResultOnDisk),
        crlf({ "Draw", " 1 ", "Ann", "Tamsett", "010.00", "Bea", "Brindrel", "010.00", "Cat", "Corrow", "012.00",
            "Dan", "Elvane", "013.00", "Dee", "Tamsett", "014.00" }));
    expectTotals({ 17, 27, 34, 42 });
    EXPECT_EQ(storedAgeChamp(kBoysPath, 5), slot);
}

// ---- Entry: refusals ----

class RefusedSaveTest : public ResultSavingTest {
protected:
    void SetUp() override
    {
        ResultSavingTest::SetUp();
        before = scoredFiles();
    }

    void expectNothingWritten() const
    {
        expectNoResultAndUnchanged(before);
        expectTotals(kStartTotals);
    }

    ScoredFiles before;
};

struct RefusedForm {
    const char* name;
    ResultForm entered;
    Refusal refusal;
};

class RefusedFormTest : public RefusedSaveTest, public ::testing::WithParamInterface<RefusedForm> { };

TEST_P(RefusedFormTest, WritesNothing)
{
    EXPECT_EQ(saveNewResult(GetParam().entered).refusal, GetParam().refusal);
    expectNothingWritten();
}

INSTANTIATE_TEST_SUITE_P(ResultSaving, RefusedFormTest,
    ::testing::Values(
        RefusedForm { "TimeWithoutLeadingZero", form({ "Ann", "Tamsett", "12.50" }), Refusal::InvalidForm },
        RefusedForm { "EmptyTime", form({ "Ann", "Tamsett", "" }), Refusal::InvalidForm },
        RefusedForm { "NoHouse", form({ "Ann", "Tamsett", "012.50" }, { "Bea", "", "013.00" }), Refusal::InvalidForm },
        RefusedForm { "DrawLineWithoutATie", withDrawLine(kFourRunners, { "Dee", "Tamsett", "014.00" }),
            Refusal::DrawLineWithoutTie },
        // An emptied draw name with a house or a value left is still a draw line.
        RefusedForm {
            "DrawLineOfAHouseAlone", withDrawLine(kFourRunners, { "", "Tamsett", "" }), Refusal::DrawLineWithoutTie },
        RefusedForm {
            "DrawLineOfAValueAlone", withDrawLine(kFourRunners, { "", "", "014.00" }), Refusal::DrawLineWithoutTie },
        RefusedForm { "FirstAndSecondTypedDifferently", fourRunners("012.50", "12.500", "014.00", "015.00"),
            Refusal::TiesTypedDifferently },
        RefusedForm { "ThirdAndFourthTypedDifferently", fourRunners("010.00", "011.00", "012.00", "12.000"),
            Refusal::TiesTypedDifferently },
        RefusedForm { "FourthAndDrawLineTypedDifferently", withDrawLine(kFourRunners, { "Dee", "Tamsett", "13.000" }),
            Refusal::TiesTypedDifferently },
        // A first value of zero ties with the empty second box.
        RefusedForm { "FirstOfZero", form({ "Ann", "Tamsett", "000000" }), Refusal::TiesTypedDifferently }),
    [](const ::testing::TestParamInfo<RefusedForm>& info) { return std::string(info.param.name); });

TEST_F(RefusedSaveTest, AMissingEventsFolderStopsTheSaveBeforeAnyScoring)
{
    fs::remove_all(folder.root() / "data/athletics/events");
    const SaveOutcome outcome = saveNewResult(kFourRunners);
    EXPECT_EQ(outcome.refusal, Refusal::NotSaved);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_NE(outcome.messages[0].find(kResultPath), std::string::npos) << outcome.messages[0];
    expectNothingWritten();
}

TEST_F(ResultSavingTest, ABlankDrawLineCountsAsUntouched)
{
    for (const std::string& name : { std::string(), std::string("   ") }) {
        fs::remove(folder.root() / kResultOnDisk);
        reloadMain();
        const SaveOutcome outcome = saveNewResult(withDrawLine(kFourRunners, { name, "", "  " }));
        EXPECT_EQ(outcome.refusal, Refusal::None) << '"' << name << '"';
        EXPECT_EQ(folder.read(kResultOnDisk),
            crlf({ "Ann", "Tamsett", "010.00", "Bea", "Brindrel", "011.00", "Cat", "Corrow", "012.00", "Dan",
                "Elvane", "013.00" }));
    }
    expectTotals({ 26, 32, 38, 44 });
    EXPECT_EQ(storedAgeChamp(kBoysPath, 1)->points, 16);

    // The edit follows the same rule.
    openResultForEditing();
    EXPECT_EQ(saveEditedResult(withDrawLine(kFourRunners, { "   ", "", "" })).refusal, Refusal::None);
    expectTotals({ 26, 32, 38, 44 });
}

TEST_F(ResultSavingTest, ABlankDrawLineBesideATieIsStoredWithTheNameCleared)
{
    saveNewResult(withDrawLine(fourRunners("010.00", "010.00", "012.00", "013.00"), { "  ", "", "" }));
    EXPECT_EQ(folder.read(kResultOnDisk),
        crlf({ "Draw", " 1 ", "Ann", "Tamsett", "010.00", "Bea", "Brindrel", "010.00", "Cat", "Corrow", "012.00",
            "Dan", "Elvane", "013.00", "", "", "" }));
}

// ---- Entry: points that cannot be stored ----

TEST_F(ResultSavingTest, ANewCompetitorWithoutAFreeSlotIsReportedAndTheOthersStillScore)
{
    for (int number = 1; number <= kAgeChampSlots; ++number)
        putAgeChamp(kBoysPath, number, competitor("Runner " + std::to_string(number), 0, {}));
    const SaveOutcome outcome = saveNewResult(form(
        { "Runner 3", "Tamsett", "010.00" }, { "Newcomer", "Brindrel", "011.00" }, { "Runner 7", "Corrow", "012.00" }));
    EXPECT_EQ(outcome.refusal, Refusal::None);
    ASSERT_EQ(outcome.messages.size(), 2u);
    EXPECT_NE(outcome.messages[0].find(kBoysPath), std::string::npos) << outcome.messages[0];
    EXPECT_NE(outcome.messages[0].find("Newcomer"), std::string::npos) << outcome.messages[0];
    EXPECT_EQ(outcome.messages[1], brokenUnset("12Boys100m", "Runner 3"));

    EXPECT_EQ(storedAgeChamp(kBoysPath, 3)->points, 8);
    EXPECT_EQ(storedAgeChamp(kBoysPath, 7)->points, 4);
    for (int number = 1; number <= kAgeChampSlots; ++number)
        EXPECT_NE(storedAgeChamp(kBoysPath, number)->name.trimmed(), "Newcomer");
    expectTotals({ 18, 26, 34, 40 });
}

TEST_F(ResultSavingTest, HousePointsThatWouldLeaveTheRangeRefuseTheWholeSave)
{
    writePointsUpdate({ 32760, 20, 30, 40 });
    reloadMain();
    const ScoredFiles before = scoredFiles();
    const SaveOutcome outcome = saveNewResult(kFourRunners);
    EXPECT_EQ(outcome.refusal, Refusal::NotSaved);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_NE(outcome.messages[0].find("Tamsett"), std::string::npos) << outcome.messages[0];
    expectNoResultAndUnchanged(before);
    EXPECT_EQ(modDeclareGlobals().housePoints, (std::array<std::int16_t, 4> { 32760, 20, 30, 40 }));
}

TEST_F(ResultSavingTest, ATakeBackThatWouldLeaveTheRangeIsRefusedWhole)
{
    saveNewResult(kFourRunners);
    writePointsUpdate({ -32765, 20, 30, 40 });
    reloadMain();
    const Tree before = snapshot(folder.root() / "data");
    const OpenedResult opened = openResultForEditing();
    ASSERT_TRUE(opened.failure.has_value());
    EXPECT_NE(opened.failure->find("Tamsett"), std::string::npos) << *opened.failure;
    EXPECT_EQ(snapshot(folder.root() / "data"), before);
    EXPECT_EQ(modDeclareGlobals().housePoints, (std::array<std::int16_t, 4> { -32765, 20, 30, 40 }));
}

TEST_F(ResultSavingTest, AHouseTotalMayReachTheLimitExactly)
{
    writePointsUpdate({ 32759, 20, 30, 40 });
    reloadMain();
    const SaveOutcome outcome = saveNewResult(form({ "Ann", "Tamsett", "010.00" }));
    EXPECT_EQ(outcome.messages.size(), 1u);
    expectTotals({ 32767, 20, 30, 40 });
}

TEST_F(ResultSavingTest, ACompetitorTotalThatWouldPassTheLimitIsLeftUnchanged)
{
    putAgeChamp(kBoysPath, 1, competitor("Ann", 32765, {}));
    const SaveOutcome outcome = saveNewResult(form({ "Ann", "Tamsett", "010.00" }, { "Bea", "Brindrel", "011.00" }));
    ASSERT_EQ(outcome.messages.size(), 2u);
    EXPECT_NE(outcome.messages[0].find("Ann"), std::string::npos) << outcome.messages[0];
    EXPECT_EQ(*storedAgeChamp(kBoysPath, 1), competitor("Ann", 32765, {}));
    EXPECT_EQ(*storedAgeChamp(kBoysPath, 2), competitor("Bea", 6, { { 0, "6" } }));
    expectTotals({ 18, 26, 30, 40 });
}

// ---- Edit: opening takes the points back ----

TEST_F(ResultSavingTest, OpeningAPlainEventTakesItsPointsBack)
{
    saveNewResult(fourRunners("012.00", "013.00", "014.00", "015.00"));
    reloadMain();
    const std::string recordsBefore = folder.read(kRecordsOnDisk);
    const std::string resultBefore = folder.read(kResultOnDisk);

    const OpenedResult opened = openResultForEditing();
    EXPECT_FALSE(opened.stored.isDraw);
    EXPECT_TRUE(opened.messages.empty());
    EXPECT_EQ(opened.stored.form.places, fourRunners("012.00", "013.00", "014.00", "015.00").places);
    expectTotals(kStartTotals);
    EXPECT_EQ(folder.read(kBoysOnDisk),
        champions({ competitor("Ann", 0, { { 0, "0" } }), competitor("Bea", 0, { { 0, "0" } }),
            competitor("Cat", 0, { { 0, "0" } }), competitor("Dan", 0, { { 0, "0" } }) }));
    EXPECT_EQ(folder.read(kResultOnDisk), resultBefore);
    EXPECT_EQ(folder.read(kRecordsOnDisk), recordsBefore);
}

TEST_F(ResultSavingTest, OpeningSkipsRowsWithABlankNameAndHousesNoLongerListed)
{
    saveNewResult(form({ "Ann", "Tamsett", "012.00" }, { "  ", "Brindrel", "013.00" }, { "Cat", "Corrow", "014.00" },
        { "Dan", "Elvane", "015.00" }));
    expectTotals({ 18, 20, 34, 42 });
    reloadMain();
    modDeclareGlobals().houseNames[2] = "Corrowe"; // renamed since the entry
    openResultForEditing();
    expectTotals({ 10, 20, 34, 40 });
    EXPECT_EQ(folder.read(kBoysOnDisk),
        champions({ competitor("Ann", 0, { { 0, "0" } }), competitor("Cat", 0, { { 0, "0" } }),
            competitor("Dan", 0, { { 0, "0" } }) }));
}

TEST_F(ResultSavingTest, OpeningTakesBothRowsFromACompetitorNamedTwice)
{
    saveNewResult(form({ "Ann", "Tamsett", "012.00" }, { "Ann", "Brindrel", "013.00" }));
    EXPECT_EQ(storedAgeChamp(kBoysPath, 1)->points, 14);
    reloadMain();
    openResultForEditing();
    EXPECT_EQ(*storedAgeChamp(kBoysPath, 1), competitor("Ann", 0, { { 0, "0" } }));
    EXPECT_EQ(*storedAgeChamp(kBoysPath, 2), slot);
}

TEST_F(ResultSavingTest, APlainResultWonByACompetitorCalledDrawIsTakenBackAsPlain)
{
    saveNewResult(form({ "Draw", "Tamsett", "012.00" }, { "Bea", "Brindrel", "013.00" }));
    EXPECT_EQ(folder.read(kResultOnDisk),
        crlf({ "Draw", "Tamsett", "012.00", "Bea", "Brindrel", "013.00", "", "", "", "", "", "" }));
    reloadMain();
    const OpenedResult opened = openResultForEditing();
    EXPECT_FALSE(opened.stored.isDraw);
    EXPECT_TRUE(opened.messages.empty());
    expectTotals(kStartTotals);
    EXPECT_EQ(storedAgeChamp(kBoysPath, 1)->points, 0);
}

TEST_F(ResultSavingTest, OpeningAMissingEventIsReported)
{
    const OpenedResult opened = openResultForEditing();
    ASSERT_TRUE(opened.failure.has_value());
    EXPECT_NE(opened.failure->find(kResultPath), std::string::npos) << *opened.failure;
    expectTotals(kStartTotals);
}

// ---- Edit: saving ----

TEST_F(ResultSavingTest, SavingAnEditScoresTheNewResultSoTheNetChangeIsTheDifference)
{
    saveNewResult(fourRunners("012.00", "013.00", "014.00", "015.00"));
    reloadMain();
    openResultForEditing();

    const ResultForm edited = form({ "Bea", "Brindrel", "012.00" }, { "Ann", "Tamsett", "013.00" },
        { "Cat", "Corrow", "014.00" }, { "", "Elvane", "" });
    const SaveOutcome outcome = saveEditedResult(edited);
    EXPECT_EQ(outcome.refusal, Refusal::None);
    EXPECT_TRUE(outcome.messages.empty()); // 12.00 equals the record Ann set
    EXPECT_EQ(folder.read(kResultOnDisk),
        crlf({ "Bea", "Brindrel", "012.00", "Ann", "Tamsett", "013.00", "Cat", "Corrow", "014.00", "", "Elvane",
            "" }));
    expectTotals({ 16, 28, 34, 40 });
    EXPECT_EQ(folder.read(kBoysOnDisk),
        champions({ competitor("Ann", 6, { { 0, "6" } }), competitor("Bea", 8, { { 0, "8" } }),
            competitor("Cat", 4, { { 0, "4" } }), competitor("Dan", 0, { { 0, "0" } }) }));
    EXPECT_EQ(record(1).holder.trimmed(), "Ann");
}

TEST_F(ResultSavingTest, SavingAnEditUnchangedGivesBackTheSamePoints)
{
    saveNewResult(form({ "Ann", "Tamsett", "012.00" }));
    const std::string pointsAfterEntry = folder.read(kPointsOnDisk);
    const std::string resultAfterEntry = folder.read(kResultOnDisk);
    reloadMain();
    const OpenedResult opened = openResultForEditing();
    saveEditedResult(opened.stored.form);
    EXPECT_EQ(folder.read(kPointsOnDisk), pointsAfterEntry);
    EXPECT_EQ(folder.read(kResultOnDisk), resultAfterEntry);
    EXPECT_EQ(*storedAgeChamp(kBoysPath, 1), competitor("Ann", 8, { { 0, "8" } }));
}

TEST_F(ResultSavingTest, SavingAnEditRereadsThePointsFile)
{
    saveNewResult(form({ "Ann", "Tamsett", "012.00" }));
    reloadMain();
    openResultForEditing();
    modDeclareGlobals().housePoints = { 0, 0, 0, 0 };
    saveEditedResult(form({ "Ann", "Tamsett", "012.00" }));
    expectTotals({ 18, 20, 30, 40 });
}

TEST_F(ResultSavingTest, SavingAnEditBreaksARecord)
{
    saveNewResult(form({ "Ann", "Tamsett", "012.00" }));
    reloadMain();
    openResultForEditing();
    const SaveOutcome outcome = saveEditedResult(form({ "Bea", "Brindrel", "011.00" }));
    EXPECT_EQ(outcome.messages, std::vector<std::string> { "12Boys100m record, set in 2026 by Ann broken by Bea" });
    EXPECT_EQ(record(1).holder.trimmed(), "Bea");
    EXPECT_EQ(record(1).value, 11);
}

TEST_F(ResultSavingTest, ADrawLineTypedInTheEditWithoutATieIsDroppedAndTheEventScoredNormally)
{
    saveNewResult(fourRunners("012.00", "013.00", "014.00", "015.00"));
    reloadMain();
    openResultForEditing();
    const SaveOutcome outcome = saveEditedResult(
        withDrawLine(fourRunners("012.00", "013.00", "014.00", "015.00"), { "Dee", "Tamsett", "016.00" }));
    EXPECT_EQ(outcome.refusal, Refusal::None);
    EXPECT_EQ(folder.read(kResultOnDisk),
        crlf({ "Ann", "Tamsett", "012.00", "Bea", "Brindrel", "013.00", "Cat", "Corrow", "014.00", "Dan", "Elvane",
            "015.00" }));
    expectTotals({ 18, 26, 34, 42 });
    EXPECT_EQ(storedAgeChamp(kBoysPath, 5), slot);
}

TEST_F(ResultSavingTest, AFaultyEditWritesNothingAndThePointsStayTakenBack)
{
    saveNewResult(form({ "Ann", "Tamsett", "012.00" }));
    const std::string stored = folder.read(kResultOnDisk);
    reloadMain();
    openResultForEditing();
    const std::string boysOpened = folder.read(kBoysOnDisk);
    EXPECT_EQ(saveEditedResult(form({ "Ann", "", "012.00" })).refusal, Refusal::InvalidForm);
    EXPECT_EQ(folder.read(kResultOnDisk), stored);
    EXPECT_EQ(folder.read(kBoysOnDisk), boysOpened);
    expectTotals(kStartTotals);
}

// A tie typed into an edit deletes the event and scores nothing; the message
// comes once per tied pair.
struct TieInEdit {
    const char* name;
    ResultForm edited;
    std::size_t messages;
};

class TieTypedIntoAnEdit : public ResultSavingTest, public ::testing::WithParamInterface<TieInEdit> { };

TEST_P(TieTypedIntoAnEdit, DeletesTheEventAndScoresNothing)
{
    saveNewResult(fourRunners("012.00", "013.00", "014.00", "015.00"));
    reloadMain();
    openResultForEditing();
    const ScoredFiles opened = scoredFiles();
    const SaveOutcome outcome = saveEditedResult(GetParam().edited);
    EXPECT_EQ(outcome.refusal, Refusal::None);
    EXPECT_EQ(outcome.messages, std::vector<std::string>(GetParam().messages, std::string(kDrawInEdit)));
    expectNoResultAndUnchanged(opened);
}

INSTANTIATE_TEST_SUITE_P(ResultSaving, TieTypedIntoAnEdit,
    ::testing::Values(TieInEdit { "ATie", fourRunners("011.00", "011.00", "014.00", "015.00"), 1 },
        TieInEdit { "ThreeEqual", fourRunners("011.00", "011.00", "011.00", "015.00"), 2 },
        TieInEdit { "EqualValuesTypedDifferently", fourRunners("012.50", "12.500", "014.00", "015.00"), 1 },
        TieInEdit { "AFirstValueOfZeroAndAnEmptySecond", form({ "Ann", "Tamsett", "000000" }), 1 },
        TieInEdit { "ATieWithTheDrawLine",
            withDrawLine(fourRunners("012.00", "013.00", "014.00", "015.00"), { "Dee", "Tamsett", "015.00" }), 1 }),
    [](const ::testing::TestParamInfo<TieInEdit>& info) { return std::string(info.param.name); });

// ---- Delete ----

TEST_F(ResultSavingTest, DeletingLeavesThePointsTakenBackAndTheEventCanBeEnteredAgain)
{
    saveNewResult(fourRunners("012.00", "013.00", "014.00", "015.00"));
    reloadMain();
    openResultForEditing();
    deleteChosenResult();
    EXPECT_FALSE(folder.exists(kResultOnDisk));
    expectTotals(kStartTotals);
    EXPECT_EQ(storedAgeChamp(kBoysPath, 1)->points, 0);

    reloadMain();
    EXPECT_EQ(saveNewResult(form({ "Bea", "Brindrel", "012.00" })).refusal, Refusal::None);
    EXPECT_TRUE(folder.exists(kResultOnDisk));
    expectTotals({ 10, 28, 30, 40 });
    EXPECT_EQ(*storedAgeChamp(kBoysPath, 2), competitor("Bea", 8, { { 0, "8" } }));
}

// ---- Every operation changes all of its files or none ----

enum class Step { Entry, EditOpen, EditSave, Delete };

struct Fault {
    const char* name;
    Step step;
    const char* file; // the end of the failing file's path
    const char* programPath;
};

// One step run after the steps before it.
class StepTest : public ResultSavingTest {
protected:
    void runUpTo(Step step)
    {
        if (step != Step::Entry) {
            ASSERT_FALSE(run(Step::Entry));
        }
        reloadMain();
        if (step == Step::EditSave || step == Step::Delete) {
            ASSERT_FALSE(run(Step::EditOpen));
        }
    }

    // The failure the step reports, or nothing when it went through.
    std::optional<std::string> run(Step step)
    {
        switch (step) {
        case Step::Entry:
            return failureOf(saveNewResult(kFourRunners));
        case Step::EditOpen:
            return openResultForEditing().failure;
        case Step::EditSave:
            return failureOf(saveEditedResult(fourRunners("009.00", "011.00", "012.00", "013.00")));
        case Step::Delete:
            return failureOf(deleteChosenResult());
        }
        return std::nullopt;
    }

    static std::optional<std::string> failureOf(const SaveOutcome& outcome)
    {
        if (outcome.refusal == Refusal::None)
            return std::nullopt;
        return outcome.messages.back();
    }
};

// Each fault both before anything is written and at the rename of the file,
// after the renames of the files before it.
class FaultAtEachFile : public StepTest, public ::testing::WithParamInterface<std::tuple<Fault, FileFault>> {};

TEST_P(FaultAtEachFile, LeavesEveryFileAsItWasAndNamesTheFile)
{
    const auto [fault, kind] = GetParam();
    runUpTo(fault.step);
    const Tree before = snapshot(folder.root() / "data");
    const auto totals = modDeclareGlobals().housePoints;

    failFileWritesForTests(fault.file, kind);
    const auto failure = run(fault.step);
    failFileWritesForTests("");

    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find(fault.programPath), std::string::npos) << *failure;
    EXPECT_EQ(snapshot(folder.root() / "data"), before);
    EXPECT_EQ(modDeclareGlobals().housePoints, totals);
    // With the fault gone the same step goes through.
    EXPECT_FALSE(run(fault.step));
}

INSTANTIATE_TEST_SUITE_P(ResultSaving, FaultAtEachFile,
    ::testing::Combine(::testing::Values(Fault { "EntryResult", Step::Entry, "12boys100m.dat", "12Boys100m.dat" },
        Fault { "EntryChampions", Step::Entry, "12/boys.dat", "individuals\\12\\Boys.dat" },
        Fault { "EntryPoints", Step::Entry, "data/points.dat", "data\\points.dat" },
        Fault { "EntryRecords", Step::Entry, "data/athletics.dat", "data\\Athletics.dat" },
        Fault { "OpenChampions", Step::EditOpen, "12/boys.dat", "individuals\\12\\Boys.dat" },
        Fault { "OpenPoints", Step::EditOpen, "data/points.dat", "data\\points.dat" },
        Fault { "EditResult", Step::EditSave, "12boys100m.dat", "12Boys100m.dat" },
        Fault { "EditChampions", Step::EditSave, "12/boys.dat", "individuals\\12\\Boys.dat" },
        Fault { "EditPoints", Step::EditSave, "data/points.dat", "data\\points.dat" },
        Fault { "EditRecords", Step::EditSave, "data/athletics.dat", "data\\Athletics.dat" },
        Fault { "DeleteResult", Step::Delete, "12boys100m.dat", "12Boys100m.dat" }),
        ::testing::Values(FileFault::Write, FileFault::Replace)),
    [](const ::testing::TestParamInfo<std::tuple<Fault, FileFault>>& info) {
        const bool written = std::get<1>(info.param) == FileFault::Write;
        return std::string(std::get<0>(info.param).name) + (written ? "Written" : "Replaced");
    });

TEST_F(ResultSavingTest, AnEntrySaveEndedAtAnyStepIsWhollyUndoneOrFinishedAtTheNextStart)
{
    const SettledEnds ends = endAtEveryCommitStep(folder.root(), [this] { saveNewResult(kFourRunners); });
    EXPECT_GE(ends.undone, 9); // the journal, four temporaries, and each rename
    EXPECT_GE(ends.finished, 1);
}

TEST_F(ResultSavingTest, AMissingAgeChampionFileOrFolderRefusesTheSaveAndTheOpening)
{
    saveNewResult(kFourRunners);
    reloadMain();
    fs::rename(folder.root() / "data/athletics/individuals/12", folder.root() / "data/athletics/individuals/x");
    const Tree before = snapshot(folder.root() / "data");
    const OpenedResult opened = openResultForEditing();
    ASSERT_TRUE(opened.failure.has_value());
    EXPECT_NE(opened.failure->find(kBoysPath), std::string::npos) << *opened.failure;
    EXPECT_EQ(snapshot(folder.root() / "data"), before);

    choose("200m");
    const SaveOutcome outcome = saveNewResult(fourRunners("020.00", "021.00", "022.00", "023.00"));
    EXPECT_EQ(outcome.refusal, Refusal::NotSaved);
    EXPECT_EQ(snapshot(folder.root() / "data"), before);
}

TEST_F(ResultSavingTest, ARecordsFileThatCannotBeReadRefusesTheSave)
{
    fs::remove(folder.root() / kRecordsOnDisk);
    fs::create_directory(folder.root() / kRecordsOnDisk);
    const SaveOutcome outcome = saveNewResult(kFourRunners);
    EXPECT_EQ(outcome.refusal, Refusal::NotSaved);
    ASSERT_EQ(outcome.messages.size(), 1u);
    EXPECT_NE(outcome.messages[0].find("data\\Athletics.dat"), std::string::npos) << outcome.messages[0];
    EXPECT_FALSE(folder.exists(kResultOnDisk));
    expectTotals(kStartTotals);
}

// ---- Every operation builds on the files as they stand, not as loaded ----

TEST_F(ResultSavingTest, AnotherProgramsPointsSavedSinceLoadingAreKept)
{
    writePointsUpdate({ 50, 50, 50, 50 }); // the other program's entry
    saveNewResult(form({ "Ann", "Tamsett", "012.00" }));
    expectTotals({ 58, 50, 50, 50 });
    writePointsUpdate({ 60, 60, 60, 60 });
    openResultForEditing();
    expectTotals({ 52, 60, 60, 60 });
}

TEST_F(ResultSavingTest, AnEventEnteredElsewhereSinceItWasChosenIsNotOverwritten)
{
    saveNewResult(form({ "Bea", "Brindrel", "012.00" })); // the other program's entry
    const Tree theirs = snapshot(folder.root());
    const SaveOutcome outcome = saveNewResult(form({ "Ann", "Tamsett", "012.50" }));
    EXPECT_EQ(outcome.refusal, Refusal::NotSaved);
    EXPECT_EQ(outcome.messages, std::vector<std::string> { std::string(kAlreadyEntered) });
    EXPECT_EQ(snapshot(folder.root()), theirs);
}

class CarnivalChangedBefore : public StepTest, public ::testing::WithParamInterface<Step> {};

TEST_P(CarnivalChangedBefore, RefusesTheStepAndWritesNothing)
{
    runUpTo(GetParam());
    putCarnivalFile(folder, "Athletics", "2027"); // another program's new carnival
    const Tree before = snapshot(folder.root());
    const auto failure = run(GetParam());
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->find("another program has started the carnival Athletics, 2027"), std::string::npos)
        << *failure;
    EXPECT_EQ(snapshot(folder.root()), before);
    modDeclareGlobals().carnivalYear = "2027";
    EXPECT_FALSE(run(GetParam())) << "the same step for the carnival as it stands";
}

std::string stepName(const ::testing::TestParamInfo<Step>& info)
{
    const char* names[] = { "Entry", "EditOpen", "EditSave", "Delete" };
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(ResultSaving, CarnivalChangedBefore,
    ::testing::Values(Step::Entry, Step::EditOpen, Step::EditSave, Step::Delete), stepName);

TEST_F(ResultSavingTest, SaveAgainAfterAnUndoScoresOnTheRestoredTotals)
{
    // A change cut short after its new points file was in place.
    const auto change = [] {
        FileTransaction files;
        files.write("data\\points.dat", pointsUpdateContent({ 99, 99, 99, 99 }));
        files.write("data\\swimming.dat", "records");
        files.commit();
    };
    const auto pointsInPlace = [this] {
        return folder.exists(kPointsOnDisk) && folder.read(kPointsOnDisk) == pointsLine({ 99, 99, 99, 99 });
    };
    const Tree start = snapshot(folder.root());
    for (int step = 1; !(folder.exists("commit.journal") && pointsInPlace()); ++step) {
        restoreSnapshot(folder.root(), start);
        ASSERT_TRUE(endsAtCommitStep(step, change));
    }
    reloadMain(); // the start could not settle it

    const SaveOutcome refused = saveNewResult(form({ "Ann", "Tamsett", "012.00" }));
    EXPECT_EQ(refused.refusal, Refusal::NotSaved);
    EXPECT_FALSE(folder.exists(kResultOnDisk));
    EXPECT_EQ(folder.read(kPointsOnDisk), pointsLine(kStartTotals));
    EXPECT_EQ(saveNewResult(form({ "Ann", "Tamsett", "012.00" })).refusal, Refusal::None);
    expectTotals({ 18, 20, 30, 40 });
}
