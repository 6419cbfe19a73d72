#pragma once

#include <QString>

namespace platform {

// Opens a page of the help folder (for example "\index.htm") in the
// platform's own viewer, without waiting. The full path is kept in the
// carnival state's helpPagePath. A missing help folder is reported.
void openHelpPage(const QString& page);

// The full path of a page of the help folder, whether or not it is there.
QString helpPageFile(const QString& page);

} // namespace platform
