#pragma once
// The records editor's window: the record on screen (key, holder, time or
// distance, year), the choice of carnival type, "Next ->" and "Quit".

#include "carnival/records_file.h"
#include "platform/forms.h"

#include <optional>
#include <string_view>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quillmere {

class Form1 : public platform::Form {
    Q_OBJECT
public:
    Form1();

    void Form_Load() override;
    void Command3_Click();
    void Command4_Click();
    void Command1_Click();
    void Command2_Click();
    void Text2_GotFocus();
    void Text3_GotFocus();
    void Text4_GotFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseRecordsFile(std::string_view programPath);
    void showRecord();
    // The record on screen with the typed holder, year and value, the key as
    // read; nothing (after a message) when a box holds what cannot be stored.
    std::optional<carnival::RecordEntry> typedRecord();
    // Stores the record at the current number; nothing after a message when
    // the file could not be written.
    std::optional<std::vector<carnival::RecordEntry>> store(const carnival::RecordEntry& record);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
};

} // namespace quillmere
