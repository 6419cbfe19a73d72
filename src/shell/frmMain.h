#pragma once

#include "platform/forms.h"

#include <QHash>

class QFrame;
class QLabel;
class QPushButton;

namespace shell {

// The hub: the current carnival in the title, the houses' progressive points,
// hover help, and the buttons that open every other window.
class frmMain : public platform::Form {
    Q_OBJECT
public:
    frmMain();

    void Form_Load() override;

    void cmdEnter_Click();
    void cmdEdit_Click();
    void cmdPrint_Click();
    void cmdSave_Click();
    void cmdNew_Click();
    void cmdHelp_Click();
    void cmdAbout_Click();
    void cmdQuit_Click();

    void Label3_DblClick();
    void lblhouse1_Click();
    void pctLogo_DblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void sub_update();
    void LoadEvents();
    QPushButton* addButton(const char* name, const QString& caption, void (frmMain::*handler)());
    void addHover(QWidget* control, const QString& text);

    QLabel* lblTitle;
    QLabel* lblHelp;
    QLabel* lblhouse[4];
    QLabel* lblPoints[4];
    QLabel* Label3;
    QLabel* pctLogo;
    QHash<QObject*, QString> hoverTexts_;
};

} // namespace shell
