// Records files (128-byte slots) and age-champion files (512-byte records).

#include "carnival/agechamp_file.h"
#include "carnival/data_error.h"
#include "carnival/records_file.h"

#include "support/carnival_layout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

using namespace carnival;
using namespace testing_support;

TEST(RecordsFile, RecordsSitInTheFirst64BytesOf128ByteSlots)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    folder.write("data/athletics.dat", "");
    RecordEntry record = unsetRecord("12Boys100m", false);
    putRecord("data\\athletics.dat", 2, record);
    const std::string bytes = folder.read("data/athletics.dat");
    ASSERT_EQ(bytes.size(), 256u);
    EXPECT_EQ(bytes.substr(0, 128), std::string(128, '\0'));
    EXPECT_EQ(bytes.substr(128, 30), "Orvald Pennimore Askey        ");
    EXPECT_EQ(bytes.substr(158, 25), "12Boys100m               ");
    EXPECT_EQ(bytes.substr(183, 4), std::string("\x30\x1B\x0F\x00", 4)); // 990000
    EXPECT_EQ(bytes.substr(187, 5), "56 BC");
    EXPECT_EQ(storedRecord("data\\athletics.dat", 2), record);
    EXPECT_FALSE(storedRecord("data\\athletics.dat", 3).has_value());
}

TEST(RecordsFile, WritingInPlaceNeverTruncates)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    folder.write("data/swimming.dat", std::string(128 * 10, 'x'));
    putRecord("data\\swimming.dat", 1, unsetRecord("k", true));
    const std::string bytes = folder.read("data/swimming.dat");
    EXPECT_EQ(bytes.size(), 1280u);
    EXPECT_EQ(bytes.substr(128), std::string(128 * 9, 'x'));
    EXPECT_EQ(storedRecord("data\\swimming.dat", 1)->value, 1);
}

TEST(RecordsFile, ALastSlotCutShortAfterItsDataStillReads)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    folder.write("data/a.dat", "");
    putRecord("data\\a.dat", 1, unsetRecord("first", false));
    putRecord("data\\a.dat", 2, unsetRecord("second", false));
    std::filesystem::resize_file(folder.root() / "data/a.dat", 128 + 64);
    EXPECT_EQ(readRecordsFile("data\\a.dat").size(), 2u);
    EXPECT_EQ(storedRecord("data\\a.dat", 2)->key.trimmed(), "second");
    std::filesystem::resize_file(folder.root() / "data/a.dat", 128 + 63);
    EXPECT_EQ(readRecordsFile("data\\a.dat").size(), 1u);
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
    putAgeChamp("data\\boys.dat", 50, entry);
    EXPECT_EQ(folder.read("data/boys.dat").size(), 25600u);
    EXPECT_EQ(storedAgeChamp("data\\boys.dat", 50), entry);
    EXPECT_FALSE(isFreeSlot(*storedAgeChamp("data\\boys.dat", 50)));
    EXPECT_FALSE(storedAgeChamp("data\\boys.dat", 51).has_value());
}

TEST(RecordsFile, RewritingTheFirstRecordsLeavesLaterOnesByteForByte)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    std::filesystem::create_directory(folder.root() / "data");
    for (int r = 1; r <= 144; ++r)
        putRecord("data\\athletics.dat", r,
            recordEntry("old" + std::to_string(r), "Holder " + std::to_string(r), r, "2009"));
    // Bytes 64 to 127 of the old slots carry something the writer never put there.
    std::string before = folder.read("data/athletics.dat");
    ASSERT_EQ(before.size(), 144u * 128u);
    for (std::size_t r = 0; r < 144; ++r)
        before.replace(r * 128 + 64, 64, std::string(64, 'q'));
    folder.write("data/athletics.dat", before);

    for (int r = 1; r <= 96; ++r)
        putRecord("data\\Athletics.dat", r, unsetRecord("new" + std::to_string(r), false));

    const std::string after = folder.read("data/athletics.dat");
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(96 * 128), before.substr(96 * 128));
    EXPECT_EQ(storedRecord("data\\athletics.dat", 96)->key.trimmed(), "new96");
    EXPECT_EQ(storedRecord("data\\athletics.dat", 97)->key.trimmed(), "old97");
    EXPECT_EQ(readRecordsFile("data\\athletics.dat").size(), 144u);
}

TEST(RecordsFile, WritingFarBeyondTheEndFillsTheGapWithZeros)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    std::filesystem::create_directory(folder.root() / "data");
    const RecordEntry first = unsetRecord("12Boys100m", false);
    putRecord("data\\swimming.dat", 1, first);
    const std::string firstSlot = folder.read("data/swimming.dat");
    putRecord("data\\swimming.dat", 5, unsetRecord("12Boys800m", false));
    const std::string bytes = folder.read("data/swimming.dat");
    ASSERT_EQ(bytes.size(), 5u * 128u);
    EXPECT_EQ(bytes.substr(0, 128), firstSlot);
    EXPECT_EQ(bytes.substr(128, 3 * 128), std::string(3 * 128, '\0'));
    EXPECT_EQ(readRecordsFile("data\\swimming.dat").size(), 5u);
    const RecordEntry gap = *storedRecord("data\\swimming.dat", 3);
    EXPECT_EQ(gap, RecordEntry {});
    EXPECT_FALSE(isUnsetRecord(gap));
    EXPECT_NE(gap.holder.trimmed(), "");
}

TEST(RecordsFile, AFileEndingAfterTheDataOfItsLastSlotReadsAndGrowsOnlyWhenWritten)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    const RecordEntry first = recordEntry("12Boys100m", "A", 1234, "2001");
    const RecordEntry second = recordEntry("12Boys200m", "B", 2345, "2002");
    std::string bytes(128 + 64, '\0');
    {
        folder.write("data/a.dat", "");
        putRecord("data\\a.dat", 1, first);
        putRecord("data\\a.dat", 2, second);
        bytes = folder.read("data/a.dat").substr(0, 128 + 64);
    }
    folder.write("data/a.dat", bytes);
    EXPECT_EQ(storedRecord("data\\a.dat", 2), second);
    EXPECT_FALSE(storedRecord("data\\a.dat", 3).has_value());

    putRecord("data\\a.dat", 1, second); // an earlier slot: the file keeps its length
    EXPECT_EQ(folder.read("data/a.dat").size(), 128u + 64u);
    putRecord("data\\a.dat", 2, first); // the short slot itself
    EXPECT_EQ(folder.read("data/a.dat").size(), 256u);
    EXPECT_EQ(storedRecord("data\\a.dat", 2), first);
}

TEST(RecordsFile, ASingleShortSlotIsOneRecord)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    const RecordEntry only = recordEntry("k", "A", 5, "2001");
    folder.write("data/a.dat", "");
    putRecord("data\\a.dat", 1, only);
    folder.write("data/a.dat", folder.read("data/a.dat").substr(0, 64));
    EXPECT_EQ(readRecordsFile("data\\a.dat").size(), 1u);
    EXPECT_EQ(storedRecord("data\\a.dat", 1), only);
    folder.write("data/a.dat", folder.read("data/a.dat").substr(0, 63));
    EXPECT_EQ(readRecordsFile("data\\a.dat").size(), 0u);
    EXPECT_FALSE(storedRecord("data\\a.dat", 1).has_value());
}

TEST(RecordsFile, FieldsSitAtTheirByteOffsets)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    folder.write("data/a.dat", "");
    putRecord("data\\a.dat", 1, recordEntry("13GirlsHighJump", "Ann Example", 0x01020304, "2010"));
    const std::string bytes = folder.read("data/a.dat");
    ASSERT_EQ(bytes.size(), 128u);
    EXPECT_EQ(bytes.substr(0, 30), "Ann Example" + std::string(19, ' '));
    EXPECT_EQ(bytes.substr(30, 25), "13GirlsHighJump" + std::string(10, ' '));
    EXPECT_EQ(bytes.substr(55, 4), std::string("\x04\x03\x02\x01", 4));
    EXPECT_EQ(bytes.substr(59, 5), "2010 ");
}

TEST(RecordsFile, ValuesRoundTripOverTheWholeSigned32BitRange)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    folder.write("data/a.dat", "");
    const std::int32_t values[] = { 0, 1, -1, 990000, 2147483647, -2147483647 - 1 };
    int number = 1;
    for (std::int32_t value : values)
        putRecord("data\\a.dat", number++, recordEntry("k", "h", value, "y"));
    number = 1;
    for (std::int32_t value : values)
        EXPECT_EQ(storedRecord("data\\a.dat", number++)->value, value);
    EXPECT_EQ(folder.read("data/a.dat").substr(2 * 128 + 55, 4), std::string(4, '\xff'));
}

TEST(RecordsFile, HolderAndYearAreCutToTheirFields)
{
    const RecordEntry record = recordEntry("k", std::string(35, 'h'), 1, "19999 BC");
    EXPECT_EQ(record.holder.raw(), std::string(30, 'h'));
    EXPECT_EQ(record.year.raw(), "19999");
}

TEST(RecordsFile, AKeyOfExactly25IsStoredWhole)
{
    const std::string key = "17+GirlsABCDEFGHIJKLMNOPQ";
    ASSERT_EQ(key.size(), 25u);
    EXPECT_EQ(unsetRecord(key, true).key.trimmed(), key);
}

TEST(RecordsFile, UnsetRecordsOfTimedAndDistanceEvents)
{
    const RecordEntry timed = unsetRecord("12Boys100m", false);
    EXPECT_EQ(timed.holder.trimmed(), "Orvald Pennimore Askey");
    EXPECT_EQ(timed.year.raw(), "56 BC");
    EXPECT_EQ(timed.value, 990000);
    EXPECT_EQ(timed.key.trimmed(), "12Boys100m");
    EXPECT_TRUE(isUnsetRecord(timed));
    const RecordEntry distance = unsetRecord("12BoysLongJump", true);
    EXPECT_EQ(distance.value, 1);
    EXPECT_TRUE(isUnsetRecord(distance));
}

TEST(RecordsFile, OnlyTheExactTrimmedUnsetHolderMeansUnset)
{
    RecordEntry record = unsetRecord("k", false);
    record.holder.assign("   Orvald Pennimore Askey");
    EXPECT_TRUE(isUnsetRecord(record));
    record.holder.assign("Orvald Pennimore Askey Jr");
    EXPECT_FALSE(isUnsetRecord(record));
    record.holder.assign("orvald pennimore askey");
    EXPECT_FALSE(isUnsetRecord(record));
    record.holder.assign("Orvald");
    EXPECT_FALSE(isUnsetRecord(record));
}

TEST(RecordsFile, ThePathFollowsTheCarnivalTypeAndFindsTheLowerCaseFile)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    EXPECT_EQ(recordsFilePath("Athletics"), "data\\Athletics.dat");
    folder.write("data/athletics.dat", "");
    putRecord(recordsFilePath("Athletics"), 1, unsetRecord("12Boys100m", false));
    EXPECT_FALSE(folder.exists("data/Athletics.dat"));
    EXPECT_EQ(folder.read("data/athletics.dat").size(), 128u);
}

TEST(RecordsFile, AMissingFileHoldsNoRecordsAndIsCreatedByAWrite)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    std::filesystem::create_directory(folder.root() / "data");
    EXPECT_EQ(readRecordsFile("data\\swimming.dat").size(), 0u);
    EXPECT_FALSE(storedRecord("data\\swimming.dat", 1).has_value());
    putRecord("data\\swimming.dat", 1, unsetRecord("12Boys50m", false));
    EXPECT_EQ(folder.read("data/swimming.dat").size(), 128u);
}

TEST(RecordsFile, BadNumbersAndMissingFoldersAreRefusedNamingTheFile)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    folder.write("data/a.dat", std::string(128, 'x'));
    EXPECT_FALSE(storedRecord("data\\a.dat", 0).has_value());
    EXPECT_FALSE(storedRecord("data\\a.dat", -1).has_value());
    try {
        putRecord("data\\nowhere\\athletics.dat", 1, RecordEntry {});
        FAIL() << "no error";
    } catch (const DataFileError& error) {
        EXPECT_EQ(error.file(), "data\\nowhere\\athletics.dat");
    }
}

TEST(AgeChampFile, NameCellsAfterTheLastEventHoldZeroBytes)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    folder.write("data/boys.dat", "");
    putAgeChamp("data\\boys.dat", 1, freeSlotTemplate({ "100m", "Long Jump1" }));
    const AgeChampEntry entry = *storedAgeChamp("data\\boys.dat", 1);
    EXPECT_EQ(entry.eventNames[1].trimmed(), "Long Jump1");
    for (int k = 2; k < kAgeChampEventCells; ++k) {
        EXPECT_EQ(entry.eventNames[k].raw(), std::string(12, '\0')) << k;
        EXPECT_NE(entry.eventNames[k].trimmed(), "") << k;
    }
    for (int k = 0; k < kAgeChampEventCells; ++k)
        EXPECT_EQ(entry.eventPoints[k].raw(), std::string(12, '\0')) << k;
}

TEST(AgeChampFile, TemplateNameCellsHoldItemsAsTypedCutAt12)
{
    const AgeChampEntry entry = freeSlotTemplate({ " Long Jump1", "ABCDEFGHIJKLMNOPQRSTUV", "" });
    EXPECT_EQ(entry.eventNames[0].raw(), " Long Jump1 ");
    EXPECT_EQ(entry.eventNames[1].raw(), "ABCDEFGHIJKL");
    EXPECT_EQ(entry.eventNames[2].raw(), std::string(12, ' '));
    EXPECT_EQ(entry.eventNames[3].raw(), std::string(12, '\0'));
    EXPECT_EQ(entry.points, 0);
}

TEST(AgeChampFile, AtMostTwentyEventsFit)
{
    std::vector<std::string> items;
    for (int k = 1; k <= 21; ++k)
        items.push_back("E" + std::to_string(k));
    const AgeChampEntry entry = freeSlotTemplate(items);
    EXPECT_EQ(entry.eventNames[19].trimmed(), "E20");
    const std::string bytes = encodeAgeChamp(entry);
    ASSERT_EQ(bytes.size(), 512u);
    EXPECT_EQ(bytes.substr(32 + 19 * 12, 12), "E20" + std::string(9, ' '));
    EXPECT_EQ(bytes.substr(272), std::string(240, '\0')); // no 21st name spills into the points
}

TEST(AgeChampFile, PointsCellsAndTotalSitAtTheirOffsets)
{
    AgeChampEntry entry = freeSlotTemplate({});
    entry.name.assign("Ann Example");
    entry.points = 300;
    entry.eventPoints[0].assign("8");
    entry.eventPoints[19].assign("0");
    const std::string bytes = encodeAgeChamp(entry);
    EXPECT_EQ(bytes.substr(30, 2), std::string("\x2c\x01", 2));
    EXPECT_EQ(bytes.substr(272, 12), "8" + std::string(11, ' '));
    EXPECT_EQ(bytes.substr(272 + 19 * 12, 12), "0" + std::string(11, ' '));
    EXPECT_EQ(decodeAgeChamp(bytes.data()), entry);
    entry.points = -1;
    EXPECT_EQ(encodeAgeChamp(entry).substr(30, 2), std::string("\xff\xff", 2));
    EXPECT_EQ(decodeAgeChamp(encodeAgeChamp(entry).data()).points, -1);
}

TEST(AgeChampFile, AFullTemplateFileIs25600BytesOfEqualFreeSlots)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    folder.write("data/girls.dat", "");
    const AgeChampEntry slot = freeSlotTemplate({ "100m", "High Jump1" });
    for (int r = 1; r <= kAgeChampSlots; ++r)
        putAgeChamp("data\\girls.dat", r, slot);
    const std::string bytes = folder.read("data/girls.dat");
    ASSERT_EQ(bytes.size(), 25600u);
    for (int r = 0; r < kAgeChampSlots; ++r)
        EXPECT_EQ(bytes.substr(r * 512, 512), encodeAgeChamp(slot)) << r + 1;
    for (int r = 1; r <= kAgeChampSlots; ++r)
        EXPECT_TRUE(isFreeSlot(*storedAgeChamp("data\\girls.dat", r))) << r;
}

TEST(AgeChampFile, WritingOneRecordLeavesTheOthersAlone)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    std::string before;
    for (int r = 0; r < kAgeChampSlots; ++r)
        before += std::string(512, static_cast<char>('A' + r % 26));
    folder.write("data/boys.dat", before);
    AgeChampEntry entry = freeSlotTemplate({ "100m" });
    entry.name.assign("Bo");
    putAgeChamp("data\\boys.dat", 3, entry);
    const std::string after = folder.read("data/boys.dat");
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(0, 1024), before.substr(0, 1024));
    EXPECT_EQ(after.substr(1024, 512), encodeAgeChamp(entry));
    EXPECT_EQ(after.substr(1536), before.substr(1536));
}

TEST(AgeChampFile, ARecordCutShortIsNotRead)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    folder.write("data/boys.dat", std::string(512 * 50 - 1, '\0'));
    EXPECT_TRUE(storedAgeChamp("data\\boys.dat", 49).has_value());
    EXPECT_FALSE(storedAgeChamp("data\\boys.dat", 50).has_value());
    EXPECT_FALSE(storedAgeChamp("data\\boys.dat", 0).has_value());
    EXPECT_FALSE(storedAgeChamp("data\\missing.dat", 1).has_value());
}

TEST(AgeChampFile, OnlyTrimmedLowerCaseZzIsAFreeSlot)
{
    AgeChampEntry entry;
    entry.name.assign("  zz");
    EXPECT_TRUE(isFreeSlot(entry));
    entry.name.assign("ZZ");
    EXPECT_FALSE(isFreeSlot(entry));
    entry.name.assign("zzz");
    EXPECT_FALSE(isFreeSlot(entry));
    EXPECT_FALSE(isFreeSlot(AgeChampEntry {})); // never assigned: zero bytes
}
