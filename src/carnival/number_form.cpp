#include "number_form.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace carnival {

std::string numberForm(long long value)
{
    const std::string digits = std::to_string(value < 0 ? -value : value);
    return (value < 0 ? "-" : " ") + digits + " ";
}

std::string numberForm(double value)
{
    if (std::nearbyint(value) == value && std::fabs(value) < 1e15)
        return numberForm(static_cast<long long>(value));
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", std::fabs(value));
    return (value < 0 ? "-" : " ") + std::string(buffer) + " ";
}

std::size_t nextZoneStart(std::size_t column)
{
    return (column / kPrintZoneWidth + 1) * kPrintZoneWidth;
}

std::string printZones(const std::vector<std::string>& items)
{
    std::string line;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            line.resize(nextZoneStart(line.size()), ' ');
        line += items[i];
    }
    return line;
}

namespace {

// The leading number of a text with its blanks removed, as written.
std::string leadingNumber(std::string_view text)
{
    std::string compact;
    for (char c : text)
        if (c != ' ')
            compact += c;

    std::size_t i = 0;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-'))
        ++i;
    bool seenPoint = false;
    while (i < compact.size()) {
        const char c = compact[i];
        if (c >= '0' && c <= '9') {
            ++i;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
            ++i;
        } else {
            break;
        }
    }
    return compact.substr(0, i);
}

std::size_t nonBlankLength(std::string_view text)
{
    std::size_t n = 0;
    for (char c : text)
        if (c != ' ')
            ++n;
    return n;
}

} // namespace

double numericValue(std::string_view text)
{
    const std::string number = leadingNumber(text);
    if (number.find_first_of("0123456789") == std::string::npos)
        return 0.0;
    return std::strtod(number.c_str(), nullptr);
}

bool isWholeNumber(std::string_view text)
{
    const std::string number = leadingNumber(text);
    return number.find_first_of("0123456789") != std::string::npos
        && number.size() == nonBlankLength(text);
}

} // namespace carnival
