#include "shell/splash.h"

#include <cmath>

#include "platform/core/types.h"
#include "platform/gdi/dc.h"
#include "platform/services/picture_file.h"
#include "platform/services/screen.h"
#include "platform/window/event_loop.h"
#include "shell/colors.h"
#include "shell/program_pictures.h"
#include "shell/settings.h"
#include "ui/skin/skin_palette.h"

namespace {
// 41 x 11 grey levels, two hexadecimal digits a pixel, row by row.
const char* const badge_rows[badge_height_] = {
    "FFFFFFFFFFFFFFFFFFFFFF7C7CFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    "FFFFFFFFFFFFFFFF00000000007DFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    "FFFFFFFFFFFFFF00FFFFFF7C7CFFFFFFFFFFFFFFFFFFCF59F1FFFC8FB1FC5F040404B1CF17040447F1",
    "FFFFFFFFFFFF00FEFFFFFFFFFFFFFFFFFFFFFFFFFFFFCF59F1FFFC8FB1B15FFCFFFFFCCF59F1FC5FB1",
    "7C007CFFFF00FFFFFFFFFFFFFFFFFFFF7C7CFFFFFFFFCF59F1FFFC8FB1B147F1FCFFFFCF59F1FC71CF",
    "0000000000000000000000000000000000007CFFFFFFCF59F1FFFC8FB1FF8F040447F1CF17040447F1",
    "7C007DFFFFFFFF00FFFFFFFFFFFFFFFF7C7CFFFFFFFFCF59F1FFFC5FB1FFFFFFFC8F5FCF59F1FCB15F",
    "FFFFFFFFFFFFFFFF00FFFFFFFFFFFFFFFFFFFFFFFFFFE437CFFFE437CFFFFFFFFF8F8FCF59F1FC8F5F",
    "FFFFFFFFFFFFFFFFFF00FFFF7C7CFFFFFFFFFFFFFFFFFCB1040404B1FC8F04040447F1CF17040424E4",
    "FFFFFFFFFFFFFFFFFFFF000000007CFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    "FFFFFFFFFFFFFFFFFFFFFFFF7C7CFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
};

int hex(char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

std::unique_ptr<start_> splash;
}  // namespace

std::string program_version_text_() { return "v.6.0.0"; }

pixel_point_ splash_position_(int32_t screen_width, int32_t screen_height) {
  return {int32_t(round_even_(screen_width * 0.5 - splash_width_ / 2)),
          int32_t(round_even_(screen_height * 0.5 - splash_height_ / 2))};
}

uint8_t badge_level_(int32_t column, int32_t row) {
  if (column < 1 || column > badge_width_ || row < 1 || row > badge_height_) return 255;
  const char* p = badge_rows[row - 1] + (column - 1) * 2;
  return uint8_t(hex(p[0]) * 16 + hex(p[1]));
}

void draw_version_box_(dc_& target, const std::string& version, int32_t x, int32_t y, bool portable) {
  surface_ box(100, 50);
  dc_ dc(box);
  dc.fill_rectangle_({0, 0, 100, 50}, 0x0099562A);  // RGB(42, 86, 153)
  font_ f;
  f.face = "Tahoma";
  f.height = 13;
  dc.select_font_(f);
  dc.set_bk_mode_(bk_mode_::transparent_);
  dc.set_text_colour_(0xFFFFFF);
  pixel_rect_ r{0, 0, 100, 50};
  dc.draw_text_(version, r, 0);
  if (portable)
    for (int32_t row = 1; row <= badge_height_; ++row)
      for (int32_t col = 1; col <= badge_width_; ++col) {
        const uint32_t l = badge_level_(col, row);
        dc.set_pixel_(col, row + 20, l | l << 8 | l << 16);
      }
  target.blit_(x, y, 100, 50, &box, 0, 0, blit_op_::copy_);
}

start_::start_() {
  window_options_ o;
  o.kind = window_kind_::popup;
  o.title = "Arvex";
  o.width = splash_width_;
  o.height = splash_height_;
  o.takes_focus = false;
  o.in_taskbar = false;
  o.background = 0;
  win_ = create_window_(o);
  set_start_();
  paint_();
}

start_::~start_() = default;

void start_::set_start_() {
  do_events_();
  const pixel_point_ p = splash_position_(screen_width_px_(), screen_height_px_());
  win_->move_(p.x, p.y, splash_width_, splash_height_);
}

// The plain look: the picture as it is, the version box at (14, 7) and the badge again over it in
// the two skin colours.
void start_::paint_() {
  surface_& s = win_->client_surface_();
  dc_ dc(s);
  picture_image_rec_ pic;
  if (decode_picture_bytes_(splash_picture_png_(), pic, 4096)) {
    for (int32_t y = 0; y < pic.height && y < s.height_(); ++y)
      for (int32_t x = 0; x < pic.width && x < s.width_(); ++x) {
        const uint32_t a = pic.pixel_(x, y);
        dc.set_pixel_(x, y, (a >> 16 & 0xFF) | (a & 0xFF00) | (a & 0xFF) << 16);
      }
  }
  const bool portable = portable_mode_ == true_;
  draw_version_box_(dc, program_version_text_(), 14, 7, portable);
  if (portable)
    for (int32_t row = 1; row <= badge_height_; ++row)
      for (int32_t col = 1; col <= badge_width_; ++col)
        dc.set_pixel_(col + 14, row + 27,
                      uint32_t(blend_colors_(skin_palette_.color_ssico1, skin_palette_.color_ssico0,
                                             badge_level_(col, row) / 255.0f)));
  win_->invalidate_();
}

void splash_load_() { splash = std::make_unique<start_>(); }

void splash_show_() {
  if (!splash) return;
  splash->win().show_no_activate_();
  splash->win().update_();
}

void splash_unload_() {
  if (splash) splash->win().destroy_();
  splash.reset();
}

start_* splash_in_use_() { return splash.get(); }
