// Attribute setters of the selection and the drawing-wide display settings.
#include "engine/geometry/edit_util.h"

namespace {

template <class F>
void for_selected(zaz_class_& e, F&& f) {
  const int32_t n = static_cast<int32_t>(std::min<int64_t>(
      e.store.counts[0], static_cast<int64_t>(e.store.live.objects.size()) - 1));
  for (int32_t r = 1; r <= n; ++r) {
    object_rec_& o = e.store.live.objects[r];
    if (o.page == e.pages.active && o.selected == true_) f(o);
  }
}

bool fits16(int32_t v) { return v >= INT16_MIN && v <= INT16_MAX; }

}  // namespace

void zaz_class_::set_color_d_(int32_t dcolor_) {
  for_selected(*this, [&](object_rec_& o) {
    o.draw_color = dcolor_;
    // Dimension-like objects paint from their style copy: keep its colours with the object.
    auto follow = [&](dimstyle_rec_& s) {
      s.dimline_color = dcolor_;
      s.extline_color = dcolor_;
      s.text_color = dcolor_;
    };
    if (o.type == ot_dimension_) {
      if (auto* d = edit_::entry_(store.live.dimensions, o.index)) follow(d->style);
    } else if (o.type == ot_angular_dim_) {
      if (auto* d = edit_::entry_(store.live.angular_dims, o.index)) follow(d->style);
    } else if (o.type == ot_reference_) {
      if (auto* d = edit_::entry_(store.live.references, o.index)) follow(d->style);
    }
  });
}

void zaz_class_::set_color_f_(int32_t fcolor_) {
  for_selected(*this, [&](object_rec_& o) { o.fill_color = fcolor_; });
}

void zaz_class_::set_style_(int32_t lstyle_) {
  if (!fits16(lstyle_)) return;
  for_selected(*this, [&](object_rec_& o) { o.line_style = static_cast<int16_t>(lstyle_); });
}

void zaz_class_::set_width_(int32_t lwidth_) {
  if (!fits16(lwidth_)) return;
  for_selected(*this, [&](object_rec_& o) { o.line_width = static_cast<int16_t>(lwidth_); });
}

void zaz_class_::set_layer_(int32_t layer_) {
  const page_rec_* p = page_ptr_(pages.active);
  if (!p) return;
  if (layer_ < 1) layer_ = p->active_layer;
  // A layer the page does not have would leave the objects on no layer at all.
  const int32_t layers = p->layers.empty() ? 0 : static_cast<int32_t>(p->layers.size()) - 1;
  if (layer_ < 1 || layer_ > layers || layer_ > 255) return;
  for_selected(*this, [&](object_rec_& o) { o.layer = static_cast<uint8_t>(layer_); });
}

flag16_ zaz_class_::attrib_color_() const { return selection.attrib_color; }
void zaz_class_::attrib_color_(flag16_ nval_) { selection.attrib_color = nval_; }
flag16_ zaz_class_::attrib_style_() const { return selection.attrib_style; }
void zaz_class_::attrib_style_(flag16_ nval_) { selection.attrib_style = nval_; }
flag16_ zaz_class_::attrib_width_() const { return selection.attrib_width; }
void zaz_class_::attrib_width_(flag16_ nval_) { selection.attrib_width = nval_; }
int32_t zaz_class_::backcolor_() const { return selection.backcolor; }
void zaz_class_::backcolor_(int32_t ncval_) { selection.backcolor = ncval_; }

float zaz_class_::point_size_() const {
  // Without a window there is no pixel size to relate the zoom to.
  if (views.window_height == 0) return 0;
  const double h = std::abs(static_cast<double>(views.window_height));
  return f32_(static_cast<double>(active_view_().zoom) / h * 5.0);
}
