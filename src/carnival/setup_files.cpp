#include "setup_files.h"

#include "agechamp_file.h"
#include "carnival_state.h"
#include "data_error.h"
#include "file_transaction.h"
#include "fixed_text.h"
#include "number_form.h"
#include "paths.h"
#include "records_file.h"
#include "safe_text.h"
#include "text_files.h"


namespace carnival {

SetupEvent setupEvent(std::string_view item)
{
    SetupEvent event { removeBlanks(item), false };
    if (!event.keyName.empty() && event.keyName.back() == '1') {
        event.keyName.pop_back();
        event.distance = true;
    }
    return event;
}

std::optional<std::string> eventNameProblem(std::string_view item)
{
    // Windows refuses : * ? " < > | in file names as well.
    if (!isSafeName(item) || item.find_first_of(":*?\"<>|") != std::string_view::npos)
        return "The event name \"" + std::string(item)
            + "\" holds a character that cannot be used in a file name (\\ / : * ? \" < > |, two dots in a row, "
              "or a control character).";
    if (trimBlanks(item).empty())
        return std::string("An event needs a name.");
    const SetupEvent event = setupEvent(item);
    const std::size_t nameLength = item.size() - (event.distance ? 1 : 0);
    if (event.keyName.size() > kMaxEventKeyLength || nameLength > kMaxEventNameLength)
        return "The event name \"" + std::string(item) + "\" is too long: an event name may have at most "
            + std::to_string(kMaxEventNameLength) + " characters, and at most " + std::to_string(kMaxEventKeyLength)
            + " besides its blanks.";
    if (event.distance != (item.back() == '1'))
        return "The event name \"" + std::string(item)
            + "\" has blanks after its distance marker. Please put the \"1\" at the very end.";
    return std::nullopt;
}

std::optional<std::string> eventListProblem(const std::vector<std::string>& items)
{
    if (items.empty())
        return std::string("A carnival needs at least one event. Please add the events before clicking \"Next\".");
    if (items.size() > static_cast<std::size_t>(kMaxEvents))
        return "A carnival can have at most " + std::to_string(kMaxEvents) + " events; this list has "
            + std::to_string(items.size()) + ". Please remove some before clicking \"Next\".";
    for (const std::string& item : items)
        if (auto problem = eventNameProblem(item))
            return problem;
    return std::nullopt;
}

std::string eventListContent(const std::vector<std::string>& items)
{
    std::vector<std::string> lines { numberForm(static_cast<long long>(items.size())) };
    lines.insert(lines.end(), items.begin(), items.end());
    return joinLines(lines);
}

std::vector<std::string> readTemplateItems(std::string_view programPath)
{
    std::vector<std::string> lines = splitLines(readFileContent(programPath));
    if (!lines.empty())
        lines.erase(lines.begin());
    return lines;
}

std::string ageChampTemplate(const std::vector<std::string>& items)
{
    return encodeAgeChamps(std::vector<AgeChampEntry>(kAgeChampSlots, freeSlotTemplate(items)));
}

std::vector<RecordEntry> unsetRecords(const std::vector<SetupEvent>& events)
{
    std::vector<RecordEntry> records;
    records.reserve(kAgeGroups.size() * kSexes.size() * events.size());
    for (const std::string& age : kAgeGroups)
        for (const std::string& sex : kSexes)
            for (const SetupEvent& event : events)
                records.push_back(unsetRecord(age + sex + event.keyName, event.distance));
    return records;
}

void writeInitialRecords(FileTransaction& files, std::string_view programPath, const std::vector<std::string>& items)
{
    std::vector<SetupEvent> events;
    for (const std::string& item : items)
        events.push_back(setupEvent(item));
    std::string content = files.readIfThere(programPath).value_or(std::string());
    const std::vector<RecordEntry> records = unsetRecords(events);
    for (std::size_t i = 0; i < records.size(); ++i)
        storeRecord(content, static_cast<int>(i) + 1, records[i]);
    files.write(programPath, std::move(content));
}

void copyfilesaround(FileTransaction& files, std::string_view type, const std::string& champions)
{
    const std::string workFile = type == "athletics" ? "athletic_agechamp.dat" : "swimming_agechamp.dat";
    const std::string folder = type == "athletics" ? "pristine data\\athletics" : "pristine data\\swimming";
    for (const char* file : { "boys.dat", "girls.dat" })
        for (const std::string& age : kAgeGroups)
            files.write(folder + "\\individuals\\" + age + "\\" + file, champions);
    for (const std::string& leftOver : { workFile, std::string("boys.dat"), std::string("girls.dat") })
        if (fileExists(leftOver))
            files.remove(leftOver);
}

const SetupPass& athleticsPass()
{
    static const SetupPass pass { "athletics", "pristine data\\athletics\\events.dat", "data\\athletics.dat" };
    return pass;
}

const SetupPass& swimmingPass()
{
    static const SetupPass pass { "swimming", "pristine data\\swimming\\events.dat", "data\\swimming.dat" };
    return pass;
}

void saveSetupPass(const SetupPass& pass, const std::vector<std::string>& items)
{
    for (const std::string& age : kAgeGroups)
        if (!folderExists("pristine data\\" + pass.type + "\\individuals\\" + age))
            throw DataFileError("pristine data\\" + pass.type + "\\individuals\\" + age, "the folder is missing.");

    PathScope paths;
    FileTransaction files;
    files.write(pass.templateList, eventListContent(items));
    writeInitialRecords(files, pass.recordsFile, items);
    copyfilesaround(files, pass.type, ageChampTemplate(items));
    files.commit();
    modDeclareGlobals().carnivalType = pass.type;
}

} // namespace carnival
