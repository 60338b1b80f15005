#include "dialogs/hatchpal/hatchpal.h"

#include "engine/zaz_class.h"
#include "platform/gdi/dc.h"
#include "shell/colors.h"
#include "shell/language.h"

ex_hatchpal_::ex_hatchpal_(zaz_class_& engine) : engine_(engine), dlg_("window.hatchpal.title", 444, 326) {
  window_options_ o;
  o.kind = window_kind_::child;
  o.parent = &dlg_.form();
  o.x = 8;
  o.y = 8;
  o.width = 425;
  o.height = 257;
  o.takes_focus = false;
  pic_ = create_window_(o);
  pic_->on_mouse = [this](const mouse_event_& m) {
    if (m.type == mouse_type_::down) pick_(m.x, m.y);
  };
  btn_close_ = std::make_unique<xcbutton_>(dlg_.win(), 0, 0, 81, 25, lang_text_("common.close"));
  btn_close_->Click = [this] { dlg_.unload_(); };
  dlg_.apply_colors_({pic_.get()});
  dlg_.place_from_settings_("windows\\exhatchpal");
  dlg_.set_buttons_({btn_close_->hwnd()}, {});
  paint_palette_();
}

ex_hatchpal_::~ex_hatchpal_() = default;

void ex_hatchpal_::paint_palette_() {
  surface_& s = pic_->client_surface_();
  dc_ dc(s);
  dc.fill_rectangle_({0, 0, s.width_(), s.height_()}, uint32_t(skin_color_(20)));
  int32_t i = 0;
  for (int32_t r = 1; r <= 4; ++r)
    for (int32_t c = 1; c <= 7; ++c, ++i) {
      const int32_t x = (c - 1) * 60 + 10, y = (r - 1) * 60 + 10;
      if (i == engine_.hatch_active_())
        engine_.hatch_paint_(i, dc, x, y, 40, true_, skin_color_(16));
      else
        engine_.hatch_paint_(i, dc, x, y, 40, false_, 0);
      swatch_rects_[size_t(i)] = {x - 5, y - 5, x + 45, y + 45};
      swatch_last_ = i;
    }
  pic_->invalidate_();
}

void ex_hatchpal_::pick_(int32_t x, int32_t y) {
  for (int32_t i = 0; i <= swatch_last_; ++i) {
    const pixel_rect_& r = swatch_rects_[size_t(i)];
    if (r.left <= x && x <= r.right && r.top <= y && y <= r.bottom) {
      engine_.hatch_active_(i);
      break;
    }
  }
  paint_palette_();
}

void show_hatch_palette_(zaz_class_& engine, window_* owner) {
  ex_hatchpal_ palette(engine);
  palette.show_modal_(owner);
}
