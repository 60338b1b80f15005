// The drawing file: document texts, background, fonts, dimension styles, pages with views and
// layers, library folders, blocks with their members, then the objects to the end of the file.
#include <cmath>
#include <memory>

#include "engine/file/codec.h"
#include "engine/file/dimstyle_io.h"
#include "engine/file/file_kind.h"
#include "engine/file/links.h"
#include "engine/file/object_io.h"
#include "engine/zaz_class.h"
#include "platform/core/file_io.h"

namespace {

int32_t ubound(size_t size) { return size == 0 ? 0 : int32_t(size - 1); }

// Smallest encodings, used to refuse counts that cannot fit in what remains of a file.
constexpr size_t kMinGlyph = 16 + 2 + 1 + 4;
constexpr size_t kMinFont = 4 + 4 + 4 + 256 * kMinGlyph;
constexpr size_t kMinStyleRecord = 19 * 1 + 14 * 2 + 5 * 4 + 13 * 4 + 4 * 4;
constexpr size_t kMinStyleEntry = 4 + kMinStyleRecord;
constexpr size_t kMinFolder = 4 + 4;
constexpr size_t kMinBlockV1 = 4 + 16 + 2 + 4 + 4;
constexpr size_t kMinObject = 4;

// A record of an unknown type keeps its number as an empty, deleted slot, but costs a whole
// slot for four bytes of file. Past these limits such records are damage (a file padded with
// zeros, say), not the work of a newer writer, and the file is refused.
constexpr int64_t kMaxUnknownRun = 1000;  // in a row; also how far they may outnumber known ones

struct unknown_records {
  int64_t known = 0, unknown = 0, run = 0;
  bool take(bool is_known) {
    if (is_known) {
      ++known;
      run = 0;
      return true;
    }
    ++unknown;
    return ++run <= kMaxUnknownRun && unknown <= known + kMaxUnknownRun;
  }
};

bool count_fits(byte_reader_& r, int64_t count, size_t item_size) {
  if (count < 0 || !r.can_hold(uint64_t(count), item_size)) {
    r.fail();
    return false;
  }
  return true;
}

void put_font(byte_writer_& w, const font_rec_& f) {
  put_string_(w, f.name);
  w.put<float>(f.height);
  w.put<float>(f.cap_top);  // kept bit for bit as the font's second value
  for (const glyph_rec_& g : f.glyphs) {
    for (float v : {g.box_width, g.box_height, g.advance_x, g.advance_y}) w.put<float>(v);
    size_t contours = g.contours.size();
    w.put<int16_t>(int16_t(std::min<size_t>(contours, 32767)));
    w.put<uint8_t>(g.fill_flag);
    w.put<int32_t>(int32_t(contours));
    for (const glyph_contour_rec_& c : g.contours) {
      w.put<int32_t>(int32_t(c.points.size()));
      for (const glyph_point_rec_& p : c.points) {
        w.put<float>(p.x);
        w.put<float>(p.y);
      }
    }
  }
}

bool get_font(byte_reader_& r, font_rec_& f) {
  get_string_(r, f.name);
  r.read(f.height);
  r.read(f.cap_top);
  for (glyph_rec_& g : f.glyphs) {
    for (float* v : {&g.box_width, &g.box_height, &g.advance_x, &g.advance_y}) r.read(*v);
    int16_t short_count = 0;
    int32_t contours = 0;
    r.read(short_count);  // the long copy below is the one that counts
    r.read(g.fill_flag);
    r.read(contours);
    g.contours.clear();
    if (!r.ok()) return false;
    if (contours < 1) continue;
    if (!count_fits(r, contours, 4)) return false;
    g.contours.resize(size_t(contours));
    for (glyph_contour_rec_& c : g.contours) {
      int32_t n = 0;
      r.read(n);
      if (n < 1) continue;
      if (!count_fits(r, n, 8)) return false;
      c.points.resize(size_t(n));
      for (glyph_point_rec_& p : c.points) {
        r.read(p.x);
        r.read(p.y);
      }
    }
  }
  return r.ok();
}

void put_page(byte_writer_& w, const page_rec_& p, const view_rec_& v) {
  put_string_(w, p.title);
  w.put<int16_t>(v.grid_visible);
  w.put<float>(v.grid_size);
  for (flag16_ f : {v.snap_grid, v.snap_points, v.snap_ang45, v.snap_track}) w.put<int16_t>(f);
  for (float f : {v.posx, v.posy, v.zoom, p.posx, p.posy, p.width, p.height}) w.put<float>(f);
  for (int32_t i : {p.cx, p.cy, p.unit, p.scale}) w.put<int32_t>(i);
  put_string_(w, p.reserved);
  w.put<int16_t>(p.show_border);
  w.put<int16_t>(p.show_coords);
  w.put<int16_t>(p.active_layer);
  int32_t layers = ubound(p.layers.size());
  w.put<int32_t>(layers);
  for (int32_t i = 1; i <= layers; ++i) {
    const layer_rec_& l = p.layers[size_t(i)];
    put_string_(w, l.title);
    w.put<int16_t>(l.visible);
    w.put<int16_t>(l.editable);
    for (int32_t x : {l.draw_color, l.fill_color, l.line_style, l.line_width}) w.put<int32_t>(x);
    for (const std::string& s : l.reserved) put_string_(w, s);
  }
}

bool get_page(byte_reader_& r, int version, page_rec_& p, view_rec_& v) {
  get_string_(r, p.title);
  r.read(v.grid_visible);
  r.read(v.grid_size);
  for (flag16_* f : {&v.snap_grid, &v.snap_points, &v.snap_ang45, &v.snap_track}) r.read(*f);
  for (float* f : {&v.posx, &v.posy, &v.zoom, &p.posx, &p.posy, &p.width, &p.height}) r.read(*f);
  for (int32_t* i : {&p.cx, &p.cy, &p.unit, &p.scale}) r.read(*i);
  p.reserved.clear();
  if (version >= 2) get_string_(r, p.reserved);
  r.read(p.show_border);
  r.read(p.show_coords);
  r.read(p.active_layer);
  int32_t layers = 0;
  r.read(layers);
  if (!r.ok()) return false;
  if (layers > pages_max_) return false;  // a layer number is one byte
  p.layers.clear();
  if (layers < 0) return true;
  p.layers.resize(size_t(layers) + 1);
  for (int32_t i = 1; i <= layers; ++i) {
    layer_rec_& l = p.layers[size_t(i)];
    get_string_(r, l.title);
    r.read(l.visible);
    r.read(l.editable);
    for (int32_t* x : {&l.draw_color, &l.fill_color, &l.line_style, &l.line_width}) r.read(*x);
    for (std::string& s : l.reserved) get_string_(r, s);
  }
  if (layers == 0) p.layers.clear();
  return r.ok();
}

}  // namespace

void zaz_class_::write_object_record_(byte_writer_& w, int32_t record) const {
  if (record < 1 || record > store.counts[0] || size_t(record) >= store.live.objects.size() ||
      store.live.objects[size_t(record)].type < 1) {
    w.put<int32_t>(0);
    return;
  }
  const object_rec_& o = store.live.objects[size_t(record)];
  w.put<int32_t>(o.type);
  for (float v : {o.x1, o.y1, o.x2, o.y2}) w.put<float>(v);
  w.put<int16_t>(o.page);
  w.put<uint8_t>(o.layer);
  w.put<int32_t>(o.draw_color);
  w.put<int32_t>(o.fill_color);
  w.put<int16_t>(o.line_style);
  w.put<int16_t>(o.line_width);
  w.put<int16_t>(o.selected);
  w.put<int32_t>(o.group);
  put_object_payload_(w, store.live, o.type, o.index);
}

bool zaz_class_::read_object_record_(byte_reader_& r, int32_t record, flag16_& ok) {
  ok = false_;
  if (record < 1) return false;
  // Records arrive one by one and their number is not known in advance: the tables grow with
  // the containers' own doubling, so a small file allocates little and a large one is read
  // in amortised linear time. Adds that follow grow them by the usual step.
  auto grow = [this](int32_t type, int32_t n) {
    store.live.visit(type, [&](auto& table) {
      if (table.size() <= size_t(n)) table.resize(size_t(n) + 1);
    });
  };
  grow(0, record);
  object_rec_& o = store.live.objects[size_t(record)];
  o.deleted = false_;
  o.selected = false_;
  int32_t type = 0;
  if (!r.read(type)) return false;
  if (type < 1 || type > 255) {
    o = object_rec_{};
    o.type = ot_none_;
    o.deleted = true_;
    return true;
  }
  o.type = type;
  for (float* v : {&o.x1, &o.y1, &o.x2, &o.y2}) r.read(*v);
  r.read(o.page);
  r.read(o.layer);
  r.read(o.draw_color);
  r.read(o.fill_color);
  r.read(o.line_style);
  r.read(o.line_width);
  r.read(o.selected);
  r.read(o.group);
  if (!r.ok()) return false;
  int32_t index = store.counts[size_t(type)] + 1;
  o.index = index;
  if (type <= object_kinds_) {
    grow(type, index);
    if (!get_object_payload_(r, store.live, type, index)) return false;
  }
  store.counts[size_t(type)] = index;
  store.counts[0] = record;
  ok = true_;
  return true;
}

void zaz_class_::put_block_entry_(byte_writer_& w, const block_def_rec_& d) const {
  w.put<int32_t>(d.value);
  for (float v : {d.x1, d.y1, d.x2, d.y2}) w.put<float>(v);
  w.put<int16_t>(d.hidden);
  w.put<int32_t>(d.folder);
  put_string_(w, d.name);
  int32_t m = d.member_count();
  w.put<int32_t>(m);
  for (int32_t k = 1; k <= m; ++k) write_object_record_(w, d.members[size_t(k)]);
}

bool zaz_class_::get_block_entry_(byte_reader_& r, bool with_folder, block_def_rec_& d, int32_t& next) {
  r.read(d.value);
  for (float* v : {&d.x1, &d.y1, &d.x2, &d.y2}) r.read(*v);
  r.read(d.hidden);
  d.folder = 0;
  if (with_folder) r.read(d.folder);
  get_string_(r, d.name);
  int32_t m = 0;
  r.read(m);
  if (!r.ok()) return false;
  m = std::max(m, 0);
  if (!count_fits(r, m, kMinObject)) return false;
  d.members.assign(size_t(m) + 1, 0);
  for (int32_t k = 1; k <= m; ++k) {
    // A member of an unknown kind takes no number; its entry in the list stays 0.
    flag16_ ok = false_;
    if (!read_object_record_(r, next, ok)) return false;
    if (ok) d.members[size_t(k)] = next++;
  }
  return true;
}

std::string zaz_class_::drawing_file_bytes_() {
  std::string out;
  drawing_file_stream_([&](std::string_view piece) {
    out.append(piece);
    return true;
  });
  return out;
}

bool zaz_class_::drawing_file_stream_(const std::function<bool(std::string_view)>& sink) {
  // Records are gathered in a writer of about a megabyte and handed on when it fills, so a
  // large drawing is never held whole in memory.
  constexpr size_t piece_bytes = size_t(1) << 20;
  byte_writer_ w;
  bool ok = true;
  auto pass_on = [&] {
    if (ok) ok = sink(w.data());
    w.clear();
  };
  progress_refresh_(0);
  w.bytes(drawing_magic_v2_);
  for (const std::string* s : {&docinfo.title, &docinfo.description, &docinfo.author, &docinfo.password_stored})
    put_string_(w, *s);
  w.put<int32_t>(link_backcolor_(*this));

  int32_t fonts = link_font_count_(*this);
  w.put<int32_t>(fonts);
  w.put<int32_t>(link_font_active_(*this));
  for (int32_t i = 1; i <= fonts; ++i) put_font(w, *link_font_(*this, i));

  int32_t style_count = dimstyles_count_();
  w.put<int32_t>(styles.active);
  w.put<int32_t>(style_count);
  for (int32_t i = 0; i <= style_count; ++i) {
    const dimstyle_rec_& s = styles.styles[size_t(i)];
    put_string_(w, s.name);
    write_dimstyle_record_(w, s);
  }

  int32_t page_count = ubound(pages.pages.size());
  w.put<int32_t>(page_count);
  w.put<int32_t>(pages.active);
  for (int32_t i = 1; i <= page_count; ++i)
    put_page(w, pages.pages[size_t(i)], views.views[size_t(std::min(i, views_count_ - 1))]);

  const library_state_& lib = link_library_(*this);
  w.put<int32_t>(lib.dir_count());
  for (int32_t i = 1; i <= lib.dir_count(); ++i) {
    put_string_(w, lib.dirs[size_t(i)].title);
    w.put<int32_t>(lib.dirs[size_t(i)].parent);
  }

  const int32_t total = store.counts[0];
  auto report = [&](int64_t done) {
    if (total > 0) progress_refresh_(cint32_(double(done) / double(total) * 100.0));
  };
  int64_t members_written = 0;
  w.put<int32_t>(lib.block_count());
  for (int32_t b = 1; b <= lib.block_count(); ++b) {
    const block_def_rec_& d = lib.blocks[size_t(b)];
    put_block_entry_(w, d);
    if (w.size() >= piece_bytes) pass_on();
    members_written += d.member_count();
    if (b % 100 == 0) report(members_written);
  }

  int64_t counter = 0;
  for (int32_t i = 1; i <= total; ++i) {
    const object_rec_& o = store.live.objects[size_t(i)];
    // Layer 0 is a valid place for an object on a page; only block members (page 0) stay out.
    if (o.deleted || o.page < 1) continue;
    write_object_record_(w, i);
    if (w.size() >= piece_bytes) {
      pass_on();
      if (!ok) return false;
    }
    if (++counter % 1000 == 0) report(members_written + counter);
  }
  pass_on();
  return ok;
}

bool zaz_class_::read_drawing_bytes_(std::string_view data, const std::function<void(int32_t)>& progress) {
  byte_reader_ r(data);
  auto report = [&] {
    if (progress && !data.empty()) progress(cint32_(double(r.pos()) / double(data.size()) * 100.0));
  };
  std::string magic;
  if (!r.bytes(5, magic)) return false;
  file.last_magic = magic;
  int version = magic == drawing_magic_v1_ ? 1 : magic == drawing_magic_v2_ ? 2 : 0;
  if (version == 0) return false;
  file.version = version;

  for (std::string* s : {&docinfo.title, &docinfo.description, &docinfo.author, &docinfo.password_stored})
    get_string_(r, *s);
  int32_t back = 0;
  r.read(back);
  link_backcolor_set_(*this, back);

  int32_t fonts = 0, font_active = 0;
  r.read(fonts);
  r.read(font_active);
  if (!r.ok()) return false;
  if (fonts >= 1) {
    if (!count_fits(r, fonts, kMinFont)) return false;
    for (int32_t i = 1; i <= fonts; ++i) {
      auto f = std::make_unique<font_rec_>();
      if (!get_font(r, *f)) return false;
      link_font_append_(*this, std::move(*f));
    }
    link_font_active_set_(*this, std::clamp(font_active, 1, fonts));
  } else {
    link_font_active_set_(*this, 0);
  }

  int32_t style_active = 0, style_count = 0;
  r.read(style_active);
  r.read(style_count);
  if (!r.ok()) return false;
  style_count = std::max(style_count, 0);
  if (!count_fits(r, int64_t(style_count) + 1, kMinStyleEntry)) return false;
  styles.styles.assign(size_t(style_count) + 1, dimstyle_rec_{});
  for (dimstyle_rec_& s : styles.styles) {
    get_string_(r, s.name);
    if (!read_dimstyle_record_(r, s)) return false;
  }
  styles.active = std::clamp(style_active, 0, style_count);

  int32_t page_count = 0, page_active = 0;
  r.read(page_count);
  r.read(page_active);
  if (!r.ok() || page_count > pages_max_) return false;
  pages.pages.clear();
  if (page_count > 0) {
    pages.pages.resize(size_t(page_count) + 1);
    for (int32_t i = 1; i <= page_count; ++i) {
      page_rec_& p = pages.pages[size_t(i)];
      if (!get_page(r, version, p, views.views[size_t(i)])) return false;
      int32_t layers = ubound(p.layers.size());
      p.active_layer = layers == 0 ? int16_t(0) : int16_t(std::clamp<int32_t>(p.active_layer, 1, layers));
    }
  }
  pages.active = page_count == 0 ? 0 : std::clamp(page_active, 1, page_count);

  library_state_& lib = link_library_(*this);
  lib = library_state_{};
  if (version >= 2) {
    int32_t dirs = 0;
    r.read(dirs);
    if (!r.ok()) return false;
    dirs = std::max(dirs, 0);
    if (!count_fits(r, dirs, kMinFolder)) return false;
    lib.dirs.resize(size_t(dirs) + 1);
    for (int32_t i = 1; i <= dirs; ++i) {
      get_string_(r, lib.dirs[size_t(i)].title);
      r.read(lib.dirs[size_t(i)].parent);
    }
  }

  int64_t steps = 0;
  int32_t next = 1;
  int32_t blocks = 0;
  r.read(blocks);
  if (!r.ok()) return false;
  blocks = std::max(blocks, 0);
  if (!count_fits(r, blocks, kMinBlockV1)) return false;
  lib.blocks.resize(size_t(blocks) + 1);
  for (int32_t b = 1; b <= blocks; ++b) {
    block_def_rec_& d = lib.blocks[size_t(b)];
    if (!get_block_entry_(r, version >= 2, d, next)) return false;
    for (int32_t k = 1; k <= d.member_count(); ++k)
      if (d.members[size_t(k)] > 0) store.live.objects[size_t(d.members[size_t(k)])].selected = false_;
    if (++steps % 10 == 0) report();
  }

  unknown_records unknown;
  while (!r.at_end()) {
    flag16_ ok = false_;
    if (!read_object_record_(r, next, ok) || !unknown.take(is_set_(ok))) return false;
    store.live.objects[size_t(next)].selected = false_;
    ++next;
    if (++steps % 1000 == 0) report();
  }
  file.version = 2;
  return r.ok();
}

flag16_ zaz_class_::write_drawing_file_(const std::string& path) {
  file.version = 2;
  atomic_file_writer_ out(path);
  bool ok = out.ok() && drawing_file_stream_([&](std::string_view piece) { return out.write(piece); }) &&
            out.commit();
  if (ok) {
    file.states.clear();
    file.state_index = 0;
  }
  return to_flag_(ok);
}

flag16_ zaz_class_::read_drawing_file_(const std::string& path) {
  // Read into a drawing of its own and take it over only when the whole file was read, so that
  // a damaged or foreign file leaves the drawing in the engine as it was.
  flag16_ result = false_;
  if (auto data = read_file_bytes_(path)) {
    auto fresh = std::make_unique<zaz_class_>();
    if (fresh->read_drawing_bytes_(*data, [this](int32_t v) { progress_refresh_(v); })) {
      file_new_(false_, "");
      take_drawing_(*fresh);
      file.file_name = path;
      file.changed = false_;
      result = true_;
    } else if (!fresh->file.last_magic.empty()) {
      file.last_magic = fresh->file.last_magic;
    }
  }
  progress_refresh_(-1);
  return result;
}

void zaz_class_::take_drawing_(zaz_class_& from) {
  store.live = std::move(from.store.live);
  store.counts = from.store.counts;
  pages.pages = std::move(from.pages.pages);
  pages.active = from.pages.active;
  for (int32_t i = 1; i < views_count_; ++i) views.views[size_t(i)] = from.views.views[size_t(i)];
  styles = std::move(from.styles);
  docinfo = std::move(from.docinfo);
  link_take_document_(*this, from);
  file.last_magic = from.file.last_magic;
  file.version = from.file.version;
}
