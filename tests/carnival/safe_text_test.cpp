// The characters a data file cannot hold (the boxes that refuse them are
// tested with their windows).

#include "carnival/safe_text.h"

#include <gtest/gtest.h>

TEST(SafeText, DeleteAndTheC1ControlsAreRefusedAndTheRestOfLatin1Kept)
{
    EXPECT_EQ(carnival::firstUnstorableCharacter(U"Zoë\u007F"), U'\u007F');
    EXPECT_EQ(carnival::firstUnstorableCharacter(std::string_view("Zo\xEB\x85")), U'\u0085');
    EXPECT_EQ(carnival::firstUnstorableCharacter(U"Zoë Ñúñez ÿ"), std::nullopt);
}
