// The application object, the event loop, posted tasks, timers and clocks.
#include "platform/window/event_loop.h"

#include <QApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/gdi/qt_bridge.h"
#include "platform/window/window_widget.h"

void ensure_application_() {
  // Never deleted: windows, timers and input devices kept in statics would otherwise be torn
  // down after the application object under them.
  if (!qApp) new_qt_application_();
  attach_input_filter_();
}

std::string platform_name_() { return qGuiApp ? QGuiApplication::platformName().toStdString() : std::string(); }

int32_t run_event_loop_() {
  if (!qApp) return -1;
  attach_input_filter_();
  return QApplication::exec();
}

void quit_event_loop_(int32_t code) {
  if (qApp) QApplication::exit(code);
}

void do_events_() {
  if (!qApp) return;
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void wait_events_(int32_t max_ms) {
  if (!qApp) return;
  QTimer limit;
  limit.setSingleShot(true);
  limit.start(std::max(max_ms, 0));
  QEventLoop loop;
  loop.processEvents(QEventLoop::WaitForMoreEvents);
  do_events_();
}

void post_task_(std::function<void()> task) {
  if (!qApp || !task) return;
  QMetaObject::invokeMethod(qApp, std::move(task), Qt::QueuedConnection);
}

int64_t monotonic_ms_() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

double seconds_since_midnight_() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

void sleep_ms_(int32_t ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

struct timer_::impl_ {
  QTimer timer;
};

timer_::timer_() : impl_ptr_(std::make_unique<impl_>()) {
  QObject::connect(&impl_ptr_->timer, &QTimer::timeout, [this] {
    if (on_timer) on_timer();
  });
}

timer_::~timer_() { impl_ptr_->timer.stop(); }

void timer_::start_(int32_t period_ms) {
  period_ms_ = period_ms;
  if (period_ms <= 0) {
    impl_ptr_->timer.stop();
    return;
  }
  impl_ptr_->timer.setTimerType(period_ms < 50 ? Qt::PreciseTimer : Qt::CoarseTimer);
  impl_ptr_->timer.start(period_ms);
}

void timer_::stop_() { impl_ptr_->timer.stop(); }
bool timer_::running_() const { return impl_ptr_->timer.isActive(); }
