#pragma once
// Controls created with their object names, which are the names the program
// and its tests know them by.

#include <QLabel>
#include <QPushButton>
#include <QString>

namespace platform {

inline QLabel* namedLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

inline QPushButton* namedButton(const char* name, const QString& caption, QWidget* parent, int minimumWidth = 0)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    if (minimumWidth > 0)
        button->setMinimumWidth(minimumWidth);
    return button;
}

} // namespace platform
