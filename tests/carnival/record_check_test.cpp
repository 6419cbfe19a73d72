// The event record: the padded display of a performance, the record label and
// the check of the first place against the record.

#include "carnival/carnival_state.h"
#include "carnival/data_files.h"
#include "carnival/record_check.h"
#include "carnival/records_file.h"

#include "support/carnival_layout.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace carnival;
using namespace testing_support;

namespace {

const std::string kTimed = "Time    ";
const std::string kDistance = "Distance";

} // namespace

// ---- Padded display ----

TEST(PadTD, ATimeIsPaddedToSixCharacters)
{
    EXPECT_EQ(padTD(95, kTimed), "000095");
    EXPECT_EQ(padTD(0, "Time"), "000000");
    EXPECT_EQ(padTD(12345, "Time"), "012345");
    EXPECT_EQ(padTD(990000, kTimed), "990000");
    EXPECT_EQ(padTD(1234567, kTimed), "1234567");
}

TEST(PadTD, AnyOtherKindIsPaddedToFour)
{
    EXPECT_EQ(padTD(56, kDistance), "0056");
    EXPECT_EQ(padTD(1, kDistance), "0001");
    EXPECT_EQ(padTD(1234, kDistance), "1234");
    EXPECT_EQ(padTD(12345, kDistance), "12345");
    EXPECT_EQ(padTD(95, ""), "0095");
    EXPECT_EQ(padTD(95, "time"), "0095");
}

TEST(PadTD, AMinusSignCountsAsACharacter)
{
    EXPECT_EQ(padTD(-5, "Time"), "0000-5");
    EXPECT_EQ(padTD(-12345, "Time"), "-12345");
    EXPECT_EQ(padTD(-5, kDistance), "00-5");
}

class RecordsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetCarnivalState();
        std::filesystem::create_directories(folder.root() / "data");
    }

    void put(int number, const RecordEntry& record) const { putRecord(path, number, record); }
    RecordEntry at(int number) const { return *storedRecord(path, number); }

    // The record check on the file's content, the file written back when a
    // record was broken.
    std::optional<std::string> check(std::string_view key, std::string_view kind, std::string_view name,
        std::string_view td, std::string_view year) const
    {
        if (!folder.exists("data/athletics.dat"))
            return std::nullopt;
        std::string content = folder.read("data/athletics.dat");
        auto announcement = checkRecord(content, key, kind, name, td, year);
        if (announcement)
            folder.write("data/athletics.dat", content);
        return announcement;
    }

    WorkingFolder folder { WorkingFolder::Contents::Empty };
    const std::string path = "data\\athletics.dat";
};

// ---- The record label ----

TEST_F(RecordsTest, ASetRecordIsDescribedWithItsPaddedPerformance)
{
    put(1, unsetRecord("12Boys100m", false));
    put(2, recordEntry("12BoysLongJump", "Maren Holt", 56, "2019"));
    put(3, recordEntry("12Boys200m", "Tobin Ash", 2875, "2021"));
    EXPECT_EQ(recordCaption(path, "12BoysLongJump", kDistance),
        "12BoysLongJump record set by Maren Holt with a Time/Distance of 0056 in 2019");
    EXPECT_EQ(recordCaption(path, "12Boys200m", kTimed),
        "12Boys200m record set by Tobin Ash with a Time/Distance of 002875 in 2021");
}

TEST_F(RecordsTest, TheUnsetHolderShowsRecordNotSet)
{
    put(1, unsetRecord("12Boys100m", false));
    put(2, recordEntry("12Boys200m", "  Orvald Pennimore Askey  ", 990000, "56 BC"));
    put(3, recordEntry("12Boys400m", "orvald pennimore askey", 990000, "56 BC"));
    EXPECT_EQ(recordCaption(path, "12Boys100m", kTimed), "Record not set.");
    EXPECT_EQ(recordCaption(path, "12Boys200m", kTimed), "Record not set.");
    EXPECT_EQ(recordCaption(path, "12Boys400m", kTimed),
        "12Boys400m record set by orvald pennimore askey with a Time/Distance of 990000 in 56 BC");
}

TEST_F(RecordsTest, TheLastMatchingRecordIsShown)
{
    put(1, recordEntry("12Boys100m", "First Holder", 1300, "2001"));
    put(2, recordEntry("12Boys200m", "Other", 2800, "2002"));
    put(300, recordEntry("12Boys100m", "Last Holder", 1250, "2003"));
    EXPECT_EQ(recordCaption(path, "12Boys100m", kTimed),
        "12Boys100m record set by Last Holder with a Time/Distance of 001250 in 2003");
    put(300, unsetRecord("12Boys100m", false));
    EXPECT_EQ(recordCaption(path, "12Boys100m", kTimed), "Record not set.");
}

TEST_F(RecordsTest, ARecordPastNumber300IsNeverShown)
{
    put(1, recordEntry("12Boys100m", "Shown", 1300, "2001"));
    put(301, recordEntry("12Boys100m", "Hidden", 1200, "2002"));
    EXPECT_EQ(recordCaption(path, "12Boys100m", kTimed),
        "12Boys100m record set by Shown with a Time/Distance of 001300 in 2001");
    put(1, recordEntry("12Boys200m", "Other", 2800, "2002"));
    EXPECT_FALSE(recordCaption(path, "12Boys100m", kTimed).has_value());
}

TEST_F(RecordsTest, NoMatchingKeyOrNoFileGivesNoCaption)
{
    EXPECT_FALSE(recordCaption(path, "12Boys100m", kTimed).has_value());
    EXPECT_FALSE(folder.exists("data/athletics.dat"));
    put(1, recordEntry("12boys100m", "Case", 1300, "2001"));
    put(2, recordEntry("12Boys100m2", "Longer", 1300, "2001"));
    EXPECT_FALSE(recordCaption(path, "12Boys100m", kTimed).has_value());
}

TEST_F(RecordsTest, StoredKeysAreTrimmed)
{
    put(1, recordEntry("  12Boys100m", "Padded", 1300, "2001"));
    EXPECT_EQ(recordCaption(path, "12Boys100m", kTimed),
        "12Boys100m record set by Padded with a Time/Distance of 001300 in 2001");
}

TEST_F(RecordsTest, AKeyBuiltFromANameWithBlanksFindsTheRecord)
{
    put(1, recordEntry("12BoysHighJump", "Jumper", 135, "2020"));
    EXPECT_TRUE(recordCaption(path, recordKey("12", "Boys", "High Jump           "), kDistance).has_value());
    EXPECT_TRUE(recordCaption(path, recordKey("12", "Boys", "HighJump"), kDistance).has_value());
}

// ---- Checking the first place against the record ----

TEST_F(RecordsTest, AnEqualTimeDoesNotBreakTheRecord)
{
    put(1, recordEntry("12Boys100m", "Maren Holt", 95, "2019"));
    const std::string before = folder.read("data/athletics.dat");
    EXPECT_FALSE(check("12Boys100m", kTimed, "Ann", "000095", "2026").has_value());
    EXPECT_EQ(folder.read("data/athletics.dat"), before);
}

TEST_F(RecordsTest, ALowerTimeBreaksTheRecordAndReplacesIt)
{
    put(1, recordEntry("12Boys200m", "Other", 2800, "2002"));
    put(2, recordEntry("12Boys100m", "Maren Holt", 95, "2019"));
    EXPECT_EQ(check("12Boys100m", kTimed, "Ann Tamsett", "000094", "2026"),
        "12Boys100m record, set in 2019 by Maren Holt broken by Ann Tamsett");
    EXPECT_EQ(at(2), recordEntry("12Boys100m", "Ann Tamsett", 94, "2026"));
    EXPECT_EQ(at(1), recordEntry("12Boys200m", "Other", 2800, "2002"));
    EXPECT_EQ(recordCaption(path, "12Boys100m", kTimed),
        "12Boys100m record set by Ann Tamsett with a Time/Distance of 000094 in 2026");
}

TEST_F(RecordsTest, AHigherTimeDoesNotBreakTheRecord)
{
    put(1, recordEntry("12Boys100m", "Maren Holt", 95, "2019"));
    EXPECT_FALSE(check("12Boys100m", kTimed, "Ann", "000096", "2026").has_value());
    EXPECT_EQ(at(1).holder.trimmed(), "Maren Holt");
}

TEST_F(RecordsTest, AGreaterDistanceBreaksTheRecord)
{
    put(1, recordEntry("12BoysLongJump", "Maren Holt", 55, "2019"));
    EXPECT_FALSE(check("12BoysLongJump", kDistance, "Ann", "0054", "2026").has_value());
    EXPECT_FALSE(check("12BoysLongJump", kDistance, "Ann", "0055", "2026").has_value());
    EXPECT_EQ(check("12BoysLongJump", kDistance, "Ann", "0056", "2026"),
        "12BoysLongJump record, set in 2019 by Maren Holt broken by Ann");
    EXPECT_EQ(at(1).value, 56);
}

TEST_F(RecordsTest, AnUnsetTimedRecordIsBrokenByAnyLowerTime)
{
    put(1, unsetRecord("12Boys100m", false));
    EXPECT_FALSE(check("12Boys100m", kTimed, "Slow", "990000", "2026").has_value());
    EXPECT_EQ(check("12Boys100m", kTimed, "Ann", "989999", "2026"),
        "12Boys100m record, set in 56 BC by Orvald Pennimore Askey broken by Ann");
    EXPECT_EQ(recordCaption(path, "12Boys100m", kTimed),
        "12Boys100m record set by Ann with a Time/Distance of 989999 in 2026");
}

TEST_F(RecordsTest, AnUnsetDistanceRecordNeedsMoreThanOne)
{
    put(1, unsetRecord("12BoysShotPut", true));
    EXPECT_FALSE(check("12BoysShotPut", kDistance, "Ann", "0001", "2026").has_value());
    EXPECT_EQ(check("12BoysShotPut", kDistance, "Ann", "0002", "2026"),
        "12BoysShotPut record, set in 56 BC by Orvald Pennimore Askey broken by Ann");
}

TEST_F(RecordsTest, AFractionIsComparedWholeAndStoredRoundedHalfToEven)
{
    put(1, recordEntry("12Boys100m", "Old", 13, "2019"));
    EXPECT_TRUE(check("12Boys100m", kTimed, "A", "12.345", "2026").has_value());
    EXPECT_EQ(at(1).value, 12);
    EXPECT_EQ(recordCaption(path, "12Boys100m", kTimed),
        "12Boys100m record set by A with a Time/Distance of 000012 in 2026");
    // The stored 12 is now better than 12.345.
    EXPECT_FALSE(check("12Boys100m", kTimed, "B", "12.345", "2026").has_value());

    put(1, recordEntry("12Boys100m", "Old", 20, "2019"));
    check("12Boys100m", kTimed, "C", "12.500", "2026");
    EXPECT_EQ(at(1).value, 12);
    put(1, recordEntry("12Boys100m", "Old", 20, "2019"));
    check("12Boys100m", kTimed, "D", "13.500", "2026");
    EXPECT_EQ(at(1).value, 14);
    put(1, recordEntry("12Boys100m", "Old", 20, "2019"));
    check("12Boys100m", kTimed, "E", "012.51", "2026");
    EXPECT_EQ(at(1).value, 13);
}

TEST_F(RecordsTest, AFractionJustBelowAWholeRecordBreaksIt)
{
    put(1, recordEntry("12Boys100m", "Old", 13, "2019"));
    EXPECT_TRUE(check("12Boys100m", kTimed, "A", "12.999", "2026").has_value());
    EXPECT_EQ(at(1).value, 13);
    EXPECT_EQ(at(1).holder.trimmed(), "A");
}

TEST_F(RecordsTest, TheFirstOfTwoMatchingRecordsIsComparedAndUpdated)
{
    put(1, recordEntry("12Boys100m", "Early", 1300, "2001"));
    put(2, recordEntry("12Boys100m", "Later", 1000, "2002"));
    EXPECT_EQ(check("12Boys100m", kTimed, "Ann", "001200", "2026"),
        "12Boys100m record, set in 2001 by Early broken by Ann");
    EXPECT_EQ(at(1).holder.trimmed(), "Ann");
    EXPECT_EQ(at(2), recordEntry("12Boys100m", "Later", 1000, "2002"));
}

TEST_F(RecordsTest, ARecordPastNumber300IsNeverCompared)
{
    put(301, recordEntry("12Boys100m", "Hidden", 990000, "2002"));
    const std::string before = folder.read("data/athletics.dat");
    EXPECT_FALSE(check("12Boys100m", kTimed, "Ann", "000001", "2026").has_value());
    EXPECT_EQ(folder.read("data/athletics.dat"), before);
}

TEST_F(RecordsTest, AnotherKindNeverBreaksTheRecord)
{
    put(1, recordEntry("12Boys100m", "Old", 1300, "2001"));
    EXPECT_FALSE(check("12Boys100m", "time", "Ann", "000001", "2026").has_value());
    EXPECT_FALSE(check("12Boys100m", "", "Ann", "999999", "2026").has_value());
    EXPECT_EQ(at(1).holder.trimmed(), "Old");
}

TEST_F(RecordsTest, TheKindIsTrimmed)
{
    put(1, recordEntry("12Boys100m", "Old", 1300, "2001"));
    EXPECT_TRUE(check("12Boys100m", " Time ", "Ann", "001200", "2026").has_value());
}

TEST_F(RecordsTest, TheNewHolderIsTakenAsTypedAndFieldsAreCut)
{
    put(1, recordEntry("12Boys100m", "Old", 1300, "2001"));
    const std::string name = " Annabelle Constance Tamsett-Brindrel ";
    EXPECT_EQ(check("12Boys100m", kTimed, name, " 001200 ", "202612"),
        "12Boys100m record, set in 2001 by Old broken by " + name);
    const RecordEntry record = at(1);
    EXPECT_EQ(record.holder.raw(), name.substr(0, 30));
    EXPECT_EQ(record.year.raw(), "20261");
    EXPECT_EQ(record.value, 1200);
    EXPECT_EQ(record.key.raw(), "12Boys100m" + std::string(15, ' '));
    const std::string shortYear = "99";
    check("12Boys100m", kTimed, "B", "001100", shortYear);
    EXPECT_EQ(at(1).year.raw(), "99   ");
}

TEST_F(RecordsTest, TheRestOfTheSlotAndOtherRecordsAreLeftAlone)
{
    put(1, recordEntry("12Boys200m", "Other", 2800, "2002"));
    put(2, recordEntry("12Boys100m", "Old", 1300, "2001"));
    put(3, recordEntry("12Boys400m", "Third", 6000, "2003"));
    std::string before = folder.read("data/athletics.dat");
    check("12Boys100m", kTimed, "Ann", "001200", "2026");
    const std::string after = folder.read("data/athletics.dat");
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(0, 128), before.substr(0, 128));
    EXPECT_EQ(after.substr(256), before.substr(256));
    EXPECT_EQ(after.substr(128, 30), "Ann" + std::string(27, ' '));
}

TEST_F(RecordsTest, NoRecordOrNoFileMeansNothingIsComparedOrCreated)
{
    EXPECT_FALSE(check("12Boys100m", kTimed, "Ann", "000001", "2026").has_value());
    EXPECT_FALSE(folder.exists("data/athletics.dat"));
    put(1, recordEntry("12Girls100m", "Other", 990000, "2002"));
    EXPECT_FALSE(check("12Boys100m", kTimed, "Ann", "000001", "2026").has_value());
}
