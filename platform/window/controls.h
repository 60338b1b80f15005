// Standard controls: labels, command buttons, check boxes, option buttons and frames. Each is a
// child window that paints itself with the device context in a flat system look; dialogs place
// them, read and set their captions and values, and hear their clicks.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/font.h"
#include "platform/window/window.h"

enum class control_kind_ : uint8_t { label, command_button, check_box, option_button, frame };

// Check box values (option buttons use the first two).
inline constexpr int32_t unchecked_ = 0;
inline constexpr int32_t checked_ = 1;
inline constexpr int32_t grayed_ = 2;

// Horizontal placement of a label's text.
enum class control_align_ : uint8_t { left, right, center };

struct control_options_ {
  control_kind_ kind = control_kind_::label;
  // The window the control sits in: a dialog, a picture box or a frame's window.
  window_* parent = nullptr;
  std::string caption;
  // Position in the parent's client area and size, in pixels.
  int32_t x = 0, y = 0, width = 75, height = 23;
};

// The interface font of standard controls: Tahoma 8 points (11 pixels at 96 DPI).
font_ standard_control_font_();

class control_ {
 public:
  ~control_();
  control_(const control_&) = delete;
  control_& operator=(const control_&) = delete;

  // A full click: pressed and released over the control, or Space pressed and released while
  // it has the focus. A check box has toggled and an option button is set before this runs.
  // Values set by code do not raise it.
  std::function<void()> on_click;
  // Every mouse event of the control, after its own handling (hover effects, underlines).
  std::function<void(const mouse_event_&)> on_mouse;

  control_kind_ kind_() const { return kind_now_; }
  // The control's window, null once it has gone (with its parent, say). A frame's window is
  // the parent of the controls inside it.
  window_* win_() const;
  window_handle_ handle_() const { return handle_id_; }

  const std::string& caption_() const { return caption_text_; }
  void set_caption_(std::string_view text);
  // Check box: unchecked_, checked_ or grayed_; option button: 0 or 1; other kinds: 0.
  // Setting an option button clears the other option buttons of its container.
  int32_t value_() const { return value_now_; }
  void set_value_(int32_t value);

  bool enabled_() const { return enabled_on_; }
  void enable_(bool on);
  bool visible_() const { return visible_on_; }
  void set_visible_(bool on);
  // Position in the parent's client area and size.
  pixel_rect_ rect_() const { return rect_now_; }
  void move_(int32_t x, int32_t y, int32_t width, int32_t height);

  const font_& text_font_() const { return font_now_; }
  void set_text_font_(const font_& font);
  uint32_t back_colour_() const { return back_; }  // 0x00BBGGRR
  void set_back_colour_(uint32_t colour);
  uint32_t fore_colour_() const { return fore_; }
  void set_fore_colour_(uint32_t colour);

  // Labels: the parent's pixels show behind the text (as they were when the label painted;
  // a parent that repaints below a transparent label refreshes it). Sizing to the text keeps
  // the left and top edge. "&" marks an access key unless mnemonics are off.
  bool transparent_() const { return transparent_on_; }
  void set_transparent_(bool on);
  bool auto_size_() const { return auto_size_on_; }
  void set_auto_size_(bool on);
  control_align_ alignment_() const { return align_; }
  void set_alignment_(control_align_ align);
  bool use_mnemonic_() const { return mnemonic_on_; }
  void set_use_mnemonic_(bool on);

  // What a user's click does: value change, then on_click. Nothing while disabled.
  void click_();
  // Paints the control again before it is next presented.
  void refresh_();

 private:
  friend std::unique_ptr<control_> create_control_(const control_options_& options);
  control_() = default;
  void paint_();
  void mouse_(const mouse_event_& m);
  void key_(const key_event_& k);
  void fit_to_text_();
  uint32_t text_format_() const;
  void set_pressed_(bool on);
  bool focusable_() const;

  std::unique_ptr<window_> window_ptr_;
  window_handle_ handle_id_ = 0;
  control_kind_ kind_now_ = control_kind_::label;
  std::string caption_text_;
  int32_t value_now_ = 0;
  bool enabled_on_ = true;
  bool visible_on_ = true;
  pixel_rect_ rect_now_{};
  font_ font_now_;
  uint32_t back_ = 0;
  uint32_t fore_ = 0;
  bool transparent_on_ = false;
  bool auto_size_on_ = false;
  control_align_ align_ = control_align_::left;
  bool mnemonic_on_ = true;
  bool pressed_ = false;       // drawn pushed in (mouse held over it, or Space held)
  bool mouse_held_ = false;    // the left button went down on the control
  bool space_held_ = false;
};

// Makes a control in its parent and shows it. Without a live parent there is no control.
std::unique_ptr<control_> create_control_(const control_options_& options);

// The standard controls on a window, its own and those inside its child windows (frames,
// picture boxes), in creation order.
std::vector<control_*> standard_controls_(const window_& form);
// The control whose window has this handle, or null.
control_* find_control_(window_handle_ handle);
