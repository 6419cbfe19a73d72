// The rules of the records tools: the generator's default lists and the
// editor's reading, walking and storing.

#include "carnival/data_error.h"
#include "carnival/file_transaction.h"
#include "carnival/records_tools.h"

#include "support/file_forms.h"
#include "support/working_folder.h"

#include <gtest/gtest.h>

using namespace carnival;
using namespace testing_support;

TEST(DefaultRecords, AgesOuterThenSexesThenEventsInListOrder)
{
    const std::string athletics = encodeRecords(unsetRecords(defaultAthleticsEvents()));
    ASSERT_EQ(athletics.size(), 144u * 128u);
    EXPECT_EQ(recordSlot(athletics, 1), unsetSlotBytes("12Boys100m", 990000));
    EXPECT_EQ(recordSlot(athletics, 6), unsetSlotBytes("12BoysShotput", 1));
    EXPECT_EQ(recordSlot(athletics, 11), unsetSlotBytes("12BoysTripleJump", 1));
    EXPECT_EQ(recordSlot(athletics, 12), unsetSlotBytes("12BoysRelay", 990000));
    EXPECT_EQ(recordSlot(athletics, 13), unsetSlotBytes("12Girls100m", 990000));
    EXPECT_EQ(recordSlot(athletics, 144), unsetSlotBytes("17+GirlsRelay", 990000));

    const std::string swimming = encodeRecords(unsetRecords(defaultSwimmingEvents()));
    ASSERT_EQ(swimming.size(), 96u * 128u);
    EXPECT_EQ(recordSlot(swimming, 2), unsetSlotBytes("12Boys50mBreaststroke", 990000));
    EXPECT_EQ(recordSlot(swimming, 90), unsetSlotBytes("17+Girls50mBreaststroke", 990000));
    EXPECT_EQ(recordSlot(swimming, 96), unsetSlotBytes("17+GirlsRelay", 990000));
}

struct TypedValueCase {
    const char* name;
    const char* text;
    std::optional<std::int32_t> value;
};

void PrintTo(const TypedValueCase& c, std::ostream* out) { *out << c.name; }

class TypedRecordValue : public ::testing::TestWithParam<TypedValueCase> { };

TEST_P(TypedRecordValue, IsTheLeadingNumberRoundedHalfToEven)
{
    EXPECT_EQ(typedRecordValue(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, TypedRecordValue,
    ::testing::Values(TypedValueCase { "LeadingZeros", "000123", 123 }, TypedValueCase { "HalfDown", "12.5", 12 },
        TypedValueCase { "HalfUp", "13.5", 14 }, TypedValueCase { "Fraction", "12.51", 13 },
        TypedValueCase { "Text", "fast", 0 }, TypedValueCase { "Negative", "-7.5", -8 },
        TypedValueCase { "BlanksAndTail", " 1 2.4 s", 12 }, TypedValueCase { "TooLarge", "2147483648", std::nullopt },
        TypedValueCase { "Largest", "2147483647", 2147483647 }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecordsWalk, EndsAtTheOldestGirlsRelayOrAtTheLastRecord)
{
    const std::vector<RecordEntry> records
        = { unsetRecord("16GirlsRelay", false), unsetRecord("17+GirlsRelay", false), unsetRecord("17+GirlsWalk", false) };
    EXPECT_FALSE(endsTheWalk(records, 1));
    EXPECT_TRUE(endsTheWalk(records, 2));
    EXPECT_TRUE(endsTheWalk({ records[0], records[2] }, 2));
}

TEST(RecordsWalk, StoringReplacesOneRecordOrNothing)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    const std::string before = unsetSlotBytes("12Boys100m", 990000) + unsetSlotBytes("12Boys200m", 990000);
    folder.write("data/athletics.dat", before);
    RecordEntry typed = unsetRecord("12Boys200m", false);
    typed.holder.assign("Ann Lee");

    failFileWritesForTests("athletics.dat");
    EXPECT_THROW(storeRecord(kAthleticsRecords, 2, typed), DataFileError);
    failFileWritesForTests("");
    EXPECT_EQ(folder.read("data/athletics.dat"), before);
    EXPECT_THROW(storeRecord(kAthleticsRecords, 3, typed), DataFileError);

    EXPECT_EQ(storeRecord(kAthleticsRecords, 2, typed).at(1), typed);
    EXPECT_EQ(folder.read("data/athletics.dat"), before.substr(0, 128) + recordSlotBytes("Ann Lee", "12Boys200m", 990000, "56 BC"));
}

TEST(RecordsWalk, AMissingOrEmptyFileIsNamedAndNotCreated)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    try {
        recordsToEdit(kSwimmingRecords);
        FAIL() << "a missing file was taken";
    } catch (const DataFileError& error) {
        EXPECT_EQ(error.file(), "data\\swimming.dat");
    }
    EXPECT_FALSE(folder.exists("data/swimming.dat"));
    folder.write("data/swimming.dat", std::string(63, ' '));
    EXPECT_THROW(recordsToEdit(kSwimmingRecords), DataFileError);
}
