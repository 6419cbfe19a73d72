#include "latin1.h"

#include "msgbox.h"

#include "carnival/safe_text.h"

#include <QList>

namespace platform {

QString unstorableTextMessage(const QString& box, char32_t character)
{
    const QString shown = carnival::isControlCharacter(character)
        ? qtext(carnival::controlCharacterName(character))
        : "the character \"" + QString::fromUcs4(&character, 1) + "\" (" + qtext(carnival::characterCode(character)) + ")";
    const QString boxName = box.left(1).toUpper() + box.mid(1);
    return boxName + " holds " + shown + ", which Ostrivale cannot store. Please type it without that character.";
}

std::optional<std::string> storableText(const QString& text, const QString& box)
{
    const QList<uint> codes = text.toUcs4();
    const std::u32string characters(codes.begin(), codes.end());
    if (const auto refused = carnival::firstUnstorableCharacter(characters)) {
        showMsgBox(unstorableTextMessage(box, *refused), 48, "Oops!");
        return std::nullopt;
    }
    return bytes(text);
}

} // namespace platform
