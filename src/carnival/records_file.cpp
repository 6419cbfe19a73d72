#include "records_file.h"

#include "paths.h"
#include "record_io.h"
#include "text_files.h"

#include <cstring>

namespace carnival {

namespace {

void encode(const RecordEntry& record, char* slot)
{
    record.holder.storeBytes(slot);
    record.key.storeBytes(slot + 30);
    storeLittleEndian(slot + 55, static_cast<std::uint32_t>(record.value), 4);
    record.year.storeBytes(slot + 59);
}

RecordEntry decode(const char* slot)
{
    RecordEntry record;
    record.holder.loadBytes(slot);
    record.key.loadBytes(slot + 30);
    record.value = static_cast<std::int32_t>(loadLittleEndian(slot + 55, 4));
    record.year.loadBytes(slot + 59);
    return record;
}

} // namespace

RecordEntry unsetRecord(std::string_view key, bool distanceEvent)
{
    RecordEntry record;
    record.holder.assign(kUnsetHolder);
    record.key.assign(key);
    record.value = distanceEvent ? kUnsetDistance : kUnsetTime;
    record.year.assign(kUnsetYear);
    return record;
}

bool isUnsetRecord(const RecordEntry& record)
{
    return record.holder.trimmed() == kUnsetHolder;
}

std::string recordsFilePath(std::string_view carnivalType)
{
    return "data\\" + std::string(carnivalType) + ".dat";
}

std::vector<RecordEntry> decodeRecords(std::string_view content)
{
    std::vector<RecordEntry> records;
    for (std::size_t at = 0; at + kRecordDataSize <= content.size(); at += kRecordSlotSize)
        records.push_back(decode(content.data() + at));
    return records;
}

std::string encodeRecords(const std::vector<RecordEntry>& records)
{
    std::string content(records.size() * kRecordSlotSize, '\0');
    for (std::size_t i = 0; i < records.size(); ++i)
        encode(records[i], content.data() + i * kRecordSlotSize);
    return content;
}

std::vector<RecordEntry> readRecordsFile(std::string_view programPath)
{
    if (!pathExists(programPath))
        return {};
    return decodeRecords(readFileContent(programPath));
}

void storeRecord(std::string& content, int number, const RecordEntry& record)
{
    if (number < 1)
        return;
    const std::size_t at = static_cast<std::size_t>(number - 1) * kRecordSlotSize;
    if (content.size() < at + kRecordSlotSize)
        content.resize(at + kRecordSlotSize, '\0');
    std::memset(content.data() + at, 0, kRecordSlotSize);
    encode(record, content.data() + at);
}

} // namespace carnival
