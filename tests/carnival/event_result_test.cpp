// The event result: its path, the tie rules, the form check and the two file
// forms (plain, 12 lines; Draw, 17 lines).

#include "carnival/carnival_state.h"
#include "carnival/data_error.h"
#include "carnival/event_result.h"

#include "support/file_forms.h"
#include "support/working_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace carnival;
using namespace testing_support;

namespace {

// A form whose five time/distance boxes hold the given texts; the other
// boxes are filled so that only the performances matter.
ResultForm withTimes(std::string t1, std::string t2, std::string t3, std::string t4, std::string draw = "")
{
    ResultForm form;
    form.places[0] = { "Ann", "Tamsett", std::move(t1) };
    form.places[1] = { "Bea", "Brindrel", std::move(t2) };
    form.places[2] = { "Cat", "Corrow", std::move(t3) };
    form.places[3] = { "Dan", "Elvane", std::move(t4) };
    form.drawLine.td = std::move(draw);
    return form;
}

// A form that passes the check for a timed event with only the first row.
ResultForm firstOnly()
{
    ResultForm form;
    form.places[0] = { "Ann", "Tamsett", "012.50" };
    return form;
}

const std::string kTimed = "Time    "; // as the event list pads it
const std::string kDistance = "Distance";

} // namespace

// ---- Path of the event result file ----

TEST(EventResultPath, EveryBlankOfTheWholePathGoes)
{
    resetCarnivalState();
    modDeclareGlobals().carnivalType = "Athletics";
    EXPECT_EQ(eventResultPath("17+", "Girls", "Relay               "), "data\\Athletics\\events\\17+GirlsRelay.dat");
    EXPECT_EQ(eventResultPath("12", "Boys", "Long Jump           "), "data\\Athletics\\events\\12BoysLongJump.dat");
    EXPECT_EQ(eventResultPath("12", "Boys", "LongJump"), eventResultPath("12", "Boys", "Long Jump           "));
    modDeclareGlobals().carnivalType = "Click New Carnival";
    EXPECT_EQ(eventResultPath("12", "Boys", "100m"), "data\\ClickNewCarnival\\events\\12Boys100m.dat");
}

TEST(EventResultPath, BoysAndGirlsOfOneEventAreTwoFiles)
{
    resetCarnivalState();
    modDeclareGlobals().carnivalType = "Swimming";
    EXPECT_NE(eventResultPath("12", "Boys", "50m Freestyle"), eventResultPath("12", "Girls", "50m Freestyle"));
    EXPECT_NE(eventResultPath("12", "Boys", "50m Freestyle"), eventResultPath("13", "Boys", "50m Freestyle"));
}

TEST(EventResultPath, EmptyChoicesStillGiveAPath)
{
    resetCarnivalState();
    modDeclareGlobals().carnivalType = "Athletics";
    EXPECT_EQ(eventResultPath("", "", ""), "data\\Athletics\\events\\.dat");
}

// ---- Tie position from the texts as typed ----

TEST(FindDrawpos, NoEqualPairGivesZero)
{
    EXPECT_EQ(findDrawpos(withTimes("010.00", "011.00", "012.00", "013.00", "014.00")), 0);
}

TEST(FindDrawpos, EachAdjacentPairGivesItsPosition)
{
    EXPECT_EQ(findDrawpos(withTimes("010.00", "010.00", "012.00", "013.00")), 1);
    EXPECT_EQ(findDrawpos(withTimes("010.00", "011.00", "011.00", "013.00")), 2);
    EXPECT_EQ(findDrawpos(withTimes("010.00", "011.00", "012.00", "012.00")), 3);
    EXPECT_EQ(findDrawpos(withTimes("010.00", "011.00", "012.00", "013.00", "013.00")), 4);
}

TEST(FindDrawpos, ThreeEqualGiveTwo)
{
    EXPECT_EQ(findDrawpos(withTimes("010.00", "010.00", "010.00", "013.00")), 2);
    EXPECT_EQ(findDrawpos(withTimes("010.00", "011.00", "011.00", "011.00")), 3);
    EXPECT_EQ(findDrawpos(withTimes("010.00", "010.00", "010.00", "010.00", "010.00")), 4);
}

TEST(FindDrawpos, TheLastEqualPairWins)
{
    EXPECT_EQ(findDrawpos(withTimes("010.00", "010.00", "012.00", "012.00")), 3);
    EXPECT_EQ(findDrawpos(withTimes("010.00", "010.00", "012.00", "013.00", "013.00")), 4);
    EXPECT_EQ(findDrawpos(withTimes("010.00", "011.00", "011.00", "013.00", "013.00")), 4);
}

TEST(FindDrawpos, TextsAreComparedAsTyped)
{
    EXPECT_EQ(findDrawpos(withTimes("012.50", "12.500", "", "")), 0);
    EXPECT_EQ(findDrawpos(withTimes("012.50", " 012.50", "", "")), 0);
    EXPECT_EQ(findDrawpos(withTimes("5.25", "5.25", "", "")), 1);
}

TEST(FindDrawpos, EmptyLowerBoxesOfPairsTwoToFourNeverTie)
{
    // Empty second, third and fourth boxes are equal texts, yet only pair 1
    // is compared without the emptiness test.
    EXPECT_EQ(findDrawpos(withTimes("010.00", "", "", "", "")), 0);
    EXPECT_EQ(findDrawpos(withTimes("010.00", "011.00", "", "", "")), 0);
    EXPECT_EQ(findDrawpos(withTimes("", "", "", "", "")), 1);
}

// ---- The tie test of a save: numeric values ----

TEST(NumericTiePairs, EqualValuesTieHoweverTyped)
{
    EXPECT_EQ(numericTiePairs(withTimes("012.50", "12.500", "", "")), std::vector<int> { 1 });
    EXPECT_EQ(numericTiePairs(withTimes("010.00", "011.00", "11", "013.00")), std::vector<int> { 2 });
    EXPECT_TRUE(numericTiePairs(withTimes("010.00", "011.00", "012.00", "013.00", "014.00")).empty());
}

TEST(NumericTiePairs, EveryTiedPairIsListedInOrder)
{
    EXPECT_EQ(numericTiePairs(withTimes("010.00", "010.00", "010.00", "013.00")), (std::vector<int> { 1, 2 }));
    EXPECT_EQ(numericTiePairs(withTimes("010.00", "010.00", "012.00", "012.00", "012.00")),
        (std::vector<int> { 1, 3, 4 }));
}

TEST(NumericTiePairs, AnEmptySecondBoxIsZeroForPairOne)
{
    EXPECT_TRUE(numericTiePairs(withTimes("012.50", "", "", "")).empty());
    EXPECT_EQ(numericTiePairs(withTimes("000000", "", "", "")), std::vector<int> { 1 });
}

TEST(NumericTiePairs, PairsTwoToFourAreTestedOnlyWhenTheirLaterBoxIsFilled)
{
    // The 2nd box has the value 0 like the empty boxes after it, but an empty
    // 3rd, 4th or draw box is not tested.
    EXPECT_EQ(numericTiePairs(withTimes("012.50", "000000", "", "", "")), std::vector<int> {});
    // A filled later box is compared even with an empty earlier one (value 0).
    EXPECT_EQ(numericTiePairs(withTimes("012.50", "013.00", "", "000000", "")), std::vector<int> { 3 });
    EXPECT_EQ(numericTiePairs(withTimes("012.50", "013.00", "014.00", "", "0")), std::vector<int> { 4 });
}

TEST(TiesTypedAlike, OnlyTiesWhoseTextsDifferFail)
{
    EXPECT_TRUE(tiesTypedAlike(withTimes("010.00", "011.00", "012.00", "013.00")));
    EXPECT_TRUE(tiesTypedAlike(withTimes("012.50", "012.50", "013.00", "014.00")));
    EXPECT_FALSE(tiesTypedAlike(withTimes("012.50", "12.500", "013.00", "014.00")));
    EXPECT_FALSE(tiesTypedAlike(withTimes("010.00", "010.00", "013.00", "13.000")));
    EXPECT_FALSE(tiesTypedAlike(withTimes("000000", "", "", "")));
}

// ---- Time and distance check ----

TEST(ValidPerformance, ATimeIsANumberOfSixCharacters)
{
    EXPECT_TRUE(validPerformance("012.50", kTimed));
    EXPECT_TRUE(validPerformance("12.500", kTimed));
    EXPECT_TRUE(validPerformance("001500", kTimed));
    EXPECT_TRUE(validPerformance("125.00", kTimed));
    EXPECT_FALSE(validPerformance("12.50", kTimed));
    EXPECT_FALSE(validPerformance("0012.50", kTimed));
    EXPECT_FALSE(validPerformance("5.25", kTimed));
}

TEST(ValidPerformance, ADistanceIsANumberOfFourCharacters)
{
    EXPECT_TRUE(validPerformance("5.25", kDistance));
    EXPECT_TRUE(validPerformance("0012", kDistance));
    EXPECT_FALSE(validPerformance("05.25", kDistance));
    EXPECT_FALSE(validPerformance("012.50", kDistance));
    EXPECT_FALSE(validPerformance("12", kDistance));
}

TEST(ValidPerformance, TheKindIsTrimmedAndAnyOtherKindWantsSix)
{
    EXPECT_TRUE(validPerformance("5.25", "  Distance  "));
    EXPECT_TRUE(validPerformance("012.50", "Time"));
    EXPECT_TRUE(validPerformance("012.50", ""));
    EXPECT_FALSE(validPerformance("5.25", "distance"));
    EXPECT_TRUE(validPerformance("012.50", "distance"));
}

TEST(ValidPerformance, BlanksAroundTheTextAreTrimmed)
{
    EXPECT_TRUE(validPerformance("  012.50  ", kTimed));
    EXPECT_TRUE(validPerformance(" 5.25", kDistance));
}

TEST(ValidPerformance, AnythingButOneNumberFails)
{
    EXPECT_FALSE(validPerformance("", kTimed));
    EXPECT_FALSE(validPerformance("      ", kTimed));
    EXPECT_FALSE(validPerformance("12.5s0", kTimed));
    EXPECT_FALSE(validPerformance("12.50s", kTimed));
    EXPECT_FALSE(validPerformance("1,2500", kTimed));
    EXPECT_FALSE(validPerformance("12 500", kTimed));
    EXPECT_FALSE(validPerformance("12.3.4", kTimed));
    EXPECT_FALSE(validPerformance("abcdef", kTimed));
    EXPECT_FALSE(validPerformance("5 25", kDistance));
    EXPECT_FALSE(validPerformance("....", kDistance));
}

TEST(ValidPerformance, ASignedNumberIsStillANumber)
{
    EXPECT_TRUE(validPerformance("-12.50", kTimed));
    EXPECT_FALSE(validPerformance("--2.50", kTimed));
}

// ---- Form check ----

TEST(ValidateForm, TheFirstRowNeedsNameHouseAndPerformance)
{
    EXPECT_TRUE(validateForm(firstOnly(), kTimed));
    ResultForm form = firstOnly();
    form.places[0].name.clear();
    EXPECT_FALSE(validateForm(form, kTimed));
    form = firstOnly();
    form.places[0].house.clear();
    EXPECT_FALSE(validateForm(form, kTimed));
    form = firstOnly();
    form.places[0].td.clear();
    EXPECT_FALSE(validateForm(form, kTimed));
    form = firstOnly();
    form.places[0].td = "12.50";
    EXPECT_FALSE(validateForm(form, kTimed));
}

TEST(ValidateForm, TheKindDecidesTheLengthOfEveryBox)
{
    ResultForm form = firstOnly();
    form.places[0].td = "5.25";
    form.places[1] = { "Bea", "Brindrel", "05.25" };
    EXPECT_FALSE(validateForm(form, kDistance));
    form.places[1].td = "4.80";
    EXPECT_TRUE(validateForm(form, kDistance));
    EXPECT_FALSE(validateForm(form, kTimed));
}

TEST(ValidateForm, ANamedLaterRowNeedsHouseAndPerformance)
{
    for (int row = 1; row < 4; ++row) {
        ResultForm form = firstOnly();
        form.places[row] = { "Bea", "", "013.00" };
        EXPECT_FALSE(validateForm(form, kTimed)) << "row " << row;
        form.places[row] = { "Bea", "Brindrel", "13.00" };
        EXPECT_FALSE(validateForm(form, kTimed)) << "row " << row;
        form.places[row] = { "Bea", "Brindrel", "013.00" };
        EXPECT_TRUE(validateForm(form, kTimed)) << "row " << row;
    }
}

TEST(ValidateForm, ANameOfBlanksOnlyCountsAsAName)
{
    ResultForm form = firstOnly();
    form.places[1] = { "   ", "", "" };
    EXPECT_FALSE(validateForm(form, kTimed));
    form.places[1] = { "   ", "Brindrel", "013.00" };
    EXPECT_TRUE(validateForm(form, kTimed));
    form = firstOnly();
    form.places[0].name = " ";
    EXPECT_TRUE(validateForm(form, kTimed));
}

TEST(ValidateForm, ARowWithoutANameGoesUntested)
{
    ResultForm form = firstOnly();
    form.places[1] = { "", "Brindrel", "rubbish" };
    form.places[2] = { "", "", "1.5" };
    form.places[3] = { "", "Nowhere", "" };
    EXPECT_TRUE(validateForm(form, kTimed));
}

TEST(ValidateForm, TheDrawLineIsTestedOnlyWhenChangedAndNotEmpty)
{
    ResultForm form = firstOnly();
    form.drawLine = { std::string(kDrawLineDefault), "", "rubbish" };
    EXPECT_TRUE(validateForm(form, kTimed));
    form.drawLine = { "", "", "rubbish" };
    EXPECT_TRUE(validateForm(form, kTimed));
    form.drawLine = { "Dee", "", "012.50" };
    EXPECT_FALSE(validateForm(form, kTimed));
    form.drawLine = { "Dee", "Tamsett", "12.50" };
    EXPECT_FALSE(validateForm(form, kTimed));
    form.drawLine = { "Dee", "Tamsett", "012.50" };
    EXPECT_TRUE(validateForm(form, kTimed));
    form.drawLine = { "only use for draws!", "", "" };
    EXPECT_FALSE(validateForm(form, kTimed));
}

TEST(ValidateForm, OrderAndRepeatsAreNotChecked)
{
    ResultForm form = withTimes("015.00", "011.00", "013.00", "012.00");
    form.places[1].name = "Ann";
    form.places[2].house = "Tamsett";
    EXPECT_TRUE(validateForm(form, kTimed));
}

// ---- The two written forms ----

TEST(ResultLines, ThePlainFormIsTheTwelveBoxesInRowOrder)
{
    ResultForm form = firstOnly();
    form.places[1] = { "", "Brindrel", "" };
    form.places[3] = { " Dan ", "Elvane", " 013.00" };
    form.drawLine = { "Dee", "Corrow", "013.00" };
    EXPECT_EQ(plainFormLines(form),
        (std::vector<std::string> {
            "Ann", "Tamsett", "012.50", "", "Brindrel", "", "", "", "", " Dan ", "Elvane", " 013.00" }));
}

TEST(ResultLines, TheDrawFormAddsMarkerTiePositionAndDrawLine)
{
    ResultForm form = withTimes("010.00", "011.00", "012.00", "013.00", "013.00");
    form.drawLine.name = "Dee";
    form.drawLine.house = "Tamsett";
    EXPECT_EQ(drawFormLines(form, 4),
        (std::vector<std::string> { "Draw", " 4 ", "Ann", "Tamsett", "010.00", "Bea", "Brindrel", "011.00", "Cat",
            "Corrow", "012.00", "Dan", "Elvane", "013.00", "Dee", "Tamsett", "013.00" }));
    for (int drawpos = 1; drawpos <= 4; ++drawpos)
        EXPECT_EQ(drawFormLines(form, drawpos)[1], " " + std::to_string(drawpos) + " ");
}

class EventResultFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetCarnivalState();
        modDeclareGlobals().carnivalType = "Athletics";
        std::filesystem::create_directories(folder.root() / "data/athletics/events");
    }
    WorkingFolder folder { WorkingFolder::Contents::Empty };
    const std::string path = "data\\Athletics\\events\\12Boys100m.dat";
    const std::string onDisk = "data/athletics/events/12Boys100m.dat";
};

TEST_F(EventResultFileTest, ThePlainFormIsWrittenByteForByte)
{
    ResultForm form = firstOnly();
    form.drawLine = { "Dee", "Corrow", "013.00" };
    writePlainResult(path, form);
    EXPECT_EQ(folder.read(onDisk), "Ann\r\nTamsett\r\n012.50\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
}

TEST_F(EventResultFileTest, TheDrawFormIsWrittenByteForByte)
{
    ResultForm form = withTimes("010.00", "011.00", "011.00", "013.00");
    form.drawLine.name.clear();
    writeDrawResult(path, form, 2);
    EXPECT_EQ(folder.read(onDisk),
        "Draw\r\n 2 \r\nAnn\r\nTamsett\r\n010.00\r\nBea\r\nBrindrel\r\n011.00\r\nCat\r\nCorrow\r\n011.00\r\n"
        "Dan\r\nElvane\r\n013.00\r\n\r\n\r\n\r\n");
}

TEST_F(EventResultFileTest, WritingReplacesTheWholeFile)
{
    folder.write(onDisk, std::string(1000, 'x'));
    writePlainResult(path, firstOnly());
    EXPECT_EQ(folder.read(onDisk), crlf({ "Ann", "Tamsett", "012.50", "", "", "", "", "", "", "", "", "" }));
}

TEST_F(EventResultFileTest, AMissingFolderIsReportedNamingTheFile)
{
    const std::string elsewhere = "data\\Swimming\\events\\12Boys100m.dat";
    try {
        writePlainResult(elsewhere, firstOnly());
        FAIL() << "no error";
    } catch (const DataFileError& error) {
        EXPECT_EQ(error.file(), elsewhere);
    }
    EXPECT_FALSE(folder.exists("data/Swimming"));
}

TEST_F(EventResultFileTest, APlainFileReadsBack)
{
    ResultForm form = withTimes("010.00", "011.00", "012.00", "013.00");
    form.places[1].name = "  Bea ";
    form.places[3] = { "", "Elvane", "" };
    writePlainResult(path, form);
    const StoredResult stored = readEventResult(path);
    EXPECT_FALSE(stored.isDraw);
    EXPECT_EQ(stored.drawpos, 0);
    EXPECT_EQ(stored.form.places, form.places);
    EXPECT_EQ(stored.form.drawLine, ResultForm {}.drawLine);
    EXPECT_EQ(stored.lines, plainFormLines(form));
}

TEST_F(EventResultFileTest, ADrawFileReadsBackWithTiePositionAndDrawLine)
{
    ResultForm form = withTimes("010.00", "011.00", "012.00", "013.00", "013.00");
    form.drawLine.name = "Dee";
    form.drawLine.house = "Tamsett";
    writeDrawResult(path, form, 4);
    const StoredResult stored = readEventResult(path);
    EXPECT_TRUE(stored.isDraw);
    EXPECT_EQ(stored.drawpos, 4);
    EXPECT_EQ(stored.form, form);
    EXPECT_EQ(stored.lines.size(), 17u);
    EXPECT_EQ(stored.lines[1], " 4 ");
}

TEST_F(EventResultFileTest, TheMarkerIsComparedTrimmedAndCaseSensitive)
{
    const std::vector<std::string> body { "Ann", "Tamsett", "010.00", "Bea", "Brindrel", "010.00", "", "", "", "",
        "", "", "", "", "" };
    std::vector<std::string> lines { " Draw ", " 1 " };
    lines.insert(lines.end(), body.begin(), body.end());
    folder.write(onDisk, crlf(lines));
    StoredResult stored = readEventResult(path);
    EXPECT_TRUE(stored.isDraw);
    EXPECT_EQ(stored.drawpos, 1);
    EXPECT_EQ(stored.form.places[1].name, "Bea");

    lines[0] = "draw";
    folder.write(onDisk, crlf(lines));
    stored = readEventResult(path);
    EXPECT_FALSE(stored.isDraw);
    EXPECT_EQ(stored.form.places[0].name, "draw");
    EXPECT_EQ(stored.form.places[0].house, " 1 ");
    EXPECT_EQ(stored.lines.size(), 12u);
}

TEST_F(EventResultFileTest, APlainResultWonByACompetitorCalledDrawStaysPlain)
{
    ResultForm form = withTimes("010.00", "011.00", "012.00", "013.00");
    form.places[0].name = "Draw";
    writePlainResult(path, form);
    StoredResult stored = readEventResult(path);
    EXPECT_FALSE(stored.isDraw);
    EXPECT_EQ(stored.form.places, form.places);

    form.places[0].name = " Draw ";
    writePlainResult(path, form);
    stored = readEventResult(path);
    EXPECT_FALSE(stored.isDraw);
    EXPECT_EQ(stored.form.places[0].name, " Draw ");
}

TEST_F(EventResultFileTest, EmptyLastLinesAreKept)
{
    folder.write(onDisk, crlf({ "Ann", "Tamsett", "012.50", "", "", "", "", "", "", "", "", "" }));
    const StoredResult stored = readEventResult(path);
    EXPECT_EQ(stored.lines.size(), 12u);
    EXPECT_EQ(stored.form.places[3], (Placing { "", "", "" }));
}

TEST_F(EventResultFileTest, AMissingOrShortFileIsReportedNamingIt)
{
    EXPECT_THROW(readEventResult(path), DataFileError);
    folder.write(onDisk, crlf(std::vector<std::string>(11, "")));
    try {
        readEventResult(path);
        ADD_FAILURE() << "no error";
    } catch (const DataFileError& error) {
        EXPECT_EQ(error.file(), path);
    }
}

TEST_F(EventResultFileTest, TheFileIsFoundWhateverTheCaseOfItsName)
{
    writePlainResult(path, firstOnly());
    const StoredResult stored = readEventResult("DATA\\athletics\\EVENTS\\12boys100M.dat");
    EXPECT_EQ(stored.form.places[0].name, "Ann");
}
