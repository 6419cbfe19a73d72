#include "carnival_layout.h"

#include "support/file_forms.h"

#include "carnival/paths.h"
#include "carnival/text_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace testing_support {

namespace fs = std::filesystem;

void putCarnivalFile(const WorkingFolder& folder, std::string_view type, std::string_view year)
{
    folder.write("data/carnival.dat", std::string(type) + "\r\n " + std::string(year) + " \r\n");
}

void copyTemplateToLive(const WorkingFolder& folder, std::string_view type)
{
    fs::copy(folder.root() / "pristine data" / type, folder.root() / "data" / type, fs::copy_options::recursive);
}

void fillAgeChampFile(std::string_view programPath, const carnival::AgeChampEntry& slot)
{
    carnival::writeFileAtomically(
        programPath, carnival::encodeAgeChamps(std::vector<carnival::AgeChampEntry>(carnival::kAgeChampSlots, slot)));
}

namespace {

std::string contentOrEmpty(std::string_view programPath)
{
    return carnival::pathExists(programPath) ? carnival::readFileContent(programPath) : std::string();
}

} // namespace

void putRecord(std::string_view programPath, int number, const carnival::RecordEntry& record)
{
    std::string content = contentOrEmpty(programPath);
    carnival::storeRecord(content, number, record);
    carnival::writeFileAtomically(programPath, content);
}

void putAgeChamp(std::string_view programPath, int number, const carnival::AgeChampEntry& entry)
{
    std::string content = contentOrEmpty(programPath);
    const std::size_t at = static_cast<std::size_t>(number - 1) * carnival::kAgeChampRecordSize;
    if (content.size() < at + carnival::kAgeChampRecordSize)
        content.resize(at + carnival::kAgeChampRecordSize, '\0');
    content.replace(at, carnival::kAgeChampRecordSize, carnival::encodeAgeChamp(entry));
    carnival::writeFileAtomically(programPath, content);
}

std::optional<carnival::RecordEntry> storedRecord(std::string_view programPath, int number)
{
    const std::vector<carnival::RecordEntry> records = carnival::decodeRecords(contentOrEmpty(programPath));
    if (number < 1 || static_cast<std::size_t>(number) > records.size())
        return std::nullopt;
    return records[static_cast<std::size_t>(number - 1)];
}

std::optional<carnival::AgeChampEntry> storedAgeChamp(std::string_view programPath, int number)
{
    const std::vector<carnival::AgeChampEntry> entries = carnival::decodeAgeChamps(contentOrEmpty(programPath));
    if (number < 1 || static_cast<std::size_t>(number) > entries.size())
        return std::nullopt;
    return entries[static_cast<std::size_t>(number - 1)];
}

void writeFreeSlots(std::string_view programPath, const std::vector<std::string>& eventItems)
{
    fillAgeChampFile(programPath, carnival::freeSlotTemplate(eventItems));
}

void layOutAthletics2010(
    const WorkingFolder& folder, const std::vector<std::string>& championFiles, const std::vector<UnsetKey>& records)
{
    putCarnivalFile(folder, "Athletics", "2010");
    folder.write("data/houses.dat", kInstalledHouses);
    folder.write("data/points.dat", kZeroPoints);
    copyTemplateToLive(folder, "athletics");
    for (const std::string& path : championFiles)
        writeFreeSlots(path, kAthleticsItems);
    int number = 0;
    for (const UnsetKey& record : records)
        putRecord(kRecords, ++number, carnival::unsetRecord(record.key, record.distance));
}

void layOutAthletics2001(const WorkingFolder& folder)
{
    copyTemplateToLive(folder, "athletics");
    folder.write("data/athletics/events/12Boys100m.dat", "results of 2001");
    putCarnivalFile(folder, "Athletics", "2001");
    folder.write("data/points.dat", kOldPoints);
}

carnival::AgeChampEntry competitorEntry(const std::vector<std::string>& eventItems, std::string_view name, int total,
    const std::map<int, std::string>& cells)
{
    carnival::AgeChampEntry entry = carnival::freeSlotTemplate(eventItems);
    entry.name.assign(name);
    entry.points = static_cast<std::int16_t>(total);
    for (const auto& [index, text] : cells)
        entry.eventPoints[static_cast<std::size_t>(index)].assign(text);
    return entry;
}

carnival::RecordEntry recordEntry(
    std::string_view key, std::string_view holder, std::int32_t value, std::string_view year)
{
    carnival::RecordEntry record;
    record.holder.assign(holder);
    record.key.assign(key);
    record.value = value;
    record.year.assign(year);
    return record;
}

carnival::AgeChampEntry ageChampAt(std::string_view programPath, int number)
{
    const auto entry = storedAgeChamp(programPath, number);
    EXPECT_TRUE(entry.has_value()) << programPath << " record " << number;
    return entry.value_or(carnival::AgeChampEntry {});
}

carnival::RecordEntry recordAt(std::string_view programPath, int number)
{
    const auto found = storedRecord(programPath, number);
    EXPECT_TRUE(found.has_value()) << programPath << " record " << number;
    return found.value_or(carnival::RecordEntry {});
}

void expectCompetitor(
    std::string_view programPath, int number, const char* name, int total, int eventPoints, int cellIndex)
{
    const carnival::AgeChampEntry entry = ageChampAt(programPath, number);
    EXPECT_EQ(entry.name.trimmed(), name) << "slot " << number;
    EXPECT_EQ(entry.points, total) << "slot " << number;
    EXPECT_EQ(entry.eventPoints[static_cast<std::size_t>(cellIndex)].raw(), cell(std::to_string(eventPoints)))
        << "slot " << number;
}

} // namespace testing_support
