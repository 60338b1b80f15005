// The application object, the event loop and time.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// Makes sure the application object exists (the program creates it in main; tests call this).
void ensure_application_();
// The windowing platform in use ("xcb", "wayland", "offscreen"...), empty before the application.
std::string platform_name_();
// Runs the event loop until quit_event_loop_; returns the exit code.
int32_t run_event_loop_();
void quit_event_loop_(int32_t code = 0);
// Lets every pending event run once, then returns. Re-entrant: a handler may call it.
void do_events_();
// Waits until at least one event arrives (or max_ms pass), runs what is pending and returns:
// for loops that poll until the user ends a state, without spinning.
void wait_events_(int32_t max_ms);
// Runs a function from the event loop, after the events already queued.
void post_task_(std::function<void()> task);

// Time.
int64_t monotonic_ms_();
double seconds_since_midnight_();  // local time, with fractions
void sleep_ms_(int32_t ms);

// A repeating timer of any period; on_timer runs on the event loop. A period of 0 or less
// stops it, as does destroying the timer.
class timer_ {
 public:
  timer_();
  ~timer_();
  timer_(const timer_&) = delete;
  timer_& operator=(const timer_&) = delete;

  std::function<void()> on_timer;

  void start_(int32_t period_ms);
  void stop_();
  bool running_() const;
  int32_t period_() const { return period_ms_; }

 private:
  struct impl_;
  std::unique_ptr<impl_> impl_ptr_;
  int32_t period_ms_ = 0;
};
