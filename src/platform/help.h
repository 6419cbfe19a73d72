#pragma once

#include <QString>

namespace platform {

// Opens a page of the help folder (for example "\index.htm") in the
// platform's own viewer, without waiting. The full path is kept in the
// carnival state's helpPagePath. A missing help folder is reported.
void openHelpPage(const QString& page);

} // namespace platform
