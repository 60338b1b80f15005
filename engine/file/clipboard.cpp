// Objects between drawings: a transfer file of block and object records, named on the
// clipboard by a marker text.
#include <algorithm>
#include <cctype>
#include <memory>
#include <type_traits>

#include "engine/file/codec.h"
#include "engine/file/file_kind.h"
#include "engine/file/links.h"
#include "engine/file/record_compare.h"
#include "engine/zaz_class.h"
#include "platform/core/file_io.h"
#include "shell/files.h"

std::string zaz_class_::clipboard_copy_(flag16_ tofile_, int32_t block_) {
  byte_writer_ w;
  w.bytes(drawing_magic_v2_);
  const library_state_& lib = link_library_(*this);
  if (block_ >= 1 && block_ <= lib.block_count()) {
    w.put<int32_t>(1);
    put_block_entry_(w, lib.blocks[size_t(block_)]);
  } else {
    w.put<int32_t>(lib.block_count());
    for (int32_t b = 1; b <= lib.block_count(); ++b) put_block_entry_(w, lib.blocks[size_t(b)]);
  }
  for (int32_t i = 1; i <= store.counts[0] && size_t(i) < store.live.objects.size(); ++i) {
    const object_rec_& o = store.live.objects[size_t(i)];
    if (o.deleted || o.page < 1 || !is_set_(o.selected)) continue;  // layer 0 of a page travels too
    write_object_record_(w, i);
  }
  // Nothing reaches the clipboard unless the whole file is on disk.
  std::string path = engine_temp_file_();
  if (path.empty()) return {};
  if (!save_file_atomic_(path, w.data())) {
    remove_file_(path);
    return {};
  }
  std::string marker = clipboard_marker_encode_(path);
  if (!is_set_(tofile_) && file.clipboard_set_text) file.clipboard_set_text(marker);
  return marker;
}

namespace {

std::string trimmed(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r\n"), e = s.find_last_not_of(" \t\r\n");
  return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

// Well above what a copy of the largest selection writes; a bigger file is not ours.
constexpr uint64_t kMaxTransferBytes = uint64_t(256) << 20;

bool all_digits(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}
bool all_letters_or_digits(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

// The name part of a path, and the folder part without its trailing '/'.
std::string_view name_of(std::string_view path) { return path.substr(path.rfind('/') + 1); }
std::string_view folder_of(std::string_view path) {
  size_t cut = path.rfind('/');
  return cut == std::string_view::npos ? std::string_view() : path.substr(0, cut);
}

// Clipboard text comes from any program, so the marker may name any file. Only a transfer file
// that one of our own copies wrote is read: named as temp_file_name_ names files (four numbers
// and ".tmp") in a folder named as temp_folder_ names them ("arvex-" and six characters) beside
// this process's own temporary folder, the folder private to this user (0700) and both owned by
// them. Another running instance of the program keeps its files in just such a folder.
bool transfer_file_is_ours(const std::string& path, const std::string& own_temp_folder) {
  const std::string_view name = name_of(path);
  if (name.size() < 8 || name.size() > 16 || name.substr(name.size() - 4) != ".tmp" ||
      !all_digits(name.substr(0, name.size() - 4)))
    return false;
  const std::string_view folder = folder_of(path);
  const std::string_view folder_name = name_of(folder);
  if (folder_name.size() != 12 || folder_name.substr(0, 6) != "arvex-" ||
      !all_letters_or_digits(folder_name.substr(6)))
    return false;
  // Beside our own folder: the same system temporary folder the copy side uses.
  const std::string_view own = own_temp_folder;
  if (own.size() < 2 || own.back() != '/' || folder_of(own.substr(0, own.size() - 1)) != folder_of(folder))
    return false;
  const path_info_ dir = path_info_of_(std::string(folder));
  if (dir.kind != path_info_::folder || !dir.owned_by_me || (dir.mode & 0777) != 0700) return false;
  const path_info_ file = path_info_of_(path);
  return file.kind == path_info_::regular && file.owned_by_me;
}

}  // namespace

void zaz_class_::clipboard_paste_(flag16_ center_, const std::string& fromfile_, flag16_ hblock_) {
  std::string marker = trimmed(fromfile_);
  if (marker.empty() && file.clipboard_get_text) marker = trimmed(file.clipboard_get_text());
  std::string path = clipboard_marker_decode_(marker);
  if (!is_set_(file_exists_(path)) || !transfer_file_is_ours(path, engine_temp_folder_())) return;
  auto data = read_file_bytes_(path, kMaxTransferBytes);
  if (!data) return;

  const int16_t page = page_active_();
  for (int32_t i = 1; i <= store.counts[0] && size_t(i) < store.live.objects.size(); ++i)
    if (store.live.objects[size_t(i)].page == page) store.live.objects[size_t(i)].selected = false_;

  std::string_view magic = std::string_view(*data).substr(0, 5);
  if (magic != drawing_magic_v1_ && magic != drawing_magic_v2_) {
    if (file.error_box) file.error_box("ERROR!");
    return;
  }

  // The records are read apart, numbered from 1, and joined to the drawing only when the whole
  // file has been read: a damaged transfer file pastes nothing.
  auto staging = std::make_unique<zaz_class_>();
  byte_reader_ r(*data);
  r.skip(5);
  int32_t block_count = 0;
  r.read(block_count);
  block_count = std::max(block_count, 0);
  if (!r.ok() || !r.can_hold(uint64_t(block_count), 34)) return;
  std::vector<block_def_rec_> pasted(size_t(block_count) + 1);
  int32_t next = 1;
  // Only the program writes transfer files: a record of an unknown type is damage here (in a
  // member it would leave a 0 in the block's member list).
  for (int32_t b = 1; b <= block_count; ++b) {
    block_def_rec_& d = pasted[size_t(b)];
    if (!staging->get_block_entry_(r, true, d, next)) return;
    for (size_t k = 1; k < d.members.size(); ++k)
      if (d.members[k] == 0) return;
  }
  const int32_t first_object = next;
  while (!r.at_end()) {
    flag16_ ok = false_;
    if (!staging->read_object_record_(r, next, ok) || !is_set_(ok)) return;
    ++next;
  }
  if (!r.ok()) return;

  // Join: record n of the staging drawing becomes record base + n here.
  const int32_t base = store.counts[0];
  const int32_t layer = layer_active_();
  const int32_t added = std::max(staging->store.counts[0], next - 1);
  for (int32_t n = 1; n <= added; ++n) {
    const int32_t rec = base + n;
    store.live.visit(0, [&](auto& t) {
      if (t.size() <= size_t(rec)) t.resize(size_t(rec) + size_t(table_grow_step_()) + 1);
    });
    object_rec_ o = size_t(n) < staging->store.live.objects.size() ? staging->store.live.objects[size_t(n)] : object_rec_{};
    if (n > staging->store.counts[0]) o = object_rec_{}, o.deleted = true_;
    const int32_t type = o.type;
    if (type >= 1 && type <= 255) {
      const int32_t entry = store.counts[size_t(type)] + 1;
      if (type <= object_kinds_) {
        store.live.visit(type, [&](auto& live) {
          staging->store.live.visit(type, [&](auto& from) {
            if constexpr (std::is_same_v<std::decay_t<decltype(live)>, std::decay_t<decltype(from)>>) {
              if (live.size() <= size_t(entry)) live.resize(size_t(entry) + size_t(table_grow_step_()) + 1);
              live[size_t(entry)] = std::move(from[size_t(o.index)]);
            }
          });
        });
      }
      o.index = entry;
      store.counts[size_t(type)] = entry;
    }
    if (n >= first_object) {
      o.page = page;
      o.layer = uint8_t(std::clamp(layer, 0, 255));
      o.selected = o.deleted ? false_ : true_;
    }
    store.live.objects[size_t(rec)] = o;
  }
  store.counts[0] = base + added;
  for (size_t b = 1; b < pasted.size(); ++b)
    for (size_t k = 1; k < pasted[b].members.size(); ++k)
      if (pasted[b].members[k] > 0) pasted[b].members[k] += base;

  // Inserts refer to blocks of the transfer file: find an equal block of the drawing or add it.
  library_state_& lib = link_library_(*this);
  if (lib.blocks.empty()) lib.blocks.resize(1);
  auto same_members = [&](const block_def_rec_& a, const block_def_rec_& b) {
    const int32_t m = a.member_count();
    if (b.member_count() != m) return false;
    for (int32_t k = 1; k <= m; ++k)
      if (is_set_(objects_differ_(a.members[size_t(k)], b.members[size_t(k)]))) return false;
    return true;
  };
  for (int32_t rec = base + first_object; rec <= store.counts[0]; ++rec) {
    object_rec_& o = store.live.objects[size_t(rec)];
    if (o.deleted || o.type != ot_block_insert_ || o.index < 1) continue;
    block_insert_rec_& ins = store.live.block_inserts[size_t(o.index)];
    const int32_t k = ins.block;
    if (k < 1 || k > block_count) {
      // Its block is not in the file (a single block was copied): an insert of nothing is dropped.
      o.deleted = true_;
      o.selected = false_;
      continue;
    }
    int32_t found = 0;
    for (int32_t b = 1; b <= lib.block_count() && found == 0; ++b)
      if (same_members(pasted[size_t(k)], lib.blocks[size_t(b)])) found = b;
    if (found == 0) {
      block_def_rec_ nb = pasted[size_t(k)];
      if (is_set_(hblock_)) nb.hidden = true_;
      lib.blocks.push_back(std::move(nb));
      found = lib.block_count();
    }
    ins.block = found;
  }

  if (is_set_(center_)) {
    calc_extents_(true_, true_, false_, 0);
    const view_rec_& v = active_view_();
    transform_move_(v.posx - (extents.x1 + extents.x2) / 2, v.posy - (extents.y1 + extents.y2) / 2, 0);
  }
}

flag16_ zaz_class_::objects_differ_(int32_t a, int32_t b) const {
  const auto& t = store.live.objects;
  if (a < 1 || b < 1 || size_t(a) >= t.size() || size_t(b) >= t.size()) return true_;
  const object_rec_& x = t[size_t(a)];
  const object_rec_& y = t[size_t(b)];
  if (x.type != y.type || x.deleted != y.deleted || x.draw_color != y.draw_color || x.fill_color != y.fill_color ||
      x.line_style != y.line_style || x.line_width != y.line_width || x.group != y.group || x.x1 != y.x1 ||
      x.y1 != y.y1 || x.x2 != y.x2 || x.y2 != y.y2)
    return true_;
  if (x.index < 1 || y.index < 1) return true_;
  if (x.type > object_kinds_) return false_;
  return to_flag_(type_entries_differ_(x.type, store.live, x.index, store.live, y.index));
}
