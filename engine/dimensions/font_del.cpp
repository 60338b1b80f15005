// Removing a stroke font. Font ids are dense indexes into the font table, so every id
// above the removed one moves down, wherever a font id is held.
#include <algorithm>
#include <string>

#include "engine/zaz_class.h"

namespace {

// An id's new value: ids above the removed font move down one, then every id is kept
// inside the table. An object that used the removed font shows the font that followed
// it (the new last font when it was the last one).
int32_t renumber(int32_t id, int32_t removed, int32_t total) {
  if (id > removed) --id;
  return std::clamp(id, int32_t{1}, total);
}

// True when the id showed other glyphs before than it shows now: the removed font,
// or an id that named no font and now names one. A shifted id keeps its glyphs.
bool glyphs_change(int32_t id, int32_t removed, int32_t old_total) {
  return id == removed || id < 1 || id > old_total;
}

template <class T>
T* entry(chunk_table_<T>& table, int32_t index) {
  return index >= 1 && size_t(index) < table.size() ? &table[size_t(index)] : nullptr;
}

}  // namespace

flag16_ zaz_class_::font_del_(int32_t fid_) {
  const int32_t old_total = fonts.font_total;
  if (old_total < 2 || fid_ < 1 || fid_ > old_total) return false_;
  if (fonts.font_table.size() < size_t(old_total) + 1) return false_;  // table not as counted
  fonts.font_table.erase(fonts.font_table.begin() + fid_);
  fonts.font_table.resize(size_t(old_total));
  fonts.font_table.shrink_to_fit();
  const int32_t total = old_total - 1;
  fonts.font_total = total;

  // Renumbers one held id; true when the object it belongs to must be laid out again.
  auto move_id = [&](int32_t& id) {
    const bool rebuild = glyphs_change(id, fid_, old_total);
    id = renumber(id, fid_, total);
    return rebuild;
  };

  auto& t = store.live;
  const int32_t n = std::min<int64_t>(store.counts[0], int64_t(t.objects.size()) - 1);
  bool block_member_changed = false;
  for (int32_t i = 1; i <= n; ++i) {
    object_rec_& o = t.objects[size_t(i)];
    bool changed = false;
    switch (o.type) {
      case ot_text_:
        if (text_rec_* r = entry(t.texts, o.index)) changed = move_id(r->font);
        break;
      case ot_dimension_:
        if (dimension_rec_* r = entry(t.dimensions, o.index); r && move_id(r->style.font)) {
          dim_build_linear_(*r, {});  // the user text is not kept: the value text returns
          changed = true;
        }
        break;
      case ot_angular_dim_:
        if (angular_dim_rec_* r = entry(t.angular_dims, o.index); r && move_id(r->style.font))
          changed = dim_build_angular_(*r, {});
        break;
      case ot_reference_:
        if (reference_rec_* r = entry(t.references, o.index); r && move_id(r->style.font))
          changed = ref_build_(*r, r->parts[0].text);
        break;
      default:
        break;
    }
    if (!changed) continue;
    calc_orect_(i);
    if (o.page == 0) block_member_changed = true;
  }
  // Inserts measure their definitions' members: their boxes follow the members.
  if (block_member_changed)
    for (int32_t i = 1; i <= n; ++i)
      if (t.objects[size_t(i)].type == ot_block_insert_) calc_orect_(i);

  fonts.active_font = renumber(fonts.active_font, fid_, total);
  // The style table names fonts too; new dimensions must not pick up a shifted font.
  for (dimstyle_rec_& s : styles.styles) s.font = renumber(s.font, fid_, total);
  return false_;
}
