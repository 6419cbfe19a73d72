#include "number_form.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace carnival {

std::string numberForm(long long value)
{
    // The size taken unsigned, so that the smallest value has one too.
    const auto size = static_cast<unsigned long long>(value);
    return (value < 0 ? "-" : " ") + std::to_string(value < 0 ? 0 - size : size) + " ";
}

namespace {

constexpr int kSignificantDigits = 15;

// A fraction in fixed notation to 15 significant digits, without the zeros
// after its last digit.
std::string plainFraction(double magnitude)
{
    const int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    const int decimals = std::max(0, kSignificantDigits - 1 - exponent);
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, magnitude);
    std::string text(buffer);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return text;
}

} // namespace

bool fitsNumberForm(double value)
{
    return std::isfinite(value) && std::fabs(value) < 1e15;
}

std::string numberForm(double value)
{
    if (!fitsNumberForm(value))
        throw std::out_of_range("a number too large for the number form");
    if (std::nearbyint(value) == value)
        return numberForm(static_cast<long long>(value));
    return (value < 0 ? "-" : " ") + plainFraction(std::fabs(value)) + " ";
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
