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
