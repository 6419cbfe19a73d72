// The number form, print zones and the numeric value of typed text.

#include "carnival/number_form.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>

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

TEST(NumberForm, ZeroOfEitherSignHasABlankInFront)
{
    EXPECT_EQ(numberForm(0.0), " 0 ");
    EXPECT_EQ(numberForm(-0.0), " 0 ");
}

TEST(NumberForm, SixteenBitLimitsAndWholeDoubles)
{
    EXPECT_EQ(numberForm(32767LL), " 32767 ");
    EXPECT_EQ(numberForm(std::numeric_limits<long long>::min()), "-9223372036854775808 ");
    EXPECT_EQ(numberForm(-3.0), "-3 ");
    EXPECT_EQ(numberForm(12.0), " 12 ");
}

TEST(NumberForm, FractionsUseAPointAndNoSeparators)
{
    EXPECT_EQ(numberForm(12.5), " 12.5 ");
    EXPECT_EQ(numberForm(-2010.25), "-2010.25 ");
    EXPECT_EQ(numberForm(1234567.0), " 1234567 ");
}

TEST(NumberForm, AlwaysPlainDecimalAndRefusedWhereItCannotBe)
{
    EXPECT_EQ(numberForm(0.0000001), " 0.0000001 ");
    EXPECT_EQ(numberForm(999999999999999.0), " 999999999999999 ");
    EXPECT_THROW(numberForm(1e15), std::out_of_range);
    EXPECT_FALSE(fitsNumberForm(numericValue(std::string(400, '9'))));
}

TEST(PrintZones, TheWidestTotalsStillStartOnZoneBoundaries)
{
    const std::string line = printZones({ "-32768 ", "-32768 ", " 32767 ", "-32768 " });
    EXPECT_EQ(line.size(), 42u + 7u);
    EXPECT_EQ(line.substr(0, 14), "-32768 " + std::string(7, ' '));
    EXPECT_EQ(line.substr(14, 14), "-32768 " + std::string(7, ' '));
    EXPECT_EQ(line.substr(28, 14), " 32767 " + std::string(7, ' '));
    EXPECT_EQ(line.substr(42), "-32768 ");
}

TEST(PrintZones, AnItemLongerThanAZoneMovesTheNextOnePastIt)
{
    EXPECT_EQ(printZones({ std::string(15, 'a'), "b" }), std::string(15, 'a') + std::string(13, ' ') + "b");
    EXPECT_EQ(printZones({ "x" }), "x");
    EXPECT_EQ(printZones({}), "");
}

TEST(PrintZones, NextZoneStart)
{
    EXPECT_EQ(nextZoneStart(0), 14u);
    EXPECT_EQ(nextZoneStart(3), 14u);
    EXPECT_EQ(nextZoneStart(13), 14u);
    EXPECT_EQ(nextZoneStart(14), 28u);
    EXPECT_EQ(nextZoneStart(41), 42u);
}

TEST(NumericValue, BlanksAnywhereAreSkipped)
{
    EXPECT_EQ(numericValue(" 20 10 "), 2010);
    EXPECT_EQ(numericValue("- 3"), -3);
    EXPECT_EQ(numericValue("   "), 0);
    EXPECT_EQ(numericValue(" 1 2 "), 12);
}

TEST(NumericValue, SignAndPointForms)
{
    EXPECT_EQ(numericValue("+7"), 7);
    EXPECT_EQ(numericValue(".5"), 0.5);
    EXPECT_EQ(numericValue("-.25"), -0.25);
    EXPECT_EQ(numericValue("5."), 5);
    EXPECT_EQ(numericValue("2.5"), 2.5);
}

TEST(NumericValue, TextsWithoutALeadingNumberGiveZero)
{
    EXPECT_EQ(numericValue("-"), 0);
    EXPECT_EQ(numericValue("."), 0);
    EXPECT_EQ(numericValue("--5"), 0);
    EXPECT_EQ(numericValue("x12"), 0);
    EXPECT_EQ(numericValue("+-1"), 0);
}

TEST(NumericValue, OnlyDigitsAndOnePointBelongToTheNumber)
{
    EXPECT_EQ(numericValue("12-3"), 12);
    EXPECT_EQ(numericValue("12,5"), 12);
    EXPECT_EQ(numericValue("1e5"), 1);
    EXPECT_EQ(numericValue("2010abc"), 2010);
    EXPECT_EQ(numericValue("7\t8"), 7);
}

TEST(NumericValue, WholeNumberTexts)
{
    EXPECT_TRUE(isWholeNumber("12"));
    EXPECT_TRUE(isWholeNumber(" -3 "));
    EXPECT_TRUE(isWholeNumber(" 1 2 "));
    EXPECT_FALSE(isWholeNumber(""));
    EXPECT_FALSE(isWholeNumber("   "));
    EXPECT_FALSE(isWholeNumber("-"));
    EXPECT_FALSE(isWholeNumber("."));
    EXPECT_FALSE(isWholeNumber("12a"));
    EXPECT_FALSE(isWholeNumber("1.2.3"));
}
