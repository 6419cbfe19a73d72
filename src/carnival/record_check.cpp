#include "record_check.h"

#include "carnival_state.h"
#include "file_transaction.h"
#include "fixed_text.h"
#include "number_form.h"
#include "paths.h"
#include "records_file.h"
#include "text_files.h"

#include <cmath>
#include <utility>
#include <vector>

namespace carnival {

std::string padTD(std::int32_t performance, std::string_view eventKind)
{
    std::string text = std::to_string(performance);
    const std::size_t width = trimBlanks(eventKind) == "Time" ? 6 : 4;
    if (text.size() < width)
        text.insert(0, width - text.size(), '0');
    return text;
}

namespace {

std::string_view trimmedView(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The records among numbers 1 to 300 whose trimmed key is `key`, in file
// order, with their numbers. The keys are compared where they stand in the
// content, so only the matching records are decoded.
std::vector<std::pair<int, RecordEntry>> matchingRecords(std::string_view content, std::string_view key)
{
    constexpr std::size_t kKeyAt = 30;
    constexpr std::size_t kKeyWidth = 25;
    std::vector<std::pair<int, RecordEntry>> found;
    for (int number = 1; number <= kRecordSearchLimit; ++number) {
        const std::size_t at = static_cast<std::size_t>(number - 1) * kRecordSlotSize;
        if (at + kRecordDataSize > content.size())
            break;
        const char first = content[at + kKeyAt];
        if ((first == ' ' || key.empty() || first == key.front())
            && trimmedView(content.substr(at + kKeyAt, kKeyWidth)) == key)
            found.emplace_back(number, decodeRecords(content.substr(at, kRecordDataSize)).front());
    }
    return found;
}

} // namespace

std::optional<std::string> recordCaption(std::string_view recordsPath, std::string_view key,
    std::string_view eventKind)
{
    std::optional<std::string> caption;
    // Only the records searched are read.
    const std::string content = readResolvedFileIfThere(resolvePath(recordsPath), recordsPath,
        kRecordSearchLimit * kRecordSlotSize).value_or(std::string());
    for (const auto& [number, record] : matchingRecords(content, key)) {
        modDeclareGlobals().currentRecord = record;
        if (isUnsetRecord(record))
            caption = std::string(kRecordNotSet);
        else
            caption = record.key.trimmed() + " record set by " + record.holder.trimmed()
                + " with a Time/Distance of " + padTD(record.value, eventKind) + " in " + record.year.trimmed();
    }
    return caption;
}

std::optional<std::string> checkRecord(std::string& recordsContent, std::string_view key,
    std::string_view eventKind, std::string_view firstName, std::string_view firstTD, std::string_view year)
{
    for (const auto& [number, found] : matchingRecords(recordsContent, key)) {
        RecordEntry& record = modDeclareGlobals().currentRecord;
        record = found;
        const double performance = numericValue(trimBlanks(firstTD));
        const std::string kind = trimBlanks(eventKind);
        const bool broken = (kind == "Time" && record.value > performance)
            || (kind == "Distance" && record.value < performance);
        if (!broken)
            return std::nullopt;

        std::string announcement = record.key.trimmed() + " record, set in " + record.year.trimmed() + " by "
            + record.holder.trimmed() + " broken by " + std::string(firstName);
        record.holder.assign(firstName);
        record.value = static_cast<std::int32_t>(std::nearbyint(performance));
        record.year.assign(year);
        storeRecord(recordsContent, number, record);
        return announcement;
    }
    return std::nullopt;
}

} // namespace carnival
