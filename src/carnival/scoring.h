#pragma once
// House points and individual points of an event, and taking them back.

#include "agechamp_file.h"
#include "event_result.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace carnival {

// Points of the four places and the draw line, by tie position (0 = no tie).
std::array<int, 5> normalPoints(int drawpos);
std::array<int, 5> relayPoints(int drawpos);

// A row scores when it is the first place or its name is not blank.
bool rowCounts(const Placing& row, int rowIndex);

// The house totals being changed by one scoring step. Additions that would
// take a total outside the signed 16-bit range are refused as a whole.
struct HouseTotals {
    std::array<std::string, 4> names;
    std::array<int, 4> points {};

    // The first house whose name equals the text exactly gets the points.
    // Returns the house index (0 to 3), or -1 when no name matches.
    int matchHouse(std::string_view houseText, int pointsToAdd);

    // The house whose total left the 16-bit range, or -1.
    int houseOutOfRange() const;
};

// Adds the house points of the rows; `points` holds the points of places 1
// to 4 and the draw line (the draw line is scored only when its points are
// not 0).
void addHousePoints(HouseTotals& totals, const ResultForm& form, const std::array<int, 5>& points);

// Takes house points back: the same rows, the points subtracted.
void takeBackHousePoints(HouseTotals& totals, const ResultForm& form, const std::array<int, 5>& points);

// ---- Individual points in the age-champion file ----

// The event's points cell: the event's position in the carnival's event list,
// which is the order of the name cells. -1 when the event is not listed or
// lies past the 20 cells.
int eventCellIndex(std::string_view selectedEvent);

struct Award {
    std::string name;
    int points = 0;
};

// The awards of the counting rows of a form with the given points.
std::vector<Award> awardsFor(const ResultForm& form, const std::array<int, 5>& points);

enum class SlotOutcome { AddedToCompetitor, NewCompetitor, NoFreeSlot, TotalOutOfRange };

// Awards points to a competitor among the records of an age-champion file:
// the first record with that name (trimmed record name against the name as
// the record would keep it, so a trailing blank or a 31st character makes no
// new competitor), else the first free slot.
SlotOutcome findAgeChampSlot(std::vector<AgeChampEntry>& entries, std::string_view name, int points, int cellIndex);

// Takes points back from the first record of that name; nothing when there is
// none or the name is blank.
void removeIndividualPoints(std::vector<AgeChampEntry>& entries, std::string_view name, int points, int cellIndex);

} // namespace carnival
