// The carnival, houses, points and event list files, paths and keys.

#include "carnival/data_error.h"
#include "carnival/agechamp_file.h"
#include "carnival/data_files.h"
#include "carnival/number_form.h"
#include "carnival/paths.h"
#include "carnival/records_file.h"

#include "support/carnival_layout.h"
#include "support/working_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace carnival;
using testing_support::WorkingFolder;
using testing_support::putAgeChamp;
using testing_support::storedAgeChamp;

class DataFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetCarnivalState();
        std::filesystem::create_directory(folder.root() / "data");
    }
    WorkingFolder folder { WorkingFolder::Contents::Empty };
};

TEST_F(DataFilesTest, PointsReadInBothForms)
{
    folder.write("data/points.dat", " 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
    EXPECT_EQ(readPoints(), (std::array<std::int16_t, 4> { 0, 0, 0, 0 }));
    writePointsUpdate({ 12, -3, 0, 40 });
    const std::string line = folder.read("data/points.dat");
    EXPECT_EQ(line, " 12 " + std::string(10, ' ') + "-3 " + std::string(11, ' ') + " 0 " + std::string(11, ' ')
            + " 40 \r\n");
    EXPECT_EQ(readPoints(), (std::array<std::int16_t, 4> { 12, -3, 0, 40 }));
    writePointsReset();
    EXPECT_EQ(folder.read("data/points.dat"), " 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
}

TEST_F(DataFilesTest, CarnivalYearIsTheNumericValueOfTheTypedYear)
{
    folder.write("data/carnival.dat", "");
    writeCarnivalFile("Athletics", "2010");
    EXPECT_EQ(folder.read("data/carnival.dat"), "Athletics\r\n 2010 \r\n");
    readCarnivalFile();
    EXPECT_EQ(modDeclareGlobals().carnivalType, "Athletics");
    EXPECT_EQ(modDeclareGlobals().carnivalYear, "2010");
    writeCarnivalFile("Swimming", "2010abc");
    EXPECT_EQ(folder.read("data/carnival.dat"), "Swimming\r\n 2010 \r\n");
    writeCarnivalFile("Swimming", "abc");
    EXPECT_EQ(folder.read("data/carnival.dat"), "Swimming\r\n 0 \r\n");
}

TEST_F(DataFilesTest, HouseLinesAreTrimmedAndTakenWhole)
{
    folder.write("data/houses.dat", "  Tamsett  \r\nA, B\r\n\r\nElvane\r\n");
    readHousesFile();
    const auto& names = modDeclareGlobals().houseNames;
    EXPECT_EQ(names[0], "Tamsett");
    EXPECT_EQ(names[1], "A, B");
    EXPECT_EQ(names[2], "");
}

TEST_F(DataFilesTest, EventListMarkersAndCuts)
{
    folder.write("data/athletics/events.dat",
        " 6 \r\nLong Jump1\r\n100m\r\n1\r\n\r\nRelay 1\r\nABCDEFGHIJKLMNOPQRSTUV\r\nnot read\r\n");
    modDeclareGlobals().carnivalType = "Athletics";
    loadEventList();
    const auto& state = modDeclareGlobals();
    ASSERT_EQ(state.eventList.size(), 6u);
    EXPECT_EQ(state.eventLastIndex, 5);
    EXPECT_EQ(state.eventList[0].name.raw(), "Long Jump" + std::string(11, ' '));
    EXPECT_EQ(state.eventList[0].kind.raw(), "Distance");
    EXPECT_EQ(state.eventList[1].kind.raw(), "Time    ");
    EXPECT_EQ(state.eventList[2].name.trimmed(), "");
    EXPECT_TRUE(state.eventList[2].isDistance());
    EXPECT_FALSE(state.eventList[3].isDistance());
    EXPECT_EQ(state.eventList[4].name.raw(), "Relay" + std::string(15, ' '));
    EXPECT_TRUE(state.eventList[4].isDistance());
    EXPECT_EQ(state.eventList[5].name.raw(), "ABCDEFGHIJKLMNOPQRST");
}

TEST_F(DataFilesTest, PathsAndKeys)
{
    modDeclareGlobals().carnivalType = "Athletics";
    EXPECT_EQ(ageChampPath("17+", "Girls"), "data\\Athletics\\individuals\\17+\\Girls.dat");
    EXPECT_EQ(recordKey("12", "Boys", "Long Jump           "), "12BoysLongJump");
    EXPECT_EQ(recordKey("17+", "Girls", "Relay"), "17+GirlsRelay");
    EXPECT_EQ(backupFolderPath("Athletics", "2010"), "data\\Athletics2010");
    modDeclareGlobals().carnivalType = "Click New Carnival";
    EXPECT_EQ(ageChampPath("12", "Boys"), "data\\ClickNewCarnival\\individuals\\12\\Boys.dat");
}

namespace {

using Totals = std::array<std::int16_t, 4>;

std::string zoned(const std::string& item)
{
    return item + std::string(14 - item.size(), ' ');
}

// The file's name as the program knows it, taken from the error it throws.
template <typename Read>
std::string fileNamedByError(Read read)
{
    try {
        read();
    } catch (const DataFileError& error) {
        EXPECT_NE(std::string(error.what()).find(error.file()), std::string::npos);
        EXPECT_NE(error.userMessage().find(error.file()), std::string::npos);
        return error.file();
    }
    ADD_FAILURE() << "no DataFileError";
    return {};
}

} // namespace

// --- Points file ---------------------------------------------------------

TEST_F(DataFilesTest, PointsResetAndUpdateFormsOfZerosReadTheSame)
{
    folder.write("data/points.dat", " 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
    const Totals fromReset = readPoints();
    folder.write("data/points.dat", zoned(" 0 ") + zoned(" 0 ") + zoned(" 0 ") + " 0 \r\n");
    EXPECT_EQ(readPoints(), fromReset);
    EXPECT_EQ(fromReset, (Totals { 0, 0, 0, 0 }));
}

TEST_F(DataFilesTest, PointsUpdateFormOfZerosHasItsNumbersAtPositions1_15_29_43)
{
    writePointsUpdate({ 0, 0, 0, 0 });
    const std::string file = folder.read("data/points.dat");
    ASSERT_EQ(file.size(), 45u + 2u);
    for (std::size_t start : { 0u, 14u, 28u, 42u })
        EXPECT_EQ(file.substr(start, 3), " 0 ") << "at position " << start + 1;
    EXPECT_EQ(file.find_first_not_of(' '), 1u);
    EXPECT_EQ(file.substr(45), "\r\n");
    EXPECT_EQ(readPoints(), (Totals { 0, 0, 0, 0 }));
}

TEST_F(DataFilesTest, PointsUpdateFormByteForByte)
{
    writePointsUpdate({ 8, -3, 4, 2 });
    EXPECT_EQ(folder.read("data/points.dat"), zoned(" 8 ") + zoned("-3 ") + zoned(" 4 ") + " 2 \r\n");
    writePointsUpdate({ 12, -3, 0, 40 });
    const std::string line = folder.read("data/points.dat");
    EXPECT_EQ(line.substr(0, 4), " 12 ");
    EXPECT_EQ(line.substr(14, 3), "-3 ");
    EXPECT_EQ(line.substr(28, 3), " 0 ");
    EXPECT_EQ(line.substr(42), " 40 \r\n");
}

TEST_F(DataFilesTest, PointsRoundTripIncludingTheSixteenBitLimits)
{
    for (const Totals& totals : { Totals { 12, -3, 0, 40 }, Totals { -32768, 32767, -1, 1 },
             Totals { -32768, -32768, -32768, -32768 } }) {
        writePointsUpdate(totals);
        EXPECT_EQ(readPoints(), totals);
        readPointsFile();
        EXPECT_EQ(modDeclareGlobals().housePoints, totals);
    }
    const std::string widest = folder.read("data/points.dat");
    EXPECT_EQ(widest, zoned("-32768 ") + zoned("-32768 ") + zoned("-32768 ") + "-32768 \r\n");
}

TEST_F(DataFilesTest, PointsOnOneLineWithCommasOrOnSeveralLinesRead)
{
    folder.write("data/points.dat", "12,-3, 0 ,40\r\n");
    EXPECT_EQ(readPoints(), (Totals { 12, -3, 0, 40 }));
    folder.write("data/points.dat", " 12 \r\n\r\n-3  0\r\n 40 \r\n");
    EXPECT_EQ(readPoints(), (Totals { 12, -3, 0, 40 }));
}

TEST_F(DataFilesTest, AResetReplacesALongerUpdateFormWhole)
{
    writePointsUpdate({ 12, -3, 0, 40 });
    writePointsReset();
    EXPECT_EQ(folder.read("data/points.dat"), " 0 \r\n 0 \r\n 0 \r\n 0 \r\n");
    EXPECT_EQ(readPoints(), (Totals { 0, 0, 0, 0 }));
}

TEST_F(DataFilesTest, MalformedPointsFilesAreRefusedNamingTheFile)
{
    EXPECT_EQ(fileNamedByError([] { readPoints(); }), "data\\points.dat"); // missing
    folder.write("data/points.dat", " 1 \r\n 2 \r\n 3 \r\n");
    EXPECT_EQ(fileNamedByError([] { readPoints(); }), "data\\points.dat");
    folder.write("data/points.dat", " 1 \r\n 2 \r\n 40000 \r\n 4 \r\n");
    EXPECT_EQ(fileNamedByError([] { readPoints(); }), "data\\points.dat");
    folder.write("data/points.dat", " 1 \r\n two \r\n 3 \r\n 4 \r\n");
    EXPECT_EQ(fileNamedByError([] { readPointsFile(); }), "data\\points.dat");
}

TEST_F(DataFilesTest, AFailedPointsReadLeavesTheStateAlone)
{
    modDeclareGlobals().housePoints = { 1, 2, 3, 4 };
    folder.write("data/points.dat", " 9 \r\n 9 \r\n");
    EXPECT_THROW(readPointsFile(), DataFileError);
    EXPECT_EQ(modDeclareGlobals().housePoints, (Totals { 1, 2, 3, 4 }));
}

// --- Carnival file -------------------------------------------------------

TEST_F(DataFilesTest, CarnivalYearTypedWithBlanksOrAsAFraction)
{
    writeCarnivalFile("Athletics", " 20 10 ");
    EXPECT_EQ(folder.read("data/carnival.dat"), "Athletics\r\n 2010 \r\n");
    writeCarnivalFile("Athletics", "-5");
    EXPECT_EQ(folder.read("data/carnival.dat"), "Athletics\r\n-5 \r\n");
    writeCarnivalFile("Athletics", "");
    EXPECT_EQ(folder.read("data/carnival.dat"), "Athletics\r\n 0 \r\n");
}

TEST_F(DataFilesTest, CarnivalYearsReadBackAsTexts)
{
    for (const char* typed : { "2010", "2010abc", " 20 10 " }) {
        writeCarnivalFile("Swimming", typed);
        readCarnivalFile();
        EXPECT_EQ(modDeclareGlobals().carnivalType, "Swimming") << typed;
        EXPECT_EQ(modDeclareGlobals().carnivalYear, "2010") << typed;
    }
    writeCarnivalFile("Swimming", "abc");
    EXPECT_EQ(readCarnival().year, "0");
}

TEST_F(DataFilesTest, TheCarnivalFileIsReplacedWhole)
{
    folder.write("data/carnival.dat", "Click New Carnival\r\n 2026 \r\nleft over from an old file\r\n");
    writeCarnivalFile("Swimming", "2011");
    EXPECT_EQ(folder.read("data/carnival.dat"), "Swimming\r\n 2011 \r\n");
}

TEST_F(DataFilesTest, ThePlaceholderTypeKeepsItsInnerBlanks)
{
    folder.write("data/carnival.dat", "Click New Carnival\r\n 2026 \r\n");
    readCarnivalFile();
    EXPECT_EQ(modDeclareGlobals().carnivalType, "Click New Carnival");
    EXPECT_EQ(modDeclareGlobals().carnivalYear, "2026");
}

TEST_F(DataFilesTest, ACarnivalFileWithoutAYearIsRefused)
{
    EXPECT_EQ(fileNamedByError([] { readCarnivalFile(); }), "data\\carnival.dat"); // missing
    folder.write("data/carnival.dat", "Athletics\r\n");
    EXPECT_EQ(fileNamedByError([] { readCarnival(); }), "data\\carnival.dat");
    folder.write("data/carnival.dat", "Athletics\r\n   \r\n");
    EXPECT_EQ(fileNamedByError([] { readCarnival(); }), "data\\carnival.dat");
}

TEST_F(DataFilesTest, ACarnivalTypeOrYearThatCannotNameAFolderIsRefused)
{
    for (const char* content : { "../../victim\r\n 2010 \r\n", "Athletics\r\n 20/10 \r\n", ".\r\n 2010 \r\n",
             ". .\r\n 2010 \r\n" }) {
        folder.write("data/carnival.dat", content);
        EXPECT_EQ(fileNamedByError([] { readCarnivalFile(); }), "data\\carnival.dat") << content;
    }
}

TEST_F(DataFilesTest, EventListCountsOutOfRangeShortListsAndUnsafeNamesAreRefused)
{
    for (const char* content : { " 0 \r\n100m\r\n", " 3 \r\n100m\r\n", " 99999999999999999999 \r\n100m\r\n",
             " 2 \r\n100m\r\n..\\..\\victim\r\n", " 1 \r\nsub/dir\r\n" }) {
        folder.write("data/a/events.dat", content);
        EXPECT_EQ(fileNamedByError([] { readEventList("data\\a\\events.dat"); }), "data\\a\\events.dat") << content;
    }
    folder.write("data/a/events.dat", " 1.6 \r\n100m\r\n200m\r\n");
    EXPECT_EQ(readEventList("data\\a\\events.dat").size(), 2u);
}

// --- Houses file ---------------------------------------------------------

TEST_F(DataFilesTest, HouseNamesAreWrittenExactlyAsTypedAndReadTrimmed)
{
    writeHousesFile({ "  Tamsett  ", " Brindrel, North ", "", "   " });
    EXPECT_EQ(folder.read("data/houses.dat"), "  Tamsett  \r\n Brindrel, North \r\n\r\n   \r\n");
    readHousesFile();
    EXPECT_EQ(modDeclareGlobals().houseNames,
        (std::array<std::string, 4> { "Tamsett", "Brindrel, North", "", "" }));
}

TEST_F(DataFilesTest, AHouseLineWithCommasIsNotSplitIntoFields)
{
    folder.write("data/houses.dat", "a,b,c,d\r\n,\r\n, x ,\r\nElvane\r\n");
    EXPECT_EQ(readHouses(), (std::array<std::string, 4> { "a,b,c,d", ",", ", x ,", "Elvane" }));
}

TEST_F(DataFilesTest, OnlyTheFirstFourHouseLinesAreRead)
{
    folder.write("data/houses.dat", "A\r\nB\r\nC\r\nD\r\nE\r\n");
    EXPECT_EQ(readHouses(), (std::array<std::string, 4> { "A", "B", "C", "D" }));
    folder.write("data/houses.dat", "A\r\nB\r\nC\r\nD");
    EXPECT_EQ(readHouses()[3], "D");
}

TEST_F(DataFilesTest, AHousesFileOfThreeLinesIsRefused)
{
    folder.write("data/houses.dat", "A\r\nB\r\nC\r\n");
    EXPECT_EQ(fileNamedByError([] { readHousesFile(); }), "data\\houses.dat");
    std::filesystem::remove(folder.root() / "data/houses.dat");
    EXPECT_EQ(fileNamedByError([] { readHouses(); }), "data\\houses.dat");
}

// --- Event list file and LoadEvents --------------------------------------

TEST_F(DataFilesTest, EventMarkerIsTheVeryLastCharacterOfTheLine)
{
    folder.write("data/athletics/events.dat", " 4 \r\nRelay 1\r\nRelay 1 \r\n100m\r\n4x100m1\r\n");
    modDeclareGlobals().carnivalType = "Athletics";
    loadEventList();
    const auto& list = modDeclareGlobals().eventList;
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].name.raw(), "Relay " + std::string(14, ' '));
    EXPECT_EQ(list[0].kind.raw(), "Distance");
    EXPECT_EQ(list[1].name.raw(), "Relay 1" + std::string(13, ' '));
    EXPECT_EQ(list[1].kind.raw(), "Time    ");
    EXPECT_EQ(list[2].name.raw(), "100m" + std::string(16, ' '));
    EXPECT_EQ(list[2].kind.raw(), "Time    ");
    EXPECT_EQ(list[3].name.trimmed(), "4x100m");
    EXPECT_TRUE(list[3].isDistance());
}

TEST_F(DataFilesTest, AMarkerOnlyLineAndAnEmptyLineGiveEmptyNames)
{
    folder.write("data/athletics/events.dat", " 2 \r\n1\r\n\r\n");
    modDeclareGlobals().carnivalType = "Athletics";
    loadEventList();
    const auto& list = modDeclareGlobals().eventList;
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].name.raw(), std::string(20, ' '));
    EXPECT_EQ(list[0].kind.raw(), "Distance");
    EXPECT_EQ(list[1].name.raw(), std::string(20, ' '));
    EXPECT_EQ(list[1].kind.raw(), "Time    ");
    EXPECT_EQ(modDeclareGlobals().eventLastIndex, 1);
}

TEST_F(DataFilesTest, NamesAreCutAt20AfterTheMarkerIsRemoved)
{
    folder.write("data/a/events.dat",
        " 4 \r\n"
        "ABCDEFGHIJKLMNOPQRSTUV\r\n" // 22 characters
        "ABCDEFGHIJKLMNOPQRSTUV1\r\n" // 22 and the marker
        "ABCDEFGHIJKLMNOPQRS1X\r\n" // a "1" at position 20 is no marker
        "ABCDEFGHIJKLMNOPQRS1X1\r\n");
    const std::vector<EventEntry> list = readEventList("data\\a\\events.dat");
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].name.raw(), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_FALSE(list[0].isDistance());
    EXPECT_EQ(list[1].name.raw(), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_TRUE(list[1].isDistance());
    EXPECT_EQ(list[2].name.raw(), "ABCDEFGHIJKLMNOPQRS1");
    EXPECT_FALSE(list[2].isDistance());
    EXPECT_EQ(list[3].name.raw(), "ABCDEFGHIJKLMNOPQRS1");
    EXPECT_TRUE(list[3].isDistance());
}

TEST_F(DataFilesTest, ACountWithBlanksAroundAndInsideIsItsNumericValue)
{
    std::string content = " 12 \r\n";
    for (int i = 1; i <= 12; ++i)
        content += "Event " + std::to_string(i) + "m\r\n";
    folder.write("data/a/events.dat", content);
    EXPECT_EQ(readEventList("data\\a\\events.dat").size(), 12u);
    folder.write("data/a/events.dat", " 1 2 \r\n" + content.substr(6));
    EXPECT_EQ(readEventList("data\\a\\events.dat").size(), 12u);
}

TEST_F(DataFilesTest, AFractionalCountRoundsHalfToEven)
{
    const std::string lines = "a\r\nb\r\nc\r\nd\r\ne\r\n";
    folder.write("data/a/events.dat", " 2.5 \r\n" + lines);
    EXPECT_EQ(readEventList("data\\a\\events.dat").size(), 2u);
    folder.write("data/a/events.dat", " 3.5 \r\n" + lines);
    EXPECT_EQ(readEventList("data\\a\\events.dat").size(), 4u);
    folder.write("data/a/events.dat", " 1.5 \r\n" + lines);
    EXPECT_EQ(readEventList("data\\a\\events.dat").size(), 2u);
    folder.write("data/a/events.dat", " 2.4 \r\n" + lines);
    EXPECT_EQ(readEventList("data\\a\\events.dat").size(), 2u);
}

TEST_F(DataFilesTest, LinesAfterTheCountedEventsAreNotRead)
{
    folder.write("data/athletics/events.dat", " 2 \r\n100m\r\n200m\r\nHigh Jump1\r\n");
    modDeclareGlobals().carnivalType = "Athletics";
    loadEventList();
    const auto& state = modDeclareGlobals();
    ASSERT_EQ(state.eventList.size(), 2u);
    EXPECT_EQ(state.eventLastIndex, 1);
    EXPECT_EQ(state.eventList[1].name.trimmed(), "200m");
}

TEST_F(DataFilesTest, CountsBelowOneAreRefusedNamingTheFile)
{
    modDeclareGlobals().carnivalType = "Athletics";
    for (const char* count : { " 0 ", "-2 ", " 0.5 ", "many", "" }) {
        folder.write("data/athletics/events.dat", std::string(count) + "\r\n100m\r\n200m\r\n");
        EXPECT_EQ(fileNamedByError([] { loadEventList(); }), "data\\Athletics\\events.dat") << count;
    }
}

TEST_F(DataFilesTest, MissingOrShortEventListsAreRefusedNamingTheFile)
{
    modDeclareGlobals().carnivalType = "Swimming";
    EXPECT_EQ(fileNamedByError([] { loadEventList(); }), "data\\Swimming\\events.dat");
    folder.write("data/swimming/events.dat", " 3 \r\n50m\r\n100m\r\n");
    EXPECT_EQ(fileNamedByError([] { loadEventList(); }), "data\\Swimming\\events.dat");
    folder.write("data/swimming/events.dat", "");
    EXPECT_EQ(fileNamedByError([] { loadEventList(); }), "data\\Swimming\\events.dat");
}

TEST_F(DataFilesTest, LoadingAgainDropsTheEarlierEvents)
{
    modDeclareGlobals().carnivalType = "Athletics";
    folder.write("data/athletics/events.dat", " 3 \r\n100m\r\n200m\r\n400m\r\n");
    loadEventList();
    ASSERT_EQ(modDeclareGlobals().eventList.size(), 3u);
    folder.write("data/athletics/events.dat", " 1 \r\nShot Put1\r\n");
    loadEventList();
    const auto& state = modDeclareGlobals();
    ASSERT_EQ(state.eventList.size(), 1u);
    EXPECT_EQ(state.eventLastIndex, 0);
    EXPECT_EQ(state.eventList[0].name.trimmed(), "Shot Put");
}

TEST_F(DataFilesTest, ThePlaceholderTypeFindsItsOwnFolder)
{
    folder.write("data/Click New Carnival/events.dat", " 1 \r\n100m\r\n");
    modDeclareGlobals().carnivalType = "Click New Carnival";
    EXPECT_EQ(eventListPath("Click New Carnival"), "data\\Click New Carnival\\events.dat");
    loadEventList();
    EXPECT_EQ(modDeclareGlobals().eventList.size(), 1u);
}

// --- Keys and paths ------------------------------------------------------

TEST_F(DataFilesTest, AKeyFromALoadedEventDropsThePaddingAndTheMarker)
{
    folder.write("data/athletics/events.dat", " 2 \r\nLong Jump1\r\n100m\r\n");
    modDeclareGlobals().carnivalType = "Athletics";
    loadEventList();
    const auto& list = modDeclareGlobals().eventList;
    EXPECT_EQ(recordKey("12", "Boys", list[0].name.raw()), "12BoysLongJump");
    EXPECT_EQ(recordKey("12", "Boys", list[1].name.raw()), "12Boys100m");
    // The entry windows join age, sex and the padded event with blanks first.
    EXPECT_EQ(recordKey("12 ", " Boys ", " " + list[0].name.raw()), "12BoysLongJump");
}

TEST_F(DataFilesTest, LongKeysFitTheStoredFieldOnlyUpTo25Characters)
{
    const std::string fits = recordKey("17+", "Girls", "ABCDEFGH IJKLMNOP Q"); // 17 non-blank
    ASSERT_EQ(fits.size(), 25u);
    EXPECT_EQ(unsetRecord(fits, false).key.trimmed(), fits);

    const std::string tooLong = recordKey("17+", "Girls", "ABCDEFGH IJKLMNOP QR"); // 18 non-blank
    ASSERT_EQ(tooLong.size(), 26u); // the key itself is not cut
    RecordEntry stored;
    stored.key.assign(tooLong);
    EXPECT_EQ(stored.key.trimmed(), tooLong.substr(0, 25));
    EXPECT_NE(stored.key.trimmed(), tooLong); // a lookup with the whole key misses it
}

TEST_F(DataFilesTest, AgeChampPathRemovesEveryBlank)
{
    modDeclareGlobals().carnivalType = "Click New Carnival";
    EXPECT_EQ(ageChampPath("17+", "Girls"), "data\\ClickNewCarnival\\individuals\\17+\\Girls.dat");
    modDeclareGlobals().carnivalType = "Swimming";
    EXPECT_EQ(ageChampPath(" 12 ", " Boys "), "data\\Swimming\\individuals\\12\\Boys.dat");
    EXPECT_EQ(ageChampPath("", ""), "data\\Swimming\\individuals\\\\.dat");
}

TEST_F(DataFilesTest, AgeChampPathFindsTheLowerCaseCopy)
{
    folder.write("data/athletics/individuals/17+/girls.dat", std::string(512 * 50, '\0'));
    modDeclareGlobals().carnivalType = "Athletics";
    AgeChampEntry entry = freeSlotTemplate({ "100m" });
    entry.name.assign("Ann Example");
    putAgeChamp(ageChampPath("17+", "Girls"), 7, entry);
    EXPECT_FALSE(folder.exists("data/athletics/individuals/17+/Girls.dat"));
    EXPECT_EQ(folder.read("data/athletics/individuals/17+/girls.dat").substr(6 * 512, 11), "Ann Example");
    EXPECT_EQ(storedAgeChamp(ageChampPath("17+", "Girls"), 7), entry);
}

TEST_F(DataFilesTest, BackupFolderJoinsTypeAndYearWithoutSeparator)
{
    EXPECT_EQ(backupFolderPath("Click New Carnival", "2026"), "data\\Click New Carnival2026");
}

// --- The installed data set ----------------------------------------------

TEST(DataFilesInstalledSet, EveryFileTheFirstLoadReadsIsThereAndWellFormed)
{
    resetCarnivalState();
    WorkingFolder folder { WorkingFolder::Contents::InstalledDataSet };
    readCarnivalFile();
    readHousesFile();
    readPointsFile();
    const CarnivalState& state = modDeclareGlobals();
    EXPECT_EQ(state.carnivalType, kFirstRunPlaceholder);
    EXPECT_TRUE(isWholeNumber(state.carnivalYear)) << state.carnivalYear;
    loadEventList();
    EXPECT_GE(state.eventList.size(), 1u);
    EXPECT_EQ(state.eventLastIndex, static_cast<int>(state.eventList.size()) - 1);
}

TEST(DataFilesInstalledSet, TheTemplateTreeIsComplete)
{
    WorkingFolder folder { WorkingFolder::Contents::InstalledDataSet };
    EXPECT_TRUE(folderExists("help"));
    for (const char* type : { "athletics", "swimming" }) {
        const std::string base = std::string("pristine data\\") + type;
        EXPECT_GE(readEventList(base + "\\events.dat").size(), 1u) << type;
        EXPECT_TRUE(folderExists(base + "\\events")) << type;
        for (const std::string& age : kAgeGroups)
            EXPECT_TRUE(folderExists(base + "\\individuals\\" + age)) << type << " " << age;
    }
}

TEST_F(DataFilesTest, TheEventKindComesFromTheFirstEqualPaddedName)
{
    folder.write("data/athletics/events.dat", " 3 \r\nShot Put1\r\n100m\r\nShot Put\r\n");
    modDeclareGlobals().carnivalType = "Athletics";
    loadEventList();
    CarnivalState& state = modDeclareGlobals();
    state.selectedEvent = fitWidth("Shot Put", 20);
    ASSERT_TRUE(lookUpEventKind());
    EXPECT_EQ(state.eventKind, "Distance");
    ASSERT_TRUE(lookUpEventKind(1));
    EXPECT_EQ(state.eventKind, "Time    ");

    state.selectedEvent = "Shot Put"; // unpadded: no listed name equals it
    state.eventKind = "unchanged";
    EXPECT_FALSE(lookUpEventKind());
    EXPECT_EQ(state.eventKind, "unchanged");
}
