#include "new_carnival.h"

#include "carnival_state.h"
#include "data_error.h"
#include "data_files.h"
#include "file_transaction.h"
#include "fixed_text.h"
#include "number_form.h"
#include "paths.h"
#include "safe_text.h"
#include "text_files.h"

#include <vector>

namespace carnival {

const NewCarnival& newAthleticsCarnival()
{
    static const NewCarnival kind { "pristine data\\athletics", "data\\athletics", "Athletics" };
    return kind;
}

const NewCarnival& newSwimmingCarnival()
{
    static const NewCarnival kind { "pristine data\\swimming", "data\\swimming", "Swimming" };
    return kind;
}

namespace {

std::string currentFolder(std::string_view currentType)
{
    return "data\\" + std::string(currentType);
}

bool pathTaken(std::string_view programPath)
{
    return standsAt(resolvePath(programPath));
}

// The part of the type's template tree that a new carnival needs and cannot
// make: the event list, the results folder and the six age-group folders.
std::optional<std::string> templateProblem(const std::string& templateFolder)
{
    std::vector<std::string> folders { templateFolder, templateFolder + "\\events" };
    for (const std::string& age : kAgeGroups)
        folders.push_back(templateFolder + "\\individuals\\" + age);
    for (const std::string& folder : folders)
        if (!folderExists(folder))
            return "The template folder \"" + folder + "\" is missing, so a new carnival cannot start.";
    const std::string eventList = templateFolder + "\\events.dat";
    if (!fileExists(eventList))
        return "The template event list \"" + eventList + "\" is missing, so a new carnival cannot start.";
    return std::nullopt;
}

} // namespace

std::optional<std::string> yearProblem(std::string_view typedYear)
{
    if (fitsNumberForm(numericValue(typedYear)))
        return std::nullopt;
    return "The year \"" + std::string(typedYear) + "\" is too large. Please type a year of at most 15 digits.";
}

std::optional<std::string> newCarnivalProblem(const NewCarnival& kind, std::string_view currentType,
    std::string_view currentYear)
{
    if (!isSafeFolderName(currentType) || !isSafeName(currentYear))
        return "The carnival file \"" + std::string(kCarnivalFile) + "\" names the carnival \""
            + std::string(currentType) + "\", " + std::string(currentYear)
            + ", which cannot name its folders, so nothing was changed.";
    if (auto missing = templateProblem(kind.templateFolder))
        return missing;
    const std::string backup = backupFolderPath(currentType, currentYear);
    if (pathTaken(backup))
        return std::string(kCarnivalExists);
    const std::string current = currentFolder(currentType);
    if (!folderExists(current))
        return "The folder of the current carnival, \"" + current + "\", is missing, so it cannot be backed up.";
    if (!fileExists(kPointsFile))
        return "The points file \"" + std::string(kPointsFile) + "\" is missing, so it cannot be backed up.";
    if (pathTaken(current + "\\points.dat"))
        return "The folder \"" + current + "\" already holds a file points.dat, which the backup of the points "
               "would replace. Please move it elsewhere first.";
    if (!fileExists(kCarnivalFile))
        return "The carnival file \"" + std::string(kCarnivalFile) + "\" is missing.";
    if (resolvePath(kind.liveFolder) != resolvePath(current) && pathTaken(kind.liveFolder))
        return "The folder \"" + kind.liveFolder + "\" is in the way of the new carnival. Please move it "
               "elsewhere first.";
    return std::nullopt;
}

std::optional<std::string> startNewCarnival(const NewCarnival& kind, std::string_view currentType,
    std::string_view currentYear, std::string_view typedYear, bool* carnivalChanged)
{
    if (auto problem = yearProblem(typedYear))
        return problem;
    try {
        FileTransaction files;
        // The backup is named after the carnival the window was opened for,
        // so that must still be the carnival.
        requireCarnival(files.read(kCarnivalFile), currentType, currentYear);
        if (auto problem = newCarnivalProblem(kind, currentType, currentYear))
            return problem;
        const std::string backup = backupFolderPath(currentType, currentYear);
        files.moveFolder(currentFolder(currentType), backup);
        files.copyFolder(kind.templateFolder, kind.liveFolder);
        files.write(backup + "\\points.dat", files.read(kPointsFile));
        files.write(kPointsFile, pointsResetContent());
        files.write(kCarnivalFile, carnivalFileContent(kind.typeWord, typedYear));
        files.commit();
    } catch (const DataFileError& error) {
        if (carnivalChanged)
            *carnivalChanged = dynamic_cast<const CarnivalChanged*>(&error) != nullptr;
        return "The new carnival was not started: " + error.userMessage() + " The carnival was left as it was.";
    }
    return std::nullopt;
}

} // namespace carnival
