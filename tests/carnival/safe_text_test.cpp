// Which characters a data file can hold and which names read from files may
// become part of a path.

#include "carnival/safe_text.h"

#include <gtest/gtest.h>

using namespace carnival;

TEST(StorableText, TheFirstCharacterOutsideLatin1OrAControlIsFound)
{
    EXPECT_EQ(firstUnstorableCharacter(U"Ворон"), U'В');
    EXPECT_EQ(firstUnstorableCharacter(U"Ann\nLee"), U'\n');
    EXPECT_EQ(firstUnstorableCharacter(U"012.50\t"), U'\t');
    EXPECT_EQ(firstUnstorableCharacter(U"Ann\u0007"), U'\u0007');
    EXPECT_EQ(firstUnstorableCharacter(U"Ann\u007F"), U'\u007F');
    EXPECT_EQ(firstUnstorableCharacter(U"Ann\u0085"), U'\u0085');
    EXPECT_EQ(firstUnstorableCharacter(U"Zoë Ñúñez ÿ"), std::nullopt);
    EXPECT_EQ(firstUnstorableCharacter(U""), std::nullopt);
    EXPECT_EQ(firstUnstorableCharacter(std::string_view("Tam\rsett")), U'\r');
    EXPECT_EQ(firstUnstorableCharacter(std::string_view("Zo\xEB")), std::nullopt);
}

TEST(StorableText, ControlCharactersAreNamedInWords)
{
    EXPECT_EQ(controlCharacterName(U'\n'), "a line break");
    EXPECT_EQ(controlCharacterName(U'\t'), "a tab");
    EXPECT_EQ(controlCharacterName(U'\u0007'), "the control character U+0007");
    EXPECT_EQ(characterCode(U'В'), "U+0412");
}

TEST(SafeNames, SeparatorsTwoDotsAndControlsAreRefused)
{
    for (const char* safe : { "Athletics", "Click New Carnival", "90m Hurdles", "", "2010", "St. Ives" })
        EXPECT_TRUE(isSafeName(safe)) << safe;
    for (const char* unsafe : { "../../victim", "a\\b", "a/b", "..", "Walk..", "Tab\there" })
        EXPECT_FALSE(isSafeName(unsafe)) << unsafe;
    EXPECT_TRUE(isSafeFolderName("Athletics"));
    for (const char* unsafe : { "", "   ", ".", " . ", "../x" })
        EXPECT_FALSE(isSafeFolderName(unsafe)) << '"' << unsafe << '"';
}
