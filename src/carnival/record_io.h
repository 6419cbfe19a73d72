#pragma once
// Little-endian numbers in the slots of the records and age-champion files.

#include <cstdint>

namespace carnival {

void storeLittleEndian(char* target, std::uint32_t value, int bytes);
std::uint32_t loadLittleEndian(const char* source, int bytes);

} // namespace carnival
