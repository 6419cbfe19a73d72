#pragma once
// The steps of the first-run wizard: welcome, event lists, previous records,
// house names and a closing word, leading to the new-carnival window.

#include "platform/forms.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace setup {

// The heading "Welcome to Ostrivale!" and the logo every step shows.
QLabel* wizardHeading(QWidget* parent);
QLabel* wizardLogo(QWidget* parent);

// Asks whether to give up setting up; Yes ends the program at once.
void confirmWizardQuit();

// Loads and shows the next step, then hides and unloads this one.
template <class Next>
void nextWizardStep(platform::Form* current)
{
    if (!platform::Forms::load<Next>())
        return; // its loading failed and the program is stopping
    platform::Forms::show<Next>();
    current->hide();
    platform::Forms::unload(current);
}

// A wizard step: the welcome heading, the logo, the step's own texts and
// controls, "Next ->" (Command1) and "Quit" (Command2).
class WizardStep : public platform::Form {
    Q_OBJECT
public:
    void Command2_Click();

protected:
    WizardStep(const char* objectName, const QString& caption);

    QLabel* addText(const char* name, const QString& text);
    // The layout the step's own controls go into, below its texts.
    QVBoxLayout* body() const { return body_; }
    // Disables "Quit" while the houses are being reset.
    void disableQuitWhileResetting();

    virtual void Command1_Click() = 0;

    QPushButton* Command1;
    QPushButton* Command2;

private:
    QVBoxLayout* body_;
};

class frmNew : public WizardStep {
    Q_OBJECT
public:
    frmNew();
    void Form_Load() override;

protected:
    void Command1_Click() override;
};

class frmNew2 : public WizardStep {
    Q_OBJECT
public:
    frmNew2();
    void Form_Load() override;
    void Command3_Click();

protected:
    void Command1_Click() override;
};

class frmHouses : public WizardStep {
    Q_OBJECT
public:
    frmHouses();
    void Form_Load() override;

protected:
    void Command1_Click() override;

private:
    QLineEdit* houseBoxes[4];
};

class frmNew3 : public WizardStep {
    Q_OBJECT
public:
    frmNew3();
    void Form_Load() override;

protected:
    void Command1_Click() override;
};

} // namespace setup
