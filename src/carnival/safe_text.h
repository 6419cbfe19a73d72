#pragma once
// Which texts the data files can hold, and which names read from them may
// become part of a path.

#include <optional>
#include <string>
#include <string_view>

namespace carnival {

// Line breaks, tabs and every other C0 or C1 control character, and DEL.
bool isControlCharacter(char32_t c);

// The first character a data file cannot hold as typed: one outside
// ISO-8859-1 or a control character. Nothing when the whole text can be kept.
std::optional<char32_t> firstUnstorableCharacter(std::u32string_view text);
// The same for single-byte text, which can only hold control characters.
std::optional<char32_t> firstUnstorableCharacter(std::string_view latin1);

// The code of a character as messages show it, for example "U+0412".
std::string characterCode(char32_t c);

// How a message names a control character: "a line break", "a tab", or
// "the control character U+0007".
std::string controlCharacterName(char32_t c);

// The rule below in the words of a message.
inline constexpr std::string_view kSafeNameRule = "a name may not hold \\, /, \"..\" or a control character";

// A name read from a file becomes part of a path only when this holds: no
// separator ("\" or "/"), no "..", no control character, whether as written
// or with every blank removed, as some paths take it.
bool isSafeName(std::string_view name);
// A name that is a whole folder name by itself (a carnival type) must also
// name something: not blank and not ".", with its blanks or without.
bool isSafeFolderName(std::string_view name);

} // namespace carnival
