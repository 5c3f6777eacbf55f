// Acts on a window that a command shows modally: polls the top-level
// windows until one of type T is visible, then runs the action, which must
// close it. Stops looking when destroyed.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace skelmora::app::testing {

template <typename T>
class WhenShown {
 public:
  explicit WhenShown(std::function<void(T*)> act) : act_(std::move(act)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<T*>(widget);
        if (!window || !window->isVisible()) continue;
        timer_.stop();
        ++shown;
        act_(window);
        return;
      }
    });
    timer_.start(10);
  }
  int shown = 0;

 private:
  std::function<void(T*)> act_;
  QTimer timer_;
};

}  // namespace skelmora::app::testing
