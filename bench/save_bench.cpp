// Times the entry save, the edit window's opening and save and the entry
// window's record lookup on a large carnival, each beside its floor: the same
// bytes written to the same number of files with write, fsync and rename, and
// read back. Prints the medians and their ratios.
//
// Usage: save_bench [rounds]  (in a scratch folder made below the system's
// temporary folder, removed afterwards)

#include "carnival/agechamp_file.h"
#include "carnival/carnival_state.h"
#include "carnival/data_files.h"
#include "carnival/record_check.h"
#include "carnival/records_file.h"
#include "carnival/result_saving.h"
#include "carnival/setup_files.h"
#include "carnival/text_files.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

using namespace carnival;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kEvents = 20;
constexpr int kRecordSlots = 2000;
constexpr int kTakenSlots = 46;
constexpr int kBackups = 20;

void put(const fs::path& path, const std::string& content)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

std::vector<std::string> eventItems()
{
    std::vector<std::string> items { "100m" };
    for (int i = 2; i <= kEvents; ++i)
        items.push_back("Event " + std::to_string(i) + (i % 3 == 0 ? "1" : ""));
    return items;
}

// A carnival tree below data/<folder>: its event list, empty results and
// age-champion files of 46 competitors each.
void layOutCarnival(const fs::path& live, const std::vector<std::string>& items)
{
    put(live / "events.dat", eventListContent(items));
    fs::create_directories(live / "events");
    std::vector<AgeChampEntry> entries(kAgeChampSlots, freeSlotTemplate(items));
    for (int i = 0; i < kTakenSlots; ++i) {
        entries[i].name.assign("Competitor " + std::to_string(i + 1));
        entries[i].points = static_cast<std::int16_t>(i);
    }
    for (const std::string& age : kAgeGroups)
        for (const char* sex : { "boys.dat", "girls.dat" })
            put(live / "individuals" / age / sex, encodeAgeChamps(entries));
}

void layOut(const fs::path& root)
{
    const std::vector<std::string> items = eventItems();
    put(root / "data/carnival.dat", "Athletics\r\n 2026 \r\n");
    put(root / "data/houses.dat", "Tamsett\r\nBrindrel\r\nCorrow\r\nElvane\r\n");
    put(root / "data/points.dat", pointsResetContent());
    layOutCarnival(root / "data/athletics", items);
    for (int year = 2000; year < 2000 + kBackups; ++year) {
        layOutCarnival(root / ("data/Athletics" + std::to_string(year)), items);
        put(root / ("data/Athletics" + std::to_string(year)) / "points.dat", pointsResetContent());
    }
    std::vector<RecordEntry> records;
    for (int i = 0; records.size() < kRecordSlots; ++i)
        for (const std::string& age : kAgeGroups)
            for (const std::string& sex : kSexes)
                for (const std::string& item : items)
                    if (records.size() < kRecordSlots)
                        records.push_back(unsetRecord(age + sex + setupEvent(item).keyName + (i ? "x" : ""),
                            setupEvent(item).distance));
    put(root / "data/athletics.dat", encodeRecords(records));
}

using Snapshot = std::map<fs::path, std::string>;

Snapshot snapshot(const fs::path& folder)
{
    Snapshot files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[entry.path()] = readFileContent(entry.path().string());
    return files;
}

// The sizes of the files an operation changed.
std::vector<std::size_t> changedSizes(const Snapshot& before, const Snapshot& after)
{
    std::vector<std::size_t> sizes;
    for (const auto& [path, content] : after) {
        const auto old = before.find(path);
        if (old == before.end() || old->second != content)
            sizes.push_back(content.size());
    }
    return sizes;
}

double millisecondsOf(const std::function<void()>& step)
{
    const auto start = Clock::now();
    step();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The floor: files of these sizes written with write, fsync and rename, then
// read back.
double floorOf(const std::vector<std::size_t>& sizes, const fs::path& folder)
{
    fs::create_directories(folder);
    std::vector<std::string> contents;
    for (std::size_t size : sizes)
        contents.emplace_back(size, 'f');
    return millisecondsOf([&] {
        for (std::size_t i = 0; i < contents.size(); ++i) {
            const fs::path path = folder / ("file" + std::to_string(i));
            const fs::path temporary = folder / ("file" + std::to_string(i) + ".new");
            const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0 || ::write(fd, contents[i].data(), contents[i].size()) < 0 || ::fsync(fd) != 0)
                std::abort();
            ::close(fd);
            ::rename(temporary.c_str(), path.c_str());
        }
        for (std::size_t i = 0; i < contents.size(); ++i) {
            std::string back(contents[i].size(), '\0');
            const int fd = ::open((folder / ("file" + std::to_string(i))).c_str(), O_RDONLY);
            if (fd < 0 || ::read(fd, back.data(), back.size()) < 0)
                std::abort();
            ::close(fd);
        }
    });
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Timing {
    std::vector<double> operation, floor;
};

// Runs one timed step and its floor, the floor sized on what the step changed.
void timeStep(Timing& timing, const std::function<void()>& step, const fs::path& floorFolder)
{
    const Snapshot before = snapshot("data");
    timing.operation.push_back(millisecondsOf(step));
    const std::vector<std::size_t> sizes = changedSizes(before, snapshot("data"));
    timing.floor.push_back(floorOf(sizes, floorFolder));
}

// A lookup changes nothing: it and its floor (reading the same file) are
// timed as the mean of many calls, since one takes a few microseconds.
void timeLookup(Timing& timing, const std::function<void()>& lookup, const fs::path& file, const fs::path& floorFolder)
{
    constexpr int kCalls = 200;
    floorOf({ fs::file_size(file) }, floorFolder);
    const std::string floorFile = (floorFolder / "file0").string();
    timing.operation.push_back(millisecondsOf([&] {
        for (int i = 0; i < kCalls; ++i)
            lookup();
    }) / kCalls);
    timing.floor.push_back(millisecondsOf([&] {
        for (int i = 0; i < kCalls; ++i) {
            std::string back(fs::file_size(floorFile), '\0');
            const int fd = ::open(floorFile.c_str(), O_RDONLY);
            if (fd < 0 || ::read(fd, back.data(), back.size()) < 0)
                std::abort();
            ::close(fd);
        }
    }) / kCalls);
}

void report(const char* name, const Timing& timing)
{
    const double op = median(timing.operation);
    const double floor = median(timing.floor);
    std::printf("%-20s %9.3f ms   floor %9.3f ms   ratio %5.2f\n", name, op, floor, op / floor);
}

void choose100m()
{
    CarnivalState& state = modDeclareGlobals();
    state.selectedAge = "12";
    state.selectedSex = "Boys";
    state.selectedEvent = state.eventList[0].name.raw();
    state.eventKind = state.eventList[0].kind.raw();
}

ResultForm formWithWinningTime(int time)
{
    char first[16];
    std::snprintf(first, sizeof first, "%06d", time);
    ResultForm form;
    form.places = { Placing { "Competitor 1", "Tamsett", first }, Placing { "Competitor 2", "Brindrel", "999997" },
        Placing { "Competitor 3", "Corrow", "999998" }, Placing { "New Runner", "Elvane", "999999" } };
    return form;
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 31;
    const fs::path root = fs::temp_directory_path() / ("ostrivale-bench-" + std::to_string(::getpid()));
    fs::create_directories(root);
    fs::current_path(root);
    layOut(root);
    readCarnivalFile();
    readHousesFile();
    readPointsFile();
    loadEventList();
    choose100m();

    Timing entry, open, save, both, lookup;
    int time = 900000;
    for (int round = 0; round < rounds; ++round) {
        timeStep(entry, [&] {
            if (saveNewResult(formWithWinningTime(--time)).refusal != Refusal::None)
                std::abort();
        }, root / "floor");
        timeStep(open, [] {
            if (openResultForEditing().failure)
                std::abort();
        }, root / "floor");
        timeStep(save, [&] {
            if (saveEditedResult(formWithWinningTime(--time)).refusal != Refusal::None)
                std::abort();
        }, root / "floor");
        // The event is entered anew in the next round.
        if (deleteChosenResult().refusal != Refusal::None)
            std::abort();
        both.operation.push_back(open.operation.back() + save.operation.back());
        both.floor.push_back(open.floor.back() + save.floor.back());
        timeLookup(lookup, [] {
            if (!recordCaption(recordsFilePath("Athletics"), "12Boys100m", "Time"))
                std::abort();
        }, "data/athletics.dat", root / "floor");
    }

    std::printf("Carnival: %d events, %d record slots, %d of %d age-champion slots taken, %d backups; "
                "medians of %d rounds\n",
        kEvents, kRecordSlots, kTakenSlots, kAgeChampSlots, kBackups, rounds);
    report("entry save", entry);
    report("edit open", open);
    report("edit save", save);
    report("edit open and save", both);
    report("record lookup", lookup);
    fs::current_path(fs::temp_directory_path());
    fs::remove_all(root);
    return 0;
}
