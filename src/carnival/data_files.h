#pragma once
// The carnival's text data files and the paths and keys built on the state.

#include "carnival_state.h"
#include "data_error.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace carnival {

inline constexpr std::string_view kCarnivalFile = "data\\carnival.dat";
inline constexpr std::string_view kHousesFile = "data\\houses.dat";
inline constexpr std::string_view kPointsFile = "data\\points.dat";
inline constexpr std::string_view kFirstRunPlaceholder = "Click New Carnival";

struct CarnivalId {
    std::string type;
    std::string year;
};

// Pure reads and writes of the files. Names that become part of paths (the
// carnival type and year, the event names) must be safe names, and an event
// count must lie within 1 to 32767; otherwise the file is malformed.
std::array<std::string, kHouseCount> readHouses();
CarnivalId readCarnival();
// The carnival named in the content of the carnival file, as readCarnival()
// reads it.
CarnivalId carnivalIn(std::string_view content);
std::array<std::int16_t, kHouseCount> readPoints();
// The totals in the content of the points file, as readPoints() reads them.
std::array<std::int16_t, kHouseCount> pointsIn(std::string_view content);
std::vector<EventEntry> readEventList(std::string_view programPath);
// The event list path of a carnival type: data\<type>\events.dat.
std::string eventListPath(std::string_view carnivalType);

// Another program has started another carnival since the windows were
// loaded: a change made for the carnival they show must not go ahead.
class CarnivalChanged : public DataFileError {
public:
    using DataFileError::DataFileError;
};
// Throws CarnivalChanged unless the content of the carnival file names the
// carnival of this type and year (DataFileError when it is malformed).
void requireCarnival(std::string_view carnivalContent, std::string_view type, std::string_view year);

// The update form: the four totals in print zones on one line.
std::string pointsUpdateContent(const std::array<std::int16_t, kHouseCount>& totals);
void writePointsUpdate(const std::array<std::int16_t, kHouseCount>& totals);
// The reset form: four lines of 0.
std::string pointsResetContent();
void writePointsReset();
// The carnival file with the type and the numeric value of the typed year,
// which must fit the number form (yearProblem in new_carnival.h).
std::string carnivalFileContent(std::string_view type, std::string_view typedYear);
void writeCarnivalFile(std::string_view type, std::string_view typedYear);
// The houses file: four names exactly as typed.
void writeHousesFile(const std::array<std::string, kHouseCount>& names);

// The same reads, filling the carnival state.
void readHousesFile();
void readCarnivalFile();
void readPointsFile();
// Fills eventList and eventLastIndex from the list of the current type.
void loadEventList();

// Sets eventKind from the first listed event (from index firstIndex on) whose
// padded name equals selectedEvent; false, and nothing changed, when none does.
bool lookUpEventKind(int firstIndex = 0);

// data\<type>\individuals\<age>\<sex>.dat with every blank removed.
std::string ageChampPath(std::string_view age, std::string_view sex);
// Age group, sex and event run together with every blank removed.
std::string recordKey(std::string_view age, std::string_view sex, std::string_view event);
// data\<type><year>, where a new carnival keeps the one before it.
std::string backupFolderPath(std::string_view carnivalType, std::string_view carnivalYear);

} // namespace carnival
