// The carnival, houses, points and event list files, paths and keys.

#include "carnival/data_error.h"
#include "carnival/data_files.h"

#include "support/working_folder.h"

#include <gtest/gtest.h>

using namespace carnival;
using testing_support::WorkingFolder;

class DataFilesTest : public ::testing::Test {
protected:
    void SetUp() override { resetCarnivalState(); }
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

TEST_F(DataFilesTest, EventListCountsBelowOneOrShortListsAreRefused)
{
    folder.write("data/a/events.dat", " 0 \r\n100m\r\n");
    EXPECT_THROW(readEventList("data\\a\\events.dat"), DataFileError);
    folder.write("data/a/events.dat", " 3 \r\n100m\r\n");
    EXPECT_THROW(readEventList("data\\a\\events.dat"), DataFileError);
    folder.write("data/a/events.dat", " 1.6 \r\n100m\r\n200m\r\n");
    EXPECT_EQ(readEventList("data\\a\\events.dat").size(), 2u);
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
