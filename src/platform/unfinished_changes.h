#pragma once
// Each program's first step: a change to the data files that a crash cut
// short is finished or undone before anything reads the data.

#include <QString>

namespace platform {

// Settles the change; where a file cannot be put back, says so in a box with
// the given title, and the program goes on.
void settleUnfinishedChanges(const QString& title);

} // namespace platform
