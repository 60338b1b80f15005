// Drawings for the file, undo and clipboard tests: objects of every kind with varied content,
// and a dump of everything a drawing file or an undo step must bring back.
#pragma once
#include <random>
#include <sstream>
#include <string>

#include "engine/file/links.h"
#include "engine/zaz_class.h"

namespace fixture {

inline float coord(std::mt19937& rng) { return std::uniform_real_distribution<float>(-500, 500)(rng); }

inline void fill_points(std::mt19937& rng, std::vector<float>& x, std::vector<float>& y, int n) {
  x.assign(size_t(n) + 1, 0);
  y.assign(size_t(n) + 1, 0);
  for (int i = 1; i <= n; ++i) {
    x[size_t(i)] = coord(rng);
    y[size_t(i)] = coord(rng);
  }
}

inline void fill_dim_tail(std::mt19937& rng, auto& d) {
  d.style = zaz_class_::dimstyle_template_();
  d.style.name = "s" + std::to_string(rng() % 100);
  d.style.arrow_size = coord(rng);
  d.style.prefix = "\xC3\x98";  // "Ø"
  for (auto& p : d.parts) {
    p.visible = (rng() % 2) ? true_ : false_;
    p.text = "t" + std::to_string(rng() % 1000);
    p.height = coord(rng);
    p.x = coord(rng);
    p.y = coord(rng);
  }
  for (auto& c : d.text_box) c = {coord(rng), coord(rng)};
  d.style_id = int32_t(rng() % 4);
  d.text_height = coord(rng);
  d.text_angle = coord(rng);
}

// Fills entry `e` of kind `type` with random content.
inline void fill_entry(zaz_class_& eng, int32_t type, int32_t e, std::mt19937& rng) {
  auto& t = eng.store.live;
  size_t i = size_t(e);
  switch (type) {
    case ot_point_: t.points[i] = {coord(rng), coord(rng), {}, uint8_t(rng() % 3), uint8_t(rng() % 9)}; break;
    case ot_line_: t.lines[i] = {coord(rng), coord(rng), coord(rng), coord(rng)}; break;
    case ot_curve_: case ot_polyline_: case ot_polygon_: {
      auto& p = type == ot_curve_ ? t.curves[i] : type == ot_polyline_ ? t.polylines[i] : t.polygons[i];
      int n = 1 + int(rng() % 5);
      fill_points(rng, p.x, p.y, n);
      p.count = (type == ot_curve_ && rng() % 2) ? -n : n;
      break;
    }
    case ot_arc_: case ot_circle_: case ot_ellipse_: {
      auto& a = type == ot_arc_ ? t.arcs[i] : type == ot_circle_ ? t.circles[i] : t.ellipses[i];
      a = {coord(rng), coord(rng), coord(rng), coord(rng), coord(rng), coord(rng), coord(rng), uint8_t(rng() % 2)};
      break;
    }
    case ot_hatch_: {
      auto& h = t.hatches[i];
      h.count = 3 + int(rng() % 3);
      fill_points(rng, h.x, h.y, h.count);
      h.pattern = int32_t(rng() % 29);
      h.scale = coord(rng);
      h.rotation = coord(rng);
      h.line_count = int32_t(rng() % 3);
      h.lines.assign(size_t(h.line_count) + 1, {});
      for (int k = 1; k <= h.line_count; ++k) h.lines[size_t(k)] = {coord(rng), coord(rng), coord(rng), coord(rng)};
      fill_points(rng, h.tile_x, h.tile_y, int(rng() % 3));
      if (h.tile_x.size() == 1) h.tile_x.clear(), h.tile_y.clear();
      break;
    }
    case ot_text_:
      t.texts[i] = {coord(rng), coord(rng), coord(rng), coord(rng), coord(rng),
                    "Zażółć " + std::to_string(rng() % 100), int32_t(rng() % 3), coord(rng), coord(rng)};
      break;
    case ot_image_: t.images[i] = {coord(rng), coord(rng), coord(rng), coord(rng), coord(rng), coord(rng), 0,
                                   "/img/" + std::to_string(rng() % 100) + ".png", int32_t(rng() % 7)};
      break;
    case ot_dimension_: {
      auto& d = t.dimensions[i];
      d.kind = int32_t(rng() % 3);
      for (float* v : {&d.x1, &d.y1, &d.x2, &d.y2, &d.x3, &d.y3, &d.x4, &d.y4, &d.length}) *v = coord(rng);
      fill_dim_tail(rng, d);
      d.arrows_outside = (rng() % 2) ? true_ : false_;
      break;
    }
    case ot_angular_dim_: {
      auto& d = t.angular_dims[i];
      for (float* v : {&d.cx, &d.cy, &d.rx, &d.ry, &d.rotation, &d.a1, &d.a2}) *v = coord(rng);
      fill_dim_tail(rng, d);
      d.arrows_outside = (rng() % 2) ? true_ : false_;
      break;
    }
    case ot_reference_: {
      auto& d = t.references[i];
      d.count = 2 + int(rng() % 3);
      fill_points(rng, d.x, d.y, d.count);
      fill_dim_tail(rng, d);
      break;
    }
    case ot_block_insert_: t.block_inserts[i] = {coord(rng), coord(rng), coord(rng), coord(rng), coord(rng), int32_t(1 + rng() % 2)}; break;
    case ot_block_group_: t.block_groups[i] = {"grupa " + std::to_string(rng() % 10), 0, coord(rng), coord(rng), coord(rng), coord(rng)}; break;
  }
}

// Appends an object of `type` on the active page (or on page 0 when member is true).
inline int32_t add_kind(zaz_class_& eng, int32_t type, std::mt19937& rng, int32_t layer = 1, bool member = false) {
  add_slot_ slot;
  if (!eng.add_begin_(type, int32_t(rng() % 0xFFFFFF), -2, int32_t(rng() % 5), int32_t(rng() % 4), layer, slot)) return 0;
  fill_entry(eng, type, slot.entry, rng);
  object_rec_& o = eng.store.live.objects[size_t(slot.record)];
  o.x1 = coord(rng);
  o.y1 = coord(rng);
  o.x2 = o.x1 + 10;
  o.y2 = o.y1 + 10;
  o.group = int32_t(rng() % 3);
  if (member) o.page = 0, o.layer = 0;
  return eng.add_commit_(slot);
}

inline int32_t add_block(zaz_class_& eng, const std::string& name, std::vector<int32_t> members, int32_t folder = 0) {
  block_def_rec_ b;
  b.value = 7;
  b.name = name;
  b.x1 = -1, b.y1 = -2, b.x2 = 3, b.y2 = 4;
  b.hidden = false_;
  b.folder = folder;
  b.members = {0};
  b.members.insert(b.members.end(), members.begin(), members.end());
  auto& lib = link_library_(eng);
  lib.blocks.push_back(b);
  return lib.block_count();
}

inline font_rec_ small_font(const std::string& name) {
  font_rec_ f;
  f.name = name;
  f.height = 10;
  f.cap_top = 7.5f;
  f.glyphs[65].box_width = 6;
  f.glyphs[65].advance_x = 7;
  f.glyphs[65].fill_flag = 1;
  f.glyphs[65].contours = {{{{0, 0}, {3, 9}, {6, 0}}}, {}};
  return f;
}

// Two pages with layers, three styles, folders, two blocks with members, a font and one object of
// every kind on each page, some of them deleted.
inline void build_rich_drawing(zaz_class_& eng, std::mt19937& rng, bool with_font = true, int page_count = 2) {
  eng.file_new_(false_, "");
  eng.docinfo.title = "Tytuł";
  eng.docinfo.author = "autor";
  eng.docinfo.password_stored = "616263";
  link_backcolor_set_(eng, 0x00336699);
  if (with_font) {
    link_font_append_(eng, small_font("technic"));
    link_font_active_set_(eng, 1);
  }
  for (const char* s : {"A", "B", "C"}) eng.dimstyle_add_(s);
  eng.dimstyle_active_(2);
  for (int p = 1; p <= page_count; ++p) {
    eng.page_add_("page " + std::to_string(p), 297, 210);
    eng.pages.pages[size_t(p)].reserved = "r" + std::to_string(p);
    eng.layer_add_("base", true_, true_, -1, -2, 0, 0);
    eng.layer_add_("extra", false_, true_, 255, -1, 2, 3);
    eng.pages.pages[size_t(p)].layers[2].reserved = {"x", "", "z"};
    eng.views.views[size_t(p)].grid_visible = true_;
    eng.views.views[size_t(p)].zoom = 2.5f * float(p);
  }
  auto& lib = link_library_(eng);
  lib.dirs.push_back({"folder", 0});
  lib.dirs.push_back({"sub", 1});
  std::vector<int32_t> members;
  for (int32_t type : {ot_line_, ot_circle_, ot_text_}) members.push_back(add_kind(eng, type, rng, 0, true));
  add_block(eng, "first", members, 2);
  add_block(eng, "empty", {});
  for (int p = 1; p <= page_count; ++p) {
    eng.page_active_(int16_t(p));
    for (int32_t type = 1; type <= object_kinds_; ++type) add_kind(eng, type, rng, 1 + int32_t(rng() % 2));
  }
  eng.page_active_(1);
  eng.store.live.objects[5].deleted = true_;
  eng.store.live.objects[9].deleted = true_;
}

// Everything a step of undo restores: counters, every record with its table entry and
// selection, pages with layers and reserved texts, the active page and blocks.
inline std::string dump_restorable(zaz_class_& eng) {
  std::ostringstream out;
  for (int32_t c : eng.store.counts) out << c << ',';
  out << '\n';
  for (int32_t i = 1; i <= eng.store.counts[0]; ++i) {
    const object_rec_& o = eng.store.live.objects[size_t(i)];
    byte_writer_ w;
    eng.write_object_record_(w, i);
    out << i << ':' << o.deleted << ':' << o.index << ':' << o.selected << ':';
    for (unsigned char ch : w.data()) out << int(ch) << ' ';
    if (o.type == ot_point_) for (int32_t v : eng.store.live.points[size_t(o.index)].values) out << v << ' ';
    out << '\n';
  }
  out << "active " << eng.pages.active << '\n';
  for (size_t p = 1; p < eng.pages.pages.size(); ++p) {
    const page_rec_& g = eng.pages.pages[p];
    out << g.title << '|' << g.posx << '|' << g.posy << '|' << g.width << '|' << g.height << '|' << g.cx << '|'
        << g.cy << '|' << g.scale << '|' << g.reserved << '|' << g.unit << '|' << g.show_border << '|'
        << g.show_coords << '|' << g.active_layer << '\n';
    for (size_t l = 1; l < g.layers.size(); ++l) {
      const layer_rec_& y = g.layers[l];
      out << "  " << y.title << '|' << y.draw_color << '|' << y.fill_color << '|' << y.line_style << '|'
          << y.line_width << '|' << y.visible << '|' << y.editable << '|' << y.reserved[0] << '|'
          << y.reserved[1] << '|' << y.reserved[2] << '\n';
    }
  }
  const auto& lib = link_library_(eng);
  for (int32_t b = 1; b <= lib.block_count(); ++b) {
    const block_def_rec_& d = lib.blocks[size_t(b)];
    out << "block " << d.value << '|' << d.name << '|' << d.x1 << '|' << d.y1 << '|' << d.x2 << '|' << d.y2
        << '|' << d.hidden << '|' << d.folder << '|';
    for (int32_t k = 1; k <= d.member_count(); ++k) out << d.members[size_t(k)] << ' ';
    out << '\n';
  }
  return out.str();
}

}  // namespace fixture
