#include "carnival_layout.h"

#include "support/file_forms.h"

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
    for (int number = 1; number <= carnival::kAgeChampSlots; ++number)
        carnival::writeAgeChamp(programPath, number, slot);
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
        carnival::writeRecord(kRecords, ++number, carnival::unsetRecord(record.key, record.distance));
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
    const auto entry = carnival::readAgeChamp(programPath, number);
    EXPECT_TRUE(entry.has_value()) << programPath << " record " << number;
    return entry.value_or(carnival::AgeChampEntry {});
}

carnival::RecordEntry recordAt(std::string_view programPath, int number)
{
    const auto found = carnival::readRecord(programPath, number);
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
