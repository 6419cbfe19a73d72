#include "agechamp_ranking.h"

#include "data_error.h"
#include "data_files.h"
#include "fixed_text.h"
#include "paths.h"
#include "text_files.h"

#include <algorithm>

namespace carnival {

namespace {

// Nothing stands at the path, but the folder it names is there.
bool missingFromItsFolder(const std::string& programPath)
{
    return !pathExists(programPath) && folderExists(programPath.substr(0, programPath.rfind('\\')));
}

bool leftOut(const AgeChampEntry& entry)
{
    const std::string name = entry.name.trimmed();
    return name == kFreeSlotName || name.empty() || entry.points == 0;
}

} // namespace

std::vector<AgeChampEntry> rankAgeChamps(const std::vector<AgeChampEntry>& records)
{
    std::vector<AgeChampEntry> ranking;
    const std::size_t count = std::min(records.size(), static_cast<std::size_t>(kAgeChampSlots));
    for (std::size_t i = 0; i < count; ++i)
        if (!leftOut(records[i]))
            ranking.push_back(records[i]);
    std::stable_sort(ranking.begin(), ranking.end(),
        [](const AgeChampEntry& a, const AgeChampEntry& b) { return a.points > b.points; });
    return ranking;
}

std::vector<AgeChampEntry> rankAgeChampGroup(std::string_view age, std::string_view sex)
{
    if (age.empty() || sex.empty())
        return {};
    const std::string path = ageChampPath(age, sex);
    try {
        return rankAgeChamps(readAgeChampFile(path));
    } catch (const DataFileError&) {
        // A group without a file has no competitors yet; the file is not created.
        if (missingFromItsFolder(path))
            return {};
        throw;
    }
}

std::string ageChampTitle(std::string_view age, std::string_view sex)
{
    return "Top Competitors for " + std::string(age) + " " + std::string(sex);
}

std::string ageChampViewText(std::string_view title, const std::vector<AgeChampEntry>& ranking)
{
    std::string text = std::string(title) + std::string(kLineEnd) + std::string(kLineEnd) + "Name:"
        + std::string(16, ' ') + "Points:";
    for (const AgeChampEntry& entry : ranking)
        text += std::string(kLineEnd) + entry.name.raw() + std::string(6, ' ') + std::to_string(entry.points);
    return text;
}

} // namespace carnival
