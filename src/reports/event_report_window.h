#pragma once
// What the two windows of the event report share: the choice of an event and
// the reading of its stored result.

#include "results/event_lists.h"

#include "carnival/event_result.h"
#include "platform/forms.h"

#include <optional>
#include <string>

namespace reports {

class EventReportWindow : public platform::Form {
    Q_OBJECT
public:
    void Form_Load() override;

protected:
    EventReportWindow(const char* objectName, const QString& caption);

    // The result file of the chosen event; nothing, after the message "Event
    // has not been entered yet.", when there is none.
    std::optional<std::string> enteredResultPath() const;

    // The stored result at path; nothing, after a message naming the file,
    // when it cannot be read.
    static std::optional<carnival::StoredResult> readResult(const std::string& path);

    // The age, sex and event as chosen, the event with its trailing blanks.
    QString reportTitle() const;

    results::EventLists lists_;
};

} // namespace reports
