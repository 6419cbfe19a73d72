// Whole-line and field reading, and whole-file writes.

#include "carnival/data_error.h"
#include "carnival/file_transaction.h"
#include "carnival/text_files.h"

#include "support/working_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

using namespace carnival;

TEST(LineReading, LinesKeepCommasAndBlanks)
{
    LineReader reader("a, b \r\n\r\nlast", "f");
    EXPECT_EQ(reader.next("1"), "a, b ");
    EXPECT_EQ(reader.next("2"), "");
    EXPECT_EQ(reader.next("3"), "last");
    EXPECT_THROW(reader.next("line 4"), DataFileError);
}

TEST(FieldReading, TextsEndAtCommaOrLineEndAndNumbersAtBlanks)
{
    FieldReader reader("  Athletics  \r\n 2010 \r\n", "f");
    EXPECT_EQ(reader.nextText("type"), "Athletics");
    EXPECT_EQ(reader.nextText("year"), "2010");
    EXPECT_THROW(reader.nextText("more"), DataFileError);

    FieldReader numbers(" 8             6 ,-3\r\n 4 ", "f");
    EXPECT_EQ(numbers.nextInt16("1"), 8);
    EXPECT_EQ(numbers.nextInt16("2"), 6);
    EXPECT_EQ(numbers.nextInt16("3"), -3);
    EXPECT_EQ(numbers.nextInt16("4"), 4);
}

TEST(FieldReading, NumbersMustBeWholeAndFitSixteenBits)
{
    EXPECT_THROW(FieldReader("x", "f").nextInt16("n"), DataFileError);
    EXPECT_THROW(FieldReader("32768", "f").nextInt16("n"), DataFileError);
    EXPECT_THROW(FieldReader("1.5", "f").nextInt16("n"), DataFileError);
    EXPECT_EQ(FieldReader("-32768", "f").nextInt16("n"), -32768);
}

TEST(WholeFileWrites, ReplaceTheFileAndLeaveNoTemporaryBehind)
{
    testing_support::WorkingFolder folder(testing_support::WorkingFolder::Contents::Empty);
    folder.write("data/x.dat", "old content that is longer");
    writeFileAtomically("data\\x.dat", "new\r\n");
    EXPECT_EQ(folder.read("data/x.dat"), "new\r\n");
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.root() / "data"))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(WholeFileWrites, AMissingFolderIsReportedByName)
{
    testing_support::WorkingFolder folder(testing_support::WorkingFolder::Contents::Empty);
    try {
        writeFileAtomically("data\\points.dat", "x");
        FAIL() << "no error";
    } catch (const DataFileError& error) {
        EXPECT_EQ(error.file(), "data\\points.dat");
    }
}

namespace {

std::vector<std::string> folderEntries(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(LineReading, AFinalLineEndDoesNotMakeAnExtraLine)
{
    LineReader reader("only\r\n", "f");
    EXPECT_EQ(reader.next("1"), "only");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_THROW(reader.next("2"), DataFileError);
}

TEST(LineReading, AnEmptyLastLineIsStillALine)
{
    LineReader reader("a\r\n\r\n", "f");
    EXPECT_EQ(reader.next("1"), "a");
    EXPECT_EQ(reader.next("2"), "");
    EXPECT_THROW(reader.next("3"), DataFileError);
}

TEST(LineReading, AnEmptyFileHasNoLines)
{
    LineReader reader("", "f");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_THROW(reader.next("1"), DataFileError);
}

TEST(LineReading, BlanksOnlyLinesAndLoneLineFeeds)
{
    LineReader reader("   \r\nx\ny\r\n", "f");
    EXPECT_EQ(reader.next("1"), "   ");
    EXPECT_EQ(reader.next("2"), "x");
    EXPECT_EQ(reader.next("3"), "y");
}

TEST(LineReading, ReadingPastTheEndNamesTheFile)
{
    testing_support::WorkingFolder folder(testing_support::WorkingFolder::Contents::Empty);
    folder.write("data/houses.dat", "A\r\n");
    LineReader reader = LineReader::open("Data\\Houses.dat");
    EXPECT_EQ(reader.next("house 1"), "A");
    try {
        reader.next("the name of house 2");
        FAIL() << "no error";
    } catch (const DataFileError& error) {
        EXPECT_EQ(error.file(), "Data\\Houses.dat");
        EXPECT_NE(std::string(error.what()).find("Data\\Houses.dat"), std::string::npos);
        EXPECT_NE(error.userMessage().find("Data\\Houses.dat"), std::string::npos);
    }
}

TEST(LineReading, LinesJoinAndSplitBack)
{
    const std::vector<std::string> lines { "  Tamsett  ", "", "A, B", " 0 " };
    const std::string content = joinLines(lines);
    EXPECT_EQ(content, "  Tamsett  \r\n\r\nA, B\r\n 0 \r\n");
    EXPECT_EQ(splitLines(content), lines);
    EXPECT_EQ(joinLines({}), "");
    EXPECT_TRUE(splitLines("").empty());
}

TEST(FieldReading, ATextFieldKeepsInnerBlanksAndDropsTrailingOnes)
{
    FieldReader reader("Click New Carnival   \r\n", "f");
    EXPECT_EQ(reader.nextText("type"), "Click New Carnival");
}

TEST(FieldReading, ACommaEndsATextFieldAndIsConsumed)
{
    FieldReader reader("a , b,c\r\nd", "f");
    EXPECT_EQ(reader.nextText("1"), "a");
    EXPECT_EQ(reader.nextText("2"), "b");
    EXPECT_EQ(reader.nextText("3"), "c");
    EXPECT_EQ(reader.nextText("4"), "d");
    EXPECT_THROW(reader.nextText("5"), DataFileError);
}

TEST(FieldReading, AnEmptyFieldBetweenCommas)
{
    FieldReader reader("a,,b", "f");
    EXPECT_EQ(reader.nextText("1"), "a");
    EXPECT_EQ(reader.nextText("2"), "");
    EXPECT_EQ(reader.nextText("3"), "b");
}

TEST(FieldReading, EmptyLinesAndBlanksBeforeAFieldAreSkipped)
{
    FieldReader reader("\r\n\r\n   x  \r\n\r\n  \r\n 7 ", "f");
    EXPECT_EQ(reader.nextText("1"), "x");
    EXPECT_EQ(reader.nextInt16("2"), 7);
}

TEST(FieldReading, ATextFieldTakesDigitsAndBlanksUpToTheLineEnd)
{
    FieldReader reader(" 12 34 \r\nnext", "f");
    EXPECT_EQ(reader.nextText("1"), "12 34");
    EXPECT_EQ(reader.nextText("2"), "next");
}

TEST(FieldReading, NumbersAndTextsMixOnOneLine)
{
    FieldReader reader(" 12 abc, 5,6\n-7", "f");
    EXPECT_EQ(reader.nextInt16("1"), 12);
    EXPECT_EQ(reader.nextText("2"), "abc");
    EXPECT_EQ(reader.nextInt16("3"), 5);
    EXPECT_EQ(reader.nextInt16("4"), 6);
    EXPECT_EQ(reader.nextInt16("5"), -7);
    EXPECT_THROW(reader.nextInt16("6"), DataFileError);
}

TEST(FieldReading, OnlyBlanksAndLineEndsLeftIsTheEnd)
{
    FieldReader reader(" 1 \r\n   \r\n\r\n", "f");
    EXPECT_EQ(reader.nextInt16("1"), 1);
    EXPECT_THROW(reader.nextInt16("2"), DataFileError);
    EXPECT_THROW(FieldReader("", "f").nextText("1"), DataFileError);
}

TEST(FieldReading, NumbersJustOutsideSixteenBitsAreRefused)
{
    EXPECT_THROW(FieldReader("-32769", "f").nextInt16("n"), DataFileError);
    EXPECT_THROW(FieldReader("40000", "f").nextInt16("n"), DataFileError);
    EXPECT_EQ(FieldReader("32767", "f").nextInt16("n"), 32767);
}

TEST(FieldReading, ANumberFollowedByLettersIsNotANumber)
{
    EXPECT_THROW(FieldReader("12abc", "f").nextInt16("n"), DataFileError);
    EXPECT_THROW(FieldReader("-", "f").nextInt16("n"), DataFileError);
    EXPECT_THROW(FieldReader(",5", "f").nextInt16("n"), DataFileError);
}

TEST(FieldReading, ErrorsNameTheFile)
{
    testing_support::WorkingFolder folder(testing_support::WorkingFolder::Contents::Empty);
    folder.write("data/points.dat", " 1 \r\n x \r\n");
    FieldReader reader = FieldReader::open("data\\points.dat");
    EXPECT_EQ(reader.nextInt16("the total of house 1"), 1);
    try {
        reader.nextInt16("the total of house 2");
        FAIL() << "no error";
    } catch (const DataFileError& error) {
        EXPECT_EQ(error.file(), "data\\points.dat");
    }
}

TEST(WholeFileReads, AMissingFileIsReportedByName)
{
    testing_support::WorkingFolder folder(testing_support::WorkingFolder::Contents::Empty);
    try {
        readFileContent("data\\carnival.dat");
        FAIL() << "no error";
    } catch (const DataFileError& error) {
        EXPECT_EQ(error.file(), "data\\carnival.dat");
    }
    EXPECT_THROW(LineReader::open("data\\houses.dat"), DataFileError);
    EXPECT_THROW(FieldReader::open("data\\points.dat"), DataFileError);
}

TEST(WholeFileReads, BytesAreReturnedUnchanged)
{
    testing_support::WorkingFolder folder(testing_support::WorkingFolder::Contents::Empty);
    const std::string bytes("a\r\n\0\xff\r", 6);
    folder.write("data/Mixed.DAT", bytes);
    EXPECT_EQ(readFileContent("DATA\\mixed.dat"), bytes);
}

TEST(WholeFileWrites, ANewFileIsCreatedWithNoTemporaryLeft)
{
    testing_support::WorkingFolder folder(testing_support::WorkingFolder::Contents::Empty);
    std::filesystem::create_directory(folder.root() / "data");
    writeFileAtomically("data\\points.dat", " 0 \r\n");
    EXPECT_EQ(folder.read("data/points.dat"), " 0 \r\n");
    EXPECT_EQ(folderEntries(folder.root() / "data"), std::vector<std::string> { "points.dat" });
}

TEST(WholeFileWrites, AFileNamedInAnotherCaseIsReplacedNotDoubled)
{
    testing_support::WorkingFolder folder(testing_support::WorkingFolder::Contents::Empty);
    folder.write("data/points.dat", " 1 \r\n 2 \r\n 3 \r\n 4 \r\n");
    writeFileAtomically("Data\\Points.dat", " 9 \r\n");
    EXPECT_EQ(folder.read("data/points.dat"), " 9 \r\n");
    EXPECT_EQ(folderEntries(folder.root() / "data"), std::vector<std::string> { "points.dat" });
}

TEST(WholeFileWrites, AnEmptyContentLeavesAnEmptyFile)
{
    testing_support::WorkingFolder folder(testing_support::WorkingFolder::Contents::Empty);
    folder.write("data/x.dat", "something");
    writeFileAtomically("data\\x.dat", "");
    EXPECT_EQ(folder.read("data/x.dat"), "");
}

namespace {

// Deletes one file through a transaction of its own.
void deleteFile(std::string_view programPath)
{
    FileTransaction transaction;
    transaction.remove(programPath);
    transaction.commit();
}

} // namespace

TEST(WholeFileWrites, DeletingRemovesTheFileAndAMissingOneIsReported)
{
    testing_support::WorkingFolder folder(testing_support::WorkingFolder::Contents::Empty);
    folder.write("data/carnival.dat", "x");
    deleteFile("Data\\Carnival.dat");
    EXPECT_FALSE(folder.exists("data/carnival.dat"));
    try {
        deleteFile("data\\carnival.dat");
        FAIL() << "no error";
    } catch (const DataFileError& error) {
        EXPECT_EQ(error.file(), "data\\carnival.dat");
    }
}

TEST(WholeFileWrites, AReadOnlyFileIsNeverReplacedNorDeletedAndAReplacedFileKeepsItsMode)
{
    namespace fs = std::filesystem;
    testing_support::WorkingFolder folder(testing_support::WorkingFolder::Contents::Empty);
    folder.write("data/athletics.dat", "old");
    const fs::path file = folder.root() / "data/athletics.dat";
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    for (const auto& change : { +[] { writeFileAtomically("data\\athletics.dat", "new"); },
             +[] { deleteFile("data\\athletics.dat"); } }) {
        try {
            change();
            FAIL() << "no error";
        } catch (const DataFileError& error) {
            EXPECT_EQ(error.userMessage(),
                "There is a problem with the file \"data\\athletics.dat\": the file is read-only.");
        }
        EXPECT_EQ(folder.read("data/athletics.dat"), "old");
        EXPECT_EQ(fs::status(file).permissions(), fs::perms(0444));
    }

    fs::permissions(file, fs::perms(0640));
    writeFileAtomically("data\\athletics.dat", "new");
    EXPECT_EQ(folder.read("data/athletics.dat"), "new");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0640));
}
