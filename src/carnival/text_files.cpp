#include "text_files.h"

#include "data_error.h"
#include "file_transaction.h"
#include "number_form.h"
#include "paths.h"

#include <cmath>

namespace carnival {

std::string readFileContent(std::string_view programPath)
{
    return readResolvedFile(resolvePath(programPath), programPath);
}

void writeFileAtomically(std::string_view programPath, std::string_view content)
{
    FileTransaction transaction;
    transaction.write(programPath, std::string(content));
    transaction.commit();
}

std::vector<std::string> splitLines(std::string_view content)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string_view::npos)
            end = content.size();
        std::string_view line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines)
{
    std::string content;
    for (const std::string& line : lines) {
        content += line;
        content += kLineEnd;
    }
    return content;
}

LineReader::LineReader(std::string_view content, std::string fileName)
    : lines_(splitLines(content))
    , fileName_(std::move(fileName))
{
}

LineReader LineReader::open(std::string_view programPath)
{
    return LineReader(readFileContent(programPath), std::string(programPath));
}

std::string LineReader::next(std::string_view what)
{
    if (atEnd())
        throw DataFileError(fileName_, "the file ends before " + std::string(what) + ".");
    return lines_[position_++];
}

FieldReader::FieldReader(std::string_view content, std::string fileName)
    : content_(content)
    , fileName_(std::move(fileName))
{
}

FieldReader FieldReader::open(std::string_view programPath)
{
    return FieldReader(readFileContent(programPath), std::string(programPath));
}

void FieldReader::skipToField(std::string_view what)
{
    while (position_ < content_.size()
        && (content_[position_] == ' ' || content_[position_] == '\r' || content_[position_] == '\n'))
        ++position_;
    if (position_ >= content_.size())
        throw DataFileError(fileName_, "the file ends before " + std::string(what) + ".");
}

void FieldReader::consumeFieldEnd()
{
    while (position_ < content_.size() && content_[position_] == ' ')
        ++position_;
    if (position_ < content_.size() && content_[position_] == ',')
        ++position_;
}

std::string FieldReader::nextText(std::string_view what)
{
    skipToField(what);
    const std::size_t start = position_;
    while (position_ < content_.size() && content_[position_] != ','
        && content_[position_] != '\r' && content_[position_] != '\n')
        ++position_;
    std::string value = content_.substr(start, position_ - start);
    while (!value.empty() && value.back() == ' ')
        value.pop_back();
    consumeFieldEnd();
    return value;
}

std::int16_t FieldReader::nextInt16(std::string_view what)
{
    skipToField(what);
    const std::size_t start = position_;
    while (position_ < content_.size() && content_[position_] != ' ' && content_[position_] != ','
        && content_[position_] != '\r' && content_[position_] != '\n')
        ++position_;
    const std::string token = content_.substr(start, position_ - start);
    consumeFieldEnd();

    const double value = numericValue(token);
    if (!isWholeNumber(token) || value != std::floor(value))
        throw DataFileError(fileName_, std::string(what) + " is \"" + token + "\", which is not a whole number.");
    if (value < -32768 || value > 32767)
        throw DataFileError(fileName_, std::string(what) + " is " + token + ", outside the range -32768 to 32767.");
    return static_cast<std::int16_t>(value);
}

} // namespace carnival
