#pragma once
// The listing of the set records of a records file: one row per record, its
// key, holder, year and padded performance, in record-number order.

#include "carnival_state.h"
#include "records_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace carnival {

// The event of a record key: the trimmed key without its age group ("17+" or
// two characters) and its sex ("Girls" or four characters), trimmed.
std::string eventNameOfKey(std::string_view key);

// The listing body: for each record not held by the unset holder, the stored
// key, holder and year and the performance padded for its event's kind, tab
// separated, each row ended by CR LF. The kind of a record comes from the
// first event of events[0..lastIndex] whose name, blanks removed, equals the
// record's event; a record whose event is not listed takes `eventKind` as it
// stands, which carries the last kind found into and out of the call.
std::string listRecords(const std::vector<RecordEntry>& records, const std::vector<EventEntry>& events,
    int lastIndex, std::string& eventKind);

// The listing of the current carnival type's records file, read once. A
// missing file is created empty (the records tools expect it) and lists
// nothing. Leaves currentRecord and eventKind at the last record read and the
// last kind found. Throws DataFileError naming the file.
std::string listRecords();

// The printed form of the listing, in a fixed-width font: each tab of the
// body becomes one blank, so the fixed-width fields line up and a row (69
// characters) fits the page; the heading puts each label over its column.
std::string recordsPrintHeading();
std::string recordsPrintBody(std::string_view body);

// The records view: the title and column heading, an empty line, the body.
std::string recordsViewText(std::string_view carnivalType, std::string_view body);

} // namespace carnival
