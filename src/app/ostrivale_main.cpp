// Ostrivale: the school sports-carnival manager. It works on the data files
// below the current folder, the program folder it is installed in.

#include "platform/forms.h"
#include "platform/registry.h"
#include "platform/unfinished_changes.h"
#include "shell/frmSplash.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Ostrivale");
    // A loaded but hidden window keeps the program alive; it ends when the
    // last window has been unloaded.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::settleUnfinishedChanges(QApplication::applicationName());
    platform::registerSystemInfoProgram();
    platform::Forms::show<shell::frmSplash>();
    return QApplication::exec();
}
