#include "ui/skin/form_colors.h"

#include <algorithm>

#include "platform/gdi/dc.h"
#include "platform/window/controls.h"
#include "shell/colors.h"

namespace {

// Glass frames never come up on this platform.
constexpr bool composition_on_ = false;

}  // namespace

void apply_form_colors_(window_& form, int32_t back_colour, int32_t fore_colour, int32_t accent_colour,
                        const std::vector<window_*>& picture_boxes) {
  const uint32_t back = uint32_t(back_colour) & 0xFFFFFFu, fore = uint32_t(fore_colour) & 0xFFFFFFu;
  form.set_background_(composition_on_ ? 0u : back);
  for (control_* c : standard_controls_(form)) {
    switch (c->kind_()) {
      case control_kind_::label:
      case control_kind_::check_box:
      case control_kind_::option_button:
        c->set_fore_colour_(fore);
        c->set_back_colour_(back);
        break;
      case control_kind_::command_button:
      case control_kind_::frame:
        c->set_back_colour_(back);
        break;
    }
  }
  for (window_* p : picture_boxes)
    if (p != nullptr) p->set_background_(back);
}

void draw_dialog_decoration_(window_& form, flag16_ compact) {
  if (composition_on_) return;
  surface_& s = form.client_surface_();
  const int32_t C1 = skin_color_(20), C2 = skin_color_(24);
  s.fill_colour_(uint32_t(C1) & 0xFFFFFFu);
  dc_ dc(s);
  const int32_t D = compact == true_ ? 52 : 60, L = compact == true_ ? 350 : 500;
  const int32_t W = s.width_(), H = s.height_(), Y = H - (D - 5);
  const int32_t last = W + D;
  int32_t k = 0;
  for (int32_t x = W - L; x <= last; x += 5) {
    ++k;
    const float t = std::min(k * 0.01f, 0.5f);
    dc.select_pen_(pen_{pen_style_::solid_, 1, uint32_t(blend_colors_(C1, C2, t)) & 0xFFFFFFu});
    for (int32_t i = 0; i < 5; ++i) {
      dc.move_to_(x + i, Y);
      dc.line_to_(x + i - D, Y + D);
    }
    const float t2 = std::min(k * 0.02f, 0.75f);
    dc.select_pen_(pen_{pen_style_::solid_, 1, uint32_t(blend_colors_(C1, C2, t2)) & 0xFFFFFFu});
    dc.move_to_(x, Y);
    dc.line_to_(x + 5, Y);
  }
  form.invalidate_();
}
