#pragma once
// The frame of every print job: the title at its start, the footer at its
// end, and "Done!" once the job has gone to the printer.

#include <QString>

namespace reports {

inline const QString kPrintFooter = QStringLiteral("Printed by Ostrivale");

// Font size 16, bold, "Tahoma", the title, font size 12, bold off, an empty line.
void printTitle(const QString& title);

// Font size 9, an empty line, the footer line; the job stays open.
void printFooterLines();

// Ends the job. True when it was made; otherwise the failure has been shown
// to the user.
bool endPrintJob();

// The footer lines, then the end of the job. True when the job was made;
// otherwise the failure has been shown to the user, and no "Done!" follows.
bool printFooter();

// The message "Done!" (OK only, the program's title).
void showDone();

} // namespace reports
