#include "app/windows/KeyPreview.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QWidget>

namespace quitanza::app {

KeyPreview::KeyPreview(QWidget& window, Handler handler) : m_window(window), m_handler(std::move(handler))
{
  qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview()
{
  qApp->removeEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* receiver, QEvent* event)
{
  // A key that the focused control passes on reaches its parents too; the
  // window sees it once, on its way to the control.
  if (event->type() != QEvent::KeyPress || receiver != QApplication::focusWidget())
    return false;
  const auto* widget = static_cast<QWidget*>(receiver);
  return widget->window() == &m_window && m_handler(*static_cast<QKeyEvent*>(event));
}

void FocusNextTabStop(QWidget& window)
{
  // Tab's own move: it also knows that a group of radio buttons is one stop.
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
  QApplication::sendEvent(&window, &tab);
}

bool DialogKeyPress(QDialog& dialog, QKeyEvent& key)
{
  if (key.key() == Qt::Key_Escape) {
    dialog.reject();
    return true;
  }
  if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
    FocusNextTabStop(dialog);
  return false;
}

}  // namespace quitanza::app
