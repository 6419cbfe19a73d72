#pragma once
// Starting a new carnival: the current carnival's folder and points go to a
// backup folder named after its type and year, the type's template tree
// becomes the live folder, the points start at zero and the carnival file
// names the new type and year.

#include <optional>
#include <string>
#include <string_view>

namespace carnival {

inline constexpr std::string_view kCarnivalExists = "That carnival already exists. Please enter a different year.";

struct NewCarnival {
    std::string templateFolder; // pristine data\athletics
    std::string liveFolder;     // data\athletics
    std::string typeWord;       // Athletics
};
const NewCarnival& newAthleticsCarnival();
const NewCarnival& newSwimmingCarnival();

// Why a typed year cannot be kept: its value is too large for the number
// form (text without a number is the year 0).
std::optional<std::string> yearProblem(std::string_view typedYear);

// Why the new carnival cannot be started, checked before anything changes:
// the message for the user, or nothing when every step can go ahead.
// currentType and currentYear name the carnival being backed up.
std::optional<std::string> newCarnivalProblem(const NewCarnival& kind, std::string_view currentType,
    std::string_view currentYear);

// Starts the new carnival. Returns the message of a failure; a failure part
// way undoes the steps already taken, so the old carnival stays as it was.
// Where asked, says whether it failed because another program had started
// another carnival since currentType and currentYear were read.
std::optional<std::string> startNewCarnival(const NewCarnival& kind, std::string_view currentType,
    std::string_view currentYear, std::string_view typedYear, bool* carnivalChanged = nullptr);

} // namespace carnival
