#pragma once
// Print lines and print zones. A print line is a row of items with a zone
// step between each two of them. Zones are fixed stops across the line, one
// zone width apart (fourteen average character widths of the font); a zone
// step always moves forward to the first zone start after the current
// position. A tab inside a text item steps to the next zone the same way, and
// a line end inside a text item starts a new line at the left margin.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace carnival {

struct PrintItem {
    enum class Kind { Empty, Text, Number };
    Kind kind = Kind::Empty;
    std::string text;        // a Text item
    std::int64_t number = 0; // a Number item

    static PrintItem empty() { return {}; }
    static PrintItem ofText(std::string text) { return {Kind::Text, std::move(text), 0}; }
    static PrintItem ofNumber(std::int64_t number) { return {Kind::Number, {}, number}; }

    // What the item prints: a number in the number form (" 120 ", "-5 ").
    std::string printed() const;
};

using PrintLine = std::vector<PrintItem>;

// One piece of text at its place on a printed line.
struct PlacedText {
    double x = 0;     // from the left margin, in the unit of the zone width
    int zone = 0;     // the zone in which it starts, from 0
    std::string text; // never holds a tab or a line end
};

// The printed lines (one or more) of a print line, each a row of placed
// texts; an empty print line gives one empty printed line. `widthOf` measures
// a text in the unit of `zoneWidth`.
std::vector<std::vector<PlacedText>> layOutPrintLine(
    const PrintLine& line, double zoneWidth, const std::function<double(std::string_view)>& widthOf);

} // namespace carnival
