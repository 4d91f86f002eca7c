#pragma once

#include <QPointer>
#include <QWidget>

namespace talvora::ui {

// The hourglass on one window while a command works; the arrow again on every way out.
class BusyCursor {
  public:
    explicit BusyCursor(QWidget* window, bool on = true) : window_(window) { set(on); }
    ~BusyCursor() {
        if (window_)
            window_->setCursor(Qt::ArrowCursor);
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    void set(bool on) {
        if (window_)
            window_->setCursor(on ? Qt::WaitCursor : Qt::ArrowCursor);
    }

  private:
    QPointer<QWidget> window_;
};

} // namespace talvora::ui
