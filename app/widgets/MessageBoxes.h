#pragma once

#include <QString>

class QWidget;

namespace quitanza::app {

// The program's title: the caption of its plain message boxes and error boxes.
QString ApplicationTitle();

// The message boxes of the windows, modal over `parent`.

// The standard error box: the program's title, the error icon, OK.
void ShowErrorBox(QWidget* parent, const QString& message);
// A refused input: "Atenção", the exclamation icon, OK.
void ShowWarningBox(QWidget* parent, const QString& text);
// "Pergunta", the question icon, Yes and No; true for Yes.
bool AskQuestion(QWidget* parent, const QString& text);
// A plain box: the program's title, no icon, OK.
void ShowInformationBox(QWidget* parent, const QString& text);

}  // namespace quitanza::app
