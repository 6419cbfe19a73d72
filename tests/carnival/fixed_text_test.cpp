// Fixed-width fields: cutting, padding, trimming and never-assigned bytes.

#include "carnival/fixed_text.h"

#include <gtest/gtest.h>

using namespace carnival;

TEST(FixedText, AssigningCutsOrPadsWithBlanks)
{
    FixedText<5> field("ab");
    EXPECT_EQ(field.raw(), "ab   ");
    field.assign("abcdefg");
    EXPECT_EQ(field.raw(), "abcde");
}

TEST(FixedText, NeverAssignedHoldsZeroBytesThatDoNotTrimAway)
{
    FixedText<12> cell;
    EXPECT_EQ(cell.raw(), std::string(12, '\0'));
    EXPECT_EQ(cell.trimmed(), std::string(12, '\0'));
    EXPECT_NE(cell.trimmed(), "");
}

TEST(FixedText, TrimmingRemovesBlanksOnly)
{
    EXPECT_EQ(trimBlanks("  Tamsett  "), "Tamsett");
    EXPECT_EQ(trimBlanks("\tx\t"), "\tx\t");
    EXPECT_EQ(trimBlanks("     "), "");
    EXPECT_EQ(removeBlanks(" 17+ Girls  Relay "), "17+GirlsRelay");
}
