// Selecting, deselecting and deleting objects of the active page.
#include "engine/geometry/edit_util.h"

namespace {

// Highest record number that also has storage behind it.
int32_t last_record(const zaz_class_& e) {
  return static_cast<int32_t>(std::min<int64_t>(
      e.store.counts[0], static_cast<int64_t>(e.store.live.objects.size()) - 1));
}

// Layers whose objects the user may pick as a whole: visible and editable.
std::vector<bool> open_layers(const zaz_class_& e) {
  std::vector<bool> open;
  const page_rec_* p = e.page_ptr_(e.pages.active);
  if (!p) return open;
  open.assign(p->layers.size(), false);
  for (size_t l = 1; l < p->layers.size(); ++l)
    open[l] = p->layers[l].visible == true_ && p->layers[l].editable == true_;
  return open;
}

template <class F>
void for_open_records(zaz_class_& e, F&& f) {
  const std::vector<bool> open = open_layers(e);
  if (open.size() < 2) return;  // no page, or a page without layers
  const int32_t n = last_record(e);
  for (int32_t r = 1; r <= n; ++r) {
    object_rec_& o = e.store.live.objects[r];
    if (o.page != e.pages.active || o.deleted != false_) continue;
    if (o.layer >= 1 && o.layer < open.size() && open[o.layer]) f(o);
  }
}

}  // namespace

int32_t zaz_class_::select_all_() {
  for_open_records(*this, [](object_rec_& o) { o.selected = true_; });
  return 0;
}

int32_t zaz_class_::select_invert_() {
  for_open_records(*this, [](object_rec_& o) {
    o.selected = o.selected == true_ ? false_ : true_;
  });
  return 0;
}

int32_t zaz_class_::select_clear_() {
  const int32_t n = last_record(*this);
  for (int32_t r = 1; r <= n; ++r) {
    object_rec_& o = store.live.objects[r];
    if (o.page == pages.active) o.selected = false_;
  }
  return 0;
}

int32_t zaz_class_::select_only_(int32_t select_type_, int32_t dcolor_, int32_t fcolor_,
                                 int32_t lstyle_, int32_t lwidth_, int32_t layer_,
                                 int32_t otype_) {
  if (select_type_ == 0) select_clear_();
  const flag16_ target = select_type_ == 2 ? false_ : true_;
  // -5 (or lower) marks a criterion the user left out.
  const bool any = dcolor_ >= -4 || fcolor_ >= -4 || lstyle_ >= -4 || lwidth_ >= -4 ||
                   layer_ >= -4 || otype_ >= 1;
  if (!any) return 0;
  const int32_t n = last_record(*this);
  for (int32_t r = 1; r <= n; ++r) {
    object_rec_& o = store.live.objects[r];
    if (o.page != pages.active || o.deleted != false_ || o.layer < 1) continue;
    if (dcolor_ >= -4 && o.draw_color != dcolor_) continue;
    if (fcolor_ >= -4 && o.fill_color != fcolor_) continue;
    if (lstyle_ >= -4 && o.line_style != lstyle_) continue;
    if (lwidth_ >= -4 && o.line_width != lwidth_) continue;
    if (layer_ >= 1 && o.layer != layer_) continue;
    if (otype_ >= 1 && o.type != otype_) continue;
    o.selected = target;
  }
  return 0;
}

int32_t zaz_class_::select_box_(const float& sx1_, const float& sy1_, const float& sx2_,
                                const float& sy2_, int32_t type_) {
  const float lx = std::min(sx1_, sx2_), hx = std::max(sx1_, sx2_);
  const float ly = std::min(sy1_, sy2_), hy = std::max(sy1_, sy2_);
  const int32_t n = last_record(*this);
  for (int32_t r = 1; r <= n; ++r) {
    object_rec_& o = store.live.objects[r];
    if (o.deleted != false_) {
      o.selected = false_;
      continue;
    }
    if (o.page != pages.active) continue;
    const bool inside = o.x1 >= lx && o.x1 <= hx && o.x2 >= lx && o.x2 <= hx &&
                        o.y1 >= ly && o.y1 <= hy && o.y2 >= ly && o.y2 <= hy;
    o.selected = to_flag_(inside);
  }
  return 0;
}

int32_t zaz_class_::select_info_() const {
  int32_t count = 0;
  const int32_t n = last_record(*this);
  for (int32_t r = 1; r <= n; ++r) {
    const object_rec_& o = store.live.objects[r];
    if (o.page == pages.active && o.selected == true_ && o.deleted == false_) ++count;
  }
  return count;
}

int32_t zaz_class_::select_fobj_(int32_t& getrec_) const {
  const int32_t n = last_record(*this);
  for (int32_t r = 1; r <= n; ++r) {
    const object_rec_& o = store.live.objects[r];
    if (o.page == pages.active && o.selected == true_ && o.deleted == false_) {
      getrec_ = r;
      return o.type;
    }
  }
  getrec_ = 0;
  return 0;
}

int16_t zaz_class_::select_record_(int32_t rec_id_) const {
  if (rec_id_ < 1 || static_cast<size_t>(rec_id_) >= store.live.objects.size()) return 0;
  return store.live.objects[rec_id_].selected;
}

void zaz_class_::select_record_(int32_t rec_id_, int16_t sval_) {
  if (rec_id_ < 1 || static_cast<size_t>(rec_id_) >= store.live.objects.size()) return;
  store.live.objects[rec_id_].selected = sval_;
}

int32_t zaz_class_::delete_object_(int32_t record_) {
  if (record_ > 0) {
    if (!edit_::valid_record_(*this, record_)) return 0;
    object_rec_& o = store.live.objects[record_];
    if (o.selected == true_ && o.page == pages.active) {
      o.selected = false_;
      o.deleted = true_;
    }
    return 0;
  }
  // Tracking points of the doomed records go first, while their flags still say which.
  const view_rec_& v = active_view_();
  std::vector<int32_t> owners;
  for (int32_t i = 1; i <= std::clamp(v.hot_count, 0, hot_points_max_); ++i) {
    const int32_t r = v.hot_points[i].record;
    if (edit_::valid_record_(*this, r) && store.live.objects[r].selected == true_ &&
        store.live.objects[r].page == pages.active)
      owners.push_back(r);
  }
  for (int32_t r : owners) hpoint_del_(r);
  const int32_t n = last_record(*this);
  for (int32_t r = 1; r <= n; ++r) {
    object_rec_& o = store.live.objects[r];
    if (o.page == pages.active && o.selected == true_) {
      o.selected = false_;
      o.deleted = true_;
    }
  }
  return 0;
}

value_ zaz_class_::shbox_id_(int32_t wcx_, int32_t wcy_) const {
  for (int32_t h = 1; h <= 9; ++h) {
    const handle_rect_& b = selection.handles[h];
    if (b.left <= wcx_ && wcx_ <= b.right && b.top <= wcy_ && wcy_ <= b.bottom)
      return value_::of(static_cast<double>(h));
  }
  return value_::of(0.0);
}
