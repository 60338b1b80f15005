// Block inserts and group frames, block definitions made from the selection, deleting
// definitions and exploding inserts.
#include <string>

#include "engine/geometry/edit_util.h"

namespace {

bool in_range(float v) { return std::fabs(v) < coord_limit_; }

// A copied member placed by an insert: scaled and turned about the base point, then moved.
void place_member(zaz_class_& e, int32_t c, const block_insert_rec_& ins, float dx, float dy) {
  e.transform_scale_(0, 0, ins.sx, ins.sy, c);
  e.transform_rotate_(f32_(180.0 / edit_::pi_f * ins.rotation), 0, 0, c);
  e.transform_move_(dx, dy, c);
}

}  // namespace

int32_t zaz_class_::add_block_(int32_t block_id_, float x0_, float y0_, float sx_, float sy_,
                               float rot_, int32_t color_, int16_t style_, double width_,
                               int32_t layer_) {
  if (!in_range(x0_) || !in_range(y0_)) return 0;
  if (block_id_ < 1 || block_id_ > blocks_count_()) return 0;
  int16_t width = 0;
  if (!to_int_even_(width_, width)) return 0;
  add_slot_ s;
  if (!add_begin_(ot_block_insert_, color_, color_none_, style_, width, layer_, s)) return 0;
  store.live.block_inserts[s.entry] = block_insert_rec_{x0_, y0_, sx_, sy_, rot_, block_id_};
  object_rec_& o = object_(s.record);
  block_extents_(block_id_, x0_, y0_, sx_, sy_, rot_, o.x1, o.y1, o.x2, o.y2);
  return add_commit_(s);
}

int32_t zaz_class_::add_bgroup_(float x1_, float y1_, float X2_, float y2_,
                                const std::string& gname_, int32_t color_, int32_t fill_,
                                int16_t style_, int16_t width_, int32_t layer_) {
  if (!in_range(x1_) || !in_range(y1_) || !in_range(X2_) || !in_range(y2_)) return 0;
  add_slot_ s;
  if (!add_begin_(ot_block_group_, color_, fill_, style_, width_, layer_, s)) return 0;
  if (x1_ >= X2_) std::swap(x1_, X2_);
  if (y1_ >= y2_) std::swap(y1_, y2_);
  const size_t b = gname_.find_first_not_of(' ');
  const std::string title = b == std::string::npos ? std::string() : gname_.substr(b, gname_.find_last_not_of(' ') - b + 1);
  block_group_rec_& g = store.live.block_groups[s.entry];
  g = block_group_rec_{};
  g.title = title;
  g.x1 = x1_, g.y1 = y1_, g.x2 = X2_, g.y2 = y2_;
  object_rec_& o = object_(s.record);
  o.x1 = x1_, o.y1 = y1_, o.x2 = X2_, o.y2 = y2_;
  return add_commit_(s);
}

int32_t zaz_class_::block_create_(const std::string& block_name_, float cx_, float cy_,
                                  flag16_ hidden_) {
  block_def_rec_ def;
  def.name = block_name_;
  def.hidden = hidden_;
  calc_extents_(true_, true_, false_, 0);
  def.x1 = f32_(static_cast<double>(extents.x1) - cx_);
  def.y1 = f32_(static_cast<double>(extents.y1) - cy_);
  def.x2 = f32_(static_cast<double>(extents.x2) - cx_);
  def.y2 = f32_(static_cast<double>(extents.y2) - cy_);
  library.blocks.push_back(std::move(def));
  const int32_t id = library.block_count();
  auto into_block = [&](int32_t r) {
    object_rec_& o = store.live.objects[r];
    library.blocks[id].members.push_back(r);
    o.selected = false_;
    o.deleted = false_;
    o.page = 0;
    o.layer = 0;
  };
  const int32_t page = pages.active;
  const int32_t n = static_cast<int32_t>(std::min<int64_t>(store.counts[0], static_cast<int64_t>(store.live.objects.size()) - 1));
  for (int32_t r = 1; r <= n; ++r) {
    object_rec_& o = store.live.objects[r];
    if (o.page != page || o.selected != true_ || o.index < 1) continue;
    // A deleted object is not brought back to life inside a block.
    if (o.deleted != false_) {
      o.selected = false_;
      continue;
    }
    if (o.type != ot_block_insert_) {
      auto shift = [&](float& x, float& y) {
        x = f32_(static_cast<double>(x) - cx_);
        y = f32_(static_cast<double>(y) - cy_);
      };
      edit_::for_each_position_(*this, o, shift);
      shift(o.x1, o.y1);
      shift(o.x2, o.y2);
      into_block(r);
      continue;
    }
    // Inserts are flattened one level: their members are copied in, placed as they show.
    o.deleted = true_;
    o.selected = false_;
    const block_insert_rec_* ip = edit_::entry_(store.live.block_inserts, o.index);
    if (!ip) continue;
    const block_insert_rec_ ins = *ip;
    if (ins.block < 1 || ins.block > library.block_count() || ins.block == id) continue;
    const std::vector<int32_t> members = library.blocks[ins.block].members;
    for (size_t k = 1; k < members.size(); ++k) {
      const int32_t m = members[k];
      if (!edit_::valid_record_(*this, m) || store.live.objects[m].index < 1) continue;
      const int32_t c = transform_copy_(m);
      if (c < 1) continue;
      place_member(*this, c, ins, f32_(static_cast<double>(ins.x) - cx_), f32_(static_cast<double>(ins.y) - cy_));
      into_block(c);
    }
  }
  if (library.blocks[id].member_count() == 0) {
    library.blocks.pop_back();
    return 0;
  }
  return id;
}

flag16_ zaz_class_::blocks_delete_(int32_t bid_, flag16_ force_) {
  if (bid_ < 1 || bid_ > library.block_count()) return false_;
  auto& objs = store.live.objects;
  const int32_t n = static_cast<int32_t>(std::min<int64_t>(store.counts[0], static_cast<int64_t>(objs.size()) - 1));
  auto insert_of = [&](int32_t r) -> block_insert_rec_* {
    const object_rec_& o = objs[r];
    return o.type == ot_block_insert_ ? edit_::entry_(store.live.block_inserts, o.index) : nullptr;
  };
  bool live = false;
  for (int32_t r = 1; r <= n && !live; ++r)
    if (auto* b = insert_of(r); b && objs[r].deleted == false_ && b->block == bid_) live = true;
  if (live && force_ != true_) return false_;
  for (int32_t r = 1; r <= n; ++r) {
    block_insert_rec_* b = insert_of(r);
    if (!b) continue;
    if (b->block == bid_ && objs[r].deleted == false_) objs[r].deleted = true_;
    if (b->block > bid_) --b->block;
  }
  library.blocks.erase(library.blocks.begin() + bid_);
  return true_;
}

int16_t zaz_class_::blocks_break_() {
  auto& objs = store.live.objects;
  const int32_t page = pages.active;
  const int32_t n = static_cast<int32_t>(std::min<int64_t>(store.counts[0], static_cast<int64_t>(objs.size()) - 1));
  for (int32_t r = 1; r <= n; ++r) {
    if (objs[r].page != page || objs[r].deleted != false_) continue;
    if (objs[r].selected != true_) {
      objs[r].selected = false_;
      continue;
    }
    if (objs[r].type == ot_text_) {
      text_explode_(r);
      continue;
    }
    if (objs[r].type != ot_block_insert_) {
      objs[r].selected = false_;
      continue;
    }
    objs[r].selected = false_;
    objs[r].deleted = true_;
    const block_insert_rec_* ip = edit_::entry_(store.live.block_inserts, objs[r].index);
    if (!ip || ip->block < 1 || ip->block > library.block_count()) continue;
    const block_insert_rec_ ins = *ip;
    const int16_t ins_page = objs[r].page;
    const uint8_t ins_layer = objs[r].layer;
    const std::vector<int32_t> members = library.blocks[ins.block].members;
    for (size_t k = 1; k < members.size(); ++k) {
      const int32_t m = members[k];
      if (m < 1 || !edit_::valid_record_(*this, m)) continue;
      const int32_t c = transform_copy_(m);
      if (c < 1) continue;
      objs[c].page = ins_page;
      objs[c].layer = ins_layer;
      place_member(*this, c, ins, ins.x, ins.y);
      objs[c].selected = true_;
    }
  }
  return 0;
}
