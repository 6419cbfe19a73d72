#pragma once
// The age-champion files data\<type>\individuals\<age>\<sex>.dat: 50 records
// of 512 bytes, each a competitor with a points total and per-event cells,
// read whole, changed in memory and written back whole.

#include "fixed_text.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace carnival {

inline constexpr std::size_t kAgeChampRecordSize = 512;
inline constexpr int kAgeChampSlots = 50;
inline constexpr int kAgeChampEventCells = 20;
inline constexpr std::string_view kFreeSlotName = "zz";

struct AgeChampEntry {
    FixedText<30> name;
    std::int16_t points = 0;
    std::array<FixedText<12>, kAgeChampEventCells> eventNames;  // first column
    std::array<FixedText<12>, kAgeChampEventCells> eventPoints; // second column

    bool operator==(const AgeChampEntry&) const = default;
};

bool isFreeSlot(const AgeChampEntry& entry);

// A typed name as a record keeps and its readers see it: cut to the 30
// characters of the field, blanks around it removed.
std::string storedCompetitorName(std::string_view typedName);

// A free slot with the event names in cells 1 to n, as a new file holds it.
AgeChampEntry freeSlotTemplate(const std::vector<std::string>& eventItems);

std::string encodeAgeChamp(const AgeChampEntry& entry);
AgeChampEntry decodeAgeChamp(const char* record);

// Every record of an age-champion file's content; a cut-short last record
// does not count.
std::vector<AgeChampEntry> decodeAgeChamps(std::string_view content);
std::string encodeAgeChamps(const std::vector<AgeChampEntry>& entries);
// The whole file, read once; throws DataFileError when it is missing or
// cannot be read.
std::vector<AgeChampEntry> readAgeChampFile(std::string_view programPath);

// Puts the records back into the content they were decoded from: the file
// keeps its length and any cut-short tail.
void storeAgeChamps(std::string& content, const std::vector<AgeChampEntry>& entries);

} // namespace carnival
