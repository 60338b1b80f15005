// The DXF reader on small hand-made files: frame, tables, polylines, blocks, dimensions and
// hostile input.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <utility>

#include "engine/zaz_class.h"
#include "exchange/dxf_import.h"
#include "exchange_fixture.h"

namespace {

using pairs_ = std::initializer_list<std::pair<const char*, const char*>>;

std::string pairs_text_(pairs_ pairs, const char* eol = "\r\n") {
  std::string s;
  for (const auto& [c, v] : pairs) s += std::string(c) + eol + v + eol;
  return s;
}

std::string section_(const char* name, const std::string& body) {
  return pairs_text_({{"0", "SECTION"}, {"2", name}}) + body + pairs_text_({{"0", "ENDSEC"}});
}

std::string entities_(pairs_ pairs) { return section_("ENTITIES", pairs_text_(pairs)); }

bool import_(zaz_class_& e, const std::string& text, const char* name = "t.dxf") {
  return e.file_import_acdxf_(write_temp_(name, text + pairs_text_({{"0", "EOF"}})));
}

const polyline_rec_* only_polyline_(zaz_class_& e) {
  const auto r = objects_of_(e, ot_polyline_);
  return r.size() == 1 ? &e.store.live.polylines[e.object_(r[0]).index] : nullptr;
}

TEST(dxf_frame, line_ends_and_keywords_in_any_form) {
  const std::string body = "  0 \n line \n 10\n1\n20\n2\n11\n3\n21\n4\n";
  for (const char* eol : {"\r\n", "\n", "\r"}) {
    std::string text = "0\nSECTION\n2\nENTITIES\n" + body + "0\nENDSEC\n0\nEOF\n";
    for (size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += std::strlen(eol))
      text.replace(at, 1, eol);
    zaz_class_ e;
    ASSERT_TRUE(e.file_import_acdxf_(write_temp_("eol.dxf", text)));
    const auto lines = objects_of_(e, ot_line_);
    ASSERT_EQ(lines.size(), 1u);
    const line_rec_& l = e.store.live.lines[e.object_(lines[0]).index];
    EXPECT_EQ(l.x1, 1);
    EXPECT_EQ(l.y2, 4);
  }
}

TEST(dxf_frame, last_value_wins_and_defaults_apply) {
  zaz_class_ e;
  ASSERT_TRUE(import_(e, entities_({{"0", "LINE"}, {"8", "NOSUCH"}, {"10", "1"}, {"10", "7"},
                                     {"20", "0"}, {"11", "9"}, {"21", "9"}, {"99999", "5"},
                                     {"0", "LINE"}, {"67", "1"}, {"11", "5"}})));
  const auto lines = objects_of_(e, ot_line_);
  ASSERT_EQ(lines.size(), 1u) << "the paper-space line makes nothing";
  EXPECT_EQ(e.store.live.lines[e.object_(lines[0]).index].x1, 7);
  EXPECT_EQ(e.object_(lines[0]).layer, 1);
  EXPECT_EQ(e.object_(lines[0]).draw_color, color_by_layer_);
  EXPECT_EQ(e.layers_count_(), 1) << "the default layer is added at the end";
  EXPECT_EQ(e.dimstyles_count_(), 1);
}

TEST(dxf_frame, refused_files_leave_the_drawing) {
  const std::string cases[] = {
      "",
      pairs_text_({{"0", "LINE"}, {"10", "1"}}),
      "Writer  Binary DXF\r\n\x1a" + std::string(1, '\0') + "junk",
      "EXTENTS,1\r\n0,0\r\n",
  };
  for (const std::string& text : cases) {
    zaz_class_ e;
    e.page_add_("mine", 100, 100);
    ASSERT_GT(e.add_line_(1, 1, 2, 2), 0);
    EXPECT_FALSE(e.file_import_acdxf_(write_temp_("refused.dxf", text)));
    EXPECT_EQ(e.page_title_(1), "mine");
    EXPECT_EQ(live_objects_(e), 1);
  }
  zaz_class_ e;
  EXPECT_FALSE(e.file_import_acdxf_(std::string(ARVEX_BINARY_DIR) + "/no such file.dxf"));
}

TEST(dxf_frame, hostile_values_give_no_crash) {
  zaz_class_ e;
  ASSERT_TRUE(import_(e, entities_({{"0", "LWPOLYLINE"}, {"42", "1"}, {"70", "99999999999"},
                                     {"0", "CIRCLE"}, {"10", "1e300"}, {"40", "5"},
                                     {"0", "CIRCLE"}, {"40", "-1"},
                                     {"0", "ARC"}, {"40", "nan"}, {"51", "1e30"},
                                     {"0", "INSERT"}, {"2", "missing"},
                                     {"0", "DIMENSION"}, {"100", "AcDbRadialDimension"},
                                     {"1002", "}"}, {"1002", "{"}, {"1070", "41"},
                                     {"0", "LINE"}, {"11", "12"}})
                             .substr(0, 2000) + "0\nLINE\n10"));
  EXPECT_EQ(live_objects_(e, ot_circle_), 0);
}

TEST(dxf_polylines, flags_closing_and_vertices) {
  const struct {
    const char* keyword;
    const char* flags;
    size_t points;  // 0: nothing made
  } cases[] = {{"LWPOLYLINE", "1", 4},  {"LWPOLYLINE", "129", 4}, {"LWPOLYLINE", "0", 3},
               {"POLYLINE", "1", 4},    {"POLYLINE", "128", 3},   {"POLYLINE", "8", 0},
               {"POLYLINE", "16", 0},   {"POLYLINE", "64", 0},    {"POLYLINE", "2", 3}};
  for (const auto& c : cases) {
    zaz_class_ e;
    std::string body;
    if (std::string(c.keyword) == "LWPOLYLINE") {
      body = pairs_text_({{"0", "LWPOLYLINE"}, {"70", c.flags}, {"10", "0"}, {"20", "0"},
                          {"10", "10"}, {"20", "0"}, {"10", "10"}, {"20", "10"}});
    } else {
      body = pairs_text_({{"0", "POLYLINE"}, {"8", "WALLS"}, {"62", "1"}, {"70", c.flags},
                          {"10", "0"}, {"20", "0"}, {"0", "VERTEX"}, {"8", "0"}, {"62", "5"},
                          {"70", "0"}, {"10", "0"}, {"20", "0"}, {"0", "VERTEX"}, {"8", "0"},
                          {"10", "10"}, {"20", "0"}, {"0", "VERTEX"}, {"10", "10"},
                          {"20", "10"}, {"0", "SEQEND"}});
    }
    ASSERT_TRUE(import_(e, section_("TABLES", pairs_text_({{"0", "LAYER"}, {"2", "0"},
                                                           {"0", "LAYER"}, {"2", "WALLS"}})) +
                               section_("ENTITIES", body)));
    const polyline_rec_* p = only_polyline_(e);
    if (c.points == 0) {
      EXPECT_EQ(p, nullptr) << c.keyword << " " << c.flags;
      continue;
    }
    ASSERT_NE(p, nullptr) << c.keyword << " " << c.flags;
    EXPECT_EQ(p->count, static_cast<int32_t>(c.points)) << c.keyword << " " << c.flags;
    if (std::string(c.keyword) == "POLYLINE") {
      const object_rec_& o = e.object_(objects_of_(e, ot_polyline_)[0]);
      EXPECT_EQ(o.layer, 2) << "vertices keep the polyline's layer";
      EXPECT_EQ(o.draw_color, 0x0000FF) << "and its colour";
    }
  }
}

TEST(dxf_polylines, dummy_point_and_bulges) {
  zaz_class_ e;
  ASSERT_TRUE(import_(e, entities_({{"0", "POLYLINE"}, {"10", "1"}, {"20", "1"}, {"0", "VERTEX"},
                                     {"10", "5"}, {"20", "5"}, {"0", "VERTEX"}, {"10", "6"},
                                     {"20", "6"}, {"0", "SEQEND"},
                                     {"0", "LWPOLYLINE"}, {"10", "0"}, {"20", "0"}, {"10", "2"},
                                     {"20", "0"}, {"42", "-1"}, {"10", "4"}, {"20", "0"}})));
  const polyline_rec_* p = only_polyline_(e);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->count, 3) << "a dummy point other than (0, 0) stays";
  EXPECT_EQ(p->x[1], 1);
  EXPECT_EQ(live_objects_(e, ot_line_), 1);
  const auto arcs = objects_of_(e, ot_arc_);
  ASSERT_EQ(arcs.size(), 1u);
  const arc_rec_& a = e.store.live.arcs[e.object_(arcs[0]).index];
  EXPECT_NEAR(a.cx, 3, 1e-5);
  EXPECT_NEAR(a.rx, 1, 1e-5);
  const float mid = (a.a1 + a.a2) / 2;
  EXPECT_NEAR(a.cy + a.ry * std::sin(mid), 1, 1e-4) << "bulge -1 passes above the chord";
}

TEST(dxf_tables, layers_linetypes_and_header) {
  zaz_class_ e;
  const std::string header = pairs_text_({{"9", "$EXTMIN"}, {"10", "500000"}, {"20", "-900"},
                                          {"9", "$EXTMAX"}, {"10", "500100"}, {"20", "900"},
                                          {"9", "$DIMLUNIT"}, {"70", "2"}, {"9", "$DIMAUNIT"},
                                          {"70", "2"}, {"9", "$DIMASZ"}, {"40", "3"},
                                          {"9", "$GRIDMODE"}, {"70", "1"}, {"9", "$GRIDUNIT"},
                                          {"10", "0"}});
  const std::string tables = pairs_text_(
      {{"0", "LTYPE"}, {"2", "DASH"}, {"49", "0.5"}, {"49", "-0.25"},
       {"0", "LTYPE"}, {"2", "DASHDOT"}, {"49", "0.5"}, {"49", "-0.25"}, {"49", "0"}, {"49", "-0.25"},
       {"0", "LTYPE"}, {"2", "DOT"}, {"49", "0"}, {"49", "-0.25"},
       {"0", "LTYPE"}, {"2", "DDOT"}, {"49", "0.5"}, {"49", "-0.25"}, {"49", "0"}, {"49", "-0.25"}, {"49", "0"},
       {"0", "LTYPE"}, {"2", "SIX"}, {"49", "0.5"}, {"49", "-0.25"}, {"49", "0"}, {"49", "-0.25"}, {"49", "0"}, {"49", "-0.25"},
       {"0", "LAYER"}, {"2", "OFF"}, {"62", "-3"},
       {"0", "LAYER"}, {"2", "AUTO"},
       {"0", "DIMSTYLE"}, {"2", "S1"}, {"277", "5"}, {"275", "1"}});
  ASSERT_TRUE(import_(e, section_("HEADER", header) + section_("TABLES", tables) +
                             section_("BLOCKS", pairs_text_({{"0", "BLOCK"}, {"2", "B"}, {"10", "0"},
                                                             {"20", "0"}, {"0", "POINT"}, {"10", "500010"},
                                                             {"20", "0"}, {"0", "ENDBLK"}})) +
                             entities_({{"0", "POINT"}, {"10", "500010"}, {"20", "5"}})));
  const struct {
    const char* name;
    int32_t style;
  } types[] = {{"DASH", 1}, {"DASHDOT", 3}, {"DOT", 2}, {"DDOT", 4}, {"SIX", 0}, {"NONE", 0}};
  for (const auto& t : types) EXPECT_EQ(e.dxf_linetype_index_(t.name), t.style) << t.name;
  const layer_rec_* off = e.layer_ptr_(1);
  EXPECT_EQ(off->visible, false_);
  EXPECT_EQ(off->draw_color, 0x00FF00);
  EXPECT_EQ(e.layer_ptr_(2)->draw_color, color_auto_);
  EXPECT_EQ(e.view_gridvisible_(), true_);
  EXPECT_EQ(e.view_gridsize_(), 1.0f);
  EXPECT_EQ(e.store.origin_x, 500000) << "far from the origin: offset";
  EXPECT_EQ(e.store.origin_y, 0) << "near the origin: none";
  EXPECT_EQ(e.styles.styles[0].unit, 1);
  EXPECT_EQ(e.styles.styles[0].angle_unit, 3) << "grads";
  const dimstyle_rec_& s1 = e.styles.styles[static_cast<size_t>(e.dxf_dimstyle_index_("S1"))];
  EXPECT_EQ(s1.unit, 4);
  EXPECT_EQ(s1.angle_unit, 1);
  EXPECT_EQ(s1.arrow_size, 0.25f) << "absent group 41: the table's own default";
  const auto pts = objects_of_(e, ot_point_);
  ASSERT_EQ(pts.size(), 1u);
  EXPECT_EQ(e.store.live.points[e.object_(pts[0]).index].x, 10) << "entities lose the offset";
  const block_def_rec_& b = e.library.blocks[1];
  ASSERT_EQ(b.member_count(), 1);
  EXPECT_EQ(e.store.live.points[e.object_(b.members[1]).index].x, 500010) << "blocks keep it";
}

// The header's last variable takes effect with the values that follow it, as every other one
// does, whether the section ends with ENDSEC or the file ends inside it.
TEST(dxf_tables, last_header_variable_applies) {
  const std::string header = pairs_text_({{"9", "$GRIDMODE"}, {"70", "1"}, {"9", "$EXTMIN"}, {"10", "500000"},
                                          {"20", "400000"}, {"9", "$EXTMAX"}, {"10", "500100"}, {"20", "400100"}});
  const std::string point = entities_({{"0", "POINT"}, {"10", "500010"}, {"20", "400005"}});
  const std::string grid = pairs_text_({{"9", "$GRIDUNIT"}, {"10", "5"}});
  const struct {
    const char* name;
    std::string text;
    float origin_x, origin_y, grid;
  } cases[] = {
      {"extents last", section_("HEADER", header) + point, 500000, 400000, 1},
      {"grid last", section_("HEADER", header + grid) + point, 500000, 400000, 5},
      {"no end of section", pairs_text_({{"0", "SECTION"}, {"2", "HEADER"}}) + header + grid, 500000, 400000, 5},
  };
  for (const auto& c : cases) {
    zaz_class_ e;
    ASSERT_TRUE(import_(e, c.text)) << c.name;
    EXPECT_EQ(e.store.origin_x, c.origin_x) << c.name;
    EXPECT_EQ(e.store.origin_y, c.origin_y) << c.name;
    EXPECT_EQ(e.view_gridsize_(), c.grid) << c.name;
    EXPECT_EQ(e.view_gridvisible_(), true_) << c.name;
    for (int32_t r : objects_of_(e, ot_point_)) {
      EXPECT_EQ(e.store.live.points[e.object_(r).index].x, 10) << c.name;
      EXPECT_EQ(e.store.live.points[e.object_(r).index].y, 5) << c.name;
    }
  }
}

TEST(dxf_blocks, members_relative_to_base_and_recursive_inserts_end) {
  zaz_class_ e;
  const std::string blocks = pairs_text_(
      {{"0", "BLOCK"}, {"2", "A"}, {"10", "10"}, {"20", "5"},
       {"0", "LINE"}, {"8", "0"}, {"10", "10"}, {"20", "5"}, {"11", "20"}, {"21", "5"},
       {"0", "INSERT"}, {"2", "B"}, {"10", "10"}, {"20", "5"},
       {"0", "INSERT"}, {"2", "A"},
       {"0", "ENDBLK"},
       {"0", "BLOCK"}, {"2", "B"}, {"10", "0"}, {"20", "0"},
       {"0", "CIRCLE"}, {"10", "0"}, {"20", "0"}, {"40", "1"},
       {"0", "INSERT"}, {"2", "A"},
       {"0", "ENDBLK"},
       {"0", "BLOCK"}, {"2", "*HIDDEN"}, {"0", "ENDBLK"}});
  ASSERT_TRUE(import_(e, section_("BLOCKS", blocks) +
                             entities_({{"0", "INSERT"}, {"2", "*HIDDEN"}, {"41", "0"}, {"42", "-2"},
                                        {"50", "90"}, {"0", "INSERT"}, {"2", "a"}})));
  ASSERT_EQ(e.blocks_count_(), 3);
  const block_def_rec_& a = e.library.blocks[1];
  EXPECT_GE(a.member_count(), 2);
  const line_rec_& l = e.store.live.lines[e.object_(a.members[1]).index];
  EXPECT_EQ(l.x1, 0);
  EXPECT_EQ(l.x2, 10);
  EXPECT_EQ(l.y2, 0);
  EXPECT_EQ(e.library.blocks[3].hidden, true_);
  const auto inserts = objects_of_(e, ot_block_insert_);
  ASSERT_EQ(inserts.size(), 1u) << "a name differing in case finds no block";
  const block_insert_rec_& ins = e.store.live.block_inserts[e.object_(inserts[0]).index];
  EXPECT_EQ(ins.block, 3);
  EXPECT_EQ(ins.sx, 1);
  EXPECT_EQ(ins.sy, -2);
  EXPECT_FLOAT_EQ(ins.rotation, 1.5707964f);
}

TEST(dxf_blocks, nested_inserts_are_bounded) {
  // Each block inserts the previous one ten times: copies grow tenfold per level.
  std::string blocks = pairs_text_({{"0", "BLOCK"}, {"2", "B0"}, {"0", "POINT"}, {"0", "ENDBLK"}});
  for (int b = 1; b <= 9; ++b) {
    const std::string name = "B" + std::to_string(b), prev = "B" + std::to_string(b - 1);
    blocks += pairs_text_({{"0", "BLOCK"}, {"2", name.c_str()}});
    for (int i = 0; i < 10; ++i) blocks += pairs_text_({{"0", "INSERT"}, {"2", prev.c_str()}});
    blocks += pairs_text_({{"0", "ENDBLK"}});
  }
  zaz_class_ e;
  ASSERT_TRUE(import_(e, section_("BLOCKS", blocks)));
  EXPECT_EQ(e.library.blocks[2].member_count(), 10);
  EXPECT_LE(e.store.counts[0], 5'000'000);
}

TEST(dxf_dimensions, kinds_by_marker_or_type_and_overrides) {
  zaz_class_ e;
  const std::string tables = pairs_text_({{"0", "DIMSTYLE"}, {"2", "S"}, {"41", "1"}});
  const std::string ents = pairs_text_(
      {{"0", "DIMENSION"}, {"3", "S"}, {"70", "32"}, {"10", "100"}, {"20", "20"}, {"13", "0"},
       {"23", "0"}, {"14", "100"}, {"24", "0"}, {"100", "AcDbAlignedDimension"},
       {"100", "AcDbRotatedDimension"}, {"1001", "ACAD"}, {"1000", "DSTYLE"}, {"1002", "{"},
       {"1070", "41"}, {"1040", "2.5"}, {"1070", "275"}, {"1070", "3"}, {"1002", "}"},
       {"0", "DIMENSION"}, {"3", "S"}, {"70", "4"}, {"10", "0"}, {"20", "0"}, {"15", "5"}, {"25", "0"},
       {"0", "DIMENSION"}, {"3", "S"}, {"70", "3"}, {"10", "0"}, {"20", "0"}, {"15", "8"}, {"25", "0"},
       {"0", "DIMENSION"}, {"3", "s"}, {"70", "2"}, {"10", "0"}, {"20", "0"}});
  ASSERT_TRUE(import_(e, section_("TABLES", tables) + section_("ENTITIES", ents)));
  const auto dims = objects_of_(e, ot_dimension_);
  ASSERT_EQ(dims.size(), 3u) << "the angular one makes nothing";
  const dimension_rec_& lin = e.store.live.dimensions[e.object_(dims[0]).index];
  EXPECT_EQ(lin.kind, 0);
  EXPECT_NEAR(lin.x3, 0, 1e-4);
  EXPECT_NEAR(lin.y3, 20, 1e-4);
  EXPECT_NEAR(lin.x4, 100, 1e-4);
  EXPECT_EQ(lin.style.arrow_size, 2.5f);
  EXPECT_EQ(lin.style.angle_unit, 2) << "radians";
  const dimension_rec_& rad = e.store.live.dimensions[e.object_(dims[1]).index];
  EXPECT_EQ(rad.kind, 1);
  EXPECT_EQ(rad.style.arrow_size, 1) << "overrides act on their own record only";
  EXPECT_EQ(e.store.live.dimensions[e.object_(dims[2]).index].kind, 2);
  EXPECT_EQ(e.styles.styles[1].arrow_size, 1);
}

// A radius or diameter dimension keeps the text its writer gave it.
TEST(dxf_dimensions, radial_kinds_keep_their_text) {
  for (const char* type : {"4", "3"}) {
    zaz_class_ e;
    ASSERT_TRUE(import_(e, section_("ENTITIES",
                                    pairs_text_({{"0", "DIMENSION"}, {"70", type}, {"1", "<> custom"},
                                                 {"10", "0"}, {"20", "0"}, {"15", "5"}, {"25", "0"}}))));
    const auto dims = objects_of_(e, ot_dimension_);
    ASSERT_EQ(dims.size(), 1u) << type;
    const dimension_rec_& d = e.store.live.dimensions[e.object_(dims[0]).index];
    bool kept = false;
    for (const auto& part : d.parts) kept = kept || part.text.find("custom") != std::string::npos;
    EXPECT_TRUE(kept) << type;
  }
}

// A value that empties a filled slot, first thing in a record: the record stays consistent.
TEST(dxf_frame, emptied_values_clear_cleanly) {
  exchange_::dxf_record_rec_ r;
  r.set(8, "B");
  r.set(10, "5");
  r.set(8, "");  // nothing newly listed: must not drop the listing of code 10
  r.clear();
  EXPECT_FALSE(r.present(8));
  EXPECT_FALSE(r.present(10));
  zaz_class_ e;
  EXPECT_TRUE(import_(e, entities_({{"0", "LINE"}, {"8", "X"}, {"8", ""}, {"11", "3"}, {"0", "LINE"}})));
}

}  // namespace
