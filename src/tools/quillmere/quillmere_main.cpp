// Quillmere: the records editor. Earlier records are typed in, one by one,
// over the unset records of data\athletics.dat or data\swimming.dat below
// the current folder.

#include "platform/forms.h"
#include "platform/unfinished_changes.h"
#include "tools/quillmere/Form1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quillmere");
    QApplication::setQuitOnLastWindowClosed(false);
    platform::settleUnfinishedChanges(QApplication::applicationName());
    platform::Forms::show<quillmere::Form1>();
    return QApplication::exec();
}
