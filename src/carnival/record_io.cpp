#include "record_io.h"

#include "data_error.h"
#include "paths.h"

#include <fstream>
#include <string>
#include <system_error>

namespace carnival {

namespace fs = std::filesystem;

std::uintmax_t fileSize(const fs::path& path)
{
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(path, ec);
    return ec ? 0 : size;
}

bool readSlot(std::string_view programPath, int number, std::size_t slotSize, char* data, std::size_t length)
{
    if (number < 1)
        return false;
    const fs::path path = resolvePath(programPath);
    const std::uintmax_t offset = static_cast<std::uintmax_t>(number - 1) * slotSize;
    if (fileSize(path) < offset + length)
        return false;
    std::ifstream in(path, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    in.read(data, static_cast<std::streamsize>(length));
    return static_cast<bool>(in);
}

void writeSlot(std::string_view programPath, int number, const char* data, std::size_t slotSize)
{
    const std::string name(programPath);
    if (number < 1)
        throw DataFileError(name, "record number " + std::to_string(number) + " does not exist.");
    const fs::path path = resolvePath(programPath);
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        std::ofstream create(path, std::ios::binary);
        if (!create)
            throw DataFileError(name, "the file cannot be created.");
    }
    std::fstream out(path, std::ios::binary | std::ios::in | std::ios::out);
    if (!out)
        throw DataFileError(name, "the file cannot be opened for writing.");

    // Bytes between the old end and this slot are filled with zeros.
    const std::uintmax_t offset = static_cast<std::uintmax_t>(number - 1) * slotSize;
    const std::uintmax_t size = fileSize(path);
    if (size < offset) {
        out.seekp(static_cast<std::streamoff>(size));
        const std::string gap(offset - size, '\0');
        out.write(gap.data(), static_cast<std::streamsize>(gap.size()));
    }
    out.seekp(static_cast<std::streamoff>(offset));
    out.write(data, static_cast<std::streamsize>(slotSize));
    out.flush();
    if (!out)
        throw DataFileError(name, "writing record " + std::to_string(number) + " failed.");
}

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
