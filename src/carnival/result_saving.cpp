#include "result_saving.h"

#include "agechamp_file.h"
#include "carnival_state.h"
#include "data_error.h"
#include "data_files.h"
#include "file_transaction.h"
#include "fixed_text.h"
#include "paths.h"
#include "record_check.h"
#include "records_file.h"
#include "scoring.h"
#include "text_files.h"

namespace carnival {

namespace {

constexpr std::string_view kResultNotSaved = "The result was not saved: ";
constexpr std::string_view kEventNotDeleted = "The event was not deleted: ";
constexpr std::string_view kEventNotOpened = "The event cannot be edited: ";

// One operation on the data files: each folder resolved once, each file read
// once, every change committed together. It is made for the carnival the
// windows show, and everything it writes is computed from what it reads, so
// the commit refuses it when another program changed any of that meanwhile.
struct Operation {
    Operation()
    {
        const CarnivalState& state = modDeclareGlobals();
        requireCarnival(files.read(kCarnivalFile), state.carnivalType, state.carnivalYear);
    }
    PathScope paths;
    FileTransaction files;
};

// A step that cannot go ahead; the operation then changes nothing. The
// reason follows what was not done, unless it is a message of its own.
struct Refused {
    std::string reason;
    bool whole = false;
};

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

// The house totals of the points file as it stands.
HouseTotals currentTotals(FileTransaction& files)
{
    const auto points = pointsIn(files.read(kPointsFile));
    HouseTotals totals;
    totals.names = modDeclareGlobals().houseNames;
    for (int i = 0; i < kHouseCount; ++i)
        totals.points[i] = points[i];
    return totals;
}

std::array<std::int16_t, kHouseCount> checkedTotals(const HouseTotals& totals)
{
    const int outOfRange = totals.houseOutOfRange();
    if (outOfRange >= 0)
        throw Refused { "the total of " + totals.names[outOfRange]
            + " would leave the range of totals Ostrivale can keep (-32768 to 32767)." };
    std::array<std::int16_t, kHouseCount> points {};
    for (int i = 0; i < kHouseCount; ++i)
        points[i] = static_cast<std::int16_t>(totals.points[i]);
    return points;
}

// Stages the points file with the new totals; refused when one would leave
// the range the file can hold.
std::array<std::int16_t, kHouseCount> stageTotals(FileTransaction& files, const HouseTotals& totals)
{
    const auto points = checkedTotals(totals);
    files.write(kPointsFile, pointsUpdateContent(points));
    return points;
}

// Applies a change to the records of the chosen age-champion file and stages
// the file when anything changed.
template <class Change>
void changeAgeChamps(FileTransaction& files, Change change)
{
    const std::string path = chosenAgeChampPath();
    std::string content = files.read(path);
    std::vector<AgeChampEntry> entries = decodeAgeChamps(content);
    const std::vector<AgeChampEntry> before = entries;
    change(entries, eventCellIndex(modDeclareGlobals().selectedEvent));
    if (entries == before)
        return;
    storeAgeChamps(content, entries);
    files.write(path, std::move(content));
}

void awardIndividuals(FileTransaction& files, const ResultForm& form, const std::array<int, 5>& points,
    std::vector<std::string>& messages)
{
    const std::string path = chosenAgeChampPath();
    changeAgeChamps(files, [&](std::vector<AgeChampEntry>& entries, int cell) {
        for (const Award& award : awardsFor(form, points)) {
            switch (findAgeChampSlot(entries, award.name, award.points, cell)) {
            case SlotOutcome::NoFreeSlot:
                messages.push_back("There is no room left for a new competitor in " + path + " (it holds "
                    + std::to_string(kAgeChampSlots) + " competitors), so the " + std::to_string(award.points)
                    + " points of " + award.name + " were not recorded for the age champions.");
                break;
            case SlotOutcome::TotalOutOfRange:
                messages.push_back("The " + std::to_string(award.points) + " points of " + award.name
                    + " were not recorded: the competitor's total would pass 32767.");
                break;
            default:
                break;
            }
        }
    });
}

void takeBackIndividuals(FileTransaction& files, const ResultForm& form, const std::array<int, 5>& points)
{
    changeAgeChamps(files, [&](std::vector<AgeChampEntry>& entries, int cell) {
        for (const Award& award : awardsFor(form, points))
            removeIndividualPoints(entries, award.name, award.points, cell);
    });
}

void checkRecordOf(FileTransaction& files, const ResultForm& form, std::vector<std::string>& messages)
{
    const CarnivalState& state = modDeclareGlobals();
    const std::string path = recordsFilePath(state.carnivalType);
    const std::optional<std::string>& stored = files.readIfThere(path);
    if (!stored)
        return;
    std::string content = *stored;
    const auto announcement = checkRecord(content, recordKey(state.selectedAge, state.selectedSex,
        state.selectedEvent), state.eventKind, form.places[0].name, form.places[0].td, state.carnivalYear);
    if (!announcement)
        return;
    files.write(path, std::move(content));
    messages.push_back(*announcement);
}

// Stages the result and everything it scores, then commits.
void saveAndScore(Operation& operation, const ResultForm& form, const std::string& resultContent,
    const std::array<int, 5>& points, bool individuals, std::vector<std::string>& messages)
{
    HouseTotals totals = currentTotals(operation.files);
    operation.files.write(chosenResultPath(), resultContent);
    if (individuals)
        awardIndividuals(operation.files, form, points, messages);
    addHousePoints(totals, form, points);
    const auto newTotals = stageTotals(operation.files, totals);
    checkRecordOf(operation.files, form, messages);
    operation.files.commit();
    modDeclareGlobals().housePoints = newTotals;
}

SaveOutcome notSaved(std::string_view operation, std::string reason, std::vector<std::string> before = {})
{
    before.push_back(std::string(operation) + reason);
    return SaveOutcome { Refusal::NotSaved, std::move(before) };
}

// Runs the steps of an operation; a failing file or a refused step leaves
// every file as it was and is the only message (after `before`).
template <class Steps>
SaveOutcome runSave(std::string_view operationName, Steps steps, std::vector<std::string> before = {})
{
    SaveOutcome outcome { Refusal::None, before };
    try {
        Operation operation;
        steps(operation, outcome.messages);
    } catch (const CarnivalChanged& changed) {
        SaveOutcome refused = notSaved(operationName, changed.userMessage(), std::move(before));
        refused.refusal = Refusal::CarnivalChanged;
        return refused;
    } catch (const DataFileError& error) {
        return notSaved(operationName, error.userMessage(), std::move(before));
    } catch (const Refused& refused) {
        return notSaved(refused.whole ? "" : operationName, refused.reason, std::move(before));
    }
    return outcome;
}

// Deletes the chosen event's result file where it still stands.
void removeChosenResult(Operation& operation, std::vector<std::string>&)
{
    if (operation.files.readIfThere(chosenResultPath()))
        operation.files.remove(chosenResultPath());
    operation.files.commit();
}

} // namespace

SaveOutcome saveNewResult(ResultForm form)
{
    if (!validateForm(form, modDeclareGlobals().eventKind))
        return SaveOutcome { Refusal::InvalidForm, {} };

    const bool tied = !numericTiePairs(form).empty();
    if (tied && !tiesTypedAlike(form))
        return SaveOutcome { Refusal::TiesTypedDifferently, {} };
    if (!tied && form.drawLineInUse())
        return SaveOutcome { Refusal::DrawLineWithoutTie, {} };

    int drawpos = 0;
    std::string content;
    if (tied) {
        if (!form.drawLineInUse())
            form.drawLine.name.clear();
        drawpos = findDrawpos(form);
        content = joinLines(drawFormLines(form, drawpos));
    } else {
        content = joinLines(plainFormLines(form));
    }
    const bool relay = chosenEventIsRelay();
    return runSave(kResultNotSaved, [&](Operation& operation, std::vector<std::string>& messages) {
        // Another program may have entered the event since it was chosen.
        if (operation.files.readIfThere(chosenResultPath()))
            throw Refused { std::string(kAlreadyEntered), true };
        saveAndScore(operation, form, content, relay ? relayPoints(drawpos) : normalPoints(drawpos), !relay,
            messages);
    });
}

SaveOutcome saveEditedResult(const ResultForm& form)
{
    if (!validateForm(form, modDeclareGlobals().eventKind))
        return SaveOutcome { Refusal::InvalidForm, {} };

    const auto ties = numericTiePairs(form);
    if (!ties.empty()) {
        // A tie cannot be scored here: the event is deleted and must be
        // entered again.
        const std::vector<std::string> messages(ties.size(), std::string(kDrawInEdit));
        return runSave(kEventNotDeleted, removeChosenResult, messages);
    }

    return runSave(kResultNotSaved, [&](Operation& operation, std::vector<std::string>& messages) {
        saveAndScore(operation, form, joinLines(plainFormLines(form)), normalPoints(0), true, messages);
    });
}

namespace {

// The tie position a stored result's points are taken back by: 0 for the
// plain form. A Draw form's line 2 beyond the range it is read in is refused.
int takenBackDrawpos(const StoredResult& stored)
{
    if (stored.drawpos)
        return *stored.drawpos;
    throw DataFileError(chosenResultPath(),
        "line 2 gives the tie position " + trimBlanks(stored.lines[1]) + ", outside the range "
            + std::to_string(kTiePositionLowest) + " to " + std::to_string(kTiePositionHighest) + ".");
}

} // namespace

OpenedResult openResultForEditing()
{
    OpenedResult opened;
    try {
        Operation operation;
        opened.stored = readEventResult(chosenResultPath(), operation.files.read(chosenResultPath()));
        const StoredResult& stored = opened.stored;
        const int drawpos = takenBackDrawpos(stored);
        const bool knownTie = drawpos >= 1 && drawpos <= 4;
        if (!stored.isDraw || knownTie) {
            const auto points = normalPoints(drawpos);
            HouseTotals totals = currentTotals(operation.files);
            takeBackHousePoints(totals, stored.form, points);
            const auto newTotals = stageTotals(operation.files, totals);
            takeBackIndividuals(operation.files, stored.form, points);
            operation.files.commit();
            modDeclareGlobals().housePoints = newTotals;
        }
    } catch (const DataFileError& error) {
        opened.failure = std::string(kEventNotOpened) + error.userMessage();
        return opened;
    } catch (const Refused& refused) {
        opened.failure = std::string(kEventNotOpened) + refused.reason;
        return opened;
    }
    if (opened.stored.isDraw)
        opened.messages.emplace_back(kEnterDrawAgain);
    return opened;
}

SaveOutcome deleteChosenResult()
{
    return runSave(kEventNotDeleted, removeChosenResult);
}

} // namespace carnival
