#include "unfinished_changes.h"

#include "latin1.h"
#include "msgbox.h"

#include "carnival/data_error.h"
#include "carnival/file_transaction.h"

namespace platform {

void settleUnfinishedChanges(const QString& title)
{
    try {
        carnival::settleInterruptedCommit();
    } catch (const carnival::DataFilesBusy&) {
        showMsgBoxDroppingAnswer("Another program is changing the data files and has not finished within a few "
                                 "seconds. This program goes on; a change cut short, if there is one, is finished "
                                 "or undone by the next save.",
            48, title);
    } catch (const carnival::DataFileError& error) {
        showMsgBoxDroppingAnswer("A change to the data files was cut short and could not be finished or undone. "
                + qtext(error.userMessage()),
            48, title);
    }
}

} // namespace platform
