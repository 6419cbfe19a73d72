#pragma once
// Numbered fixed-size slots in a binary file, shared by the records files and
// the age-champion files.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace carnival {

std::uintmax_t fileSize(const std::filesystem::path& path);

// Reads `length` bytes from the start of slot `number` (from 1). False when
// the file is missing or ends before those bytes.
bool readSlot(std::string_view programPath, int number, std::size_t slotSize, char* data, std::size_t length);

// Writes a whole slot in place, creating the file when it is missing and never
// cutting it short. Throws DataFileError on failure.
void writeSlot(std::string_view programPath, int number, const char* data, std::size_t slotSize);

void storeLittleEndian(char* target, std::uint32_t value, int bytes);
std::uint32_t loadLittleEndian(const char* source, int bytes);

} // namespace carnival
