#pragma once

#include <QObject>

#include <functional>

class QDialog;
class QKeyEvent;
class QWidget;

namespace quitanza::app {

// Lets a window see every key pressed in it before the focused control does.
// The handler returns true to keep the key from the control.
class KeyPreview final : public QObject {
public:
  using Handler = std::function<bool(QKeyEvent& key)>;

  KeyPreview(QWidget& window, Handler handler);
  ~KeyPreview() override;

protected:
  bool eventFilter(QObject* receiver, QEvent* event) override;

private:
  QWidget& m_window;
  Handler m_handler;
};

// Moves the focus to the next tab stop of the window, as Tab does.
void FocusNextTabStop(QWidget& window);

// The keys of the check and configuration windows: Esc closes the window from
// any control; Enter moves on as Tab does and still reaches the control.
bool DialogKeyPress(QDialog& dialog, QKeyEvent& key);

}  // namespace quitanza::app
