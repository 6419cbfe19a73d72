#include "msgbox.h"

#include "carnival/carnival_state.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {

MsgBoxResponder& responder()
{
    static MsgBoxResponder hook;
    return hook;
}

bool isYesNo(int style) { return (style & 0x0F) == 4; }
bool secondIsDefault(int style) { return (style & 0x300) == 256; }

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case 16: return QMessageBox::Critical;
    case 32: return QMessageBox::Question;
    case 48: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

int askOnScreen(const MsgBoxCall& call)
{
    QMessageBox box(iconOf(call.style), call.title, call.prompt, QMessageBox::NoButton, QApplication::activeWindow());
    if (isYesNo(call.style)) {
        QPushButton* yes = box.addButton(QMessageBox::Yes);
        QPushButton* no = box.addButton(QMessageBox::No);
        box.setDefaultButton(secondIsDefault(call.style) ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? kAnswerYes : kAnswerNo;
    }
    box.addButton(QMessageBox::Ok);
    box.exec();
    return kAnswerOk;
}

int ask(const QString& prompt, int style, const QString& title)
{
    const MsgBoxCall call { prompt, style, title.isEmpty() ? kApplicationTitle : title };
    return responder() ? responder()(call) : askOnScreen(call);
}

} // namespace

int defaultAnswer(int style)
{
    if (!isYesNo(style))
        return kAnswerOk;
    return secondIsDefault(style) ? kAnswerNo : kAnswerYes;
}

int showMsgBox(const QString& prompt, int style, const QString& title)
{
    const int answer = ask(prompt, style, title);
    carnival::modDeclareGlobals().lastMsgBoxAnswer = static_cast<std::int16_t>(answer);
    return answer;
}

int showMsgBoxDroppingAnswer(const QString& prompt, int style, const QString& title)
{
    return ask(prompt, style, title);
}

void setMsgBoxResponder(MsgBoxResponder hook)
{
    responder() = std::move(hook);
}

} // namespace platform
