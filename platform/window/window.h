// Windows: top-level and child windows with handles, geometry, surfaces the owner paints,
// input callbacks, re-parenting, z-order, regions and layered windows.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"
#include "platform/input/cursor.h"
#include "platform/input/input_events.h"
#include "platform/gdi/pixel_types.h"

class window_widget_;

// A window's handle: stable while the window lives, never reused in a run, 0 for none.
using window_handle_ = int32_t;

enum class window_kind_ : uint8_t {
  top_level,  // a framed window (the main window, dialogs)
  child,      // inside its parent's client area
  popup       // an owned borderless window that is shown without activation (lists, menus, shadows)
};

enum class show_state_ : uint8_t { normal, minimized, maximized };

// Placement of a top-level window in twips (15 per pixel at 96 DPI), as settings store it.
struct window_placement_ {
  int32_t left = 0, top = 0, width = 0, height = 0;
  show_state_ state = show_state_::normal;
};

struct window_options_ {
  window_kind_ kind = window_kind_::top_level;
  // The parent of a child window; the owner of a top-level or pop-up window (may be null).
  class window_* parent = nullptr;
  std::string title;
  // Position (screen for top-level and pop-up windows, parent client for children) and size
  // of the whole window in pixels.
  int32_t x = 0, y = 0, width = 100, height = 100;
  bool takes_focus = true;
  bool in_taskbar = true;         // top-level only
  uint32_t background = 0xFFFFFF;  // 0x00BBGGRR; fills surface areas that a resize uncovers
};

class window_ {
 public:
  ~window_();
  window_(const window_&) = delete;
  window_& operator=(const window_&) = delete;

  // Callbacks the owner sets. Mouse and key events come in client pixels.
  std::function<void(const mouse_event_&)> on_mouse;
  // Mouse events over the frame band (outside the client area) of a window with frame
  // insets, in whole-window pixels; not sent while the window holds the capture.
  std::function<void(const mouse_event_&)> on_frame_mouse;
  std::function<void(const key_event_&)> on_key;
  // Asks the owner to bring the client surface up to date before it is presented, once after
  // each invalidation or resize (not when the platform merely shows the surface again);
  // owners that keep their surface current need not set it.
  std::function<void()> on_paint;
  std::function<void()> on_frame_paint;  // the same for the whole-window surface
  std::function<void(int32_t width, int32_t height)> on_resize;  // new client size
  std::function<void()> on_move;
  std::function<void(bool active)> on_activate;
  std::function<void(bool got)> on_focus;
  // A request to close (the user or close_()); returning false keeps the window.
  std::function<bool()> on_close;
  std::function<void()> on_destroy;

  window_handle_ handle_() const { return handle_id_; }
  bool exists_() const;  // false after destroy_ (or when a destroyed parent took it along)
  window_kind_ kind_() const { return kind_now_; }

  // Showing.
  void show_();
  void show_no_activate_();
  // Shows the window modal with an owner and returns when it is hidden or destroyed; every
  // other window of the program ignores input meanwhile.
  void show_modal_(window_* owner);
  bool is_modal_() const { return modal_depth_ > 0; }
  void hide_();
  bool visible_() const;
  void close_();    // asks on_close, then hides the window when allowed
  void destroy_();  // the window and its children go; on_destroy runs for each
  void enable_(bool on);
  bool enabled_() const;
  void set_title_(const std::string& text);
  std::string title_() const;
  // The text the platform shows in a tooltip while the pointer rests over the window; empty: none.
  void set_tooltip_(const std::string& text);
  std::string tooltip_() const;
  void minimize_();
  void maximize_();
  void restore_();
  show_state_ state_() const;

  // Geometry in pixels. Window and client rectangles are in screen coordinates.
  pixel_rect_ window_rect_() const;
  pixel_rect_ client_rect_() const;
  int32_t client_width_() const;
  int32_t client_height_() const;
  // Moves and sizes the whole window: screen position for top-level and pop-up windows,
  // parent client position for child windows.
  void move_(int32_t x, int32_t y, int32_t width, int32_t height);
  void move_to_(int32_t x, int32_t y);
  pixel_point_ client_to_screen_(pixel_point_ p) const;
  pixel_point_ screen_to_client_(pixel_point_ p) const;
  window_placement_ placement_() const;
  void set_placement_(const window_placement_& p);

  // The frame band that our own frame painter draws: the client area is the whole window
  // less these insets. Zero for windows the window manager decorates.
  void set_frame_insets_(int32_t left, int32_t top, int32_t right, int32_t bottom);
  pixel_rect_ frame_insets_() const { return insets_; }  // left, top, right, bottom widths
  // Hands the pointer press to the window manager to move or size the window.
  void start_system_move_();
  void start_system_resize_(int32_t edges);  // bits: 1 left, 2 top, 4 right, 8 bottom

  // Parents and owners.
  window_* parent_() const;  // the parent of a child window, else null
  window_* owner_() const;   // the owner of a top-level or pop-up window, else null
  // A child becomes an owned borderless top-level window at a screen position, keeping its
  // size and surface; make_child_ puts it back into a parent at a client position.
  void make_top_level_(window_* owner, int32_t screen_x, int32_t screen_y);
  void make_child_(window_& parent, int32_t x, int32_t y);
  void set_owner_(window_* owner);  // top-level and pop-up windows
  // The window's child windows in creation order.
  std::vector<window_*> children_() const;

  // Z-order among siblings (or among top-level windows).
  void raise_();
  void lower_();
  void place_below_(window_& other);
  void set_topmost_(bool on);

  // Activation and focus.
  void activate_();
  bool is_active_() const;
  void set_focus_();
  bool has_focus_() const;

  // The window's shape in whole-window pixels: exactly the pixels a fill of the same polygon
  // paints (alternate filling unless winding is set). An empty list removes the shape.
  void set_region_(const std::vector<pixel_point_>& polygon, bool winding = false);
  void set_region_(const region_& shape);
  void set_region_rect_(const pixel_rect_& r);
  void clear_region_();
  bool has_region_() const;
  // Whether a whole-window pixel lies inside the window's shape (the whole window without one).
  bool region_contains_(int32_t x, int32_t y) const;

  // Layered windows: a constant alpha (255 opaque) and per-pixel alpha taken from an alpha
  // surface (premultiplied). Click-through windows never take the mouse.
  void set_opacity_(uint8_t alpha);
  void set_per_pixel_alpha_(bool on);
  void set_click_through_(bool on);
  bool per_pixel_alpha_() const { return per_pixel_alpha_on_; }
  // Shows a premultiplied alpha picture as the whole window at a screen position, at the
  // picture's size, under a constant alpha (shadows, splash pictures).
  void update_layered_(const surface_& picture, int32_t x, int32_t y, uint8_t constant_alpha);
  bool click_through_() const { return click_through_on_; }

  // The client surface the owner paints; it keeps its content (resizes keep the overlap and
  // fill the rest with the background colour).
  surface_& client_surface_() { return client_px_; }
  // The whole-window surface for our own frame; its client part is covered by the client
  // surface when presented.
  surface_& window_surface_() { return window_px_; }
  void set_background_(uint32_t colour) { background_ = colour; }
  // Presents the surfaces again: later, or at once.
  void invalidate_();
  void invalidate_rect_(const pixel_rect_& client_rect);
  void update_();
  // What the window shows now, rendered into a surface of the window's size.
  bool grab_(surface_& out);

  void set_cursor_(cursor_shape_ shape);
  void set_cursor_handle_(cursor_handle_ cursor);

  // Mouse capture: every mouse event goes to this window, in its client coordinates, until
  // released, wherever the pointer is.
  void set_capture_();
  bool has_capture_() const;

  window_widget_* widget_() const { return widget_ptr_; }  // for platform code only

 private:
  friend class window_widget_;
  friend std::unique_ptr<window_> create_window_(const window_options_& o);
  friend struct window_registry_;
  window_() = default;
  void resize_surfaces_();
  void sync_size_();  // surfaces and on_resize after any size change, shown or not
  void widget_gone_();

  window_widget_* widget_ptr_ = nullptr;
  window_handle_ handle_id_ = 0;
  window_kind_ kind_now_ = window_kind_::top_level;
  window_handle_ parent_id_ = 0;
  window_handle_ owner_id_ = 0;
  pixel_rect_ insets_{};
  surface_ client_px_;
  surface_ window_px_;
  uint32_t background_ = 0xFFFFFF;
  int32_t reported_width_ = -1, reported_height_ = -1;
  int32_t modal_depth_ = 0;
  bool per_pixel_alpha_on_ = false;
  bool click_through_on_ = false;
  bool region_set_ = false;
  bool owner_paint_due_ = true;
  region_ shape_;
};

std::unique_ptr<window_> create_window_(const window_options_& options);
// The live window with this handle, or null.
window_* find_window_(window_handle_ handle);
window_* active_window_();
// The window whose modal loop runs innermost, active or not, or null.
window_* modal_window_();
window_* focused_window_();
window_* capture_window_();
void release_capture_();
// The deepest visible window under a screen point (topmost first), or null.
window_* window_at_(int32_t screen_x, int32_t screen_y);

// Whether windows get the window manager's frame ("+nohook" on the command line) instead of
// the program's own painted frame. The shell decides; new top-level windows follow.
void set_system_decorations_(bool on);
bool system_decorations_();
// Whether a command line holds the "+nohook" switch, anywhere and in any case.
bool has_nohook_switch_(const std::string& command_line);

// Whether a compositor runs, so that per-pixel alpha and constant alpha actually blend with
// what lies below; without one layered windows still work but show opaque.
bool layered_windows_supported_();
