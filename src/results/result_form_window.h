#pragma once
// What the entry and edit windows share: the result form of four placings and
// the draw line, its house lists, the record line and the Help button.

#include "carnival/event_result.h"
#include "platform/forms.h"

#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace results {

class ResultFormWindow : public platform::Form {
    Q_OBJECT
public:
    void Command1_Click();

protected:
    ResultFormWindow(const char* objectName, const QString& caption, const QString& cancelCaption);

    // The 15 boxes as they stand; nothing when a box holds a character that
    // cannot be stored (the user has been told which).
    std::optional<carnival::ResultForm> readBoxes() const;

    // Offers the four house names in every house list, none chosen.
    void fillHouseLists();
    // Chooses a stored house text; a text no longer among the houses is
    // added to that list so the stored result keeps it.
    static void chooseHouse(QComboBox* list, const QString& house);

    // The event "100m" is always timed.
    void applyHundredMetresRule();
    // Fills the record line from the records file.
    void showRecordLine();

    // Shows each message with an OK button.
    static void showMessages(const std::vector<std::string>& messages);

    struct Row {
        QLineEdit* name;
        QComboBox* house;
        QLineEdit* td;
    };
    std::array<Row, 5> rows; // 1st to 4th placing, then the draw line

    QLabel* lbltitle;
    QLabel* lbltd;
    QLabel* lblrecord;
    QPushButton* cmdGo;
    QPushButton* cmdCancel;
};

} // namespace results
