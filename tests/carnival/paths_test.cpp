// Program paths: backslashes and names matched without regard to case.

#include "carnival/paths.h"

#include "support/working_folder.h"

#include <gtest/gtest.h>

using namespace carnival;

TEST(Paths, EveryComponentIsMatchedWithoutRegardToCase)
{
    testing_support::WorkingFolder folder(testing_support::WorkingFolder::Contents::Empty);
    folder.write("data/athletics/events.dat", "x");
    EXPECT_EQ(resolvePath("Data\\Athletics\\EVENTS.dat"), std::filesystem::path("data/athletics/events.dat"));
    EXPECT_TRUE(fileExists("DATA\\athletics\\events.DAT"));
    EXPECT_TRUE(folderExists("data\\ATHLETICS"));
}

TEST(Paths, MissingComponentsAreKeptAsWritten)
{
    testing_support::WorkingFolder folder(testing_support::WorkingFolder::Contents::Empty);
    folder.write("data/a.dat", "x");
    EXPECT_EQ(resolvePath("DATA\\Swimming\\New.dat"), std::filesystem::path("data/Swimming/New.dat"));
    EXPECT_FALSE(fileExists("data\\Swimming\\New.dat"));
}

TEST(Paths, AnExactMatchWinsOverAnotherCase)
{
    testing_support::WorkingFolder folder(testing_support::WorkingFolder::Contents::Empty);
    folder.write("data/Boys.dat", "1");
    folder.write("data/boys.dat", "2");
    EXPECT_EQ(resolvePath("data\\boys.dat"), std::filesystem::path("data/boys.dat"));
    EXPECT_EQ(resolvePath("data\\Boys.dat"), std::filesystem::path("data/Boys.dat"));
}

TEST(Paths, AFolderIsFoundWithoutRegardToCase)
{
    testing_support::WorkingFolder folder(testing_support::WorkingFolder::Contents::Empty);
    std::filesystem::create_directories(folder.root() / "data/athletics/events");
    EXPECT_EQ(resolvePath("data\\Athletics\\events"), std::filesystem::path("data/athletics/events"));
    EXPECT_TRUE(folderExists("data\\Athletics\\events"));
    EXPECT_FALSE(fileExists("data\\Athletics\\events"));
}

TEST(Paths, BelowAMatchedFolderAMissingFileKeepsItsOwnCase)
{
    testing_support::WorkingFolder folder(testing_support::WorkingFolder::Contents::Empty);
    std::filesystem::create_directories(folder.root() / "data/athletics/events");
    EXPECT_EQ(resolvePath("DATA\\Athletics\\Events\\12BoysLongJump.dat"),
        std::filesystem::path("data/athletics/events/12BoysLongJump.dat"));
}

TEST(Paths, EverythingAfterAMissingFolderIsKeptAsWritten)
{
    testing_support::WorkingFolder folder(testing_support::WorkingFolder::Contents::Empty);
    std::filesystem::create_directories(folder.root() / "data/x/y");
    EXPECT_EQ(resolvePath("data\\Missing\\X\\Y"), std::filesystem::path("data/Missing/X/Y"));
    EXPECT_EQ(resolvePath("Nothing\\Here.dat"), std::filesystem::path("Nothing/Here.dat"));
    EXPECT_FALSE(folderExists("data\\Missing"));
}

TEST(Paths, NamesWithBlanksAndPlusSignsMatch)
{
    testing_support::WorkingFolder folder(testing_support::WorkingFolder::Contents::Empty);
    folder.write("pristine data/athletics/individuals/17+/girls.dat", "g");
    folder.write("data/Click New Carnival/events.dat", " 1 \r\n");
    EXPECT_EQ(resolvePath("Pristine Data\\Athletics\\Individuals\\17+\\Girls.dat"),
        std::filesystem::path("pristine data/athletics/individuals/17+/girls.dat"));
    EXPECT_TRUE(fileExists("data\\click new carnival\\EVENTS.DAT"));
    // Blanks are part of a name: a name without them is another name.
    EXPECT_FALSE(folderExists("data\\ClickNewCarnival"));
}

TEST(Paths, AFileIsNotAFolderAndAFolderIsNotAFile)
{
    testing_support::WorkingFolder folder(testing_support::WorkingFolder::Contents::Empty);
    folder.write("data/points.dat", " 0 ");
    EXPECT_TRUE(fileExists("data\\points.dat"));
    EXPECT_FALSE(folderExists("data\\points.dat"));
    EXPECT_TRUE(folderExists("data"));
    EXPECT_FALSE(fileExists("data"));
    EXPECT_FALSE(fileExists("data\\points.da"));
}

TEST(Paths, AnEmptyPathIsTheWorkingFolder)
{
    testing_support::WorkingFolder folder(testing_support::WorkingFolder::Contents::Empty);
    EXPECT_EQ(resolvePath(""), std::filesystem::path("."));
    EXPECT_TRUE(folderExists(""));
}
