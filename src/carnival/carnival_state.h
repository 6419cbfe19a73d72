#pragma once
// The carnival state every window of the main program shares: one instance
// per process, created empty, filled from the data files.

#include "fixed_text.h"
#include "records_file.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace carnival {

inline const std::array<std::string, 6> kAgeGroups = {"12", "13", "14", "15", "16", "17+"};
inline const std::array<std::string, 2> kSexes = {"Boys", "Girls"};
inline constexpr int kHouseCount = 4;

// One event of the current carnival type.
struct EventEntry {
    FixedText<20> name; // without the distance marker, padded to 20
    FixedText<8> kind;  // "Time" or "Distance", padded to 8

    bool isDistance() const { return kind.trimmed() == "Distance"; }
};

// Houses are numbered 1 to 4 in the program; the arrays hold them at 0 to 3.
struct CarnivalState {
    std::int16_t lastMsgBoxAnswer = 0;
    std::string carnivalType;
    std::string carnivalYear;
    std::array<std::string, kHouseCount> houseNames;
    std::array<std::int16_t, kHouseCount> housePoints {};
    std::vector<EventEntry> eventList;
    std::int16_t eventLastIndex = 0;
    std::string selectedAge;
    std::string selectedSex;
    std::string selectedEvent;
    std::string eventKind;
    RecordEntry currentRecord;
    std::string helpPagePath;
    std::int16_t wizardFinished = 0;
    std::int16_t resettingHouses = 0;
    std::int16_t splashProgress = 0;
    std::int16_t eggStage = 0;
};

// The process-wide carnival state.
CarnivalState& modDeclareGlobals();

// Empties the state again, as at process start (used by tests).
void resetCarnivalState();

} // namespace carnival
