// DXF export: number and name forms, files checked by an independent reader, round trips
// through our own import, and failures that must leave an existing file alone.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>

#include "engine/zaz_class.h"
#include "exchange/dxf_export.h"
#include "exchange/exchange_fixture.h"
#include "shell/files.h"

namespace {

using exchange_::dxf_number_form_;
using exchange_::dxf_table_name_;

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string temp_path(const std::string& name) {
  return temp_folder_() + "export_" + name;  // private to this process
}

// ---- Number and name forms ----------------------------------------------------------

TEST(DxfExportForms, NumbersTakeTheFileForm) {
  struct case_ {
    double value;
    int digits;
    const char* text;
  } cases[] = {
      {0.7f, 7, ".7"},         {-0.25f, 7, "-.25"},     {90, 7, "90"},
      {-5, 15, "-5"},          {0, 15, "0"},            {-0.0, 15, "0"},
      {12345678.f, 7, "1.234568E+07"}, {1e-5f, 7, "1E-05"}, {3.5, 15, "3.5"},
      {0.1, 15, ".1"},         {1.0 / 3, 7, ".3333333"}, {2.5e-300, 15, "2.5E-300"},
  };
  for (const case_& c : cases)
    EXPECT_EQ(dxf_number_form_(c.value, c.digits), c.text) << c.value;
}

TEST(DxfExportForms, TableNamesAreLegalForTheRelease) {
  const std::pair<std::string, std::string> cases[] = {
      {"001 - WALLS", "001_-_WALLS"}, {"*U1", "*U1"},        {"012 - door", "012_-_DOOR"},
      {"DASH DOT", "DASH_DOT"},       {"", "0"},            {"a$b-c_d", "A$B-C_D"},
      {"\xC5\x9A" "ciana", "_CIANA"},  {"x<y>:z", "X_Y__Z"}, {std::string(40, 'q'), std::string(31, 'Q')},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(dxf_table_name_(in), out) << in;
}

TEST(DxfExportForms, LayerAndBlockNames) {
  zaz_class_ e;
  e.file_new_(false_, "");
  e.page_add_("one", 297, 210);
  e.layer_add_("a", true_, true_, color_auto_, color_none_, 0, 1);
  e.layer_add_("walls ", true_, true_, color_auto_, color_none_, 0, 1);
  e.vertex_clear_();
  e.library.blocks.resize(13);
  e.library.blocks[1].name = "*U1";
  e.library.blocks[12].name = " door";
  EXPECT_EQ(e.dxf_layer_name_(2), "002 - WALLS");
  EXPECT_EQ(e.dxf_layer_name_(3), "");
  EXPECT_EQ(e.dxf_block_name_(1), "*U1");
  EXPECT_EQ(e.dxf_block_name_(12), "012 - door");
  EXPECT_EQ(e.dxf_block_name_(13), "");
  EXPECT_EQ(e.block_member_count_(13), 0);
  const std::pair<std::string, std::string> breaks[] = {
      {"a\r\nb", "a b"}, {"a\rb", "a b"}, {"a\nb", "a b"}, {"a\n\rb", "a  b"}, {"ab", "ab"}};
  for (const auto& [in, out] : breaks) EXPECT_EQ(zaz_class_::flatten_line_breaks_(in), out);
}

// ---- A drawing of every kind, read back by ezdxf and by our import ---------------------

struct item_ {
  std::vector<std::string> f;
  double num(size_t i) const { return std::stod(f.at(i)); }
};

class DxfExportDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    e.file_new_(false_, "");
    e.page_add_("one", 297, 210);
    e.layer_add_("Walls ", true_, true_, 0x0000FF, color_none_, 1, 1);
    e.layer_add_("doors", false_, false_, color_auto_, color_none_, 0, 1);
    e.page_add_("two", 297, 210);
    e.layer_add_("Text", true_, true_, color_auto_, color_none_, 0, 1);
    page2_line = e.add_line_(-1, -2, -3, -4, color_auto_, 0, 1, 1);
    e.page_active_(1);
    e.dimstyle_add_("Main");

    e.add_point_(1, 2, 1, 5, 0x00FF00, 0, 1, 1);
    line = e.add_line_(0, 0, 10, 5, color_by_layer_, -4, 1, 2);
    const int32_t gone = e.add_line_(7, 7, 8, 8);
    e.object_(gone).deleted = true_;
    e.vertex_clear_();
    for (auto [x, y] : {std::pair{0.f, 0.f}, {5.f, 0.f}, {5.f, 5.f}}) e.vertex_add_(x, y);
    e.add_polyline_(color_auto_, 0, 1, 1);
    e.add_rect_(0, 0, 4, 3);
    e.add_arc_(50, 50, 5, 5, 0, 0, 90);
    e.add_arc_(60, 60, 2, 2, 0, 30, 30);
    e.add_circle_(20, 20, 5);
    e.add_ellipse_(30, 30, 5, 3, 0);
    e.add_text_("AB\rCD", 0, 10, 20, 2, 1, 0);
    e.add_text_("007", 0, 40, 40, 1, 1, 0);
    e.add_text_("a\nb", 0, 40, 44, 1, 1, 0);
    e.vertex_clear_();
    for (auto [x, y] : {std::pair{0.f, 0.f}, {10.f, 0.f}, {10.f, 10.f}, {0.f, 10.f}})
      e.vertex_add_(x + 100, y);
    e.add_curve_(true_);
    // A block of one line, inserted once.
    const int32_t member = e.add_line_(70, 70, 72, 71);
    e.select_clear_();
    e.select_record_(member, true_);
    block = e.block_create_("door", 70, 70, false_);
    e.add_block_(block, 200, 100, 2, 3, 0.5f);
  }

  // Runs the peer reader over the file; false (test skipped) without it.
  bool peer_read(const std::string& path) {
    const std::string script =
        std::string(ARVEX_SOURCE_DIR) + "/tests/exchange/export/read_dxf.py";
    if (std::system("/usr/bin/python3 -c 'import ezdxf' > /dev/null 2>&1") != 0) return false;
    const std::string out = path + ".txt";
    const int rc = std::system(("/usr/bin/python3 " + script + " " + path + " > " + out).c_str());
    EXPECT_EQ(rc, 0) << slurp(out);
    std::istringstream in(slurp(out));
    for (std::string line; std::getline(in, line);) {
      item_ it;
      std::stringstream s(line);
      for (std::string f; std::getline(s, f, '\t');) it.f.push_back(f);
      if (!line.empty() && line.back() == '\t') it.f.push_back("");
      items.push_back(it);
    }
    return true;
  }
  std::vector<item_> of(const std::string& kind, const std::string& type = "") const {
    std::vector<item_> r;
    for (const item_& i : items)
      if (i.f[0] == kind && (type.empty() || i.f[1] == type)) r.push_back(i);
    return r;
  }

  zaz_class_ e;
  int32_t line = 0, page2_line = 0, block = 0;
  std::vector<item_> items;
};

TEST_F(DxfExportDrawing, PeerReadsEveryObjectWithoutAuditErrors) {
  const std::string path = temp_path("all.dxf");
  ASSERT_TRUE(e.export_dxf_(path));
  if (!peer_read(path)) GTEST_SKIP() << "python3-ezdxf is not installed";
  ASSERT_FALSE(of("errors").empty());
  EXPECT_EQ(of("errors")[0].f[1], "0") << slurp(path + ".txt");
  EXPECT_EQ(of("version")[0].f[1], "AC1009");

  std::map<std::string, item_> layers;
  for (const item_& l : of("layer")) layers[l.f[1]] = l;
  std::map<std::string, int> kinds;
  for (const item_& x : of("entity")) {
    ++kinds[x.f[1]];
    EXPECT_TRUE(layers.count(x.f[2])) << "undefined layer " << x.f[2];
  }
  const std::map<std::string, int> expected = {{"POINT", 1},    {"LINE", 2},   {"POLYLINE", 6},
                                               {"CIRCLE", 1},   {"TEXT", 4},   {"INSERT", 1}};
  EXPECT_EQ(kinds, expected);

  // Each object names its own page's layer; the layer keeps colour and line type.
  ASSERT_TRUE(layers.count("001_-_WALLS") && layers.count("002_-_DOORS") && layers.count("001_-_TEXT"));
  EXPECT_EQ(layers["001_-_WALLS"].f[2], "1");
  EXPECT_EQ(layers["001_-_WALLS"].f[3], "DASH");
  for (const item_& x : of("entity", "LINE")) {
    const bool on_page_two = x.num(5) == -1;
    EXPECT_EQ(x.f[2], on_page_two ? "001_-_TEXT" : "002_-_DOORS");
    if (!on_page_two) {
      EXPECT_EQ(x.f[3] + " " + x.f[4], "256 BYLAYER");
    }
  }
  EXPECT_EQ(of("entity", "POINT")[0].f[3], "3");  // pure green
  EXPECT_EQ(of("entity", "CIRCLE")[0].num(7), 5);

  // Polylines: the open one, the rectangle, the quarter arc ending at its end point, the
  // zero-length arc as two equal points, the ellipse of 126 points, the closed curve.
  int open = 0, rects = 0, quarters = 0, zero_arcs = 0, ellipses = 0, curves = 0;
  for (const item_& p : of("entity", "POLYLINE")) {
    const bool closed = p.f[5] == "1";
    const std::string n = p.f[6];
    const size_t last = p.f.size() - 2;
    if (!closed && n == "3" && p.num(7) == 0 && p.num(11) == 5 && p.num(12) == 5) ++open;
    if (closed && n == "4" && p.num(7) <= 4 && p.num(8) <= 3) ++rects;
    if (!closed && p.num(7) == 55 && p.num(8) == 50 && std::fabs(p.num(last) - 50) < 1e-4 &&
        std::fabs(p.num(last + 1) - 55) < 1e-4)
      ++quarters;
    if (!closed && n == "2" && p.f[7] == p.f[9] && p.f[8] == p.f[10]) ++zero_arcs;
    if (closed && n == "126" && p.num(7) == 35 && p.num(8) == 30) ++ellipses;
    if (closed && p.num(7) >= 100) ++curves;
  }
  EXPECT_EQ(std::vector<int>({open, rects, quarters, zero_arcs, ellipses, curves}),
            std::vector<int>(6, 1));

  // Texts: two lines 1.5 heights apart, a numeric text kept as typed, a lone LF a blank.
  std::map<std::string, item_> texts;
  for (const item_& t : of("entity", "TEXT")) texts[t.f[10]] = t;
  ASSERT_TRUE(texts.count("AB") && texts.count("CD") && texts.count("007") && texts.count("a b"));
  EXPECT_NEAR(texts["AB"].num(6), 20, 1e-9);
  EXPECT_NEAR(texts["CD"].num(6), 17, 1e-6);
  EXPECT_NEAR(texts["CD"].num(5), 10, 1e-6);
  EXPECT_EQ(texts["AB"].f[9], "ARVEX");

  // The insert names the block, whose member line lies relative to the base point.
  const item_ ins = of("entity", "INSERT").at(0);
  EXPECT_NEAR(ins.num(8), 2, 1e-6);
  EXPECT_NEAR(ins.num(9), 3, 1e-6);
  EXPECT_NEAR(ins.num(10), 0.5 * 180 / M_PI, 1e-3);
  const std::vector<item_> blocks = of("block");
  ASSERT_EQ(blocks.size(), 1u);
  EXPECT_EQ(blocks[0].f[1], ins.f[5]);
  const std::vector<item_> members = of("member", "LINE");
  ASSERT_EQ(members.size(), 1u);
  const line_rec_& m = e.store.live.lines[e.object_(e.library.blocks[block].members[1]).index];
  EXPECT_EQ(members[0].num(5), m.x1);
  EXPECT_EQ(members[0].num(8), m.y2);
}

TEST_F(DxfExportDrawing, ImportKeepsTheObjects) {
  const std::string path = temp_path("round.dxf");
  ASSERT_TRUE(e.export_dxf_(path));
  zaz_class_ f;
  ASSERT_TRUE(f.file_import_acdxf_(path));
  for (int32_t type : {ot_point_, ot_line_, ot_circle_, ot_text_, ot_block_insert_})
    EXPECT_EQ(live_objects_(f, type), live_objects_(e, type) + (type == ot_text_ ? 1 : 0))
        << "kind " << type;  // the two-line text comes back as two texts
  EXPECT_EQ(f.blocks_count_(), 1);
  std::multiset<std::vector<float>> want, got;
  for (int32_t r : objects_of_(e, ot_line_)) {
    const line_rec_& l = e.store.live.lines[e.object_(r).index];
    want.insert({l.x1, l.y1, l.x2, l.y2});
  }
  for (int32_t r : objects_of_(f, ot_line_)) {
    const line_rec_& l = f.store.live.lines[f.object_(r).index];
    got.insert({l.x1, l.y1, l.x2, l.y2});
  }
  EXPECT_EQ(got, want);
  const block_insert_rec_& a = e.store.live.block_inserts[1];
  const block_insert_rec_& b = f.store.live.block_inserts[f.object_(objects_of_(f, ot_block_insert_)[0]).index];
  EXPECT_EQ(std::vector<float>({b.x, b.y, b.sx, b.sy}), std::vector<float>({a.x, a.y, a.sx, a.sy}));
  EXPECT_NEAR(b.rotation, a.rotation, 1e-6);
}

// Dimension units travel through the header and the style table and come back the same.
TEST_F(DxfExportDrawing, DimensionUnitsRoundTrip) {
  for (uint8_t unit = 0; unit <= 4; ++unit) {
    for (uint8_t angle = 0; angle <= 3; ++angle) {
      e.styles.styles[0].unit = e.styles.styles[1].unit = unit;
      e.styles.styles[0].angle_unit = e.styles.styles[1].angle_unit = angle;
      const std::string path = temp_path("units.dxf");
      ASSERT_TRUE(e.export_dxf_(path));
      zaz_class_ f;
      ASSERT_TRUE(f.file_import_acdxf_(path));
      ASSERT_GE(f.dimstyles_count_(), 1);
      EXPECT_EQ(f.styles.styles[0].unit, unit);
      EXPECT_EQ(f.styles.styles[0].angle_unit, angle);
      EXPECT_EQ(f.styles.styles[1].unit, unit);
      EXPECT_EQ(f.styles.styles[1].angle_unit, angle);
    }
  }
}

// Records that point past what they hold still give a file the peer accepts.
TEST_F(DxfExportDrawing, DamagedRecordsStillGiveAValidFile) {
  e.object_(line).layer = 9;                // the page has no layer 9
  e.store.live.polylines[1].count = 1000;   // more points claimed than held
  const std::string path = temp_path("damaged.dxf");
  ASSERT_TRUE(e.export_dxf_(path));
  EXPECT_NE(slurp(path).find("0\r\nLAYER\r\n2\r\n0\r\n"), std::string::npos);
  if (!peer_read(path)) GTEST_SKIP() << "python3-ezdxf is not installed";
  EXPECT_EQ(of("errors").at(0).f[1], "0") << slurp(path + ".txt");
  int on_zero = 0, three_points = 0;
  for (const item_& x : of("entity")) {
    on_zero += x.f[2] == "0";
    three_points += x.f[1] == "POLYLINE" && x.f[5] == "0" && x.f[6] == "3";
  }
  EXPECT_EQ(on_zero, 1);
  EXPECT_EQ(three_points, 1);
}

// ---- Failures leave what is on disk --------------------------------------------------

TEST_F(DxfExportDrawing, ReplacesAnExistingFileWhole) {
  const std::string path = temp_path("replace.dxf");
  std::ofstream(path, std::ios::binary) << std::string(100000, 'x');
  ASSERT_TRUE(e.export_dxf_(path));
  const std::string s = slurp(path);
  EXPECT_EQ(s.rfind("0\r\nSECTION\r\n", 0), 0u);
  EXPECT_EQ(s.substr(s.size() - 8), "0\r\nEOF\r\n");
  EXPECT_EQ(s.find('x'), std::string::npos);
}

TEST_F(DxfExportDrawing, FailureKeepsTheOldFile) {
  const std::string path = temp_path("keep.dxf");
  const std::string old = "old contents";
  struct case_ {
    const char* what;
    std::function<void(zaz_class_&)> spoil;
  } cases[] = {
      {"coordinate not finite", [&](zaz_class_& d) { d.store.live.lines[d.object_(line).index].x1 = NAN; }},
      {"entry missing", [&](zaz_class_& d) { d.object_(line).index = 100000; }},
      {"arc too long to sample", [&](zaz_class_& d) { d.store.live.arcs[1].a2 = 1e30f; }},
  };
  for (const case_& c : cases) {
    SetUp();
    c.spoil(e);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << old;
    EXPECT_FALSE(e.export_dxf_(path)) << c.what;
    EXPECT_EQ(slurp(path), old) << c.what;
  }
  EXPECT_FALSE(e.export_dxf_(temp_path("no/such/folder/x.dxf")));
}

}  // namespace
