#pragma once
// The system registry, as far as the program reads it: keys holding typed
// values, kept in memory. It starts empty; the program's start-up and the
// tests put in the values they need. Names match without regard to case.

#include <cstdint>
#include <string>
#include <string_view>

#include <QStringList>

namespace platform {

enum class RegistryRoot { LocalMachine };

inline constexpr std::uint32_t kRegText = 1;   // REG_SZ
inline constexpr std::uint32_t kRegNumber = 4; // REG_DWORD, little-endian

// Sets a value with its raw data bytes, as the registry stores them.
void setRegistryValue(RegistryRoot root, std::string_view key, std::string_view name, std::uint32_t type,
    std::string data);
// A text value, stored with its terminating zero character.
void setRegistryText(RegistryRoot root, std::string_view key, std::string_view name, std::string_view text);
void setRegistryNumber(RegistryRoot root, std::string_view key, std::string_view name, std::uint32_t number);
void clearRegistry();

// Reads a value as text into KeyVal. A text value loses one trailing zero
// character; a number becomes "&h" and its bytes in hexadecimal, the last
// byte first; a value of any other type leaves KeyVal as it was. A missing
// key or value, or data longer than 1024 bytes, empties KeyVal and gives false.
bool GetKeyValue(RegistryRoot KeyRoot, std::string_view KeyName, std::string_view SubKeyRef, std::string& KeyVal);

// Where the System Information program is registered.
inline constexpr std::string_view kMsinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr std::string_view kMsinfoLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

// Registers the first system-information program of this platform found in
// searchPaths (the program search path when empty) as the System Information
// program. Nothing is registered when none is installed.
void registerSystemInfoProgram(const QStringList& searchPaths = {});

} // namespace platform
