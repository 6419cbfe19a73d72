#include "file_forms.h"

#include <cstdlib>

namespace testing_support {

std::string crlf(const std::vector<std::string>& lines)
{
    std::string content;
    for (const std::string& line : lines)
        content += line + "\r\n";
    return content;
}

std::string padded(std::string_view text, std::size_t width)
{
    return (std::string(text) + std::string(width, ' ')).substr(0, width);
}

std::string cell(std::string_view text) { return padded(text, 12); }

std::string pointsLine(const std::array<int, 4>& totals)
{
    std::string line;
    for (std::size_t i = 0; i < totals.size(); ++i) {
        std::string item = (totals[i] < 0 ? "-" : " ") + std::to_string(std::abs(totals[i])) + " ";
        if (i + 1 < totals.size())
            item.resize(14, ' ');
        line += item;
    }
    return line + "\r\n";
}

std::string eventList(const std::vector<std::string>& items)
{
    std::string content = " " + std::to_string(items.size()) + " \r\n";
    for (const auto& item : items)
        content += item + "\r\n";
    return content;
}

std::string templateRecord(const std::vector<std::string>& items)
{
    std::string record(512, '\0');
    record.replace(0, 30, padded("zz", 30));
    for (std::size_t k = 0; k < items.size(); ++k)
        record.replace(32 + k * 12, 12, padded(items[k], 12));
    return record;
}

std::string templateFile(const std::vector<std::string>& items)
{
    std::string file;
    for (int r = 0; r < 50; ++r)
        file += templateRecord(items);
    return file;
}

std::string recordSlot(const std::string& file, int number)
{
    return file.substr(static_cast<std::size_t>(number - 1) * 128, 128);
}

std::string recordKeyAt(const std::string& file, int number)
{
    return recordSlot(file, number).substr(30, 25);
}

std::int32_t recordValueAt(const std::string& file, int number)
{
    const std::string slot = recordSlot(file, number);
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(slot[55 + i])) << (8 * i);
    return static_cast<std::int32_t>(value);
}

std::string recordSlotBytes(std::string_view holder, std::string_view key, std::int32_t value, std::string_view year)
{
    std::string slot = padded(holder, 30) + padded(key, 25);
    for (int i = 0; i < 4; ++i)
        slot += static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
    return slot + padded(year, 5) + std::string(64, '\0');
}

std::string unsetSlotBytes(std::string_view key, std::int32_t value)
{
    return recordSlotBytes("Orvald Pennimore Askey", key, value, "56 BC");
}

} // namespace testing_support
