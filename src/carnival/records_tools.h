#pragma once
// The records tools: the editor that steps through a records file so that
// earlier records can be typed in over the unset ones, and the generator that
// replaces a records file by the unset records of its default events.

#include "records_file.h"
#include "setup_files.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace carnival {

inline constexpr std::string_view kAthleticsRecords = "data\\athletics.dat";
inline constexpr std::string_view kSwimmingRecords = "data\\swimming.dat";

// The generator's own event lists, in key form and list order.
const std::vector<SetupEvent>& defaultAthleticsEvents();
const std::vector<SetupEvent>& defaultSwimmingEvents();

// Replaces the records file whole by the unset records of the events: the new
// file is complete, or the old one is left untouched and DataFileError is
// thrown.
void replaceWithUnsetRecords(std::string_view programPath, const std::vector<SetupEvent>& events);

// What "Check" prints for one records file: the heading, an empty line, then
// the first record's key, holder, value in the number form and year, each at
// its full width. A file without records shows empty fields and the value 0.
std::vector<std::string> firstRecordLines(std::string_view heading, const std::vector<RecordEntry>& records);

// The records of a file to be edited. Throws DataFileError when the file is
// missing, cannot be read or holds no record at all.
std::vector<RecordEntry> recordsToEdit(std::string_view programPath);

// The value typed for a record: the number at the start of the text, read as
// every typed number is, and rounded to a whole number with a half going to
// the even neighbour (12.5 gives 12, 13.5 gives 14). Nothing when it lies
// outside the signed 32 bits a record holds.
std::optional<std::int32_t> typedRecordValue(std::string_view text);

// The key of the last record of every list that ends in the relay.
inline constexpr std::string_view kLastRecordKey = "17+GirlsRelay";

// True when the editor's walk ends at record `number` (from 1): its key is the
// relay of the oldest girls, or it is the last record of the file.
bool endsTheWalk(const std::vector<RecordEntry>& records, int number);

// Puts record `number` (from 1) into the records file, every other record
// staying as it is, and writes the file back whole through its own
// transaction. Returns the records as now stored. Throws DataFileError when
// the file cannot be read or written, or no longer holds that record.
std::vector<RecordEntry> storeRecordInFile(std::string_view programPath, int number, const RecordEntry& record);

} // namespace carnival
