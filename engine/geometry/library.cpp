// Library folders, block definition accessors, and folders rebuilt from block groups.
#include <string>

#include "engine/geometry/edit_util.h"

namespace {

std::string trim_blanks(const std::string& s) {
  const size_t b = s.find_first_not_of(' ');
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

}  // namespace

int32_t zaz_class_::libdir_count_() const { return library.dir_count(); }

int32_t zaz_class_::libdir_add_(const std::string& title_, int32_t sub_) {
  std::string t = trim_blanks(title_);
  if (t.empty()) return library.dir_count();
  library.dirs.push_back(libdir_rec_{std::move(t), sub_});
  return library.dir_count();
}

int32_t zaz_class_::libdir_del_(int32_t id_) {
  const int32_t count = library.dir_count();
  if (id_ < 1 || id_ > count) return -1;  // only existing folders can go
  for (int32_t f = 1; f <= count; ++f) {
    libdir_rec_& d = library.dirs[f];
    if (d.parent == f) d.parent = 0;  // a folder that is its own parent is a top folder
    if (d.parent == id_) return -1;   // folders with subfolders stay
  }
  for (int32_t b = 1; b <= library.block_count(); ++b)
    if (library.blocks[b].folder == id_) return -1;  // so do folders holding blocks
  library.dirs.erase(library.dirs.begin() + id_);
  for (auto& d : library.dirs)
    if (d.parent > id_) --d.parent;
  for (auto& b : library.blocks)
    if (b.folder > id_) --b.folder;
  return std::min(id_, library.dir_count());
}

std::string zaz_class_::libdir_title_(int32_t id_) const {
  if (id_ < 0 || id_ > library.dir_count()) return {};
  return library.dirs[id_].title;
}

void zaz_class_::libdir_title_(int32_t id_, const std::string& title_) {
  std::string t = trim_blanks(title_);
  if (t.empty() || id_ < 0 || id_ > library.dir_count()) return;
  library.dirs[id_].title = std::move(t);
}

int32_t zaz_class_::libdir_sub_(int32_t id_) const {
  if (id_ < 0 || id_ > library.dir_count()) return 0;
  return library.dirs[id_].parent;
}

void zaz_class_::libdir_sub_(int32_t id_, int32_t sub_) {
  if (id_ < 0 || id_ > library.dir_count()) return;
  library.dirs[id_].parent = sub_;
}

int32_t zaz_class_::blocks_count_() const { return library.block_count(); }

std::string zaz_class_::blocks_name_(int32_t bid_) const {
  if (bid_ < 0 || bid_ > library.block_count()) return {};
  return library.blocks[bid_].name;
}

void zaz_class_::blocks_name_(int32_t bid_, const std::string& newname_) {
  if (bid_ < 0 || bid_ > library.block_count()) return;
  library.blocks[bid_].name = newname_;
}

flag16_ zaz_class_::blocks_hidden_(int32_t bid_) const {
  if (bid_ < 0 || bid_ > library.block_count()) return 0;
  return library.blocks[bid_].hidden;
}

void zaz_class_::blocks_hidden_(int32_t bid_, flag16_ newvalue_) {
  if (bid_ < 0 || bid_ > library.block_count()) return;
  library.blocks[bid_].hidden = newvalue_;
}

int32_t zaz_class_::blocks_group_(int32_t bid_) const {
  if (bid_ < 0 || bid_ > library.block_count()) return 0;
  return library.blocks[bid_].folder;
}

void zaz_class_::blocks_group_(int32_t bid_, int32_t newgroup_) {
  if (bid_ < 0 || bid_ > library.block_count()) return;
  library.blocks[bid_].folder = newgroup_;
}

void zaz_class_::bg2ldir_() {
  const int32_t n = static_cast<int32_t>(std::min<int64_t>(
      store.counts[0], static_cast<int64_t>(store.live.objects.size()) - 1));
  struct frame_ {
    int32_t record;
    float x1, y1, x2, y2;
  };
  std::vector<frame_> frames;
  for (int32_t j = 1; j <= n; ++j) {
    const object_rec_& o = store.live.objects[j];
    if (o.deleted != false_ || o.type != ot_block_group_) continue;
    if (const auto* g = edit_::entry_(store.live.block_groups, o.index))
      frames.push_back({j, g->x1, g->y1, g->x2, g->y2});
  }
  // The smallest live frame around a box. `self` is left out; a frame with exactly the
  // same corners as `self` is a parent only when it comes first, so twins form no cycle.
  auto container = [&](float bx1, float by1, float bx2, float by2, int32_t self) {
    int32_t best = 0;
    float bw = 0, bh = 0;
    for (const frame_& c : frames) {
      if (c.record == self) continue;
      if (!(bx1 >= c.x1 && bx2 <= c.x2 && by1 >= c.y1 && by2 <= c.y2)) continue;
      if (self > 0 && c.record > self && c.x1 == bx1 && c.y1 == by1 && c.x2 == bx2 && c.y2 == by2)
        continue;
      const float w = f32_(std::fabs(static_cast<double>(c.x1) - c.x2));
      const float h = f32_(std::fabs(static_cast<double>(c.y1) - c.y2));
      if (best == 0 || (w <= bw && h <= bh)) {
        best = c.record;
        bw = w;
        bh = h;
      }
    }
    return best;
  };

  for (int32_t b = 1; b <= blocks_count_(); ++b) blocks_group_(b, 0);
  library.dirs.resize(1);
  library.dirs[0] = libdir_rec_{};
  std::vector<int32_t> folder_of(static_cast<size_t>(std::max(n, 1)) + 1, 0);
  for (const frame_& f : frames) {
    const int32_t parent = container(f.x1, f.y1, f.x2, f.y2, f.record);
    const std::string title = store.live.block_groups[store.live.objects[f.record].index].title;
    if (trim_blanks(title).empty()) {
      // An untitled frame makes no folder: what lies in it is filed where the frame itself
      // would be filed, under its own parent's folder (resolved below, parents come first
      // only when numbered first, so keep the frame's parent record for now).
      folder_of[f.record] = -parent;
      continue;
    }
    folder_of[f.record] = libdir_add_(title, parent);
  }
  for (int32_t k = 1; k <= n; ++k) {
    const object_rec_& o = store.live.objects[k];
    if (o.deleted != false_ || o.type != ot_block_insert_) continue;
    if (const auto* ins = edit_::entry_(store.live.block_inserts, o.index))
      blocks_group_(ins->block, container(o.x1, o.y1, o.x2, o.y2, 0));
  }
  // Record numbers become folder ids; chains of untitled frames resolve to the nearest
  // titled ancestor (the walk is bounded in case frames nest oddly).
  auto resolve = [&](int32_t record) {
    for (int32_t guard = 0; record > 0 && record <= n && guard <= n; ++guard) {
      const int32_t v = folder_of[record];
      if (v >= 0) return v;
      record = -v;
    }
    return 0;
  };
  for (int32_t d = 1; d <= library.dir_count(); ++d) library.dirs[d].parent = resolve(library.dirs[d].parent);
  for (int32_t b = 1; b <= library.block_count(); ++b) library.blocks[b].folder = resolve(library.blocks[b].folder);
}
