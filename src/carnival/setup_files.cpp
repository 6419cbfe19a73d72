#include "setup_files.h"

#include "agechamp_file.h"
#include "carnival_state.h"
#include "data_error.h"
#include "fixed_text.h"
#include "number_form.h"
#include "paths.h"
#include "records_file.h"
#include "safe_text.h"
#include "text_files.h"

#include <filesystem>
#include <system_error>

namespace carnival {

namespace fs = std::filesystem;

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

void writeAgeChampTemplate(std::string_view programPath, const std::vector<std::string>& items)
{
    const AgeChampEntry entry = freeSlotTemplate(items);
    for (int number = 1; number <= kAgeChampSlots; ++number)
        writeAgeChamp(programPath, number, entry);
}

void writeInitialRecords(std::string_view programPath, const std::vector<std::string>& items)
{
    int number = 1;
    for (const std::string& age : kAgeGroups) {
        for (const std::string& sex : kSexes) {
            for (const std::string& item : items) {
                const SetupEvent event = setupEvent(item);
                writeRecord(programPath, number++, unsetRecord(age + sex + event.keyName, event.distance));
            }
        }
    }
}

namespace {

void copyFile(std::string_view from, std::string_view to)
{
    std::error_code ec;
    fs::copy_file(resolvePath(from), resolvePath(to), fs::copy_options::overwrite_existing, ec);
    if (ec)
        throw DataFileError(std::string(to), "the file cannot be copied from " + std::string(from) + ".");
}

} // namespace

void copyfilesaround(std::string_view type)
{
    const std::string workFile = type == "athletics" ? "athletic_agechamp.dat" : "swimming_agechamp.dat";
    const std::string folder = type == "athletics" ? "pristine data\\athletics" : "pristine data\\swimming";
    copyFile(workFile, "girls.dat");
    copyFile(workFile, "boys.dat");
    for (const char* file : { "boys.dat", "girls.dat" })
        for (const std::string& age : kAgeGroups)
            copyFile(file, folder + "\\individuals\\" + age + "\\" + file);
    deleteFile(workFile);
    deleteFile("boys.dat");
    deleteFile("girls.dat");
}

const SetupPass& athleticsPass()
{
    static const SetupPass pass { "athletics", "pristine data\\athletics\\events.dat", "athletic_agechamp.dat",
        "data\\athletics.dat" };
    return pass;
}

const SetupPass& swimmingPass()
{
    static const SetupPass pass { "swimming", "pristine data\\swimming\\events.dat", "swimming_agechamp.dat",
        "data\\swimming.dat" };
    return pass;
}

void saveSetupPass(const SetupPass& pass, const std::vector<std::string>& items)
{
    for (const std::string& age : kAgeGroups)
        if (!folderExists("pristine data\\" + pass.type + "\\individuals\\" + age))
            throw DataFileError("pristine data\\" + pass.type + "\\individuals\\" + age, "the folder is missing.");

    fs::remove(resolvePath(pass.workFile));
    writeAgeChampTemplate(pass.workFile, items);
    writeFileAtomically(pass.templateList, eventListContent(items));
    writeInitialRecords(pass.recordsFile, items);
    modDeclareGlobals().carnivalType = pass.type;
    copyfilesaround(pass.type);
}

} // namespace carnival
