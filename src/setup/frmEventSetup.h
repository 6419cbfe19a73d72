#pragma once

#include "platform/forms.h"

#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace setup {

// Wizard step 2: the athletics event list, then the swimming one. Each
// "Next ->" saves the list and writes that carnival type's starting files.
class frmEventSetup : public platform::Form {
    Q_OBJECT
public:
    frmEventSetup();

    void Form_Load() override;

    void Command3_Click(); // Add
    void Command6_Click(); // Remove
    void Command7_Click(); // Move Up
    void Command8_Click(); // Move Down
    void Command9_Click(); // Quit
    void cmdNext_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void txten_KeyUp();
    bool addEvent(const QString& name);
    void loadEvents(const std::string& templateList);
    std::vector<std::string> listedEvents() const;
    void swapWithSelected(int offset);

    QLineEdit* txten;
    QListWidget* lstEvents;
    QPushButton* Command1; // its caption holds the pass
    // The Enter key went down in txten: only its own release adds the name,
    // not the release of an Enter that closed a message box.
    bool enterDown_ = false;
};

} // namespace setup
