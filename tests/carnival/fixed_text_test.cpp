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

TEST(FixedText, AValueOfExactlyTheWidthIsKeptWhole)
{
    FixedText<5> year("56 BC");
    EXPECT_EQ(year.raw(), "56 BC");
    EXPECT_EQ(fitWidth("abcde", 5), "abcde");
    EXPECT_EQ(fitWidth("abcdef", 5), "abcde");
}

TEST(FixedText, AnEmptyValueIsAllBlanksAndTrimsToEmpty)
{
    FixedText<8> kind("");
    EXPECT_EQ(kind.raw(), std::string(8, ' '));
    EXPECT_EQ(kind.trimmed(), "");
    EXPECT_NE(kind, FixedText<8> {}); // blanks are not the zero bytes of a new field
}

TEST(FixedText, AShorterValueReplacesEveryByteOfALongerOne)
{
    FixedText<8> kind("Distance");
    kind.assign("Time");
    EXPECT_EQ(kind.raw(), "Time    ");
    EXPECT_EQ(kind.trimmed(), "Time");
}

TEST(FixedText, BlanksInsideAValueAreKept)
{
    FixedText<20> name("  Long  Jump ");
    EXPECT_EQ(name.raw(), "  Long  Jump" + std::string(8, ' '));
    EXPECT_EQ(name.trimmed(), "Long  Jump");
}

TEST(FixedText, BytesRoundTripUnchangedZerosIncluded)
{
    const std::string bytes("ab\0\0 c\0 ", 8);
    FixedText<8> field;
    field.loadBytes(bytes.data());
    EXPECT_EQ(field.raw(), bytes);
    EXPECT_EQ(field.trimmed(), std::string("ab\0\0 c\0", 7));
    char out[8];
    field.storeBytes(out);
    EXPECT_EQ(std::string(out, 8), bytes);
}

TEST(FixedText, ZeroBytesAtTheEdgesStopTrimming)
{
    const std::string leading("\0 zz ", 5);
    EXPECT_EQ(trimBlanks(leading), std::string("\0 zz", 4));
    const std::string trailing(" zz \0", 5);
    EXPECT_EQ(trimBlanks(trailing), std::string("zz \0", 4));
}

TEST(FixedText, RemovingBlanksTouchesNothingElse)
{
    EXPECT_EQ(removeBlanks(""), "");
    EXPECT_EQ(removeBlanks("    "), "");
    EXPECT_EQ(removeBlanks("a\tb"), "a\tb");
    EXPECT_EQ(removeBlanks(std::string("a \0b", 4)), std::string("a\0b", 3));
}
