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
        // No file is at fault, and no change cut short is known of: the next save settles any.
        QString problem = qtext(busy.problem());
        problem[0] = problem[0].toUpper();
        showMsgBoxDroppingAnswer(problem, 48, title);
    } catch (const carnival::DataFileError& error) {
        showMsgBoxDroppingAnswer("A change to the data files was cut short and could not be finished or undone. "
                + qtext(error.userMessage()),
            48, title);
    }
}

} // namespace platform
