#include "report_menu.h"

#include "platform/controls.h"

#include <QVBoxLayout>

namespace reports {

ReportMenu::ReportMenu(const char* objectName, const QString& caption)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
    column_ = new QVBoxLayout(this);
    column_->setContentsMargins(40, 8, 40, 16);
    column_->setSpacing(7);
}

QPushButton* ReportMenu::addButton(const char* name, const QString& caption)
{
    QPushButton* button = platform::namedButton(name, caption, this);
    button->setMinimumSize(129, 33);
    column_->addWidget(button);
    return button;
}

} // namespace reports
