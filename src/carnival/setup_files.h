#pragma once
// The starting files the set-up wizard derives from an event list: the
// template event list, the age champions' template and the unset records.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace carnival {

class FileTransaction;

inline constexpr int kMaxEvents = 20;
// "17+Girls" and the event's key name must fit the 25 characters of a key.
inline constexpr std::size_t kMaxEventKeyLength = 17;
// The event list keeps 20 characters of a name.
inline constexpr std::size_t kMaxEventNameLength = 20;

// One event of the records step: its key name (blanks and the distance
// marker removed) and whether it is a distance event.
struct SetupEvent {
    std::string keyName;
    bool distance = false;
};
SetupEvent setupEvent(std::string_view item);

// Why an event name cannot be used, or nothing when it can: characters that
// no file name may hold, or a name too long for its records.
std::optional<std::string> eventNameProblem(std::string_view item);

// Why a whole list cannot be saved (empty, too long, a bad name), or nothing.
std::optional<std::string> eventListProblem(const std::vector<std::string>& items);

// The event list file: the count in number form, then the items as typed.
std::string eventListContent(const std::vector<std::string>& items);

// The items of a template list: every line after line 1.
std::vector<std::string> readTemplateItems(std::string_view programPath);

// The age champions' template: 50 free slots naming the events.
std::string ageChampTemplate(const std::vector<std::string>& items);

// Stages records 1 to 12 x n of a records file: one unset record per age
// group, sex and event, in that order; later records are left as they were.
void writeInitialRecords(FileTransaction& files, std::string_view programPath, const std::vector<std::string>& items);

// Stages the age champions' template as boys.dat and girls.dat in the six
// individuals folders of the type's template tree, and the deletion of the
// work files an earlier, interrupted set-up may have left in the working
// folder. type is "athletics" or "swimming".
void copyfilesaround(FileTransaction& files, std::string_view type, const std::string& champions);

// The template files of one type, from the list being edited.
struct SetupPass {
    std::string type;          // "athletics" or "swimming"
    std::string templateList;  // pristine data\<type>\events.dat
    std::string recordsFile;   // data\<type>.dat
};
const SetupPass& athleticsPass();
const SetupPass& swimmingPass();

// Writes every file of one pass, all or none: the template list, the
// records and the placed age champions' templates. Throws DataFileError.
void saveSetupPass(const SetupPass& pass, const std::vector<std::string>& items);

} // namespace carnival
