#pragma once
// The data files hold single-byte text; the windows show it as QString.

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace platform {

inline QString qtext(std::string_view bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string bytes(const QString& text)
{
    return text.toLatin1().toStdString();
}

// The message that refuses a character: the box it was typed in (for
// example "the name of 1st place") and the character itself.
QString unstorableTextMessage(const QString& box, char32_t character);

// The single-byte text of a box whose text goes into a data file. When a
// character of it cannot be stored (one outside ISO-8859-1 or a control
// character such as a line break), the user is told which box and which
// character, and nothing is returned.
std::optional<std::string> storableText(const QString& text, const QString& box);

} // namespace platform
