#include "scoring.h"

#include "agechamp_file.h"
#include "carnival_state.h"
#include "fixed_text.h"

#include <limits>

namespace carnival {

namespace {

constexpr int kMinTotal = std::numeric_limits<std::int16_t>::min();
constexpr int kMaxTotal = std::numeric_limits<std::int16_t>::max();

// Normal points by tie position: places 1 to 4, then the draw line.
constexpr std::array<std::array<int, 5>, 5> kNormalPoints { {
    { 8, 6, 4, 2, 0 },
    { 7, 7, 4, 2, 0 },
    { 8, 5, 5, 2, 0 },
    { 8, 6, 3, 3, 0 },
    { 8, 6, 4, 1, 1 },
} };

} // namespace

std::array<int, 5> normalPoints(int drawpos)
{
    return kNormalPoints.at(static_cast<std::size_t>(drawpos));
}

std::array<int, 5> relayPoints(int drawpos)
{
    std::array<int, 5> points = normalPoints(drawpos);
    for (int& p : points)
        p *= 2;
    return points;
}

bool rowCounts(const Placing& row, int rowIndex)
{
    return rowIndex == 0 || !trimBlanks(row.name).empty();
}

int HouseTotals::matchHouse(std::string_view houseText, int pointsToAdd)
{
    for (int i = 0; i < 4; ++i) {
        if (names[i] == houseText) {
            points[i] += pointsToAdd;
            return i;
        }
    }
    return -1;
}

int HouseTotals::houseOutOfRange() const
{
    for (int i = 0; i < 4; ++i)
        if (points[i] < kMinTotal || points[i] > kMaxTotal)
            return i;
    return -1;
}

namespace {

void applyHousePoints(HouseTotals& totals, const ResultForm& form, const std::array<int, 5>& points, int sign)
{
    // A scored row always has a house (the form check sees to it), so an
    // empty house text is the house whose name is empty.
    auto apply = [&](const Placing& row, int rowIndex) {
        if (rowCounts(row, rowIndex))
            totals.matchHouse(row.house, sign * points[rowIndex]);
    };
    for (int row = 0; row < 4; ++row)
        apply(form.places[row], row);
    if (points[4] != 0)
        apply(form.drawLine, 4);
}

} // namespace

void addHousePoints(HouseTotals& totals, const ResultForm& form, const std::array<int, 5>& points)
{
    applyHousePoints(totals, form, points, +1);
}

void takeBackHousePoints(HouseTotals& totals, const ResultForm& form, const std::array<int, 5>& points)
{
    applyHousePoints(totals, form, points, -1);
}

int eventCellIndex(std::string_view selectedEvent)
{
    const CarnivalState& state = modDeclareGlobals();
    for (std::size_t i = 0; i < state.eventList.size(); ++i) {
        if (state.eventList[i].name.raw() == selectedEvent)
            return i < static_cast<std::size_t>(kAgeChampEventCells) ? static_cast<int>(i) : -1;
    }
    return -1;
}

std::vector<Award> awardsFor(const ResultForm& form, const std::array<int, 5>& points)
{
    std::vector<Award> awards;
    for (int row = 0; row < 4; ++row)
        if (rowCounts(form.places[row], row))
            awards.push_back({ form.places[row].name, points[row] });
    if (points[4] != 0 && rowCounts(form.drawLine, 4))
        awards.push_back({ form.drawLine.name, points[4] });
    return awards;
}

namespace {

void setPointsCell(AgeChampEntry& entry, int cellIndex, int points)
{
    if (cellIndex >= 0 && cellIndex < kAgeChampEventCells)
        entry.eventPoints[static_cast<std::size_t>(cellIndex)].assign(std::to_string(points));
}

// The first record whose trimmed name equals `name` as the record would keep
// it (free slots too).
AgeChampEntry* findByName(std::vector<AgeChampEntry>& entries, std::string_view name)
{
    const std::string wanted = storedCompetitorName(name);
    for (std::size_t i = 0; i < entries.size() && i < kAgeChampSlots; ++i)
        if (entries[i].name.trimmed() == wanted)
            return &entries[i];
    return nullptr;
}

AgeChampEntry* findFreeSlot(std::vector<AgeChampEntry>& entries)
{
    for (std::size_t i = 0; i < entries.size() && i < kAgeChampSlots; ++i)
        if (isFreeSlot(entries[i]))
            return &entries[i];
    return nullptr;
}

} // namespace

SlotOutcome findAgeChampSlot(std::vector<AgeChampEntry>& entries, std::string_view name, int points, int cellIndex)
{
    if (AgeChampEntry* entry = findByName(entries, name)) {
        const int total = entry->points + points;
        if (total < kMinTotal || total > kMaxTotal)
            return SlotOutcome::TotalOutOfRange;
        entry->points = static_cast<std::int16_t>(total);
        setPointsCell(*entry, cellIndex, points);
        return SlotOutcome::AddedToCompetitor;
    }
    if (AgeChampEntry* entry = findFreeSlot(entries)) {
        entry->name.assign(name);
        entry->points = static_cast<std::int16_t>(points);
        setPointsCell(*entry, cellIndex, points);
        return SlotOutcome::NewCompetitor;
    }
    return SlotOutcome::NoFreeSlot;
}

void removeIndividualPoints(std::vector<AgeChampEntry>& entries, std::string_view name, int points, int cellIndex)
{
    if (trimBlanks(name).empty())
        return;
    if (AgeChampEntry* entry = findByName(entries, name)) {
        const int total = entry->points - points;
        entry->points = static_cast<std::int16_t>(total < kMinTotal ? kMinTotal : total);
        setPointsCell(*entry, cellIndex, 0);
    }
}

} // namespace carnival
