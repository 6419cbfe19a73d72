#include "records_listing.h"

#include "fixed_text.h"
#include "paths.h"
#include "record_check.h"
#include "text_files.h"

#include <algorithm>

namespace carnival {

namespace {

constexpr std::string_view kUnsetHolderWord = "Orvald";

bool heldByUnsetHolder(const RecordEntry& record)
{
    return record.holder.raw().starts_with(kUnsetHolderWord);
}

std::string_view dropPrefix(std::string_view text, std::string_view prefix, std::size_t otherwise)
{
    if (text.starts_with(prefix))
        return text.substr(prefix.size());
    return text.substr(std::min(otherwise, text.size()));
}

void lookUpKind(std::string_view eventName, const std::vector<EventEntry>& events, int lastIndex,
    std::string& eventKind)
{
    for (int i = 0; i <= lastIndex && i < static_cast<int>(events.size()); ++i) {
        const EventEntry& event = events[static_cast<std::size_t>(i)];
        if (removeBlanks(event.name.raw()) == eventName) {
            eventKind = event.kind.raw();
            return;
        }
    }
}

} // namespace

std::string eventNameOfKey(std::string_view key)
{
    const std::string trimmed = trimBlanks(key);
    std::string_view rest = dropPrefix(trimmed, "17+", 2);
    rest = dropPrefix(rest, "Girls", 4);
    return trimBlanks(rest);
}

std::string listRecords(const std::vector<RecordEntry>& records, const std::vector<EventEntry>& events,
    int lastIndex, std::string& eventKind)
{
    std::string body;
    for (const RecordEntry& record : records) {
        if (heldByUnsetHolder(record))
            continue;
        lookUpKind(eventNameOfKey(record.key.raw()), events, lastIndex, eventKind);
        body += record.key.raw() + '\t' + record.holder.raw() + '\t' + record.year.raw() + '\t'
            + padTD(record.value, eventKind) + std::string(kLineEnd);
    }
    return body;
}

std::string listRecords()
{
    CarnivalState& state = modDeclareGlobals();
    const std::string path = removeBlanks(recordsFilePath(state.carnivalType));
    if (!pathExists(path))
        writeFileAtomically(path, "");
    const std::vector<RecordEntry> records = readRecordsFile(path);
    if (!records.empty())
        state.currentRecord = records.back();
    return listRecords(records, state.eventList, state.eventLastIndex, state.eventKind);
}

std::string recordsPrintHeading()
{
    return fitWidth("Event:", decltype(RecordEntry::key)::width) + ' '
        + fitWidth("Name:", decltype(RecordEntry::holder)::width) + ' '
        + fitWidth("Year:", decltype(RecordEntry::year)::width) + " T/D:";
}

std::string recordsPrintBody(std::string_view body)
{
    std::string printed(body);
    std::replace(printed.begin(), printed.end(), '\t', ' ');
    return printed;
}

std::string recordsViewText(std::string_view carnivalType, std::string_view body)
{
    return "Records for " + std::string(carnivalType) + "\tName:\t\t\tYear:\tT/D:" + std::string(kLineEnd)
        + std::string(kLineEnd) + std::string(body);
}

} // namespace carnival
