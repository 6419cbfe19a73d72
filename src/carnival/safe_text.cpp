#include "safe_text.h"

#include "fixed_text.h"

#include <cstdio>

namespace carnival {

bool isControlCharacter(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

namespace {

bool storable(char32_t c)
{
    return c <= 0xFF && !isControlCharacter(c);
}

} // namespace

std::optional<char32_t> firstUnstorableCharacter(std::u32string_view text)
{
    for (char32_t c : text)
        if (!storable(c))
            return c;
    return std::nullopt;
}

std::optional<char32_t> firstUnstorableCharacter(std::string_view latin1)
{
    for (char byte : latin1) {
        const char32_t c = static_cast<unsigned char>(byte);
        if (!storable(c))
            return c;
    }
    return std::nullopt;
}

std::string characterCode(char32_t c)
{
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
    return code;
}

std::string controlCharacterName(char32_t c)
{
    if (c == U'\n' || c == U'\r')
        return "a line break";
    if (c == U'\t')
        return "a tab";
    return "the control character " + characterCode(c);
}

namespace {

bool isSafeAsWritten(std::string_view name)
{
    return name.find_first_of("\\/") == std::string_view::npos && name.find("..") == std::string_view::npos
        && !firstUnstorableCharacter(name);
}

} // namespace

bool isSafeName(std::string_view name)
{
    return isSafeAsWritten(name) && isSafeAsWritten(removeBlanks(name));
}

bool isSafeFolderName(std::string_view name)
{
    const std::string folder = removeBlanks(name);
    return isSafeName(name) && !folder.empty() && folder != ".";
}

} // namespace carnival
