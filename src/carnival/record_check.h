#pragma once
// The event record: shown when a result form opens, checked against the
// first place when a result is saved.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace carnival {

inline constexpr int kRecordSearchLimit = 300;
inline constexpr std::string_view kRecordNotSet = "Record not set.";

// A performance padded with zeros: 6 digits for a time, 4 for a distance.
std::string padTD(std::int32_t performance, std::string_view eventKind);

// The caption of the record label: the last record among numbers 1 to 300
// whose key matches, or nothing when none does.
std::optional<std::string> recordCaption(std::string_view recordsPath, std::string_view key,
    std::string_view eventKind);

// Compares the first place with the first matching record of a records
// file's content. When it is better the record is rewritten in the content
// with the new holder, the performance rounded to a whole number (a half to
// the even neighbour) and the carnival year, and the announcement is returned.
std::optional<std::string> checkRecord(std::string& recordsContent, std::string_view key,
    std::string_view eventKind, std::string_view firstName, std::string_view firstTD, std::string_view year);

} // namespace carnival
