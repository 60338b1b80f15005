// What the owner-drawn controls share: their child window on the host, the focus loop over the
// focusable kinds, hover tracking by mouse capture, the whole repaint into the window's kept
// surface, the plain look shown while no skin is loaded, and the clock and beep that waits,
// repeats and refusals go through (tests replace both, so they step time instead of sleeping).
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/core/types.h"
#include "platform/gdi/dc.h"
#include "platform/window/window.h"

// The kinds the focus loop and the access keys look for.
enum class xc_kind_ : uint8_t { textbox, button, checkbox, optionbox, combobox, calendar, other };

// Every control registers itself with its host window while it lives.
class xc_control_ {
 public:
  xc_control_(const xc_control_&) = delete;
  xc_control_& operator=(const xc_control_&) = delete;
  virtual ~xc_control_();

  // Re-reads whether the platform's focus is on the control's window and repaints.
  virtual void focus_() {}
  // An access key of the host reached the control (buttons only act on it).
  virtual void access_key_() {}

  xc_kind_ xc_kind_of_() const { return kind_; }
  window_* host_() const;
  // The control's own window, null once it is gone.
  window_* win_() const;

 protected:
  xc_control_(xc_kind_ kind, window_& host, int32_t x, int32_t y, int32_t width, int32_t height,
              bool takes_focus);
  std::unique_ptr<window_> window_ptr_;

 private:
  xc_kind_ kind_;
  window_handle_ host_handle_ = 0;
};

// The live controls on a host window, in creation order.
std::vector<xc_control_*> controls_on_(const window_* host);
// Calls focus_ on every text box, button, check box, option button, combo box and calendar field
// of the host (the one that lost the focus drops its frame).
void focus_loop_(const window_* host);
// Whether a kind takes part in the focus loop.
bool focusable_kind_(xc_kind_ kind);

// Hover by capture: inside (edges included) the window takes the capture on every move and the
// flag becomes -1; the first move outside releases it and clears the flag. Returns inside.
bool track_hover_capture_(window_& win, int32_t x, int32_t y, flag16_& captured);
// The point lies in the client area, edges included.
bool inside_client_(const window_& win, int32_t x, int32_t y);

// A whole repaint: a device context over the window's kept client surface; the surface is
// shown once, when the scope ends.
class xc_paint_scope_ {
 public:
  explicit xc_paint_scope_(window_& win);
  ~xc_paint_scope_();
  xc_paint_scope_(const xc_paint_scope_&) = delete;
  xc_paint_scope_& operator=(const xc_paint_scope_&) = delete;
  dc_& dc() { return dc_now_; }
  int32_t width() const { return width_; }
  int32_t height() const { return height_; }

 private:
  window_& win_;
  dc_ dc_now_;
  int32_t width_, height_;
};

// The plain look: the system button face with a one-pixel outline 25 % towards black; with a
// type name, the name centred in the outline colour a further half towards black.
void paint_placeholder_(dc_& dc, int32_t width, int32_t height, std::string_view type_name);
// Colours of the plain look.
int32_t placeholder_face_();
int32_t placeholder_outline_();

// Time as the controls see it. now gives seconds; sleep waits milliseconds.
struct control_clock_ {
  std::function<double()> now;
  std::function<void(int32_t ms)> sleep;
};
// Installs a clock (empty members restore the platform's); returns the one before.
control_clock_ set_control_clock_(control_clock_ clock);
double control_seconds_();
void control_sleep_(int32_t ms);
// Sleeps, then lets pending window events run: one pass of a held-button loop.
void control_pause_(int32_t ms);

// The platform's beep, replaceable (tests count them). Returns the one before.
std::function<void()> set_control_beep_(std::function<void()> beep);
void control_beep_();

// Runs an event handler by copy, so a handler that replaces itself does no harm.
template <class Fn, class... Args>
inline void raise_(const Fn& handler, Args&&... args) {
  if (!handler) return;
  Fn copy = handler;
  copy(std::forward<Args>(args)...);
}
