// The rules of the records tools: the generator's default lists and the
// editor's reading of a typed value.

#include "carnival/records_tools.h"

#include "support/file_forms.h"

#include <gtest/gtest.h>

using namespace carnival;
using namespace testing_support;

TEST(DefaultRecords, AgesOuterThenSexesThenEventsInListOrder)
{
    const std::string athletics = encodeRecords(unsetRecords(defaultAthleticsEvents()));
    ASSERT_EQ(athletics.size(), 144u * 128u);
    EXPECT_EQ(recordSlot(athletics, 1), unsetSlotBytes("12Boys100m", 990000));
    EXPECT_EQ(recordSlot(athletics, 6), unsetSlotBytes("12BoysShotput", 1));
    EXPECT_EQ(recordSlot(athletics, 12), unsetSlotBytes("12BoysRelay", 990000));
    EXPECT_EQ(recordSlot(athletics, 144), unsetSlotBytes("17+GirlsRelay", 990000));

    const std::string swimming = encodeRecords(unsetRecords(defaultSwimmingEvents()));
    ASSERT_EQ(swimming.size(), 96u * 128u);
    EXPECT_EQ(recordSlot(swimming, 2), unsetSlotBytes("12Boys50mBreaststroke", 990000));
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
