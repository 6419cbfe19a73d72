#pragma once
// The data files hold single-byte text; the windows show it as QString.

#include <QString>

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

} // namespace platform
