// The engine's hatch members: current pattern, tile placing of a record, adding a hatch.
#include <cmath>
#include <new>

#include "engine/hatch/hatch_place.h"
#include "engine/zaz_class.h"

int32_t zaz_class_::hatch_active_() const { return hatch.active; }

void zaz_class_::hatch_active_(int32_t pattern_) { hatch.active = pattern_; }

void zaz_class_::message_function_(std::function<void(const std::string& key)> sink_) {
  hatch.message_sink = std::move(sink_);
}

void zaz_class_::message_(const std::string& key) {
  if (hatch.message_sink) hatch.message_sink(key);
}

flag16_ zaz_class_::hatch_calc_lines_(hatch_rec_& hatch_) {
  try {
    return to_flag_(hatch_place_tiles_(hatch_));
  } catch (const std::bad_alloc&) {
    return false_;  // the record is only changed once everything is computed
  }
}

int32_t zaz_class_::add_hatch_(int32_t ht_pid_, float ht_sxy_, float ht_rot_, int32_t color_, int32_t fill_,
                               int16_t style_, int16_t width_, int32_t layer_, float /*shift_val_*/) {
  const std::vector<vertex_rec_>& buf = vertices.main;
  if (buf.size() < 2) return 0;
  for (const vertex_rec_& v : buf)
    if (!std::isfinite(v.x) || !std::isfinite(v.y)) return 0;
  try {
    hatch_rec_ h;
    h.count = int32_t(buf.size());
    h.x.resize(buf.size() + 1);
    h.y.resize(buf.size() + 1);
    for (size_t i = 1; i <= buf.size(); ++i) {
      h.x[i] = buf[i - 1].x;
      h.y[i] = buf[i - 1].y;
    }
    h.pattern = ht_pid_;
    h.scale = ht_sxy_;
    h.rotation = f32_(double(3.1415927f) / 180.0 * ht_rot_);

    add_slot_ s;
    if (!add_begin_(ot_hatch_, color_, fill_, style_, width_, layer_, s)) return 0;
    // A hatch that cannot be placed is not added: the user is told and nothing is stored.
    if (hatch_calc_lines_(h) != true_) {
      message_("message.toolargehatch");
      return 0;
    }
    object_rec_& o = object_(s.record);
    o.x1 = o.x2 = h.x[1];
    o.y1 = o.y2 = h.y[1];
    for (int32_t i = 2; i <= h.count; ++i) {
      o.x1 = std::min(o.x1, h.x[size_t(i)]);
      o.x2 = std::max(o.x2, h.x[size_t(i)]);
      o.y1 = std::min(o.y1, h.y[size_t(i)]);
      o.y2 = std::max(o.y2, h.y[size_t(i)]);
    }
    store.live.hatches[size_t(s.entry)] = std::move(h);
    return add_commit_(s);
  } catch (const std::bad_alloc&) {
    return 0;
  }
}
