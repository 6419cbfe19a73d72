#pragma once
// The carnival's files as the tests expect them byte for byte, built here
// from first principles rather than by the program's own writers.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

// The installed houses file and a points file with every total zero.
inline constexpr std::string_view kInstalledHouses = "Tamsett\r\nBrindrel\r\nCorrow\r\nElvane\r\n";
inline constexpr std::string_view kZeroPoints = " 0 \r\n 0 \r\n 0 \r\n 0 \r\n";
// The points of a carnival under way, in the points file's update form.
inline constexpr std::string_view kOldPoints = " 8             6             4             2 \r\n";

// Every line followed by CR LF.
std::string crlf(const std::vector<std::string>& lines);

// Text cut or filled with blanks to width.
std::string padded(std::string_view text, std::size_t width);

// A 12-character cell of an age-champion record.
std::string cell(std::string_view text);

// The points file in its update form: each total in the number form at the
// start of its own 14-character zone.
std::string pointsLine(const std::array<int, 4>& totals);

// An event list file: the count, then one item a line.
std::string eventList(const std::vector<std::string>& items);

// One record of the age champions' template of a list, and the whole
// template file of 50 such records.
std::string templateRecord(const std::vector<std::string>& items);
std::string templateFile(const std::vector<std::string>& items);

// Record `number` (from 1) of a records file's bytes: its 128-byte slot, its
// 25-character key and its value.
std::string recordSlot(const std::string& file, int number);
std::string recordKeyAt(const std::string& file, int number);
std::int32_t recordValueAt(const std::string& file, int number);

// One whole 128-byte slot of a records file: holder, key, value and year at
// their widths, then zero bytes; and the slot of an unset record.
std::string recordSlotBytes(std::string_view holder, std::string_view key, std::int32_t value, std::string_view year);
std::string unsetSlotBytes(std::string_view key, std::int32_t value);

} // namespace testing_support
