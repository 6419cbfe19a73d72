#include "window_fixture.h"

#include <QComboBox>

#include <string>

void WindowTest::pickHouse(QWidget* window, const QString& name, const char* house)
{
    auto* list = child<QComboBox>(window, name.toLatin1().constData());
    if (!list)
        return;
    const int index = *house ? list->findText(house) : -1;
    EXPECT_TRUE(!*house || index >= 0) << house;
    list->setCurrentIndex(index);
}

void WindowTest::fillRow(QWidget* window, const char* row, const ResultRow& values)
{
    const QString prefix = QString::fromLatin1(row);
    type(window, "txt" + prefix + "Name", values.name);
    pickHouse(window, "cbo" + prefix + "House", values.house);
    type(window, "txt" + prefix + "TD", values.td);
}

void WindowTest::fill(QWidget* window, std::initializer_list<ResultRow> placings)
{
    const char* rows[] = { "1st", "2nd", "3rd", "4th" };
    int i = 0;
    for (const ResultRow& row : placings)
        fillRow(window, rows[i++], row);
}

void WindowTest::chooseEvent(QWidget* chooser, const char* age, const char* sex, const char* event)
{
    if (age)
        child<QComboBox>(chooser, "cboage")->setCurrentText(age);
    if (sex)
        child<QComboBox>(chooser, "cboSex")->setCurrentText(sex);
    if (event)
        child<QComboBox>(chooser, "cboEvent")->setCurrentText(QString(event).leftJustified(20, ' '));
}

void WindowTest::expectMainWindowAlone(std::array<int, 4> totals)
{
    frmMain* main = Forms::find<frmMain>();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(labelText(main, ("lblPoints" + std::to_string(i + 1)).c_str()), QString::number(totals[i]))
            << "house " << i + 1;
    EXPECT_EQ(Forms::loadedCount(), 1);
    EXPECT_FALSE(lastWindowGone);
}

QStringList WindowTest::printJob(const QString& title, const QStringList& body)
{
    return QStringList { "size 16", "bold on", "font Tahoma", "line [0]" + title, "size 12", "bold off", "line" }
        + body + QStringList { "size 9", "line", "line [0]Printed by Ostrivale", "end" };
}
