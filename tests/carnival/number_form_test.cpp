// The number form, print zones and the numeric value of typed text.

#include "carnival/number_form.h"

#include <gtest/gtest.h>

using namespace carnival;

TEST(NumberForm, BlankOrMinusInFrontAndOneBlankAfter)
{
    EXPECT_EQ(numberForm(0LL), " 0 ");
    EXPECT_EQ(numberForm(8LL), " 8 ");
    EXPECT_EQ(numberForm(-3LL), "-3 ");
    EXPECT_EQ(numberForm(2010.0), " 2010 ");
    EXPECT_EQ(numberForm(-32768LL), "-32768 ");
}

TEST(PrintZones, EachItemStartsAtTheNextZone)
{
    EXPECT_EQ(printZones({ " 8 ", " 6 ", " 4 ", " 2 " }),
        " 8 " + std::string(11, ' ') + " 6 " + std::string(11, ' ') + " 4 " + std::string(11, ' ') + " 2 ");
    const std::string line = printZones({ " 12 ", "-3 ", " 0 ", " 40 " });
    EXPECT_EQ(line.find("-3 "), 14u);
    EXPECT_EQ(line.find(" 0 "), 28u);
    EXPECT_EQ(line.find(" 40 "), 42u);
}

TEST(PrintZones, FromTheStartOfAZoneAStepMovesToTheNextZone)
{
    EXPECT_EQ(printZones({ "", "x" }), std::string(14, ' ') + "x");
    EXPECT_EQ(printZones({ "Name:", "", "House:" }), "Name:" + std::string(23, ' ') + "House:");
    EXPECT_EQ(printZones({ std::string(14, 'a'), "b" }), std::string(14, 'a') + std::string(14, ' ') + "b");
}

TEST(NumericValue, SkipsBlanksAndStopsAtTheFirstNonNumber)
{
    EXPECT_EQ(numericValue("2010"), 2010);
    EXPECT_EQ(numericValue("2010abc"), 2010);
    EXPECT_EQ(numericValue("abc"), 0);
    EXPECT_EQ(numericValue(" 1 2 . 5 "), 12.5);
    EXPECT_EQ(numericValue("-3"), -3);
    EXPECT_EQ(numericValue("1.2.3"), 1.2);
    EXPECT_EQ(numericValue(""), 0);
}
