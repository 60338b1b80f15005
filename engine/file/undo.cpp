// Undo and redo: a before copy taken by state_begin_, one state file per step written by
// state_save_, and state_undo_ applying either side of a step.
// The before copy shares the chunks of the live tables, so a step costs what it changed: only
// chunks written since state_begin_ are compared record by record, and the chunks of main
// records that stayed shared are looked into only when they may point at a changed entry.
#include <algorithm>
#include <array>
#include <climits>
#include <utility>
#include <type_traits>

#include "engine/file/links.h"
#include "engine/file/record_compare.h"
#include "engine/file/state_format.h"
#include "engine/zaz_class.h"
#include "platform/core/file_io.h"

namespace {

int32_t ubound(size_t size) { return size == 0 ? 0 : int32_t(size - 1); }

std::vector<std::string> reserved_texts(const std::vector<page_rec_>& pages) {
  std::vector<std::string> out;
  for (const page_rec_& p : pages) out.push_back(p.reserved);
  return out;
}

// One side of a step, as read back from its file.
struct state_side {
  record_counts_rec_ counts{};
  std::vector<flag16_> selection;
  int32_t active_page = 0;
  std::vector<page_rec_> pages;
  std::vector<block_def_rec_> blocks;
};

struct state_image {
  uint8_t kind = 0;  // 0 before, 1 after
  int32_t record = 0;
  object_rec_ header;
  int32_t entry = 0;  // where its type record waits in the parsed tables
};

struct parsed_state {
  state_side side[2];
  std::vector<state_image> images;
  object_tables_ entries;
};

// Reads a whole state file; false when any part is missing or out of bounds.
bool parse_state(std::string_view data, parsed_state& s) {
  byte_reader_ r(data);
  for (auto& side : s.side) get_state_counts_(r, side.counts);
  for (auto& side : s.side)
    if (!get_state_selection_(r, side.selection, side.counts[0])) return false;
  for (auto& side : s.side)
    if (!get_state_pages_(r, side.active_page, side.pages)) return false;
  for (auto& side : s.side)
    if (!get_state_blocks_(r, side.blocks)) return false;
  const int32_t max_record = std::max(s.side[0].counts[0], s.side[1].counts[0]);
  while (r.ok() && !r.at_end()) {
    state_image img;
    int32_t header_length = 0, record_length = 0;
    r.read(img.kind);
    r.read(img.record);
    r.read(header_length);
    if (!r.ok()) return false;
    if (img.record < 1 || header_length < 1) break;
    r.read(record_length);
    if (!get_state_header_(r, img.header)) return false;
    const int32_t type = img.header.type;
    // An image names a record and an entry the step's counters know of; anything else is damage.
    if (img.record > max_record || type < 1 || type > object_kinds_ || img.header.index < 1 ||
        img.header.index > std::max(s.side[0].counts[size_t(type)], s.side[1].counts[size_t(type)]))
      return false;
    s.entries.visit(type, [&](auto& table) {
      if (table.empty()) table.resize(1);
      img.entry = int32_t(table.size());
      table.emplace_back();
    });
    if (!get_state_entry_(r, s.entries, type, img.entry)) return false;
    s.images.push_back(std::move(img));
  }
  return r.ok();
}


using objects_table = chunk_table_<object_rec_>;
constexpr size_t main_chunk = objects_table::chunk_size;

// The note of chunk k of a main table, worked out again only when the chunk was written
// since (a write clears the chunk's mark).
const chunk_note_& note_of(std::vector<chunk_note_>& notes, const objects_table& t, size_t k) {
  static uint64_t last_mark = 0;
  if (notes.size() <= k) notes.resize(k + 1);
  chunk_note_& n = notes[k];
  const uint64_t mark = t.mark(k);
  if (mark != 0 && n.mark == mark) return n;
  n.any_selected = false;
  n.lo.fill(INT32_MAX);
  n.hi.fill(INT32_MIN);
  const size_t end = std::min(t.size(), (k + 1) * main_chunk);
  for (size_t i = k * main_chunk; i < end; ++i) {
    const object_rec_& o = t[i];
    if (o.selected != false_) n.any_selected = true;
    if (o.type >= 1 && o.type <= object_kinds_) {
      n.lo[size_t(o.type)] = std::min(n.lo[size_t(o.type)], o.index);
      n.hi[size_t(o.type)] = std::max(n.hi[size_t(o.type)], o.index);
    }
  }
  n.mark = ++last_mark;
  t.set_mark(k, n.mark);
  return n;
}

// Flags 0..c of a main table as the state file holds them (entry 0 and records beyond the
// table are 0). Chunks without a selected record are written as zeros in one piece.
void put_selection(plain_file_writer_& out, std::vector<chunk_note_>& notes, const objects_table& t, int32_t c) {
  byte_writer_ w;
  w.put<int16_t>(0);
  const size_t last = size_t(std::max(c, 0));
  size_t i = 1;
  while (i <= last) {
    if (i >= t.size()) {
      out.write(w.data());
      w.clear();
      out.zeros(uint64_t(last - i + 1) * 2);
      break;
    }
    const size_t k = i / main_chunk;
    const size_t end = std::min({last, (k + 1) * main_chunk - 1, t.size() - 1});
    if (!note_of(notes, t, k).any_selected) {
      out.write(w.data());
      w.clear();
      out.zeros(uint64_t(end - i + 1) * 2);
    } else {
      for (size_t j = i; j <= end; ++j) w.put<int16_t>(t[j].selected);
    }
    i = end + 1;
  }
  out.write(w.data());
}

// Entries of one kind that differ from the before table: looked for only in chunks the live
// table no longer shares with it, and where the before table does not reach. Ascending.
template <class Table>
std::vector<int32_t> changed_entries(int32_t type, const Table& live, const Table& snap, const object_tables_& lt,
                                     const object_tables_& st) {
  std::vector<int32_t> out;
  const size_t cs = Table::chunk_size;
  for (size_t k = 0; k * cs < live.size(); ++k) {
    const size_t lo = std::max<size_t>(1, k * cs), hi = std::min(live.size(), (k + 1) * cs);
    const bool shared = live.same_chunk(k, snap);
    for (size_t i = shared ? std::max(lo, snap.size()) : lo; i < hi; ++i)
      if (i >= snap.size() || type_entries_differ_(type, lt, int32_t(i), st, int32_t(i))) out.push_back(int32_t(i));
  }
  return out;
}

// The main records a step changed, in ascending order: a record is new, or its main record
// differs from the before copy, or its entry does. Chunks of main records still shared with
// the before copy are unchanged themselves; they are looked into only when their note says a
// record there may use a changed entry or one out of either table's reach.
std::vector<int32_t> changed_records(zaz_class_& e) {
  const object_tables_& live = e.store.live;
  const object_tables_& snap = e.store.snapshot;
  std::array<std::vector<int32_t>, object_kinds_ + 1> entries;
  std::array<int64_t, object_kinds_ + 1> reach{};
  for (int32_t t = 1; t <= object_kinds_; ++t) {
    live.visit(t, [&](const auto& lt) {
      snap.visit(t, [&](const auto& sn) {
        if constexpr (std::is_same_v<std::decay_t<decltype(lt)>, std::decay_t<decltype(sn)>>) {
          entries[size_t(t)] = changed_entries(t, lt, sn, live, snap);
          reach[size_t(t)] = int64_t(std::min(lt.size(), sn.size()));
        }
      });
    });
  }
  auto may_point_at_change = [&](const chunk_note_& n) {
    for (int32_t t = 1; t <= object_kinds_; ++t) {
      const int32_t lo = n.lo[size_t(t)], hi = n.hi[size_t(t)];
      if (lo > hi) continue;
      if (lo < 1 || hi >= reach[size_t(t)]) return true;
      const auto& ch = entries[size_t(t)];
      auto it = std::lower_bound(ch.begin(), ch.end(), lo);
      if (it != ch.end() && *it <= hi) return true;
    }
    return false;
  };
  std::vector<chunk_note_>& notes = e.file.notes;
  const int32_t count0 = e.store.counts[0];
  const int64_t before_count = int64_t(snap.objects.size()) - 1;
  const int64_t last = std::min<int64_t>(count0, int64_t(live.objects.size()) - 1);
  std::vector<int32_t> changed;
  for (size_t k = 0; int64_t(k * main_chunk) <= last; ++k) {
    const int64_t lo = std::max<int64_t>(1, int64_t(k * main_chunk));
    const int64_t hi = std::min<int64_t>(last, int64_t((k + 1) * main_chunk) - 1);
    const bool look = hi > before_count || !live.objects.same_chunk(k, snap.objects) ||
                      may_point_at_change(note_of(notes, live.objects, k));
    if (!look) continue;
    for (int64_t i = lo; i <= hi; ++i) {
      const object_rec_& o = live.objects[size_t(i)];
      if (i > before_count || is_set_(e.record_differs_(0, int32_t(i))) || is_set_(e.record_differs_(o.type, o.index)))
        changed.push_back(int32_t(i));
    }
  }
  return changed;
}

}  // namespace

void zaz_class_::state_begin_() {
  undo_before_& b = file.before;
  b.counts = store.counts;
  b.pages = pages.pages;
  if (b.pages.empty()) b.pages.resize(1);
  b.pages[0] = page_rec_{};
  b.active_page = pages.active;
  b.blocks = link_library_(*this).blocks;
  if (b.blocks.empty()) b.blocks.resize(1);
  b.blocks[0] = block_def_rec_{};
  // The before tables share the live chunks: the copy costs a pointer per chunk, and a chunk
  // is copied only when the change writes into it.
  for (int32_t type = 0; type <= object_kinds_; ++type) {
    const size_t end = size_t(std::max(store.counts[size_t(type)], 0)) + 1;
    store.live.visit(type, [&](const auto& live) {
      store.snapshot.visit(type, [&](auto& snap) {
        if constexpr (std::is_same_v<std::decay_t<decltype(live)>, std::decay_t<decltype(snap)>>)
          snap.share_prefix(live, end);
      });
    });
  }
  b.objects = store.snapshot.objects;
  b.tables_held = true;
}

flag16_ zaz_class_::record_differs_(int32_t type, int32_t index) const {
  if (type == 0) {
    const auto& live = store.live.objects;
    const auto& snap = store.snapshot.objects;
    if (index < 1 || size_t(index) >= live.size() || size_t(index) >= snap.size()) return true_;
    const object_rec_& a = live[size_t(index)];
    const object_rec_& b = snap[size_t(index)];
    bool differ = a.type != b.type || a.deleted != b.deleted || a.page != b.page || a.group != b.group ||
                  a.index != b.index || a.draw_color != b.draw_color || a.fill_color != b.fill_color ||
                  a.line_style != b.line_style || a.line_width != b.line_width || a.layer != b.layer ||
                  a.x1 != b.x1 || a.y1 != b.y1 || a.x2 != b.x2 || a.y2 != b.y2;
    return to_flag_(differ);
  }
  if (type < 1 || type > object_kinds_) return false_;
  return to_flag_(type_entries_differ_(type, store.live, index, store.snapshot, index));
}

void zaz_class_::object_header_put_(byte_writer_& w, int32_t record, flag16_ source) const {
  const auto& table = is_set_(source) ? store.snapshot.objects : store.live.objects;
  static const object_rec_ empty{};
  put_state_header_(w, record >= 1 && size_t(record) < table.size() ? table[size_t(record)] : empty);
}

bool zaz_class_::object_header_get_(byte_reader_& r) { return get_state_header_(r, file.scratch); }

int32_t zaz_class_::state_save_(const std::string& name) {
  const int32_t count0 = store.counts[0];
  const std::vector<int32_t> changed = changed_records(*this);
  const int32_t before_count = ubound(store.snapshot.objects.size());

  const undo_before_& b = file.before;
  byte_writer_ head;
  put_state_counts_(head, b.counts);
  put_state_counts_(head, store.counts);
  byte_writer_ w;
  put_state_pages_(w, b.active_page, b.pages);
  put_state_pages_(w, pages.active, pages.pages);
  put_state_blocks_(w, b.blocks);
  put_state_blocks_(w, link_library_(*this).blocks);
  auto put_image = [&](uint8_t kind, int32_t record, const object_tables_& tables) {
    const object_rec_& o = tables.objects[size_t(record)];
    w.put<uint8_t>(kind);
    w.put<int32_t>(record);
    w.put<int32_t>(state_header_length_);
    w.put<int32_t>(state_record_length_(o.type));
    object_header_put_(w, record, kind == 0 ? true_ : false_);
    put_state_entry_(w, tables, o.type, o.index);
  };
  for (int32_t i : changed) {
    if (i <= before_count) {
      int32_t t = store.snapshot.objects[size_t(i)].type;
      if (t >= 1 && t <= object_kinds_) put_image(0, i, store.snapshot);
    }
    int32_t t = std::as_const(store.live).objects[size_t(i)].type;
    if (t >= 1 && t <= object_kinds_) put_image(1, i, store.live);
  }

  // A step whose file could not be written would restore nothing: it is not added at all.
  // State files are the engine's own temporaries: written in place, without a sync.
  std::string path = engine_temp_file_();
  bool written = false;
  if (!path.empty()) {
    plain_file_writer_ out(path);
    out.write(head.data());
    put_selection(out, file.notes, b.objects, b.counts[0]);
    put_selection(out, file.notes, store.live.objects, count0);
    out.write(w.data());
    written = out.close();
  }
  if (written) {
    size_t p = size_t(std::max(file.state_index, 0));
    file.states.resize(std::min(p, file.states.size()));
    file.states.push_back({name, path, reserved_texts(b.pages), reserved_texts(pages.pages), {}});
    file.state_index = int32_t(file.states.size());
  } else if (!path.empty()) {
    remove_file_(path);
  }
  store.snapshot.clear();
  file.before.tables_held = false;
  file.changed = true_;
  return int32_t(changed.size());
}

void zaz_class_::state_undo_(int32_t type) {
  const int32_t top = int32_t(file.states.size());
  if (top == 0 || (type != 1 && type != 2)) return;
  int32_t index = file.state_index;
  if (type == 1) --index;
  index = std::clamp(index, 0, top);
  if (index == top) return;

  // The whole file is read and checked before anything changes, so a damaged or missing
  // state leaves the drawing as it is.
  const state_rec_& entry = file.states[size_t(index)];
  auto data = read_file_bytes_(entry.file);
  if (!data) return;
  parsed_state parsed;
  if (!parse_state(*data, parsed)) return;

  const int side_no = type == 1 ? 0 : 1;
  state_side& side = parsed.side[side_no];
  // A step adds at most as many records as its file has bytes; larger or negative counts come
  // from a damaged file and would only allocate without bound.
  for (int32_t t = 0; t <= object_kinds_; ++t) {
    const int64_t n = side.counts[size_t(t)];
    if (n < 0 || n > int64_t(std::max(store.counts[size_t(t)], 0)) + int64_t(data->size())) return;
  }
  store.counts = side.counts;
  for (int32_t t = 0; t <= object_kinds_; ++t) {
    const int32_t n = std::max(store.counts[size_t(t)], 0);
    store.live.visit(t, [&](auto& table) {
      if (table.size() <= size_t(n)) table.resize(size_t(n) + 1);
    });
  }
  // Flags are written only where they change, so the chunks the before copy still shares
  // are not copied for nothing.
  auto set_selected = [&](int32_t i, flag16_ f) {
    if (std::as_const(store.live).objects[size_t(i)].selected != f) store.live.objects[size_t(i)].selected = f;
  };
  const int32_t count0 = std::max(store.counts[0], 0);
  for (int32_t i = 1; i <= count0; ++i) set_selected(i, false_);

  const std::vector<std::string>& reserved = side_no == 0 ? entry.reserved_before : entry.reserved_after;
  for (size_t p = 1; p < side.pages.size(); ++p) side.pages[p].reserved = p < reserved.size() ? reserved[p] : "";
  pages.pages = std::move(side.pages);
  pages.active = side.active_page;

  library_state_& lib = link_library_(*this);
  side.blocks[0] = lib.blocks.empty() ? block_def_rec_{} : lib.blocks[0];
  lib.blocks = std::move(side.blocks);
  dimstyle_step_apply_(entry.dimstyle_step, side_no == 0);

  for (const state_image& img : parsed.images) {
    if (img.kind != side_no) continue;
    object_rec_& o = store.live.objects[size_t(img.record)];
    o = img.header;
    o.selected = false_;
    const int32_t t = img.header.type;
    store.live.visit(t, [&](auto& live) {
      parsed.entries.visit(t, [&](auto& from) {
        using table_t = std::decay_t<decltype(live)>;
        if constexpr (std::is_same_v<table_t, std::decay_t<decltype(from)>>) {
          if (live.size() <= size_t(img.header.index)) live.resize(size_t(img.header.index) + 1);
          live[size_t(img.header.index)] = std::move(from[size_t(img.entry)]);
        }
      });
    });
  }

  for (int32_t i = 1; i <= count0 && size_t(i) < side.selection.size(); ++i) set_selected(i, side.selection[size_t(i)]);

  if (type == 2) ++index;
  file.state_index = std::clamp(index, 0, top);
}

std::string zaz_class_::state_name_(int32_t type) const {
  int32_t n = type == 1 ? file.state_index - 1 : type == 2 ? file.state_index : -1;
  return state_item_(n);
}

std::string zaz_class_::state_item_(int32_t value) const {
  if (value < 0 || size_t(value) >= file.states.size()) return {};
  return file.states[size_t(value)].name;
}

int32_t zaz_class_::state_active_() const { return file.state_index; }

int32_t zaz_class_::states_count_() const { return file.states.empty() ? 0 : int32_t(file.states.size()) - 1; }
