// The print-zone rule of printed lines: where each item of a line starts.

#include "carnival/print_line.h"

#include <gtest/gtest.h>

using namespace carnival;

namespace {

PrintItem text(const char* value) { return PrintItem::ofText(value); }
PrintItem number(std::int64_t value) { return PrintItem::ofNumber(value); }
const PrintItem kEmpty = PrintItem::empty();

// "[zone]text" for each placed text, printed lines separated by " / ".
std::string describe(const std::vector<std::vector<PlacedText>>& lines)
{
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            out += " / ";
        for (const PlacedText& placed : lines[i])
            out += "[" + std::to_string(placed.zone) + "]" + placed.text;
    }
    return out;
}

double characters(std::string_view text) { return static_cast<double>(text.size()); }

struct LayoutCase {
    const char* name;
    PrintLine line;
    std::string expected;
};

class PrintLineLayout : public ::testing::TestWithParam<LayoutCase> { };

TEST_P(PrintLineLayout, PlacesEachItemInItsZone)
{
    EXPECT_EQ(describe(layOutPrintLine(GetParam().line, 14, characters)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Zones, PrintLineLayout,
    ::testing::Values(
        LayoutCase { "NameThenTotal", { text("Tamsett:"), number(120) }, "[0]Tamsett:[1] 120 " },
        LayoutCase { "NegativeTotalHasItsMinusInFront", { text("Elvane:"), number(-5) }, "[0]Elvane:[1]-5 " },
        LayoutCase { "ZeroTotal", { text("Corrow:"), number(0) }, "[0]Corrow:[1] 0 " },
        LayoutCase { "NameWiderThanAZone", { text("Brindrel-Upper-House:"), number(98) },
            "[0]Brindrel-Upper-House:[2] 98 " },
        LayoutCase { "NameFillingAZoneExactly", { text("Abcdefghijklmn"), number(1) }, "[0]Abcdefghijklmn[2] 1 " },
        LayoutCase { "EmptyNameStillStepsOneZone", { text(""), number(7) }, "[1] 7 " },
        LayoutCase { "EmptyItemsEachTakeAZone",
            { text("Name:"), kEmpty, text("House:"), kEmpty, text("Time/Distance:") },
            "[0]Name:[2]House:[4]Time/Distance:" },
        LayoutCase { "LineOfEmptyItemsPrintsNothing", { kEmpty, kEmpty, kEmpty }, "" },
        LayoutCase { "NoItemsIsOneEmptyLine", {}, "" },
        LayoutCase { "TabsStepToTheNextZone", { text("a\tb\t\tc"), text("d") }, "[0]a[1]b[3]c[4]d" },
        LayoutCase { "LineEndsStartNewLines", { text("a\r\nb\tc\nd"), text("e") }, "[0]a / [0]b[1]c / [0]d[1]e" },
        LayoutCase { "TextEndingInALineEndStepsFromTheNewLine", { text("a\r\n"), text("b") }, "[0]a / [1]b" }),
    [](const ::testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

} // namespace
