// Block definitions of a DXF file: BLOCK and ENDBLK, members, nested inserts.
#include <functional>
#include <map>

#include "engine/zaz_class.h"
#include "exchange/dxf_entities.h"
#include "exchange/dxf_import.h"

namespace exchange_ {
namespace {

constexpr int32_t max_nesting_ = 64;

block_def_rec_* definition(zaz_class_& e, int32_t n) {
  if (n < 1) return nullptr;
  auto& blocks = e.library.blocks;
  if (blocks.size() <= static_cast<size_t>(n)) blocks.resize(static_cast<size_t>(n) + 1);
  return &blocks[static_cast<size_t>(n)];
}

void set_extents(zaz_class_& e, int32_t n) {
  block_def_rec_* d = definition(e, n);
  if (!d) return;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  if (d->member_count() > 0) e.block_extents_(n, 0, 0, 1, 1, 0, x1, y1, x2, y2);
  d = definition(e, n);
  d->x1 = x1, d->y1 = y1, d->x2 = x2, d->y2 = y2;
}

void make_member(object_rec_& o) {
  o.page = 0;
  o.layer = 0;
  o.selected = false_;
  o.deleted = false_;
}

}  // namespace

void dxf_block_begin_(zaz_class_& e, dxf_import_state_rec_& st) {
  ++st.block_count;
  auto& names = e.exchange.block_names;
  names.resize(static_cast<size_t>(st.block_count) + 1);
  dxf_block_entry_rec_& b = names[static_cast<size_t>(st.block_count)];
  b.name = std::string(dxf_trim_(st.rec.get(2)));
  b.hidden = to_flag_(!b.name.empty() && b.name[0] == '*');
  st.base_x = st.rec.f(10);
  st.base_y = st.rec.f(20);
  st.member_count = 0;
  st.block_open = true;
}

void dxf_block_end_(zaz_class_& e, dxf_import_state_rec_& st) {
  if (!st.block_open) return;
  const int32_t n = st.block_count;
  if (block_def_rec_* d = definition(e, n)) {
    const dxf_block_entry_rec_& b = e.exchange.block_names[static_cast<size_t>(n)];
    d->value = 0;
    d->name = dxf_text_to_utf8_(b.name);
    d->hidden = b.hidden;
    d->folder = 0;
    set_extents(e, n);
  }
  st.block_open = false;
  st.base_x = st.base_y = 0;
}

void dxf_collect_block_member_(zaz_class_& e, dxf_import_state_rec_& st, int32_t record_,
                               bool layer_zero_) {
  if (st.section != "BLOCKS" || record_ < 1 || record_ > e.store.counts[0]) return;
  object_rec_& o = e.object_(record_);
  if (!layer_zero_) {
    if (const layer_rec_* l = e.layer_ptr_(o.layer); l && o.draw_color == color_by_layer_)
      o.draw_color = l->draw_color;
  }
  o.page = 0;
  o.layer = 0;
  if (!st.block_open || st.block_count < 1) return;
  block_def_rec_* d = definition(e, st.block_count);
  d->members.push_back(record_);
  ++st.member_count;
  e.transform_move_(-st.base_x, -st.base_y, record_);
}

bool dxf_explode_into_(zaz_class_& e, dxf_import_state_rec_& st, int32_t target, int32_t source,
                       float x, float y, float sx, float sy, float rot_rad, float base_x,
                       float base_y) {
  if (source < 1 || static_cast<size_t>(source) >= e.library.blocks.size()) return true;
  const std::vector<int32_t> members = e.library.blocks[static_cast<size_t>(source)].members;
  const float rot_deg = f32_(rot_rad * (180.0 / 3.1415927));
  for (size_t i = 1; i < members.size(); ++i) {
    const int32_t m = members[i];
    if (m < 1 || m > e.store.counts[0] || e.object_(m).index < 1) continue;
    if (st.copy_budget-- <= 0) return false;
    const int32_t c = e.transform_copy_(m);
    if (c < 1) continue;
    e.transform_scale_(0, 0, sx, sy, c);
    e.transform_rotate_(rot_deg, 0, 0, c);
    e.transform_move_(f32_(double(x) - base_x), f32_(double(y) - base_y), c);
    make_member(e.object_(c));
    definition(e, target)->members.push_back(c);
  }
  return true;
}

// Nested inserts are placed once every block of the file is known, innermost first, so a
// block may insert one defined further down; a block that (indirectly) inserts itself
// receives no copies of itself.
void dxf_resolve_pending_inserts_(zaz_class_& e, dxf_import_state_rec_& st) {
  if (st.pending.empty()) return;
  std::map<int32_t, std::vector<const dxf_pending_insert_*>> by_target;
  for (const dxf_pending_insert_& p : st.pending) by_target[p.target].push_back(&p);
  std::map<int32_t, int> state;  // 1 being resolved, 2 done
  bool budget = true;
  std::function<void(int32_t, int32_t)> resolve = [&](int32_t target, int32_t depth) {
    state[target] = 1;
    const auto it = by_target.find(target);
    if (it != by_target.end()) {
      for (const dxf_pending_insert_* p : it->second) {
        const int32_t src = e.dxf_block_index_(p->name);
        if (src < 1 || state[src] == 1 || !budget) continue;
        if (state[src] == 0 && depth < max_nesting_) resolve(src, depth + 1);
        if (state[src] != 2) continue;
        budget = dxf_explode_into_(e, st, target, src, p->x, p->y, p->sx, p->sy, p->rot,
                                   p->base_x, p->base_y);
      }
    }
    set_extents(e, target);
    state[target] = 2;
  };
  for (const auto& [target, list] : by_target)
    if (state[target] == 0) resolve(target, 0);
  st.pending.clear();
}

}  // namespace exchange_

int32_t zaz_class_::dxf_block_index_(const std::string& name_) const {
  const auto& names = exchange.block_names;
  for (size_t i = 1; i < names.size(); ++i)
    if (names[i].name == name_) return static_cast<int32_t>(i);
  return 0;
}
