#pragma once
// The lines of the printouts of the progressive points and of one event.

#include "carnival_state.h"
#include "event_result.h"
#include "print_line.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace carnival {

// One line per house: its name trimmed and ":", then its total in the next zone.
std::vector<PrintLine> progressivePointLines(
    const std::array<std::string, kHouseCount>& houseNames, const std::array<std::int16_t, kHouseCount>& totals);

// The age, the sex and the event as listed (trailing blanks kept), each
// separated by one blank.
std::string eventReportTitle(std::string_view age, std::string_view sex, std::string_view event);

// "Name:", "House:" and "Time/Distance:" in zones 1, 3 and 5.
PrintLine eventReportHeading();

// The placings of a stored result: the first always, the others when their
// name is not empty text; for a Draw result the draw line too when its name is
// not empty. Placings put the time or distance in zone 6, the draw line in
// zone 5. The tie position is not printed.
std::vector<PrintLine> eventReportLines(const StoredResult& result);

} // namespace carnival
