// The starting files derived from an event list: unset records, the age
// champions' template, the template event list and the checks on names.

#include "carnival/carnival_state.h"
#include "carnival/data_error.h"
#include "carnival/file_transaction.h"
#include "carnival/setup_files.h"
#include "carnival/text_files.h"

#include "support/file_forms.h"
#include "support/working_folder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

using namespace carnival;
using namespace testing_support;

namespace {

namespace fs = std::filesystem;

const char* const kAges[] = { "12", "13", "14", "15", "16", "17+" };
const char* const kSexNames[] = { "Boys", "Girls" };

// The 64 data bytes of a record as they should stand on disk.
std::string unsetRecordBytes(const std::string& key, std::int32_t value)
{
    std::string bytes = "Orvald Pennimore Askey" + std::string(8, ' ');
    bytes += (key + std::string(25, ' ')).substr(0, 25);
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
    bytes += "56 BC";
    return bytes;
}

std::vector<std::string> numberedItems(int count)
{
    std::vector<std::string> items;
    for (int i = 1; i <= count; ++i)
        items.push_back("Event " + std::string(1, static_cast<char>('A' + i - 1)));
    return items;
}

// Every file below the working folder's root (not in sub-folders).
std::vector<std::string> filesAtRoot(const WorkingFolder& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.root()))
        if (entry.is_regular_file())
            names.push_back(entry.path().filename().string());
    return names;
}

// The unset records of a list written to a records file on their own.
void initialRecords(std::string_view programPath, const std::vector<std::string>& items)
{
    FileTransaction files;
    writeInitialRecords(files, programPath, items);
    files.commit();
}

// The work file placed in the template tree, as a pass places it.
void placeWorkFile(std::string_view type, std::string_view workFile)
{
    FileTransaction files;
    copyfilesaround(files, type, readFileContent(workFile));
    files.commit();
}

// A program path with "/" and in lower case, as the fault hook compares it.
std::string normalisedPath(std::string path)
{
    for (char& c : path)
        c = c == '\\' ? '/' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return path;
}

} // namespace

// ---- Unset records --------------------------------------------------------

TEST(SetupInitialRecords, OneRecordPerAgeSexAndEventInThatOrder)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    fs::create_directories(folder.root() / "data");
    const std::vector<std::string> items = { "100m", "High Jump1", "Relay" };
    const int n = 3;
    initialRecords("data\\athletics.dat", items);

    const std::string file = folder.read("data/athletics.dat");
    ASSERT_EQ(file.size(), static_cast<std::size_t>(12 * n * 128));
    EXPECT_EQ(recordKeyAt(file, 1), padded("12Boys100m", 25));
    EXPECT_EQ(recordKeyAt(file, n + 1), padded("12Girls100m", 25));
    EXPECT_EQ(recordKeyAt(file, 2 * n + 1), padded("13Boys100m", 25));
    EXPECT_EQ(recordKeyAt(file, 12 * n), padded("17+GirlsRelay", 25));

    const char* keyNames[] = { "100m", "HighJump", "Relay" };
    const std::int32_t values[] = { 990000, 1, 990000 };
    for (int a = 1; a <= 6; ++a)
        for (int s = 1; s <= 2; ++s)
            for (int e = 1; e <= n; ++e) {
                const int number = ((a - 1) * 2 + (s - 1)) * n + e;
                const std::string key = std::string(kAges[a - 1]) + kSexNames[s - 1] + keyNames[e - 1];
                const std::string slot = recordSlot(file, number);
                EXPECT_EQ(slot.substr(0, 64), unsetRecordBytes(key, values[e - 1])) << "record " << number;
                EXPECT_EQ(slot.substr(64), std::string(64, '\0')) << "record " << number;
            }
}

TEST(SetupInitialRecords, MissingFileIsCreated)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    fs::create_directories(folder.root() / "data");
    initialRecords("data\\swimming.dat", { "50m Freestyle" });
    const std::string file = folder.read("data/swimming.dat");
    ASSERT_EQ(file.size(), 12u * 128u);
    EXPECT_EQ(recordKeyAt(file, 12), padded("17+Girls50mFreestyle", 25));
}

TEST(SetupInitialRecords, DistanceMarkerGivesValueOneAndLeavesTheKey)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    fs::create_directories(folder.root() / "data");
    initialRecords("data\\athletics.dat", { "High Jump1", "Long Jump 1", "Shot Put1  " });
    const std::string file = folder.read("data/athletics.dat");
    EXPECT_EQ(recordKeyAt(file, 1), padded("12BoysHighJump", 25));
    EXPECT_EQ(recordValueAt(file, 1), 1);
    EXPECT_EQ(recordKeyAt(file, 2), padded("12BoysLongJump", 25));
    EXPECT_EQ(recordValueAt(file, 2), 1);
    // Blanks go before the marker is looked for.
    EXPECT_EQ(recordKeyAt(file, 3), padded("12BoysShotPut", 25));
    EXPECT_EQ(recordValueAt(file, 3), 1);
}

TEST(SetupInitialRecords, OnlyAFinalMarkerCounts)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    fs::create_directories(folder.root() / "data");
    initialRecords("data\\athletics.dat", { "100m", "1500m", "4x100m Relay" });
    const std::string file = folder.read("data/athletics.dat");
    EXPECT_EQ(recordKeyAt(file, 2), padded("12Boys1500m", 25));
    EXPECT_EQ(recordValueAt(file, 2), 990000);
    EXPECT_EQ(recordKeyAt(file, 3), padded("12Boys4x100mRelay", 25));
    EXPECT_EQ(recordValueAt(file, 3), 990000);
}

TEST(SetupInitialRecords, LongKeysAreCutAt25)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    fs::create_directories(folder.root() / "data");
    initialRecords("data\\swimming.dat", { "200m Freestyle Relay" });
    const std::string file = folder.read("data/swimming.dat");
    EXPECT_EQ(recordKeyAt(file, 1), "12Boys200mFreestyleRelay ");
    EXPECT_EQ(recordKeyAt(file, 12), "17+Girls200mFreestyleRela");
    EXPECT_EQ(recordValueAt(file, 12), 990000);
}

TEST(SetupInitialRecords, EmptyItemGivesAKeyOfAgeAndSexAloneAndATime)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    fs::create_directories(folder.root() / "data");
    initialRecords("data\\athletics.dat", { "" , "1" });
    const std::string file = folder.read("data/athletics.dat");
    EXPECT_EQ(recordKeyAt(file, 1), padded("12Boys", 25));
    EXPECT_EQ(recordValueAt(file, 1), 990000);
    // The marker alone: no name, a distance.
    EXPECT_EQ(recordKeyAt(file, 2), padded("12Boys", 25));
    EXPECT_EQ(recordValueAt(file, 2), 1);
    EXPECT_EQ(recordKeyAt(file, 24), padded("17+Girls", 25));
}

TEST(SetupInitialRecords, EqualItemsGiveRecordsWithTheSameKey)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    fs::create_directories(folder.root() / "data");
    initialRecords("data\\athletics.dat", { "100m", "100m" });
    const std::string file = folder.read("data/athletics.dat");
    EXPECT_EQ(recordSlot(file, 1), recordSlot(file, 2));
    EXPECT_EQ(recordKeyAt(file, 3), padded("12Girls100m", 25));
}

TEST(SetupInitialRecords, ALongerOldFileKeepsItsTailByteForByte)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    std::string old(144 * 128, '\0');
    for (std::size_t i = 0; i < old.size(); ++i)
        old[i] = static_cast<char>((i * 7 + 3) % 251);
    folder.write("data/athletics.dat", old);

    const std::vector<std::string> items = numberedItems(8);
    initialRecords("data\\athletics.dat", items);

    const std::string file = folder.read("data/athletics.dat");
    ASSERT_EQ(file.size(), old.size());
    EXPECT_EQ(file.substr(96 * 128), old.substr(96 * 128));
    EXPECT_EQ(recordKeyAt(file, 96), padded("17+GirlsEventH", 25));
    EXPECT_EQ(recordSlot(file, 96).substr(64), std::string(64, '\0'));
    EXPECT_NE(recordSlot(file, 97), recordSlot(file, 96));
}

TEST(SetupInitialRecords, TheCaseOfTheFileNameDoesNotMatter)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    folder.write("data/Athletics.dat", std::string(40 * 128, 'x'));
    initialRecords("data\\athletics.dat", { "100m" });
    EXPECT_FALSE(folder.exists("data/athletics.dat"));
    const std::string file = folder.read("data/Athletics.dat");
    ASSERT_EQ(file.size(), 40u * 128u);
    EXPECT_EQ(recordKeyAt(file, 1), padded("12Boys100m", 25));
    EXPECT_EQ(file.substr(12 * 128), std::string(28 * 128, 'x'));
}

// ---- The age champions' template ------------------------------------------

TEST(SetupAgeChampTemplate, FiftyFreeSlotsNamingTheEventsAsTyped)
{
    const std::vector<std::string> items = { "100m", "200m Freestyle Relay", "High Jump1", "", " Long Jump 1" };
    const std::string file = ageChampTemplate(items);
    ASSERT_EQ(file.size(), 25600u);
    EXPECT_EQ(file, templateFile(items));

    const std::string first = file.substr(0, 512);
    EXPECT_EQ(first.substr(0, 30), "zz" + std::string(28, ' '));
    EXPECT_EQ(first.substr(30, 2), std::string(2, '\0'));
    EXPECT_EQ(first.substr(32, 12), "100m        ");
    EXPECT_EQ(first.substr(44, 12), "200m Freesty");
    EXPECT_EQ(first.substr(56, 12), "High Jump1  ");
    EXPECT_EQ(first.substr(68, 12), std::string(12, ' '));
    EXPECT_EQ(first.substr(80, 12), " Long Jump 1");
    // Name cells after the last event and every points cell stay zero bytes.
    EXPECT_EQ(first.substr(92, 272 - 92), std::string(272 - 92, '\0'));
    EXPECT_EQ(first.substr(272), std::string(240, '\0'));
}

TEST(SetupAgeChampTemplate, TwentyEventsFillEveryNameCell)
{
    const std::vector<std::string> items = numberedItems(20);
    const std::string file = ageChampTemplate(items);
    ASSERT_EQ(file.size(), 25600u);
    EXPECT_EQ(file.substr(512 * 49, 512), templateRecord(items));
    EXPECT_EQ(file.substr(512 * 49 + 32 + 19 * 12, 12), padded("Event T", 12));
}

TEST(SetupAgeChampTemplate, AnOldLongerWorkFileIsNotLeftBehindByAPass)
{
    WorkingFolder folder;
    folder.write("athletic_agechamp.dat", std::string(30000, 'x'));
    saveSetupPass(athleticsPass(), { "100m" });
    EXPECT_EQ(folder.read("pristine data/athletics/individuals/12/boys.dat"), templateFile({ "100m" }));
}

// ---- Template event list ----------------------------------------------------

TEST(SetupEventList, CountThenItemsAsTypedWithCrLf)
{
    EXPECT_EQ(eventListContent({ "100m", "Long Jump1", "  " }), " 3 \r\n100m\r\nLong Jump1\r\n  \r\n");
    EXPECT_EQ(eventListContent({ "200m Freestyle Relay" }), " 1 \r\n200m Freestyle Relay\r\n");
    EXPECT_EQ(eventListContent(numberedItems(12)).substr(0, 6), " 12 \r\n");
}

TEST(SetupEventList, ReadingIgnoresTheCountAndTakesEveryLineToTheEnd)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    folder.write("pristine data/athletics/events.dat", " 2 \r\n100m\r\n Long Jump1 \r\n\r\nRelay\r\n");
    EXPECT_EQ(readTemplateItems("pristine data\\athletics\\events.dat"),
        (std::vector<std::string> { "100m", " Long Jump1 ", "", "Relay" }));

    folder.write("pristine data/swimming/events.dat", " 9 \r\n50m Freestyle\r\n");
    EXPECT_EQ(readTemplateItems("pristine data\\swimming\\events.dat"), (std::vector<std::string> { "50m Freestyle" }));

    folder.write("pristine data/swimming/events.dat", " 0 \r\n");
    EXPECT_TRUE(readTemplateItems("pristine data\\swimming\\events.dat").empty());
}

TEST(SetupEventList, ALastLineWithoutLineEndIsAnItem)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    folder.write("events.dat", " 2 \r\n100m\r\nRelay");
    EXPECT_EQ(readTemplateItems("events.dat"), (std::vector<std::string> { "100m", "Relay" }));
}

TEST(SetupEventList, WrittenListReadsBackUnchanged)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    const std::vector<std::string> items = { "100m", " Long Jump 1", "", "Relay  " };
    folder.write("list.dat", eventListContent(items));
    EXPECT_EQ(readTemplateItems("list.dat"), items);
}

TEST(SetupEventList, MissingTemplateIsAFileError)
{
    WorkingFolder folder(WorkingFolder::Contents::Empty);
    try {
        readTemplateItems("pristine data\\athletics\\events.dat");
        FAIL() << "no error";
    } catch (const DataFileError& error) {
        EXPECT_EQ(error.file(), "pristine data\\athletics\\events.dat");
    }
}

// ---- Placing the templates --------------------------------------------------

TEST(SetupCopyFilesAround, AthleticsWorkFileGoesToTwelveFilesAndNoWorkFileStays)
{
    WorkingFolder folder;
    const std::string work = templateFile({ "100m", "High Jump1" });
    folder.write("athletic_agechamp.dat", work);
    folder.write("pristine data/athletics/individuals/14/boys.dat", "old");
    folder.write("boys.dat", "stale");

    placeWorkFile("athletics", "athletic_agechamp.dat");

    for (const char* age : kAges) {
        const std::string base = std::string("pristine data/athletics/individuals/") + age + "/";
        EXPECT_EQ(folder.read(base + "boys.dat"), work) << age;
        EXPECT_EQ(folder.read(base + "girls.dat"), work) << age;
        EXPECT_FALSE(folder.exists(std::string("pristine data/swimming/individuals/") + age + "/boys.dat"));
    }
    EXPECT_TRUE(filesAtRoot(folder).empty());
}

TEST(SetupCopyFilesAround, SwimmingUsesItsOwnWorkFileAndFolders)
{
    WorkingFolder folder;
    const std::string work = templateFile({ "50m Freestyle" });
    folder.write("swimming_agechamp.dat", work);
    placeWorkFile("swimming", "swimming_agechamp.dat");
    for (const char* age : kAges) {
        const std::string base = std::string("pristine data/swimming/individuals/") + age + "/";
        EXPECT_EQ(folder.read(base + "boys.dat"), work) << age;
        EXPECT_EQ(folder.read(base + "girls.dat"), work) << age;
        EXPECT_FALSE(folder.exists(std::string("pristine data/athletics/individuals/") + age + "/girls.dat"));
    }
    EXPECT_TRUE(filesAtRoot(folder).empty());
}

TEST(SetupCopyFilesAround, ExistingFilesOfAnotherCaseAreReplaced)
{
    WorkingFolder folder;
    folder.write("pristine data/athletics/individuals/17+/Boys.dat", "old");
    folder.write("athletic_agechamp.dat", "new");
    placeWorkFile("athletics", "athletic_agechamp.dat");
    EXPECT_EQ(folder.read("pristine data/athletics/individuals/17+/Boys.dat"), "new");
    EXPECT_FALSE(folder.exists("pristine data/athletics/individuals/17+/boys.dat"));
}

// ---- A whole pass -------------------------------------------------------------

TEST(SetupPass, AthleticsPassWritesItsFilesAndLeavesSwimmingAlone)
{
    WorkingFolder folder;
    const std::string swimmingList = folder.read("pristine data/swimming/events.dat");
    const std::vector<std::string> items = { "100m", "Long Jump1", "Relay" };
    modDeclareGlobals().carnivalType = "Click New Carnival";

    saveSetupPass(athleticsPass(), items);

    EXPECT_EQ(folder.read("pristine data/athletics/events.dat"), " 3 \r\n100m\r\nLong Jump1\r\nRelay\r\n");
    for (const char* age : kAges) {
        const std::string base = std::string("pristine data/athletics/individuals/") + age + "/";
        EXPECT_EQ(folder.read(base + "boys.dat"), templateFile(items)) << age;
        EXPECT_EQ(folder.read(base + "girls.dat"), templateFile(items)) << age;
    }
    const std::string records = folder.read("data/athletics.dat");
    EXPECT_EQ(records.size(), 36u * 128u);
    EXPECT_EQ(recordKeyAt(records, 2), padded("12BoysLongJump", 25));
    EXPECT_EQ(modDeclareGlobals().carnivalType, "athletics");

    EXPECT_EQ(folder.read("pristine data/swimming/events.dat"), swimmingList);
    EXPECT_FALSE(folder.exists("data/swimming.dat"));
    EXPECT_FALSE(folder.exists("pristine data/swimming/individuals/12/boys.dat"));
    EXPECT_TRUE(filesAtRoot(folder).empty());
    resetCarnivalState();
}

TEST(SetupPass, SwimmingPassWritesTheSwimmingFiles)
{
    WorkingFolder folder;
    const std::vector<std::string> items = { "50m Freestyle", "Relay" };
    saveSetupPass(swimmingPass(), items);
    EXPECT_EQ(folder.read("pristine data/swimming/events.dat"), " 2 \r\n50m Freestyle\r\nRelay\r\n");
    EXPECT_EQ(folder.read("pristine data/swimming/individuals/17+/girls.dat"), templateFile(items));
    EXPECT_EQ(folder.read("data/swimming.dat").size(), 24u * 128u);
    EXPECT_FALSE(folder.exists("data/athletics.dat"));
    EXPECT_EQ(modDeclareGlobals().carnivalType, "swimming");
    EXPECT_TRUE(filesAtRoot(folder).empty());
    resetCarnivalState();
}

TEST(SetupPass, AMissingAgeFolderIsNamedBeforeAnythingIsWritten)
{
    WorkingFolder folder;
    const std::string list = folder.read("pristine data/athletics/events.dat");
    fs::remove_all(folder.root() / "pristine data/athletics/individuals/16");
    try {
        saveSetupPass(athleticsPass(), { "100m" });
        FAIL() << "no error";
    } catch (const DataFileError& error) {
        EXPECT_EQ(error.file(), "pristine data\\athletics\\individuals\\16");
    }
    EXPECT_EQ(folder.read("pristine data/athletics/events.dat"), list);
    EXPECT_FALSE(folder.exists("data/athletics.dat"));
    EXPECT_FALSE(folder.exists("pristine data/athletics/individuals/12/boys.dat"));
    EXPECT_TRUE(filesAtRoot(folder).empty());
}

class SetupPassFault : public ::testing::TestWithParam<const char*> {};

TEST_P(SetupPassFault, LeavesEveryFileAsItWasAndNamesTheFile)
{
    WorkingFolder folder;
    folder.write("athletic_agechamp.dat", "left by an interrupted pass");
    folder.write("data/athletics.dat", std::string(128 * 200, 'r'));
    const Tree before = snapshot(folder.root());
    failFileWritesForTests(GetParam());
    try {
        saveSetupPass(athleticsPass(), { "100m", "Relay" });
        ADD_FAILURE() << "no error";
    } catch (const DataFileError& error) {
        EXPECT_NE(normalisedPath(error.file()).find(GetParam()), std::string::npos) << error.file();
    }
    failFileWritesForTests("");
    EXPECT_EQ(snapshot(folder.root()), before);
    EXPECT_NE(modDeclareGlobals().carnivalType, "athletics");
}

INSTANTIATE_TEST_SUITE_P(SetupPass, SetupPassFault,
    ::testing::Values("athletics/events.dat", "data/athletics.dat", "12/boys.dat", "17+/girls.dat",
        "athletic_agechamp.dat"),
    [](const ::testing::TestParamInfo<const char*>& info) {
        std::string name;
        for (char c : std::string(info.param))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

// ---- Names and lists the set-up refuses -------------------------------------

TEST(SetupEventNames, OrdinaryNamesAreAccepted)
{
    for (const char* name : { "100m", "High Jump1", "Long Jump 1", "90m Hurdles", "1", "Relay  ", " 50m Fly" })
        EXPECT_FALSE(eventNameProblem(name).has_value()) << name;
}

TEST(SetupEventNames, BlankNamesAreRefused)
{
    EXPECT_TRUE(eventNameProblem("").has_value());
    EXPECT_TRUE(eventNameProblem("   ").has_value());
}

TEST(SetupEventNames, CharactersNoFileNameMayHoldAreRefused)
{
    for (const char* name : { "100m\\200m", "100m/200m", "Time: 100m", "Star*", "Why?", "The \"Mile\"", "<Relay",
             "Relay>", "Shot|Put", "Tab\there", "Bell\x07" }) {
        const auto problem = eventNameProblem(name);
        ASSERT_TRUE(problem.has_value()) << name;
        EXPECT_NE(problem->find("character"), std::string::npos) << *problem;
    }
}

TEST(SetupEventNames, AtMost20CharactersBesidesTheMarker)
{
    const std::string twenty = "1234567  1234567 123"; // 20 characters, 17 without blanks
    ASSERT_EQ(twenty.size(), 20u);
    EXPECT_FALSE(eventNameProblem(twenty).has_value());
    EXPECT_FALSE(eventNameProblem(twenty + "1").has_value()) << "the marker does not count";
    const std::string twentyOne = "1234567   1234567 123";
    const auto problem = eventNameProblem(twentyOne);
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find("too long"), std::string::npos) << *problem;
    EXPECT_TRUE(eventNameProblem(twentyOne + "1").has_value());
}

TEST(SetupEventNames, AtMost17CharactersBesidesBlanksAndTheMarker)
{
    EXPECT_FALSE(eventNameProblem("abcdefghijklmnopq").has_value());
    EXPECT_FALSE(eventNameProblem("abcdefghijklmnopq1").has_value());
    EXPECT_FALSE(eventNameProblem("abcdefgh ijklmnopq1").has_value());
    EXPECT_TRUE(eventNameProblem("abcdefghijklmnopqr").has_value());
    // 200m Freestyle Relay: 20 characters, but 18 besides its blanks.
    const auto problem = eventNameProblem("200m Freestyle Relay");
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find("too long"), std::string::npos) << *problem;
}

TEST(SetupEventNames, BlanksAfterTheMarkerAreRefused)
{
    const auto problem = eventNameProblem("Long Jump1 ");
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find("distance marker"), std::string::npos) << *problem;
    EXPECT_TRUE(eventNameProblem("Shot Put1   ").has_value());
    EXPECT_FALSE(eventNameProblem("Long Jump 1").has_value());
}

TEST(SetupEventLists, OneToTwentyGoodEventsAreAccepted)
{
    EXPECT_FALSE(eventListProblem({ "100m" }).has_value());
    EXPECT_FALSE(eventListProblem(numberedItems(20)).has_value());
}

TEST(SetupEventLists, EmptyAndTooLongListsAreRefused)
{
    EXPECT_TRUE(eventListProblem({}).has_value());
    const auto problem = eventListProblem(numberedItems(21));
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find("20"), std::string::npos) << *problem;
    EXPECT_NE(problem->find("21"), std::string::npos) << *problem;
}

TEST(SetupEventLists, ABadItemAnywhereIsRefusedWithItsOwnProblem)
{
    std::vector<std::string> items = numberedItems(5);
    items[3] = "Star*";
    EXPECT_EQ(eventListProblem(items), eventNameProblem("Star*"));
    items[3] = "";
    EXPECT_TRUE(eventListProblem(items).has_value());
    items[3] = "Long Jump1 ";
    EXPECT_EQ(eventListProblem(items), eventNameProblem("Long Jump1 "));
}
