// Records files (128-byte slots) and age-champion files (512-byte records).

#include "carnival/agechamp_file.h"
#include "carnival/records_file.h"

#include "support/working_folder.h"

#include <gtest/gtest.h>

using namespace carnival;
using testing_support::WorkingFolder;

TEST(RecordsFile, RecordsSitInTheFirst64BytesOf128ByteSlots)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    folder.write("data/athletics.dat", "");
    RecordEntry record = unsetRecord("12Boys100m", false);
    writeRecord("data\\athletics.dat", 2, record);
    const std::string bytes = folder.read("data/athletics.dat");
    ASSERT_EQ(bytes.size(), 256u);
    EXPECT_EQ(bytes.substr(0, 128), std::string(128, '\0'));
    EXPECT_EQ(bytes.substr(128, 30), "Orvald Pennimore Askey        ");
    EXPECT_EQ(bytes.substr(158, 25), "12Boys100m               ");
    EXPECT_EQ(bytes.substr(183, 4), std::string("\x30\x1B\x0F\x00", 4)); // 990000
    EXPECT_EQ(bytes.substr(187, 5), "56 BC");
    EXPECT_EQ(readRecord("data\\athletics.dat", 2), record);
    EXPECT_FALSE(readRecord("data\\athletics.dat", 3).has_value());
}

TEST(RecordsFile, WritingInPlaceNeverTruncates)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    folder.write("data/swimming.dat", std::string(128 * 10, 'x'));
    writeRecord("data\\swimming.dat", 1, unsetRecord("k", true));
    const std::string bytes = folder.read("data/swimming.dat");
    EXPECT_EQ(bytes.size(), 1280u);
    EXPECT_EQ(bytes.substr(128), std::string(128 * 9, 'x'));
    EXPECT_EQ(readRecord("data\\swimming.dat", 1)->value, 1);
}

TEST(RecordsFile, ALastSlotCutShortAfterItsDataStillReads)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    folder.write("data/a.dat", "");
    writeRecord("data\\a.dat", 1, unsetRecord("first", false));
    writeRecord("data\\a.dat", 2, unsetRecord("second", false));
    std::filesystem::resize_file(folder.root() / "data/a.dat", 128 + 64);
    EXPECT_EQ(recordCount("data\\a.dat"), 2);
    EXPECT_EQ(readRecord("data\\a.dat", 2)->key.trimmed(), "second");
    std::filesystem::resize_file(folder.root() / "data/a.dat", 128 + 63);
    EXPECT_EQ(recordCount("data\\a.dat"), 1);
}

TEST(RecordsFile, KeysAreCutAt25)
{
    const RecordEntry record = unsetRecord("17+Girls200mFreestyleRelay", false);
    EXPECT_EQ(record.key.raw(), "17+Girls200mFreestyleRela");
}

TEST(AgeChampFile, TemplateHoldsEventNamesColumnByColumn)
{
    const AgeChampEntry entry = freeSlotTemplate({ "High Jump1", "200m Freestyle Relay" });
    const std::string bytes = encodeAgeChamp(entry);
    ASSERT_EQ(bytes.size(), 512u);
    EXPECT_EQ(bytes.substr(0, 30), "zz" + std::string(28, ' '));
    EXPECT_EQ(bytes.substr(30, 2), std::string(2, '\0'));
    EXPECT_EQ(bytes.substr(32, 12), "High Jump1  ");
    EXPECT_EQ(bytes.substr(44, 12), "200m Freesty");
    EXPECT_EQ(bytes.substr(56, 512 - 56), std::string(512 - 56, '\0'));
    EXPECT_TRUE(isFreeSlot(entry));
}

TEST(AgeChampFile, RecordsRoundTripWithNegativePoints)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    folder.write("data/boys.dat", std::string(512 * 50, '\0'));
    AgeChampEntry entry = freeSlotTemplate({ "100m" });
    entry.name.assign("Ann Example");
    entry.points = -6;
    entry.eventPoints[0].assign("8");
    writeAgeChamp("data\\boys.dat", 50, entry);
    EXPECT_EQ(folder.read("data/boys.dat").size(), 25600u);
    EXPECT_EQ(readAgeChamp("data\\boys.dat", 50), entry);
    EXPECT_FALSE(isFreeSlot(*readAgeChamp("data\\boys.dat", 50)));
    EXPECT_FALSE(readAgeChamp("data\\boys.dat", 51).has_value());
}
