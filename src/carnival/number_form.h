#pragma once
// The way numbers are written into and read from the text data files.

#include <string>
#include <string_view>
#include <vector>

namespace carnival {

// A number as the data files hold it: a blank (or "-") in front, one blank after.
std::string numberForm(long long value);
// The number in plain decimal, never with an exponent; throws
// std::out_of_range for a value that fitsNumberForm refuses.
std::string numberForm(double value);

// Whether the number form can write the value in plain decimal with its 15
// significant digits: finite and below 10^15 in size.
bool fitsNumberForm(double value);

// Width of one print zone: a zoned item starts at a multiple of this column.
inline constexpr std::size_t kPrintZoneWidth = 14;

// Column (0-based) of the first zone start after `column`; from the very
// start of a zone this is the start of the next zone.
std::size_t nextZoneStart(std::size_t column);

// Items separated by zone steps on one line, without a line end.
std::string printZones(const std::vector<std::string>& items);

// The numeric value of a typed text: blanks are skipped wherever they stand,
// then an optional sign, digits and at most one decimal point are taken from
// the start; anything else ends the number. A text with no number gives 0.
double numericValue(std::string_view text);

// True when the whole text (blanks ignored) is one number in the form above.
bool isWholeNumber(std::string_view text);

} // namespace carnival
