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
    } catch (const carnival::DataFilesBusy& busy) {
        // Nothing to say of a change cut short: the next save settles it.
        showMsgBoxDroppingAnswer(qtext(busy.userMessage()), 48, title);
    } catch (const carnival::DataFileError& error) {
        showMsgBoxDroppingAnswer("A change to the data files was cut short and could not be undone. "
                + qtext(error.userMessage()),
            48, title);
    }
}

} // namespace platform
