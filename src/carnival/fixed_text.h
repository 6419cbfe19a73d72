#pragma once
// Fixed-width single-byte text fields as they stand in the record files.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace carnival {

// Removes leading and trailing blanks (0x20) only; zero bytes are kept.
std::string trimBlanks(std::string_view text);

// Removes every blank wherever it stands.
std::string removeBlanks(std::string_view text);

// Cuts text to width characters or pads it on the right with blanks.
std::string fitWidth(std::string_view text, std::size_t width);

// A field of N bytes. A field that was never assigned holds N zero bytes.
template <std::size_t N>
class FixedText {
public:
    FixedText() { bytes_.fill('\0'); }
    explicit FixedText(std::string_view value) { assign(value); }

    void assign(std::string_view value)
    {
        const std::string fitted = fitWidth(value, N);
        for (std::size_t i = 0; i < N; ++i)
            bytes_[i] = fitted[i];
    }

    void loadBytes(const char* source)
    {
        for (std::size_t i = 0; i < N; ++i)
            bytes_[i] = source[i];
    }

    void storeBytes(char* target) const
    {
        for (std::size_t i = 0; i < N; ++i)
            target[i] = bytes_[i];
    }

    std::string raw() const { return std::string(bytes_.data(), N); }
    std::string trimmed() const { return trimBlanks(raw()); }
    // The field as a window shows or prints it: every byte but the zero bytes
    // of a field that was never assigned.
    std::string shown() const
    {
        std::string text = raw();
        std::erase(text, '\0');
        return text;
    }

    static constexpr std::size_t width = N;

    bool operator==(const FixedText&) const = default;

private:
    std::array<char, N> bytes_;
};

} // namespace carnival
