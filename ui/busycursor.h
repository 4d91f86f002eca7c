#pragma once

#include <QPointer>
#include <QWidget>

namespace talvora::ui {

// The hourglass on one window while a command works; the arrow again on every way out.
// Until the hourglass is first set, the pointer is left alone: a command refused by its
// entry checks changes nothing.
class BusyCursor {
  public:
    explicit BusyCursor(QWidget* window, bool on = true) : window_(window) {
        if (on)
            set(true);
    }
    ~BusyCursor() {
        if (window_ && used_)
            window_->setCursor(Qt::ArrowCursor);
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

    void set(bool on) {
        if (!on && !used_)
            return;
        used_ = true;
        if (window_)
            window_->setCursor(on ? Qt::WaitCursor : Qt::ArrowCursor);
    }

  private:
    QPointer<QWidget> window_;
    bool used_ = false;
};

} // namespace talvora::ui
