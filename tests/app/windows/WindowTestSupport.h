#pragma once

#include "app/windows/WindowServices.h"
#include "tests/app/WorkflowTestSupport.h"

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QUrl>

#include <deque>
#include <vector>

class QWidget;

// Answers the modal boxes and the file dialogs as they appear, the way an
// operator would, and writes down each box as "caption: text".
class ModalAnswers final : public QObject {
public:
  ModalAnswers();
  ~ModalAnswers() override;

  QStringList Boxes;
  // Buttons to press, in turn; a box beyond them gets its default button.
  std::deque<QMessageBox::StandardButton> Buttons;
  // The file chosen in a file dialog (the logo's, the export's); empty cancels it.
  QString ChosenFile;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// Types the text into the widget key by key, letters outside ASCII too.
void TypeText(QWidget* widget, const QString& text);

// A report shown in the preview: its page count and the texts of the memos
// on its first page, one a line.
struct ShownReport {
  int Pages = 0;
  QString Texts;
};

// A window test: a workflow test's data folder and data module, answers to
// the modal boxes, and the preview and shell openings written down.
class WindowTest : public WorkflowTest {
protected:
  quitanza::app::WindowServices Services();

  // Shows the window, makes it active and waits until it is; the keys below
  // go to it.
  void ShowActive(QWidget& window);
  // The control that has the focus in that window.
  QWidget* Focused() const;
  QString FocusedName() const;
  // The operator at the keyboard: keys go to the focused control of the
  // window, made active again first (a closed message box leaves no window
  // active on the offscreen platform, where a desktop would).
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void Type(const QString& text);
  // The window's control of that name; a failure when there is none.
  template <typename Control>
  static Control* Find(QWidget& window, const QString& name)
  {
    auto* control = window.findChild<Control*>(name);
    EXPECT_NE(control, nullptr) << name.toStdString();
    return control;
  }

  ModalAnswers Answers;
  std::vector<ShownReport> Shown;
  std::vector<QUrl> Opened;
  // Runs while the preview is shown.
  std::function<void()> WhilePreviewing;

private:
  void Reactivate() const;

  QWidget* m_window = nullptr;
};
