#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Acts on the next modal window of type T once it is shown: the way a test
// answers a dialog that a real event opens and waits on.
template <typename T>
void WhenShown(std::function<void(T&)> action)
{
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, action] {
    auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
    if (!window || !window->isVisible())
      return;
    timer->stop();
    timer->deleteLater();
    action(*window);
  });
  timer->start();
}
