#pragma once
// The records files data\athletics.dat and data\swimming.dat: 128-byte slots,
// one record in the first 64 bytes of each. A file is read whole, changed in
// memory slot by slot and written back whole.

#include "fixed_text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace carnival {

inline constexpr std::size_t kRecordSlotSize = 128;
inline constexpr std::size_t kRecordDataSize = 64;

inline constexpr std::string_view kUnsetHolder = "Orvald Pennimore Askey";
inline constexpr std::string_view kUnsetYear = "56 BC";
inline constexpr std::int32_t kUnsetTime = 990000;
inline constexpr std::int32_t kUnsetDistance = 1;

struct RecordEntry {
    FixedText<30> holder;
    FixedText<25> key;
    std::int32_t value = 0;
    FixedText<5> year;

    bool operator==(const RecordEntry&) const = default;
};

// The unset record of an event: no real record has been set yet.
RecordEntry unsetRecord(std::string_view key, bool distanceEvent);

// True when a record's trimmed holder is the unset holder's name.
bool isUnsetRecord(const RecordEntry& record);

// The path of the records file of a carnival type ("data\" & type & ".dat").
std::string recordsFilePath(std::string_view carnivalType);

// Every record of a records file's content, in record-number order; a last
// slot cut short after its 64 data bytes counts, shorter leftovers do not.
std::vector<RecordEntry> decodeRecords(std::string_view content);
// The content of a records file holding these records, every slot in full
// (bytes 64 to 127 of each slot are zero).
std::string encodeRecords(const std::vector<RecordEntry>& records);
// The whole records file, read once. A missing file holds no records; a file
// that exists but cannot be read (or is a folder) throws DataFileError.
std::vector<RecordEntry> readRecordsFile(std::string_view programPath);

// Puts a record into slot `number` (from 1) of a records file's content, the
// slot written in full (bytes 64 to 127 zero). Every other byte is kept; a
// content that ends before the slot is filled with zero bytes up to it.
void storeRecord(std::string& content, int number, const RecordEntry& record);

} // namespace carnival
