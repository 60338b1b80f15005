// The push button xcbutton_: a skinned face in three states (1 normal, 2 hover, 4 pressed), a
// caption whose "&" marks the access key, an optional icon, a focus frame and a rounded outline.
// Click comes from a left press and release on the button, from Space while it has the focus,
// and from its access key pressed on the host; in mouse-down-only mode (mdo_) a press raises
// MouseDown and springs back, and only Space and the access key still click.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/core/types.h"
#include "ui/controls/control_base.h"

// What a button remembers between events.
struct button_state_ {
  flag16_ mouse_down_only = false_;
  flag16_ armed = false_;   // a left press arms the click that follows its release
  flag16_ has_icon = false_;
  flag16_ big_icon = false_;
  flag16_ captured = false_;
  flag16_ enabled = true_;
  flag16_ focused = false_;
  flag16_ pressed = false_;
  int32_t face = 1;  // 1 normal, 2 hover, 4 pressed
  std::string caption;
};

// Where the content of a face goes in a client of width x height.
struct button_content_rec_ {
  int32_t icon_x = 0, icon_y = 0, icon_size = 0;  // icon_size 0: no icon drawn
  pixel_rect_ text{};                             // empty: no caption drawn
  bool text_centred = true;                       // else left-aligned from text.left
};
button_content_rec_ button_content_(int32_t width, int32_t height, flag16_ has_icon, flag16_ big_icon,
                                    bool caption_empty, int32_t caption_width);
// The access key of a caption, upper-cased ("&Save" gives 'S'; "&&" is a plain ampersand), 0 for none.
char32_t access_key_of_(std::string_view caption);
// The caption as it shows: each marking "&" dropped, "&&" shown as one ampersand.
std::string caption_shown_(std::string_view caption);
// The face a move leaves: inside and pressed 4, inside 2, outside and pressed 2, else 1.
int32_t button_face_after_move_(bool inside, bool pressed);

class xcbutton_ : public xc_control_ {
 public:
  xcbutton_(window_& host, int32_t x, int32_t y, int32_t width, int32_t height, std::string caption = {});
  ~xcbutton_() override;

  // Events.
  std::function<void()> Click;
  std::function<void(int16_t button, int16_t shift, float x, float y)> MouseDown;
  std::function<void(dc_& hdc, int32_t px, int32_t py, int32_t sx, int32_t sy)> BtnDraw;

  void focus_() override;
  window_handle_ hwnd() const { return window_ptr_ ? window_ptr_->handle_() : 0; }
  // clear -1 resets the face to normal first.
  void refresh_(flag16_ clear = 0);
  // Loads icon_ from the folder path_; -1 when it loaded.
  flag16_ seticon_(std::string_view path, std::string_view icon, flag16_ bigicon = 0);
  flag16_ Enabled() const { return st_.enabled; }
  void Enabled(flag16_ value);
  const std::string& Caption() const { return st_.caption; }
  void Caption(std::string_view value);
  flag16_ mdo_() const { return st_.mouse_down_only; }
  void mdo_(flag16_ value) { st_.mouse_down_only = value; }

  void access_key_() override;
  const button_state_& state_() const { return st_; }

 private:
  void repaint_(int32_t face);  // -1 keeps the current face
  void paint_face_(dc_& dc, int32_t w, int32_t h);
  void reshape_();
  void on_mouse_(const mouse_event_& m);
  void on_key_(const key_event_& k);
  void on_focus_(bool got);
  void click_notification_();
  void key_click_();

  button_state_ st_;
  int32_t icon_ = 0;
  bool left_down_ = false;  // the platform's click needs the left press on the button  // entry of the shared icon table holding the loaded picture
};

// Hands an Alt+letter key of the host to the buttons whose caption marks that letter; true when
// one took it. Hosts call it from their key handler.
bool dispatch_access_key_(const window_& host, const key_event_& key);
