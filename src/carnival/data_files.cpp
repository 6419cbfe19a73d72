#include "data_files.h"

#include "data_error.h"
#include "number_form.h"
#include "safe_text.h"
#include "text_files.h"

#include <cmath>

namespace carnival {

namespace {
// eventLastIndex, one less than the count, is a 16-bit number.
constexpr int kMaxListedEvents = 32767;
} // namespace

std::array<std::string, kHouseCount> readHouses()
{
    LineReader reader = LineReader::open(kHousesFile);
    std::array<std::string, kHouseCount> names;
    for (int i = 0; i < kHouseCount; ++i)
        names[i] = trimBlanks(reader.next("the name of house " + std::to_string(i + 1)));
    return names;
}

CarnivalId readCarnival()
{
    return carnivalIn(readFileContent(kCarnivalFile));
}

CarnivalId carnivalIn(std::string_view content)
{
    FieldReader reader(content, std::string(kCarnivalFile));
    CarnivalId id;
    id.type = reader.nextText("the carnival type");
    id.year = reader.nextText("the carnival year");
    // Both become part of folder names (data\<type>, data\<type><year>).
    if (!isSafeFolderName(id.type))
        throw DataFileError(std::string(kCarnivalFile),
            "the carnival type \"" + id.type + "\" cannot name a folder: it may not be blank, and "
                + std::string(kSafeNameRule) + ".");
    if (!isSafeName(id.year))
        throw DataFileError(std::string(kCarnivalFile),
            "the carnival year \"" + id.year + "\" cannot be part of a folder name: " + std::string(kSafeNameRule)
                + ".");
    return id;
}

void requireCarnival(std::string_view carnivalContent, std::string_view type, std::string_view year)
{
    const CarnivalId now = carnivalIn(carnivalContent);
    if (now.type != type || now.year != year)
        throw CarnivalChanged(std::string(kCarnivalFile),
            "another program has started the carnival " + now.type + ", " + now.year + " since this program loaded "
                + std::string(type) + ", " + std::string(year)
                + ", so nothing was saved. Once this window is closed, the main window shows the carnival as it now "
                  "stands.");
}

std::array<std::int16_t, kHouseCount> readPoints()
{
    return pointsIn(readFileContent(kPointsFile));
}

std::array<std::int16_t, kHouseCount> pointsIn(std::string_view content)
{
    FieldReader reader(content, std::string(kPointsFile));
    std::array<std::int16_t, kHouseCount> totals {};
    for (int i = 0; i < kHouseCount; ++i)
        totals[i] = reader.nextInt16("the total of house " + std::to_string(i + 1));
    return totals;
}

std::string eventListPath(std::string_view carnivalType)
{
    return "data\\" + std::string(carnivalType) + "\\events.dat";
}

std::vector<EventEntry> readEventList(std::string_view programPath)
{
    LineReader reader = LineReader::open(programPath);
    const std::string countLine = reader.next("the event count");
    const double count = std::nearbyint(numericValue(countLine));
    if (count < 1)
        throw DataFileError(std::string(programPath),
            "line 1 gives " + trimBlanks(countLine) + " events; a carnival needs at least one event.");
    if (count > kMaxListedEvents)
        throw DataFileError(std::string(programPath),
            "line 1 gives " + trimBlanks(countLine) + " events, more than the " + std::to_string(kMaxListedEvents)
                + " an event list can hold.");

    std::vector<EventEntry> events;
    for (int i = 0; i < count; ++i) {
        std::string line = reader.next("event " + std::to_string(i + 1) + " of the "
            + std::to_string(static_cast<long long>(count)) + " that line 1 promises");
        EventEntry entry;
        if (!line.empty() && line.back() == '1') {
            line.pop_back();
            entry.kind.assign("Distance");
        } else {
            entry.kind.assign("Time");
        }
        // The name becomes part of the event's result file name.
        if (!isSafeName(line))
            throw DataFileError(std::string(programPath),
                "the name of event " + std::to_string(i + 1) + ", \"" + line
                    + "\", cannot be part of a file name: " + std::string(kSafeNameRule) + ".");
        entry.name.assign(line);
        events.push_back(entry);
    }
    return events;
}

std::string pointsUpdateContent(const std::array<std::int16_t, kHouseCount>& totals)
{
    std::vector<std::string> items;
    for (std::int16_t total : totals)
        items.push_back(numberForm(static_cast<long long>(total)));
    return printZones(items) + std::string(kLineEnd);
}

void writePointsUpdate(const std::array<std::int16_t, kHouseCount>& totals)
{
    writeFileAtomically(kPointsFile, pointsUpdateContent(totals));
}

std::string pointsResetContent()
{
    const std::string zero = numberForm(0LL);
    return joinLines({zero, zero, zero, zero});
}

void writePointsReset()
{
    writeFileAtomically(kPointsFile, pointsResetContent());
}

std::string carnivalFileContent(std::string_view type, std::string_view typedYear)
{
    return joinLines({std::string(type), numberForm(numericValue(typedYear))});
}

void writeCarnivalFile(std::string_view type, std::string_view typedYear)
{
    writeFileAtomically(kCarnivalFile, carnivalFileContent(type, typedYear));
}

void writeHousesFile(const std::array<std::string, kHouseCount>& names)
{
    writeFileAtomically(kHousesFile, joinLines({names.begin(), names.end()}));
}

void readHousesFile()
{
    modDeclareGlobals().houseNames = readHouses();
}

void readCarnivalFile()
{
    CarnivalId id = readCarnival();
    CarnivalState& state = modDeclareGlobals();
    state.carnivalType = std::move(id.type);
    state.carnivalYear = std::move(id.year);
}

void readPointsFile()
{
    modDeclareGlobals().housePoints = readPoints();
}

void loadEventList()
{
    CarnivalState& state = modDeclareGlobals();
    std::vector<EventEntry> events = readEventList(eventListPath(state.carnivalType));
    state.eventList = std::move(events);
    state.eventLastIndex = static_cast<std::int16_t>(state.eventList.size() - 1);
}

bool lookUpEventKind(int firstIndex)
{
    CarnivalState& state = modDeclareGlobals();
    for (int i = firstIndex; i <= state.eventLastIndex && i < static_cast<int>(state.eventList.size()); ++i) {
        const EventEntry& entry = state.eventList[static_cast<std::size_t>(i)];
        if (entry.name.raw() == state.selectedEvent) {
            state.eventKind = entry.kind.raw();
            return true;
        }
    }
    return false;
}

std::string ageChampPath(std::string_view age, std::string_view sex)
{
    const CarnivalState& state = modDeclareGlobals();
    return removeBlanks("data\\" + state.carnivalType + "\\individuals\\" + std::string(age) + "\\"
        + std::string(sex) + ".dat");
}

std::string recordKey(std::string_view age, std::string_view sex, std::string_view event)
{
    return removeBlanks(std::string(age) + std::string(sex) + std::string(event));
}

std::string backupFolderPath(std::string_view carnivalType, std::string_view carnivalYear)
{
    return "data\\" + std::string(carnivalType) + std::string(carnivalYear);
}

} // namespace carnival
