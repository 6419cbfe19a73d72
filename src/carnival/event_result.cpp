#include "event_result.h"

#include "carnival_state.h"
#include "data_error.h"
#include "fixed_text.h"
#include "number_form.h"
#include "text_files.h"

namespace carnival {

std::string eventResultPath(std::string_view age, std::string_view sex, std::string_view event)
{
    return removeBlanks("data\\" + modDeclareGlobals().carnivalType + "\\events\\" + std::string(age)
        + std::string(sex) + std::string(event) + ".dat");
}

bool ResultForm::drawLineInUse() const
{
    const bool blank = trimBlanks(drawLine.name).empty() && !drawLine.hasHouse() && trimBlanks(drawLine.td).empty();
    return drawLine.name != kDrawLineDefault && !blank;
}

namespace {

// The five time/distance texts: places 1 to 4, then the draw line.
std::array<std::string_view, 5> performances(const ResultForm& form)
{
    return { form.places[0].td, form.places[1].td, form.places[2].td, form.places[3].td, form.drawLine.td };
}

} // namespace

int findDrawpos(const ResultForm& form)
{
    const auto td = performances(form);
    int drawpos = 0;
    if (td[0] == td[1])
        drawpos = 1;
    for (int pair = 2; pair <= 4; ++pair)
        if (!td[pair].empty() && td[pair] == td[pair - 1])
            drawpos = pair;
    return drawpos;
}

std::vector<int> numericTiePairs(const ResultForm& form)
{
    const auto td = performances(form);
    std::vector<int> pairs;
    for (int pair = 1; pair <= 4; ++pair) {
        const bool tested = pair == 1 || !td[pair].empty();
        if (tested && numericValue(td[pair]) == numericValue(td[pair - 1]))
            pairs.push_back(pair);
    }
    return pairs;
}

bool tiesTypedAlike(const ResultForm& form)
{
    const auto td = performances(form);
    for (int pair : numericTiePairs(form))
        if (td[pair] != td[pair - 1])
            return false;
    return true;
}

bool validPerformance(std::string_view text, std::string_view eventKind)
{
    const std::string t = trimBlanks(text);
    const std::size_t length = trimBlanks(eventKind) == "Distance" ? 4 : 6;
    const bool isNumber = !t.empty() && t.find(' ') == std::string::npos && isWholeNumber(t);
    return isNumber && t.size() == length;
}

bool validateForm(const ResultForm& form, std::string_view eventKind)
{
    bool ok = true;
    const Placing& first = form.places[0];
    if (first.name.empty() || !first.hasHouse())
        ok = false;
    if (!validPerformance(first.td, eventKind))
        ok = false;

    auto checkOptionalRow = [&](const Placing& row) {
        if (!row.hasHouse())
            ok = false;
        if (!validPerformance(row.td, eventKind))
            ok = false;
    };
    for (int i = 1; i < 4; ++i)
        if (!form.places[i].name.empty())
            checkOptionalRow(form.places[i]);
    if (!form.drawLine.name.empty() && form.drawLineInUse())
        checkOptionalRow(form.drawLine);
    return ok;
}

std::vector<std::string> plainFormLines(const ResultForm& form)
{
    std::vector<std::string> lines;
    for (const Placing& row : form.places) {
        lines.push_back(row.name);
        lines.push_back(row.house);
        lines.push_back(row.td);
    }
    return lines;
}

std::vector<std::string> drawFormLines(const ResultForm& form, int drawpos)
{
    std::vector<std::string> lines { std::string(kDrawMarker), numberForm(static_cast<long long>(drawpos)) };
    for (std::string& line : plainFormLines(form))
        lines.push_back(std::move(line));
    lines.push_back(form.drawLine.name);
    lines.push_back(form.drawLine.house);
    lines.push_back(form.drawLine.td);
    return lines;
}

void writePlainResult(std::string_view path, const ResultForm& form)
{
    writeFileAtomically(path, joinLines(plainFormLines(form)));
}

void writeDrawResult(std::string_view path, const ResultForm& form, int drawpos)
{
    writeFileAtomically(path, joinLines(drawFormLines(form, drawpos)));
}

namespace {

Placing placingFrom(const std::vector<std::string>& lines, std::size_t first)
{
    return Placing { lines[first], lines[first + 1], lines[first + 2] };
}

} // namespace

StoredResult readEventResult(std::string_view path)
{
    return readEventResult(path, readFileContent(path));
}

StoredResult readEventResult(std::string_view path, std::string_view content)
{
    StoredResult result;
    result.lines = splitLines(content);
    std::vector<std::string>& lines = result.lines;
    result.isDraw = !lines.empty() && trimBlanks(lines[0]) == kDrawMarker
        && lines.size() >= static_cast<std::size_t>(kDrawLines);

    const std::size_t needed = result.isDraw ? kDrawLines : kPlainLines;
    if (lines.size() < needed)
        throw DataFileError(std::string(path),
            "the result holds " + std::to_string(lines.size()) + " lines; " + std::to_string(needed)
                + " are needed.");
    lines.resize(needed);

    const std::size_t placesAt = result.isDraw ? 2 : 0;
    for (std::size_t i = 0; i < 4; ++i)
        result.form.places[i] = placingFrom(lines, placesAt + 3 * i);
    if (result.isDraw) {
        const double drawpos = numericValue(lines[1]);
        result.drawpos = drawpos < kTiePositionLowest || drawpos > kTiePositionHighest
            ? std::nullopt
            : std::optional<int>(static_cast<int>(drawpos));
        result.form.drawLine = placingFrom(lines, 14);
    }
    return result;
}

} // namespace carnival
