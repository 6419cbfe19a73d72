#pragma once
// The three drop-down lists of an event choice: age group, sex and event.
// They offer their items only, and nothing is chosen at first.

#include <QString>

#include <string>

class QComboBox;
class QWidget;

namespace results {

class EventLists {
public:
    // Creates cboage and cboSex with their fixed items and cboEvent empty.
    explicit EventLists(QWidget* parent);

    // Fills cboEvent with the events of the current carnival, in list order.
    void fillEventCombo();

    // The texts of the lists, empty where nothing is chosen.
    QString age() const;
    QString sex() const;
    QString event() const;
    bool somethingMissing() const;

    // The event result file of the choice; an empty list gives an empty text.
    std::string resultPath() const;

    QComboBox* const cboage;
    QComboBox* const cboSex;
    QComboBox* const cboEvent;
};

} // namespace results
