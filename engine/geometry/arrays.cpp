// Rectangular and circular arrays built cell by cell from copies of the selection.
#include "engine/geometry/edit_util.h"

namespace {

// Runs the common frame; `place(m, l)` moves (and turns) the fresh copies of cell (m, l).
template <class Place>
void run_array(zaz_class_& e, int32_t cols, int32_t rows, Place place) {
  e.edit.rows_done = 0;
  if (e.select_info_() < 1) return;
  const int32_t page = e.pages.active;
  auto& objs = e.store.live.objects;
  const int32_t n = static_cast<int32_t>(std::min<int64_t>(e.store.counts[0], static_cast<int64_t>(objs.size()) - 1));
  std::vector<int32_t> sources;
  for (int32_t r = 1; r <= n; ++r) {
    object_rec_& o = objs[r];
    if (o.page != page || o.selected != true_) continue;
    if (o.deleted != false_) {
      o.selected = false_;  // deleted objects are never copied back to life
      continue;
    }
    sources.push_back(r);
  }
  const int32_t c = e.store.counts[0];
  for (int32_t l = 1; cols >= 1 && l <= rows; ++l) {
    for (int32_t m = 1; m <= cols; ++m) {
      if (m == 1 && l == 1) continue;
      e.select_clear_();
      for (int32_t s : sources) objs[s].selected = true_;
      e.transform_copy_(0);
      place(m, l);
    }
    ++e.edit.rows_done;
    if (e.edit.rows_done % 100 == 0) {
      e.edit.row = l;
      e.edit.rows = rows;
      e.edit.percent = f32_(static_cast<double>(l) / rows * 100.0);
      e.progress_refresh_(cint32_(e.edit.percent));
    }
  }
  const int32_t last = static_cast<int32_t>(std::min<int64_t>(e.store.counts[0], static_cast<int64_t>(objs.size()) - 1));
  for (int32_t r = 1; r <= last; ++r)
    if (objs[r].page == page) objs[r].selected = to_flag_(r > c);
  e.progress_refresh_(-1);
}

}  // namespace

void zaz_class_::transform_array_rect_(int32_t max_ix_, int32_t max_iy_, float mx_, float my_) {
  run_array(*this, max_ix_, max_iy_, [&](int32_t m, int32_t l) {
    transform_move_(f32_(static_cast<double>(mx_) * (m - 1)), f32_(static_cast<double>(my_) * (l - 1)), 0);
  });
}

void zaz_class_::transform_array_circ_(float ox_, float oy_, int32_t max_ix_, int32_t max_iy_,
                                       float mx_, float rot_) {
  run_array(*this, max_ix_, max_iy_, [&](int32_t m, int32_t l) {
    transform_move_(f32_(static_cast<double>(mx_) * (m - 1)), 0, 0);
    transform_rotate_(f32_(static_cast<double>(rot_) * (l - 1)), ox_, oy_, 0);
  });
}
