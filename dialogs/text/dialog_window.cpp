#include "dialogs/text/dialog_window.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "platform/services/screen.h"
#include "shell/colors.h"
#include "shell/frame_table.h"
#include "shell/settings.h"
#include "ui/skin/form_colors.h"

namespace {

constexpr const char* settings_app = "kalvinor.zaz";

std::string section_of(std::string_view name) { return "windows\\" + std::string(name); }

int32_t tppx() { return twips_per_pixel_x_() > 0 ? twips_per_pixel_x_() : 15; }
int32_t tppy() { return twips_per_pixel_y_() > 0 ? twips_per_pixel_y_() : 15; }

}  // namespace

std::unique_ptr<window_> make_dialog_window_(window_* owner, int32_t client_w, int32_t client_h) {
  window_options_ o;
  o.kind = window_kind_::top_level;
  o.parent = owner;
  o.width = client_w;
  o.height = client_h;
  o.in_taskbar = owner == nullptr;
  o.background = uint32_t(skin_color_(20));
  return create_window_(o);
}

int32_t finish_dialog_window_(window_& form, int32_t client_w, int32_t client_h) {
  const int32_t n = attach_frame_(form, 0, 0);
  set_client_size_(form, client_w, client_h);
  return n;
}

void set_client_size_(window_& form, int32_t client_w, int32_t client_h) {
  const pixel_rect_ in = form.frame_insets_();
  const pixel_rect_ r = form.window_rect_();
  form.move_(r.left, r.top, client_w + in.left + in.right, client_h + in.top + in.bottom);
}

void place_dialog_(window_& form, const window_* owner, std::string_view name, bool centre) {
  const pixel_rect_ r = form.window_rect_();
  const int32_t w = r.right - r.left, h = r.bottom - r.top;
  int32_t def_x = 0, def_y = 0;  // twips
  if (centre || !owner) {
    def_x = (screen_width_px_() / 2 - w / 2) * tppx();
    def_y = (screen_height_px_() / 2 - h / 2) * tppy();
  } else {
    const pixel_rect_ o = owner->window_rect_();
    // Both offsets use the horizontal factor, as the stored positions always have.
    def_x = o.left * tppx() + 150 * tppx();
    def_y = o.top * tppy() + 165 * tppx();
  }
  const std::string section = section_of(name);
  const double left = value_number_(get_setting_(settings_app, section, "left", double(def_x)), def_x);
  const double top = value_number_(get_setting_(settings_app, section, "top", double(def_y)), def_y);
  form.move_to_(int32_t(std::lround(left / tppx())), int32_t(std::lround(top / tppy())));
}

void save_dialog_position_(const window_& form, std::string_view name) {
  const pixel_rect_ r = form.window_rect_();
  const std::string section = section_of(name);
  save_setting_(settings_app, section, "left", std::to_string(int64_t(r.left) * tppx()));
  save_setting_(settings_app, section, "top", std::to_string(int64_t(r.top) * tppy()));
}

void apply_dialog_colors_(window_& form, const std::vector<window_*>& pictures) {
  apply_form_colors_(form, skin_color_(20), skin_color_(21), skin_color_(22), pictures);
}

void paint_dialog_background_(window_& form) { draw_dialog_decoration_(form, true_); }

void chain_focus_(window_* w, std::function<void(bool got)> handler) {
  if (!w) return;
  auto before = w->on_focus;
  w->on_focus = [before, handler](bool got) {
    if (before) before(got);
    if (handler) handler(got);
  };
}

void chain_key_(window_* w, std::function<bool(const key_event_& k)> handler) {
  if (!w) return;
  auto before = w->on_key;
  w->on_key = [before, handler](const key_event_& k) {
    if (handler && handler(k)) return;
    if (before) before(k);
  };
}
