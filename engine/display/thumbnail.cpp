// A block definition fitted into a square: the pictures of block lists and the library.
#include "engine/display/figure_paint.h"

void zaz_class_::display_block_(dc_& hdc_, int32_t bid_, int32_t rx_, int32_t ry_, int32_t rsize_, int32_t bgc_) {
  if (rsize_ < 5 || bid_ < 1 || bid_ > library.block_count()) return;
  const block_def_rec_& def = library.blocks[bid_];
  float x1 = def.x1, y1 = def.y1, x2 = def.x2, y2 = def.y2;
  const float cx = f32_((double(x1) + x2) * 0.5), cy = f32_((double(y1) + y2) * 0.5);
  const float w = f32_(double(x2) - x1), h = f32_(double(y2) - y1);
  if (w > h) {
    y1 = f32_(cy - w * 0.5), y2 = f32_(cy + w * 0.5);
  } else {
    x1 = f32_(cx - h * 0.5), x2 = f32_(cx + h * 0.5);
  }
  view_transform_rec_ v;
  v.scale_x = f32_(rsize_ / double(clamp_nonzero_(f32_(double(x2) - x1))));
  v.scale_y = f32_(-rsize_ / double(clamp_nonzero_(f32_(double(y2) - y1))));
  v.offset_x = f32_(double(x1) * v.scale_x - rx_);
  v.offset_y = f32_(double(y2) * v.scale_y - ry_);
  const int32_t a = contrast_color_(bgc_);
  figure_call_ call;
  call.dc = &hdc_;
  call.view = v;
  call.client = {0, 0, hdc_.target_().width_(), hdc_.target_().height_()};
  call.mode = figure_mode_::thumbnail_;
  call.automatic = a;
  call.layer_draw = a;
  call.background = bgc_ < 0 ? selection.backcolor : bgc_;
  const int32_t records = std::min<int32_t>(records_(), int32_t(store.live.objects.size()) - 1);
  for (int32_t m = 1; m <= def.member_count(); ++m) {
    const int32_t rec = def.members[m];
    if (rec < 1 || rec > records) continue;
    const object_rec_& o = store.live.objects[rec];
    figure_attr_ at;
    at.draw = o.draw_color < 0 ? a : o.draw_color;
    at.fill = o.fill_color <= color_none_ ? color_none_ : (o.fill_color < 0 ? a : o.fill_color);
    at.style = o.line_style <= 0 || o.line_style > 4 ? 0 : o.line_style;
    at.width = o.line_width <= 1 ? 1 : o.line_width;
    if (o.type == ot_point_) at.style = 0, at.width = 1;
    if (o.type == ot_text_) {
      at.fill = at.draw;
      if (at.width >= 2) at.style = 0;
    }
    paint_figure_(*this, call, rec, at, placement_{});
  }
}
