// Undo and redo: a before copy taken by state_begin_, one state file per step written by
// state_save_, and state_undo_ applying either side of a step.
#include <algorithm>
#include <type_traits>

#include "engine/file/links.h"
#include "engine/file/record_compare.h"
#include "engine/file/state_format.h"
#include "engine/zaz_class.h"
#include "platform/core/file_io.h"

namespace {

int32_t ubound(size_t size) { return size == 0 ? 0 : int32_t(size - 1); }

std::vector<flag16_> selection_of(const object_tables_& t, int32_t count) {
  std::vector<flag16_> sel(size_t(std::max(count, 0)) + 1, false_);
  for (int32_t i = 1; i <= count && size_t(i) < t.objects.size(); ++i) sel[size_t(i)] = t.objects[size_t(i)].selected;
  return sel;
}

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

}  // namespace

void zaz_class_::state_begin_() {
  store.snapshot.clear();
  undo_before_& b = file.before;
  b.counts = store.counts;
  b.selection = selection_of(store.live, store.counts[0]);
  b.pages = pages.pages;
  if (b.pages.empty()) b.pages.resize(1);
  b.pages[0] = page_rec_{};
  b.active_page = pages.active;
  b.blocks = link_library_(*this).blocks;
  if (b.blocks.empty()) b.blocks.resize(1);
  b.blocks[0] = block_def_rec_{};
  for (int32_t type = 0; type <= object_kinds_; ++type) {
    const int32_t n = store.counts[size_t(type)];
    store.live.visit(type, [&](const auto& live) {
      store.snapshot.visit(type, [&](auto& snap) {
        if constexpr (std::is_same_v<std::decay_t<decltype(live)>, std::decay_t<decltype(snap)>>) {
          size_t end = std::min(live.size(), size_t(std::max(n, 0)) + 1);
          snap.assign(live.begin(), live.begin() + std::ptrdiff_t(end));
        }
      });
    });
  }
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
  const int32_t before_count = ubound(store.snapshot.objects.size());
  std::vector<int32_t> changed;
  for (int32_t i = 1; i <= count0 && size_t(i) < store.live.objects.size(); ++i) {
    const object_rec_& o = store.live.objects[size_t(i)];
    if (i > before_count || is_set_(record_differs_(0, i)) || is_set_(record_differs_(o.type, o.index)))
      changed.push_back(i);
  }

  const undo_before_& b = file.before;
  byte_writer_ w;
  put_state_counts_(w, b.counts);
  put_state_counts_(w, store.counts);
  put_state_selection_(w, b.selection, b.counts[0]);
  put_state_selection_(w, selection_of(store.live, count0), count0);
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
    int32_t t = store.live.objects[size_t(i)].type;
    if (t >= 1 && t <= object_kinds_) put_image(1, i, store.live);
  }

  // A step whose file could not be written would restore nothing: it is not added at all.
  std::string path = engine_temp_file_();
  if (!path.empty() && save_file_atomic_(path, w.data())) {
    size_t p = size_t(std::max(file.state_index, 0));
    file.states.resize(std::min(p, file.states.size()));
    file.states.push_back({name, path, reserved_texts(b.pages), reserved_texts(pages.pages)});
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
  const int32_t count0 = std::max(store.counts[0], 0);
  for (int32_t i = 1; i <= count0; ++i) store.live.objects[size_t(i)].selected = false_;

  const std::vector<std::string>& reserved = side_no == 0 ? entry.reserved_before : entry.reserved_after;
  for (size_t p = 1; p < side.pages.size(); ++p) side.pages[p].reserved = p < reserved.size() ? reserved[p] : "";
  pages.pages = std::move(side.pages);
  pages.active = side.active_page;

  library_state_& lib = link_library_(*this);
  side.blocks[0] = lib.blocks.empty() ? block_def_rec_{} : lib.blocks[0];
  lib.blocks = std::move(side.blocks);

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

  for (int32_t i = 1; i <= count0 && size_t(i) < side.selection.size(); ++i)
    store.live.objects[size_t(i)].selected = side.selection[size_t(i)];

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
