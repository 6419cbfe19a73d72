#pragma once
// The two report menus: a column of buttons, each opening a report.

#include "platform/forms.h"

#include <QPushButton>

class QVBoxLayout;

namespace reports {

class ReportMenu : public platform::Form {
    Q_OBJECT
protected:
    ReportMenu(const char* objectName, const QString& caption);

    // The next button of the column, in tab order from the top.
    template <class Menu>
    void addButton(const char* name, const QString& caption, void (Menu::*handler)())
    {
        connect(addButton(name, caption), &QPushButton::clicked, static_cast<Menu*>(this), handler);
    }

private:
    QPushButton* addButton(const char* name, const QString& caption);

    QVBoxLayout* column_;
};

} // namespace reports
