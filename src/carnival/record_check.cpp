#include "record_check.h"

#include "carnival_state.h"
#include "fixed_text.h"
#include "number_form.h"
#include "paths.h"
#include "records_file.h"
#include "text_files.h"

#include <algorithm>
#include <cmath>

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

bool keyMatches(const RecordEntry& record, std::string_view key)
{
    return record.key.trimmed() == key;
}

// The records a lookup may see: numbers 1 to 300.
std::vector<RecordEntry> searchedRecords(std::string_view content)
{
    return decodeRecords(content.substr(0, std::min(content.size(), kRecordSearchLimit * kRecordSlotSize)));
}

} // namespace

std::optional<std::string> recordCaption(std::string_view recordsPath, std::string_view key,
    std::string_view eventKind)
{
    std::optional<std::string> caption;
    const std::string content = pathExists(recordsPath) ? readFileContent(recordsPath) : std::string();
    for (const RecordEntry& record : searchedRecords(content)) {
        if (!keyMatches(record, key))
            continue;
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
    const std::vector<RecordEntry> records = searchedRecords(recordsContent);
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (!keyMatches(records[i], key))
            continue;

        RecordEntry& record = modDeclareGlobals().currentRecord;
        record = records[i];
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
        storeRecord(recordsContent, static_cast<int>(i) + 1, record);
        return announcement;
    }
    return std::nullopt;
}

} // namespace carnival
