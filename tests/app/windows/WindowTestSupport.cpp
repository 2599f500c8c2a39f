#include "tests/app/windows/WindowTestSupport.h"

#include "report/model/MemoView.h"
#include "report/model/PreviewPages.h"
#include "report/model/Report.h"
#include "report/model/ReportPage.h"

#include <QApplication>
#include <QFileDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

using namespace quitanza::report;

ModalAnswers::ModalAnswers()
{
  qApp->installEventFilter(this);
}

ModalAnswers::~ModalAnswers()
{
  qApp->removeEventFilter(this);
}

bool ModalAnswers::eventFilter(QObject* watched, QEvent* event)
{
  if (event->type() != QEvent::Show)
    return false;
  if (auto* box = qobject_cast<QMessageBox*>(watched)) {
    Boxes << box->windowTitle() + QStringLiteral(": ") + box->text();
    QMessageBox::StandardButton button = QMessageBox::NoButton;
    if (!Buttons.empty()) {
      button = Buttons.front();
      Buttons.pop_front();
    }
    // Pressed once the box runs its own loop.
    QTimer::singleShot(0, box, [box, button] {
      QAbstractButton* pressed =
        button == QMessageBox::NoButton ? static_cast<QAbstractButton*>(box->defaultButton()) : box->button(button);
      if (!pressed)
        pressed = box->buttons().constFirst();
      pressed->click();
    });
  } else if (auto* dialog = qobject_cast<QFileDialog*>(watched)) {
    const QString file = ChosenFile;
    QTimer::singleShot(0, dialog, [dialog, file] {
      if (file.isEmpty()) {
        dialog->reject();
        return;
      }
      dialog->selectFile(file);
      static_cast<QDialog*>(dialog)->accept();
    });
  }
  return false;
}

void TypeText(QWidget* widget, const QString& text)
{
  for (QChar c : text) {
    if (c.unicode() < 128)
      QTest::keyClick(widget, static_cast<char>(c.unicode()));
    else
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

quitanza::app::WindowServices WindowTest::Services()
{
  return {[this](Report& report, QWidget*) {
            ShownReport shown;
            shown.Pages = report.PreviewPages().Count();
            if (ReportPage* page = report.PreviewPages().GetPage(0)) {
              for (Component* object : page->AllObjects()) {
                if (const auto* memo = dynamic_cast<const MemoView*>(object))
                  shown.Texts += memo->Text().trimmed() + u'\n';
              }
            }
            Shown.push_back(shown);
            if (WhilePreviewing)
              WhilePreviewing();
          },
          [this](const QUrl& url) { Opened.push_back(url); }};
}

void WindowTest::ShowActive(QWidget& window)
{
  m_window = &window;
  window.show();
  Reactivate();
}

void WindowTest::Reactivate() const
{
  if (QApplication::activeWindow() == m_window)
    return;
  m_window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(m_window));
}

QWidget* WindowTest::Focused() const
{
  return m_window ? m_window->focusWidget() : nullptr;
}

QString WindowTest::FocusedName() const
{
  QWidget* focused = Focused();
  return focused ? focused->objectName() : QString();
}

void WindowTest::Key(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
  Reactivate();
  ASSERT_NE(Focused(), nullptr);
  QTest::keyClick(Focused(), key, modifiers);
}

void WindowTest::Type(const QString& text)
{
  Reactivate();
  ASSERT_NE(Focused(), nullptr);
  TypeText(Focused(), text);
}
