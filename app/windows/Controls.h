#pragma once

#include "app/windows/WindowLook.h"

#include <QString>

class QLabel;
class QPushButton;
class QSize;
class QWidget;

namespace quitanza::app {

class ValidatedEdit;

// The controls the windows are made of, each as the windows want it.

// A validated field in the entry font (Tahoma 11 pt).
ValidatedEdit* NewEntryField(QWidget* parent, const QString& name);
// A label whose accelerator, if it has one, goes to `buddy`.
QLabel* NewLabel(const QString& text, QWidget* buddy, QWidget* parent, const QString& name);
// A push button with a picture; Enter never presses it (only its key, Space
// or a click do), so that Enter can move the focus on in every window.
QPushButton* NewButton(QWidget* parent, const QString& name, const QString& text, ButtonPicture picture);

// The window at its designed size (logical pixels, so it scales with the
// screen) or larger when its contents need more, as a fallback font may.
void FixWindowSize(QWidget& window, const QSize& designed);
void SizeResizableWindow(QWidget& window, const QSize& designed);

}  // namespace quitanza::app
