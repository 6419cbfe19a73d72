#pragma once
// The two event choosers: an age group, a sex and an event picked from three
// lists, then "Go!" hands over to the entry or the edit window.

#include "event_lists.h"

#include "platform/forms.h"

namespace results {

class EventChooser : public platform::Form {
    Q_OBJECT
public:
    void Form_Load() override;

    void cmdGo_Click();
    void cmdCancel_Click();

protected:
    explicit EventChooser(const char* objectName, const QString& caption);

    // The three texts of the lists, empty where nothing is chosen.
    QString chosenAge() const;
    QString chosenSex() const;
    QString chosenEvent() const;
    bool somethingMissing() const;
    // The event result file of the current choice exists.
    bool chosenEventEntered() const;
    // Stores the choice in the carnival state.
    void storeChoice() const;

    virtual void go() = 0;

private:
    EventLists lists_;
};

// "Choose Event to Enter": refuses an event that is already entered.
class frmEnter : public EventChooser {
    Q_OBJECT
public:
    frmEnter();
    void Form_Unload() override;

protected:
    void go() override;
};

// "Choose Event to Edit": refuses an event not yet entered, and relays.
class frmEdit : public EventChooser {
    Q_OBJECT
public:
    frmEdit();

protected:
    void go() override;
    void closeEvent(QCloseEvent* event) override;
};

} // namespace results
