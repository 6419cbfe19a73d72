#pragma once
// Saving, taking back and deleting the result of the chosen event (the
// selection in the carnival state): the steps behind the entry and edit
// windows' buttons, in their order, with the messages they give.

#include "event_result.h"

#include <optional>
#include <string>
#include <vector>

namespace carnival {

inline constexpr std::string_view kLeaveDrawBoxesAlone = "Please leave the Draw boxes alone if there isn't a draw.";
inline constexpr std::string_view kTiesTypedDifferently =
    "Two placings have the same time or distance typed in different ways. Please type tied times or distances "
    "exactly alike (for example 012.50 both times) so that the tie can be scored.";
inline constexpr std::string_view kDrawInEdit = "Draws can't be re-entered from an edit screen. Re-enter the whole event.";
inline constexpr std::string_view kEnterDrawAgain = "Please enter the event again from the 'Enter Event' menu.";

enum class Refusal {
    None,               // saved (messages may tell of records or problems)
    InvalidForm,        // the form check failed: nothing written
    DrawLineWithoutTie, // a draw line with no tie: nothing written
    TiesTypedDifferently,
    NotSaved,           // a file failed, a house total would leave its
                        // range or the event was entered meanwhile: no
                        // file changed, the messages say why
    CarnivalChanged     // another program started another carnival since
                        // the windows were loaded: no file changed
};

// Each operation below changes all of its files or none of them: every file
// is read once, the changes are made in memory and committed together. Each
// is made for the carnival the windows show, and computes what it writes
// only from the files it reads, the house totals included.
struct SaveOutcome {
    Refusal refusal = Refusal::None;
    // Messages for the user, in order (points that could not be stored,
    // records broken; or why nothing was saved).
    std::vector<std::string> messages;
};

// Entry window: validates, writes the result, scores individual points (not
// for a relay), house points and the record; refused when the event has been
// entered since it was chosen. The draw line counts as unused
// while its name holds the default text or all three of its boxes are blank.
SaveOutcome saveNewResult(ResultForm form);

// Edit window: validates; a tie deletes the event (it must be entered again);
// otherwise writes the plain form, scores it with the normal points and
// checks the record.
SaveOutcome saveEditedResult(const ResultForm& form);

struct OpenedResult {
    StoredResult stored;
    std::vector<std::string> messages;
    // Why the event cannot be edited; nothing was changed then and the
    // event's points are still counted.
    std::optional<std::string> failure;
};

// Opening an event in the edit window: reads the stored result and takes its
// house points and individual points back at once.
OpenedResult openResultForEditing();

// Deletes the chosen event's result file (its points are already taken back).
SaveOutcome deleteChosenResult();

} // namespace carnival
