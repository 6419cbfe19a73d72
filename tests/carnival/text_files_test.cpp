// Whole-line and field reading, and whole-file writes.

#include "carnival/data_error.h"
#include "carnival/text_files.h"

#include "support/working_folder.h"

#include <gtest/gtest.h>

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
