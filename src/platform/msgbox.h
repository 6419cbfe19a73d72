#pragma once
// Modal message boxes. The style code is the sum of a button set (0 OK,
// 4 Yes/No), an icon (16 critical, 32 question, 48 exclamation, 64
// information) and 256 when the second button is the default. The answer is
// 1 for OK, 6 for Yes and 7 for No.

#include <QString>

#include <functional>

namespace platform {

inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

inline const QString kApplicationTitle = QStringLiteral("Ostrivale");

// Shows the box and keeps its answer in the carnival state's lastMsgBoxAnswer.
int showMsgBox(const QString& prompt, int style = 0, const QString& title = kApplicationTitle);

// The same box for the few messages whose answer is not kept.
int showMsgBoxDroppingAnswer(const QString& prompt, int style = 0, const QString& title = kApplicationTitle);

struct MsgBoxCall {
    QString prompt;
    int style = 0;
    QString title;
};

// Tests answer message boxes through this hook instead of the screen.
using MsgBoxResponder = std::function<int(const MsgBoxCall&)>;
void setMsgBoxResponder(MsgBoxResponder responder);

// The answer a box gives when its default button is taken.
int defaultAnswer(int style);

} // namespace platform
