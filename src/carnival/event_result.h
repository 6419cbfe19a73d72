#pragma once
// The result of one event: the 15 boxes of the entry and edit windows, the
// event result file that stores them (plain form of 12 lines, Draw form of 17)
// and the rules that read them: validation, the tie test and the tie position.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace carnival {

inline constexpr std::string_view kDrawLineDefault = "Only use for draws!";
inline constexpr std::string_view kDrawMarker = "Draw";
inline constexpr int kPlainLines = 12;
inline constexpr int kDrawLines = 17;
// An event whose result file exists is entered, whatever the file holds.
inline constexpr std::string_view kAlreadyEntered = "This event has already been entered - edit it instead.";

// One row of the form: a competitor's name, house and time or distance.
struct Placing {
    std::string name;
    std::string house;
    std::string td;
    // Set when the house was chosen from the list, which a house whose name
    // is empty needs: its text alone does not tell it from no choice.
    bool houseChosen = false;

    bool hasHouse() const { return houseChosen || !house.empty(); }

    bool operator==(const Placing&) const = default;
};

// The four placings and the draw line, each text exactly as it stands.
struct ResultForm {
    std::array<Placing, 4> places;
    Placing drawLine { std::string(kDrawLineDefault), {}, {} };

    // The draw line is in use once its name differs from the default text,
    // unless its name, house and time or distance are all left blank.
    bool drawLineInUse() const;

    bool operator==(const ResultForm&) const = default;
};

// data\<type>\events\<age><sex><event>.dat with every blank removed.
std::string eventResultPath(std::string_view age, std::string_view sex, std::string_view event);

// The tie position from the five time/distance texts compared as typed:
// 1 = 1st and 2nd, 2 = 2nd and 3rd, 3 = 3rd and 4th, 4 = 4th and the draw
// line, 0 = no tie. The last equal pair wins.
int findDrawpos(const ResultForm& form);

// The adjacent pairs (1 to 4, in order) whose values are numerically equal:
// the tie test of a save. An empty box counts as 0; pairs 2 to 4 are only
// tested when the lower box of the pair is not empty.
std::vector<int> numericTiePairs(const ResultForm& form);

// True when every numerically tied pair is also typed alike, so that the tie
// position can be found from the texts.
bool tiesTypedAlike(const ResultForm& form);

// A time is a number of exactly 6 characters, a distance of exactly 4.
bool validPerformance(std::string_view text, std::string_view eventKind);

// The form check shared by the entry and edit windows.
bool validateForm(const ResultForm& form, std::string_view eventKind);

std::vector<std::string> plainFormLines(const ResultForm& form);
std::vector<std::string> drawFormLines(const ResultForm& form, int drawpos);

// Whole-file writes of the two forms; throw DataFileError on failure.
void writePlainResult(std::string_view path, const ResultForm& form);
void writeDrawResult(std::string_view path, const ResultForm& form, int drawpos);

// The tie position of a Draw form is read as a 16-bit number.
inline constexpr int kTiePositionLowest = -32768;
inline constexpr int kTiePositionHighest = 32767;

struct StoredResult {
    bool isDraw = false;
    // 0 for the plain form; for the Draw form line 2 as a number, nothing
    // when it lies outside the range a tie position is read in.
    std::optional<int> drawpos = 0;
    ResultForm form;         // the draw line is filled in the Draw form only
    std::vector<std::string> lines;
};

// Reads an event result file. The Draw form is taken when the first line
// trimmed is "Draw" and the file holds the Draw form's 17 lines; a plain
// result whose first competitor is called Draw stays a plain result.
// Throws DataFileError when the file is missing or too short; the tie
// position is not checked, since only the edit window uses it.
StoredResult readEventResult(std::string_view path);
// The same, from the file's content.
StoredResult readEventResult(std::string_view path, std::string_view content);

} // namespace carnival
