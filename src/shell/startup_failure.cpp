#include "startup_failure.h"

#include "carnival/data_error.h"
#include "platform/forms.h"
#include "platform/latin1.h"
#include "platform/msgbox.h"

namespace shell {

void stopAfterStartupFailure(const carnival::DataFileError& error)
{
    platform::showMsgBox(platform::qtext(error.userMessage())
            + "\n\nOstrivale cannot go on without it and will close. "
              "Please repair or restore the file, then start Ostrivale again.",
        16);
    platform::Forms::unloadAll();
}

} // namespace shell
