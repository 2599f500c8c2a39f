#include "report/print/PrintProgress.h"

#include "report/model/Report.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace quitanza::report {

PrintProgress::PrintProgress(Report& report)
  : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint), m_disabled(QApplication::activeWindow())
{
  setObjectName(QStringLiteral("PrintProgress"));
  setFixedSize(271, 101);
  auto* box = new QVBoxLayout(this);
  m_message = new QLabel;
  m_message->setAlignment(Qt::AlignCenter);
  auto* cancel = new QPushButton(tr("Cancel"));
  cancel->setObjectName(QStringLiteral("btnCancel"));
  connect(cancel, &QPushButton::clicked, this, [&report] { report.Terminated = true; });
  box->addWidget(m_message);
  box->addWidget(cancel, 0, Qt::AlignCenter);
  if (m_disabled)
    m_disabled->setEnabled(false);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
  show();
}

PrintProgress::~PrintProgress()
{
  if (m_disabled)
    m_disabled->setEnabled(true);
}

void PrintProgress::ShowPage(int page)
{
  m_message->setText(tr("Printing page %1").arg(page));
}

void PrintProgress::mousePressEvent(QMouseEvent* event)
{
  m_grab = event->globalPosition().toPoint() - pos();
}

void PrintProgress::mouseMoveEvent(QMouseEvent* event)
{
  if (event->buttons() & Qt::LeftButton)
    move(event->globalPosition().toPoint() - m_grab);
}

}  // namespace quitanza::report
