#pragma once
// Controls the report windows share: the listing box and the age group and
// sex lists.

#include <QString>

#include <initializer_list>
#include <string_view>

class QComboBox;
class QHBoxLayout;
class QPlainTextEdit;
class QWidget;

namespace reports {

// The read-only listing box `txtIWindow`: a fixed-width font, no wrapping,
// tab stops fourteen characters apart (so the records' 25-character keys and
// 30-character holders line up under the heading), at least `columns` wide
// and `lines` high.
QPlainTextEdit* makeListingBox(QWidget* parent, int columns, int lines);

// Replaces the box's text by a listing whose lines end in CR LF.
void showListing(QPlainTextEdit* box, std::string_view listing);

// The age-group choice (12 to 17+) and the sex choice, nothing chosen.
QComboBox* makeAgeList(QWidget* parent);
QComboBox* makeSexList(QWidget* parent);

// Widgets side by side in the middle of a row, `spacing` apart.
QHBoxLayout* centredRow(std::initializer_list<QWidget*> widgets, int spacing);

} // namespace reports
