#include "report_lines.h"

#include "fixed_text.h"

namespace carnival {

std::vector<PrintLine> progressivePointLines(
    const std::array<std::string, kHouseCount>& houseNames, const std::array<std::int16_t, kHouseCount>& totals)
{
    std::vector<PrintLine> lines;
    for (int i = 0; i < kHouseCount; ++i)
        lines.push_back({ PrintItem::ofText(trimBlanks(houseNames[i]) + ":"), PrintItem::ofNumber(totals[i]) });
    return lines;
}

std::string eventReportTitle(std::string_view age, std::string_view sex, std::string_view event)
{
    return std::string(age) + " " + std::string(sex) + " " + std::string(event);
}

PrintLine eventReportHeading()
{
    const PrintItem empty = PrintItem::empty();
    return { PrintItem::ofText("Name:"), empty, PrintItem::ofText("House:"), empty, PrintItem::ofText("Time/Distance:") };
}

namespace {

// The name, the house two zones on, and the time or distance `tdZone` zones
// after the house.
PrintLine placingLine(const Placing& placing, int tdZone)
{
    PrintLine line { PrintItem::ofText(placing.name), PrintItem::empty(), PrintItem::ofText(placing.house) };
    for (int i = 1; i < tdZone; ++i)
        line.push_back(PrintItem::empty());
    line.push_back(PrintItem::ofText(placing.td));
    return line;
}

} // namespace

std::vector<PrintLine> eventReportLines(const StoredResult& result)
{
    std::vector<PrintLine> lines;
    for (std::size_t i = 0; i < result.form.places.size(); ++i) {
        const Placing& placing = result.form.places[i];
        if (i == 0 || !placing.name.empty())
            lines.push_back(placingLine(placing, 3));
    }
    if (result.isDraw && !result.form.drawLine.name.empty())
        lines.push_back(placingLine(result.form.drawLine, 2));
    return lines;
}

} // namespace carnival
