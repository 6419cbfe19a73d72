#include "record_io.h"

namespace carnival {

void storeLittleEndian(char* target, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        target[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint32_t loadLittleEndian(const char* source, int bytes)
{
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(source[i])) << (8 * i);
    return value;
}

} // namespace carnival
