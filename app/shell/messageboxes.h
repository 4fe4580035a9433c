#pragma once

#include <QString>

class QWidget;

// The program's two standard message boxes: dark, titled with the program's name.

// Values askYesNo returns.
constexpr int AnswerYes = 3;
constexpr int AnswerNo = 0;
constexpr int AnswerNone = -1;

// Asks `text` with Yes and No. Returns AnswerYes, or AnswerNo for No, Escape and the close
// button; AnswerNone only when the box ended without any button.
int askYesNo(QWidget *parent, const QString &text);

// Tells `text` in an application-modal box that stays on top; returns when it is closed.
void showNotice(const QString &text);
// The same box under another title.
void showNotice(const QString &text, const QString &title);

// The title every standard box carries.
QString messageBoxTitle();
