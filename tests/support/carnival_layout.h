#pragma once
// A real carnival laid out in a test's working folder: the carnival, houses
// and points files, a live folder copied from its template, age-champion
// files of free slots and unset records; and readers of what the program
// wrote back.

#include "support/working_folder.h"

#include "carnival/agechamp_file.h"
#include "carnival/records_file.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

// The installed athletics event list and the installed swimming list.
inline const std::vector<std::string> kAthleticsItems = { "100m", "200m", "400m", "800m", "1500m", "90m Hurdles",
    "High Jump1", "Long Jump1", "Triple Jump1", "Shot Put1", "Discus1", "Javelin1", "Relay" };
inline const std::vector<std::string> kSwimmingItems = { "50m Freestyle", "50m Backstroke", "50m Breaststroke",
    "50m Butterfly", "100m Freestyle", "100m Backstroke", "100m Breaststroke", "200m Freestyle", "200m Medley",
    "Relay" };

// Files of the athletics carnival as the program names them, and the 12 Boys'
// 100m result as it stands on disk.
inline constexpr const char* kBoys12 = "data\\athletics\\individuals\\12\\Boys.dat";
inline constexpr const char* kRecords = "data\\athletics.dat";
inline constexpr const char* kResult100m = "data/athletics/events/12Boys100m.dat";

// Writes data/carnival.dat for a carnival type and year.
void putCarnivalFile(const WorkingFolder& folder, std::string_view type, std::string_view year);

// Copies "pristine data/<type>" with all it holds to "data/<type>".
void copyTemplateToLive(const WorkingFolder& folder, std::string_view type);

// Fills an age-champion file (named as the program names it) with its 50
// slots, all alike.
void fillAgeChampFile(std::string_view programPath, const carnival::AgeChampEntry& slot);
void writeFreeSlots(std::string_view programPath, const std::vector<std::string>& eventItems);

// The key of an unset record, and whether its event is a distance event.
struct UnsetKey {
    const char* key;
    bool distance;
};

// The athletics carnival of 2010 the result windows start from: the
// carnival file, the installed houses, zero points, the live folder copied
// from its template, 50 free slots in each age-champion file named and the
// unset records 1, 2, ... of data\athletics.dat in the order given.
void layOutAthletics2010(
    const WorkingFolder& folder, const std::vector<std::string>& championFiles, const std::vector<UnsetKey>& records);

// The carnival a new carnival replaces: Athletics, 2001, its live folder
// copied from the template with one result in it, and the points so far.
void layOutAthletics2001(const WorkingFolder& folder);

// A competitor's record as earlier awards left it: the free slot of the
// event items with a name, a total and the given points cells.
carnival::AgeChampEntry competitorEntry(const std::vector<std::string>& eventItems, std::string_view name, int total,
    const std::map<int, std::string>& cells = {});

// A set record.
carnival::RecordEntry recordEntry(
    std::string_view key, std::string_view holder, std::int32_t value, std::string_view year);

// Puts one record into a records file or an age-champion file (created when
// missing), the rest of the file kept byte for byte.
void putRecord(std::string_view programPath, int number, const carnival::RecordEntry& record);
void putAgeChamp(std::string_view programPath, int number, const carnival::AgeChampEntry& entry);

// Record `number` of a records file or an age-champion file, or nothing when
// the file (missing files included) does not hold it.
std::optional<carnival::RecordEntry> storedRecord(std::string_view programPath, int number);
std::optional<carnival::AgeChampEntry> storedAgeChamp(std::string_view programPath, int number);

// Record `number` of an age-champion file and of a records file; a record
// the file does not hold fails the test and reads as an empty record.
carnival::AgeChampEntry ageChampAt(std::string_view programPath, int number);
carnival::RecordEntry recordAt(std::string_view programPath, int number);

// A competitor holds this name and total, with eventPoints in the points
// cell of cellIndex.
void expectCompetitor(
    std::string_view programPath, int number, const char* name, int total, int eventPoints, int cellIndex);

} // namespace testing_support
