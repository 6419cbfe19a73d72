#include "agechamp_file.h"

#include "record_io.h"
#include "text_files.h"

#include <algorithm>

namespace carnival {

namespace {
constexpr std::size_t kNameCellsAt = 32;
constexpr std::size_t kPointsCellsAt = 272;
constexpr std::size_t kCellWidth = 12;
} // namespace

bool isFreeSlot(const AgeChampEntry& entry)
{
    return entry.name.trimmed() == kFreeSlotName;
}

std::string storedCompetitorName(std::string_view typedName)
{
    return decltype(AgeChampEntry::name)(typedName).trimmed();
}

AgeChampEntry freeSlotTemplate(const std::vector<std::string>& eventItems)
{
    AgeChampEntry entry;
    entry.name.assign(kFreeSlotName);
    for (std::size_t k = 0; k < eventItems.size() && k < entry.eventNames.size(); ++k)
        entry.eventNames[k].assign(eventItems[k]);
    return entry;
}

std::string encodeAgeChamp(const AgeChampEntry& entry)
{
    std::string record(kAgeChampRecordSize, '\0');
    entry.name.storeBytes(record.data());
    storeLittleEndian(record.data() + 30, static_cast<std::uint16_t>(entry.points), 2);
    for (int k = 0; k < kAgeChampEventCells; ++k) {
        entry.eventNames[k].storeBytes(record.data() + kNameCellsAt + k * kCellWidth);
        entry.eventPoints[k].storeBytes(record.data() + kPointsCellsAt + k * kCellWidth);
    }
    return record;
}

AgeChampEntry decodeAgeChamp(const char* record)
{
    AgeChampEntry entry;
    entry.name.loadBytes(record);
    entry.points = static_cast<std::int16_t>(loadLittleEndian(record + 30, 2));
    for (int k = 0; k < kAgeChampEventCells; ++k) {
        entry.eventNames[k].loadBytes(record + kNameCellsAt + k * kCellWidth);
        entry.eventPoints[k].loadBytes(record + kPointsCellsAt + k * kCellWidth);
    }
    return entry;
}

std::vector<AgeChampEntry> decodeAgeChamps(std::string_view content)
{
    std::vector<AgeChampEntry> entries;
    for (std::size_t at = 0; at + kAgeChampRecordSize <= content.size(); at += kAgeChampRecordSize)
        entries.push_back(decodeAgeChamp(content.data() + at));
    return entries;
}

std::string encodeAgeChamps(const std::vector<AgeChampEntry>& entries)
{
    std::string content;
    content.reserve(entries.size() * kAgeChampRecordSize);
    for (const AgeChampEntry& entry : entries)
        content += encodeAgeChamp(entry);
    return content;
}

std::vector<AgeChampEntry> readAgeChampFile(std::string_view programPath)
{
    return decodeAgeChamps(readFileContent(programPath));
}

void storeAgeChamps(std::string& content, const std::vector<AgeChampEntry>& entries)
{
    const std::string records = encodeAgeChamps(entries);
    content.replace(0, std::min(records.size(), content.size()), records);
}

} // namespace carnival
