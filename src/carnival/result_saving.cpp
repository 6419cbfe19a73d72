#include "result_saving.h"

#include "carnival_state.h"
#include "data_error.h"
#include "data_files.h"
#include "fixed_text.h"
#include "paths.h"
#include "record_check.h"
#include "records_file.h"
#include "scoring.h"
#include "text_files.h"

namespace carnival {

namespace {

std::string chosenResultPath()
{
    const CarnivalState& state = modDeclareGlobals();
    return eventResultPath(state.selectedAge, state.selectedSex, state.selectedEvent);
}

std::string chosenAgeChampPath()
{
    const CarnivalState& state = modDeclareGlobals();
    return ageChampPath(state.selectedAge, state.selectedSex);
}

bool chosenEventIsRelay()
{
    return trimBlanks(modDeclareGlobals().selectedEvent) == "Relay";
}

HouseTotals currentTotals()
{
    const CarnivalState& state = modDeclareGlobals();
    HouseTotals totals;
    totals.names = state.houseNames;
    for (int i = 0; i < kHouseCount; ++i)
        totals.points[i] = state.housePoints[i];
    return totals;
}

// Keeps the new totals and writes the points file, unless a total would
// leave the range the file can hold.
void storeTotals(const HouseTotals& totals, std::vector<std::string>& messages)
{
    const int outOfRange = totals.houseOutOfRange();
    if (outOfRange >= 0) {
        messages.push_back("The points of this event were not added to the house totals: the total of "
            + totals.names[outOfRange] + " would pass the largest total Ostrivale can keep (-32768 to 32767).");
        return;
    }
    std::array<std::int16_t, kHouseCount> points {};
    for (int i = 0; i < kHouseCount; ++i)
        points[i] = static_cast<std::int16_t>(totals.points[i]);
    writePointsUpdate(points);
    modDeclareGlobals().housePoints = points;
}

void awardIndividuals(const ResultForm& form, const std::array<int, 5>& points, std::vector<std::string>& messages)
{
    const std::string path = chosenAgeChampPath();
    const int cell = eventCellIndex(modDeclareGlobals().selectedEvent);
    for (const Award& award : awardsFor(form, points)) {
        switch (findAgeChampSlot(path, award.name, award.points, cell)) {
        case SlotOutcome::NoFreeSlot:
            messages.push_back("There is no room left for a new competitor in " + path + " (it holds "
                + std::to_string(50) + " competitors), so the " + std::to_string(award.points) + " points of "
                + award.name + " were not recorded for the age champions.");
            break;
        case SlotOutcome::TotalOutOfRange:
            messages.push_back("The " + std::to_string(award.points) + " points of " + award.name
                + " were not recorded: the competitor's total would pass 32767.");
            break;
        default:
            break;
        }
    }
}

void awardHousePoints(const ResultForm& form, const std::array<int, 5>& points, HouseTotals totals,
    std::vector<std::string>& messages)
{
    addHousePoints(totals, form, points);
    storeTotals(totals, messages);
}

void runRecordCheck(const ResultForm& form, std::vector<std::string>& messages)
{
    const CarnivalState& state = modDeclareGlobals();
    const auto announcement = checkRecord(recordsFilePath(state.carnivalType),
        recordKey(state.selectedAge, state.selectedSex, state.selectedEvent), state.eventKind,
        form.places[0].name, form.places[0].td, state.carnivalYear);
    if (announcement)
        messages.push_back(*announcement);
}

// Runs one step after the result is stored; a failing file is reported and
// the remaining steps still run.
template <class Step>
void runStep(std::vector<std::string>& messages, Step step)
{
    try {
        step();
    } catch (const DataFileError& error) {
        messages.push_back(error.userMessage());
    }
}

} // namespace

SaveOutcome saveNewResult(ResultForm form)
{
    SaveOutcome outcome;
    if (!validateForm(form, modDeclareGlobals().eventKind)) {
        outcome.refusal = Refusal::InvalidForm;
        return outcome;
    }

    const bool tied = !numericTiePairs(form).empty();
    if (tied && !tiesTypedAlike(form)) {
        outcome.refusal = Refusal::TiesTypedDifferently;
        return outcome;
    }
    if (!tied && form.drawLineInUse()) {
        outcome.refusal = Refusal::DrawLineWithoutTie;
        return outcome;
    }

    int drawpos = 0;
    try {
        if (tied) {
            if (!form.drawLineInUse())
                form.drawLine.name.clear();
            drawpos = findDrawpos(form);
            writeDrawResult(chosenResultPath(), form, drawpos);
        } else {
            writePlainResult(chosenResultPath(), form);
        }
    } catch (const DataFileError& error) {
        outcome.refusal = Refusal::ResultNotWritten;
        outcome.messages.push_back(error.userMessage());
        return outcome;
    }

    auto& messages = outcome.messages;
    if (chosenEventIsRelay()) {
        runStep(messages, [&] { awardHousePoints(form, relayPoints(drawpos), currentTotals(), messages); });
    } else {
        runStep(messages, [&] { awardIndividuals(form, normalPoints(drawpos), messages); });
        runStep(messages, [&] { awardHousePoints(form, normalPoints(drawpos), currentTotals(), messages); });
    }
    runStep(messages, [&] { runRecordCheck(form, messages); });
    return outcome;
}

SaveOutcome saveEditedResult(const ResultForm& form)
{
    SaveOutcome outcome;
    if (!validateForm(form, modDeclareGlobals().eventKind)) {
        outcome.refusal = Refusal::InvalidForm;
        return outcome;
    }
    auto& messages = outcome.messages;
    const std::string path = chosenResultPath();
    const auto ties = numericTiePairs(form);
    if (!ties.empty()) {
        for (std::size_t i = 0; i < ties.size(); ++i) {
            messages.emplace_back(kDrawInEdit);
            if (fileExists(path))
                runStep(messages, [&] { deleteFile(path); });
        }
        return outcome;
    }

    try {
        writePlainResult(path, form);
    } catch (const DataFileError& error) {
        outcome.refusal = Refusal::ResultNotWritten;
        messages.push_back(error.userMessage());
        return outcome;
    }
    runStep(messages, [&] { awardIndividuals(form, normalPoints(0), messages); });
    runStep(messages, [&] {
        readPointsFile();
        awardHousePoints(form, normalPoints(0), currentTotals(), messages);
    });
    runStep(messages, [&] { runRecordCheck(form, messages); });
    return outcome;
}

OpenedResult openResultForEditing()
{
    OpenedResult opened;
    opened.stored = readEventResult(chosenResultPath());
    const StoredResult& stored = opened.stored;
    auto& messages = opened.messages;

    const bool knownTie = stored.drawpos >= 1 && stored.drawpos <= 4;
    if (!stored.isDraw || knownTie) {
        const auto points = normalPoints(stored.isDraw ? stored.drawpos : 0);
        runStep(messages, [&] {
            HouseTotals totals = currentTotals();
            takeBackHousePoints(totals, stored.form, points);
            storeTotals(totals, messages);
        });
        runStep(messages, [&] {
            const std::string path = chosenAgeChampPath();
            const int cell = eventCellIndex(modDeclareGlobals().selectedEvent);
            for (const Award& award : awardsFor(stored.form, points))
                removeIndividualPoints(path, award.name, award.points, cell);
        });
    }
    if (stored.isDraw)
        messages.emplace_back(kEnterDrawAgain);
    return opened;
}

void deleteChosenResult()
{
    deleteFile(chosenResultPath());
}

} // namespace carnival
