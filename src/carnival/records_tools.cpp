#include "records_tools.h"

#include "data_error.h"
#include "file_transaction.h"
#include "number_form.h"
#include "paths.h"
#include "text_files.h"

#include <cmath>
#include <limits>

namespace carnival {

const std::vector<SetupEvent>& defaultAthleticsEvents()
{
    static const std::vector<SetupEvent> events = {
        { "100m", false }, { "200m", false }, { "400m", false }, { "800m", false },
        { "1500m", false }, { "Shotput", true }, { "HighJump", true }, { "LongJump", true },
        { "Discus", true }, { "Javelin", true }, { "TripleJump", true }, { "Relay", false },
    };
    return events;
}

const std::vector<SetupEvent>& defaultSwimmingEvents()
{
    static const std::vector<SetupEvent> events = {
        { "50mFreestyle", false }, { "50mBreaststroke", false }, { "50mBackstroke", false },
        { "50mButterfly", false }, { "100mFreestyle", false }, { "200mFreestyle", false },
        { "200mMedley", false }, { "Relay", false },
    };
    return events;
}

void replaceWithUnsetRecords(std::string_view programPath, const std::vector<SetupEvent>& events)
{
    writeFileAtomically(programPath, encodeRecords(unsetRecords(events)));
}

std::vector<std::string> firstRecordLines(std::string_view heading, const std::vector<RecordEntry>& records)
{
    if (records.empty())
        return { std::string(heading), "", "", "", numberForm(0LL), "" };
    const RecordEntry& first = records.front();
    return { std::string(heading), "", first.key.shown(), first.holder.shown(), numberForm(static_cast<long long>(first.value)),
        first.year.shown() };
}

std::vector<RecordEntry> recordsToEdit(std::string_view programPath)
{
    if (!pathExists(programPath))
        throw DataFileError(std::string(programPath),
            "the file is missing. Set up the events in Ostrivale, or generate the records with Sablewick, first.");
    std::vector<RecordEntry> records = readRecordsFile(programPath);
    if (records.empty())
        throw DataFileError(std::string(programPath),
            "it holds no records. Set up the events in Ostrivale, or generate the records with Sablewick, first.");
    return records;
}

std::optional<std::int32_t> typedRecordValue(std::string_view text)
{
    // The default rounding mode takes a half to the even neighbour.
    const double value = std::nearbyint(numericValue(text));
    if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

bool endsTheWalk(const std::vector<RecordEntry>& records, int number)
{
    const auto index = static_cast<std::size_t>(number - 1);
    return index + 1 >= records.size() || records[index].key.trimmed() == kLastRecordKey;
}

std::vector<RecordEntry> storeRecordInFile(std::string_view programPath, int number, const RecordEntry& record)
{
    FileTransaction files;
    std::vector<RecordEntry> records = decodeRecords(files.read(programPath));
    if (number < 1 || static_cast<std::size_t>(number) > records.size())
        throw DataFileError(std::string(programPath),
            "the file has been changed by another program and no longer holds record " + std::to_string(number) + ".");
    records[static_cast<std::size_t>(number - 1)] = record;
    files.write(programPath, encodeRecords(records));
    files.commit();
    return records;
}

} // namespace carnival
