// Sablewick: the empty-records generator. It replaces data\athletics.dat or
// data\swimming.dat below the current folder by unset records.

#include "platform/forms.h"
#include "platform/unfinished_changes.h"
#include "tools/sablewick/Form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Sablewick");
    QApplication::setQuitOnLastWindowClosed(false);
    platform::settleUnfinishedChanges(QApplication::applicationName());
    platform::Forms::show<sablewick::Form1>();
    return QApplication::exec();
}
