#include "registry.h"

#include <QStandardPaths>

#include <cctype>
#include <map>

namespace platform {

namespace {

constexpr std::size_t kValueBufferSize = 1024;

struct StoredValue {
    std::uint32_t type = 0;
    std::string data;
};

std::string lowered(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

std::string keyPath(RegistryRoot root, std::string_view key)
{
    return std::to_string(static_cast<int>(root)) + "\\" + lowered(key);
}

using Key = std::map<std::string, StoredValue>;

std::map<std::string, Key>& registry()
{
    static std::map<std::string, Key> keys;
    return keys;
}

const StoredValue* findValue(RegistryRoot root, std::string_view key, std::string_view name)
{
    const auto keyIt = registry().find(keyPath(root, key));
    if (keyIt == registry().end())
        return nullptr;
    const auto valueIt = keyIt->second.find(lowered(name));
    return valueIt == keyIt->second.end() ? nullptr : &valueIt->second;
}

std::string hexOfNumber(const std::string& data)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text = "&h";
    for (auto it = data.rbegin(); it != data.rend(); ++it) {
        const auto byte = static_cast<unsigned char>(*it);
        text += digits[byte >> 4];
        text += digits[byte & 0x0F];
    }
    return text;
}

} // namespace

void setRegistryValue(RegistryRoot root, std::string_view key, std::string_view name, std::uint32_t type,
    std::string data)
{
    registry()[keyPath(root, key)][lowered(name)] = StoredValue { type, std::move(data) };
}

void setRegistryText(RegistryRoot root, std::string_view key, std::string_view name, std::string_view text)
{
    setRegistryValue(root, key, name, kRegText, std::string(text) + '\0');
}

void setRegistryNumber(RegistryRoot root, std::string_view key, std::string_view name, std::uint32_t number)
{
    std::string data;
    for (int i = 0; i < 4; ++i)
        data += static_cast<char>((number >> (8 * i)) & 0xFF);
    setRegistryValue(root, key, name, kRegNumber, data);
}

void clearRegistry()
{
    registry().clear();
}

bool GetKeyValue(RegistryRoot KeyRoot, std::string_view KeyName, std::string_view SubKeyRef, std::string& KeyVal)
{
    const StoredValue* value = findValue(KeyRoot, KeyName, SubKeyRef);
    if (!value || value->data.size() > kValueBufferSize) {
        KeyVal.clear();
        return false;
    }
    const std::string& data = value->data;
    const bool endsInZero = !data.empty() && data.back() == '\0';
    if (value->type == kRegText)
        KeyVal = data.substr(0, endsInZero ? data.size() - 1 : data.size());
    else if (value->type == kRegNumber)
        KeyVal = hexOfNumber(data);
    return true;
}

void registerSystemInfoProgram(const QStringList& searchPaths)
{
    for (const char* candidate : { "hardinfo2", "hardinfo", "kinfocenter" }) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(candidate), searchPaths);
        if (!program.isEmpty()) {
            setRegistryText(RegistryRoot::LocalMachine, kMsinfoKey, "PATH", program.toStdString());
            return;
        }
    }
}

} // namespace platform
