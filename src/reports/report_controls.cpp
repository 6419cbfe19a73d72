#include "report_controls.h"

#include "carnival/carnival_state.h"
#include "platform/latin1.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QPlainTextEdit>

namespace reports {

namespace {

constexpr int kTabStopCharacters = 14;

template <std::size_t N>
QComboBox* makeChoiceList(const char* name, const std::array<std::string, N>& items, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(false);
    for (const std::string& item : items)
        list->addItem(platform::qtext(item));
    list->setCurrentIndex(-1);
    list->setMinimumWidth(80);
    return list;
}

} // namespace

QPlainTextEdit* makeListingBox(QWidget* parent, int columns, int lines)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName("txtIWindow");
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetricsF metrics(box->font());
    const qreal character = metrics.horizontalAdvance(QLatin1Char('0'));
    box->setTabStopDistance(kTabStopCharacters * character);
    // Room for the frame and a scroll bar beside the text.
    box->setMinimumSize(
        static_cast<int>(columns * character) + 30, static_cast<int>(lines * metrics.lineSpacing()) + 20);
    return box;
}

void showListing(QPlainTextEdit* box, std::string_view listing)
{
    QString text = platform::qtext(listing);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    box->setPlainText(text);
}

QComboBox* makeAgeList(QWidget* parent)
{
    return makeChoiceList("cboage", carnival::kAgeGroups, parent);
}

QComboBox* makeSexList(QWidget* parent)
{
    return makeChoiceList("cboSex", carnival::kSexes, parent);
}

QHBoxLayout* centredRow(std::initializer_list<QWidget*> widgets, int spacing)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(spacing);
    row->addStretch();
    for (QWidget* widget : widgets)
        row->addWidget(widget);
    row->addStretch();
    return row;
}

} // namespace reports
