#include "commit_journal.h"

#include "data_error.h"
#include "file_transaction.h"
#include "paths.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

namespace carnival::journal {

namespace fs = std::filesystem;

namespace {

// Far more than any change names: a journal is a few lines a file.
constexpr std::size_t kLargestJournal = 64 * 1024;

// The folders below the working folder that commits change.
constexpr std::string_view kCommitFolders[] = { "data", "pristine data", "printouts" };

std::string hexOf(std::uint64_t value)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

DataFileError untrustedJournal(const fs::path& journal, const std::string& why)
{
    return DataFileError(journal.string(),
        why + ", so the change it records was neither finished nor undone, and no file was touched. Please check "
              "the data files (or put back a copy of the program folder), then move the journal elsewhere.");
}

// One line of the journal as a step; nothing when it is of no known form.
std::optional<Step> stepOf(const std::string& line)
{
    std::vector<std::string> fields;
    for (std::size_t start = 0, end; start <= line.size(); start = end + 1) {
        end = std::min(line.find('\t', start), line.size());
        fields.push_back(line.substr(start, end - start));
    }
    if (fields.size() != 3 || fields[0].size() != 1 || std::string_view("MNRCD").find(fields[0][0]) == std::string_view::npos)
        return std::nullopt;
    Step step { static_cast<Kind>(fields[0][0]), fields[2] };
    step.programPath = programPathOf(step.isFolder() ? fields[1] : fields[2]);
    if (step.isFolder())
        step.from = fields[1];
    else if (step.writes())
        step.hash = std::strtoull(fields[1].c_str(), nullptr, 16);
    const std::string expected = step.isFolder() ? fields[1] : step.writes() ? hexOf(step.hash) : "-";
    // A folder is moved or copied to a place apart from itself.
    const bool apart = !step.isFolder() || (!isWithin(step.path, step.from) && !isWithin(step.from, step.path));
    return fields[1] == expected && apart ? std::optional(step) : std::nullopt;
}

} // namespace

bool isWithin(const fs::path& path, const fs::path& folder)
{
    return std::mismatch(folder.begin(), folder.end(), path.begin(), path.end()).first == folder.end();
}

std::uint64_t contentHash(std::string_view bytes)
{
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ULL;
    std::uint64_t hash = 0xCBF29CE484222325ULL ^ bytes.size();
    const auto mix = [&hash](std::uint64_t word) {
        hash = (hash ^ word) * kMultiplier;
        hash ^= hash >> 32;
    };
    std::size_t at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes.data() + at, 8);
        mix(word);
    }
    std::uint64_t tail = 0;
    std::memcpy(&tail, bytes.data() + at, bytes.size() - at);
    mix(tail);
    return hash;
}

bool isCommitPath(const std::string& text, Kind kind)
{
    if (text.empty() || text.front() == '/'
        || std::any_of(text.begin(), text.end(), [](char c) { return std::iscntrl(static_cast<unsigned char>(c)); }))
        return false;
    std::vector<std::string> parts;
    for (std::size_t start = 0, end; start <= text.size(); start = end + 1) {
        end = std::min(text.find('/', start), text.size());
        parts.push_back(text.substr(start, end - start));
    }
    if (std::any_of(parts.begin(), parts.end(), [](const std::string& p) { return p.empty() || p == "." || p == ".."; }))
        return false;
    if (parts.size() == 1)
        return kind == Kind::Delete && lowered(text).rfind(kJournal.string(), 0) != 0;
    if (std::none_of(std::begin(kCommitFolders), std::end(kCommitFolders),
            [&parts](std::string_view folder) { return lowered(parts.front()) == folder; }))
        return false;
    // A folder step's own folder must be a real one too, where it stands.
    const bool folderStep = kind == Kind::Move || kind == Kind::Copy;
    fs::path folder;
    for (std::size_t i = 0; i < parts.size() - (folderStep ? 0 : 1); ++i) {
        folder /= parts[i];
        struct stat info {};
        if (::lstat(folder.c_str(), &info) == 0 && !S_ISDIR(info.st_mode))
            return false;
    }
    return true;
}

bool isConfined(const Step& step)
{
    return isCommitPath(step.path.string(), step.kind) && (!step.isFolder() || isCommitPath(step.from.string(), step.kind));
}

std::string programPathOf(std::string path)
{
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string sealed(std::string text)
{
    const std::string proof = hexOf(contentHash(text));
    return text + "E\t" + proof + '\n';
}

std::string journalText(const std::vector<Step>& steps)
{
    std::string text;
    for (const Step& step : steps) {
        const std::string middle = step.isFolder() ? step.from.string() : step.writes() ? hexOf(step.hash) : "-";
        text += std::string(1, static_cast<char>(step.kind)) + '\t' + middle + '\t' + step.path.string() + '\n';
    }
    return sealed(std::move(text));
}

std::vector<Step> readJournal(const fs::path& journal)
{
    std::optional<std::string> text;
    try {
        text = readResolvedFileIfThere(journal, journal.string(), kLargestJournal + 1);
    } catch (const DataFileError&) {
    }
    if (!text || text->size() > kLargestJournal)
        throw untrustedJournal(journal, "it cannot be read as a whole journal");
    const std::string body = text->substr(0, text->size() - std::min(text->size(), sealed("").size()));
    if (sealed(body) != *text || (!body.empty() && body.back() != '\n'))
        throw untrustedJournal(journal, "it is damaged: it is not the whole record of a change");
    std::vector<Step> steps;
    std::set<fs::path> named; // a change names each file and each new place once
    for (std::size_t start = 0, end; start < body.size(); start = end + 1) {
        end = body.find('\n', start);
        const std::optional<Step> step = stepOf(body.substr(start, end - start));
        if (!step || !named.insert(step->path).second)
            throw untrustedJournal(journal, "it is damaged: a line of it is of no known form");
        if (!isConfined(*step))
            throw untrustedJournal(journal,
                "it names \"" + step->programPath + "\" with a place outside the program's data files");
        steps.push_back(*step);
    }
    return steps;
}

} // namespace carnival::journal
