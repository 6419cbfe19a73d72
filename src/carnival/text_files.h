#pragma once
// Reading and writing the text data files. Lines end in CR LF on disk; text is
// single-byte and kept byte for byte in std::string.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace carnival {

inline constexpr std::string_view kLineEnd = "\r\n";

// The whole content of a file; throws DataFileError when it cannot be read.
std::string readFileContent(std::string_view programPath);

// Replaces one file whole through a FileTransaction of its own, so a failure
// never leaves half a file. Throws DataFileError when it cannot be written.
void writeFileAtomically(std::string_view programPath, std::string_view content);

// The lines of a text, without their line ends (CR LF, or a lone LF).
std::vector<std::string> splitLines(std::string_view content);

// Lines joined into file content, each ended by CR LF.
std::string joinLines(const std::vector<std::string>& lines);

// Whole-line reading: each value is a whole line, commas and blanks included.
class LineReader {
public:
    LineReader(std::string_view content, std::string fileName);
    static LineReader open(std::string_view programPath);

    // The next line; throws DataFileError past the last line.
    std::string next(std::string_view what);
    bool atEnd() const { return position_ >= lines_.size(); }

private:
    std::vector<std::string> lines_;
    std::size_t position_ = 0;
    std::string fileName_;
};

// Field reading: fields are taken one after the other across line ends.
class FieldReader {
public:
    FieldReader(std::string_view content, std::string fileName);
    static FieldReader open(std::string_view programPath);

    // A text field ends at a comma or a line end; trailing blanks are dropped.
    std::string nextText(std::string_view what);
    // A number field ends at a blank, a comma or a line end. Throws
    // DataFileError when it is not a whole number within 16 bits.
    std::int16_t nextInt16(std::string_view what);

private:
    void skipToField(std::string_view what);
    void consumeFieldEnd();

    std::string content_;
    std::size_t position_ = 0;
    std::string fileName_;
};

} // namespace carnival
