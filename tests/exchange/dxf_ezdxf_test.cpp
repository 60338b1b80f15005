// Files written by an independent DXF library, one per version, read back into the engine.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <unistd.h>

#include "engine/dimensions/format.h"
#include "engine/zaz_class.h"
#include "exchange_fixture.h"

namespace {

constexpr float eps_ = 1e-4f;
// One folder per process: CTest runs the cases of this program in parallel processes.
const std::string folder_ =
    std::string(ARVEX_BINARY_DIR) + "/exchange_ezdxf_" + std::to_string(getpid());

bool peer_ = false;     // the peer library is installed
bool written_ = false;  // and wrote the files

class ezdxf_files_ : public ::testing::TestWithParam<const char*> {
 public:
  static void SetUpTestSuite() {
    const std::string script = std::string(ARVEX_SOURCE_DIR) + "/tests/exchange/write_dxf.py";
    for (const char* py : {"/usr/bin/python3", "python3"}) {
      const std::string check = std::string(py) + " -c 'import ezdxf' > /dev/null 2>&1";
      if (std::system(check.c_str()) != 0) continue;
      peer_ = true;
      written_ = std::system((std::string(py) + " " + script + " " + folder_).c_str()) == 0;
      std::atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
      });
      return;
    }
  }

 protected:
  void SetUp() override {
    if (!peer_) GTEST_SKIP() << "python3-ezdxf is not installed";
    ASSERT_TRUE(written_) << "the peer library could not write the files";
    const std::string path = folder_ + "/all_" + GetParam() + ".dxf";
    ASSERT_TRUE(e.file_import_acdxf_(path));
    std::ifstream in(path + ".expect");
    for (std::string line; std::getline(in, line);) {
      std::istringstream s(line);
      std::string key;
      s >> key;
      for (double v; s >> v;) expect[key].push_back(v);
    }
  }
  bool modern() const { return std::string(GetParam()) != "R12"; }
  const line_rec_* find_line(float x1, float y1, float x2, float y2, int32_t* record = nullptr) {
    for (int32_t r : objects_of_(e, ot_line_)) {
      const line_rec_& l = e.store.live.lines[e.object_(r).index];
      if (std::fabs(l.x1 - x1) < eps_ && std::fabs(l.y1 - y1) < eps_ &&
          std::fabs(l.x2 - x2) < eps_ && std::fabs(l.y2 - y2) < eps_) {
        if (record) *record = r;
        return &l;
      }
    }
    return nullptr;
  }
  const arc_rec_* find_conic(int32_t type, float cx, float cy) {
    for (int32_t r : objects_of_(e, type)) {
      const auto& table = type == ot_arc_ ? e.store.live.arcs
                          : type == ot_circle_ ? e.store.live.circles
                                               : e.store.live.ellipses;
      const arc_rec_& a = table[e.object_(r).index];
      if (std::fabs(a.cx - cx) < eps_ && std::fabs(a.cy - cy) < eps_) return &a;
    }
    return nullptr;
  }
  const dimension_rec_* dimension_of_kind(int32_t kind) {
    for (int32_t r : objects_of_(e, ot_dimension_)) {
      const dimension_rec_& d = e.store.live.dimensions[e.object_(r).index];
      if (d.kind == kind) return &d;
    }
    return nullptr;
  }

  zaz_class_ e;
  std::map<std::string, std::vector<double>> expect;
};

TEST_P(ezdxf_files_, layers_colours_and_line_types) {
  const int32_t walls = e.dxf_layer_index_("WALLS");
  ASSERT_GT(walls, 1);
  EXPECT_EQ(e.layer_ptr_(walls)->draw_color, 0x0000FF);  // colour 1: red
  EXPECT_EQ(e.layer_ptr_(e.dxf_layer_index_("HIDDEN"))->visible, false_);
  int32_t rec = 0;
  ASSERT_NE(find_line(1, 2, 30, 40, &rec), nullptr);
  EXPECT_EQ(e.object_(rec).layer, walls);
  EXPECT_EQ(e.object_(rec).draw_color, 0x00FF00);  // colour 3: green
  ASSERT_NE(find_line(0, 0, 5, 5, &rec), nullptr);
  EXPECT_EQ(e.object_(rec).line_style, 1);  // DASHED
  EXPECT_EQ(e.object_(rec).draw_color, color_by_layer_);
  EXPECT_EQ(live_objects_(e, ot_line_), 2) << "the paper-space line is skipped";
}

TEST_P(ezdxf_files_, points_circles_and_arcs) {
  ASSERT_EQ(objects_of_(e, ot_point_).size(), 1u);
  const point_rec_& p = e.store.live.points[e.object_(objects_of_(e, ot_point_)[0]).index];
  EXPECT_FLOAT_EQ(p.x, 5);
  EXPECT_FLOAT_EQ(p.y, 6);
  const arc_rec_* c = find_conic(ot_circle_, 10, 10);
  ASSERT_NE(c, nullptr);
  EXPECT_FLOAT_EQ(c->rx, 5);
  const auto& m = expect.at("circle_mirrored");
  EXPECT_NE(find_conic(ot_circle_, float(m[0]), float(m[1])), nullptr) << "mirrored circle";

  const arc_rec_* a = find_conic(ot_arc_, 0, 0);
  ASSERT_NE(a, nullptr);
  EXPECT_NEAR(a->a1, -10 * M_PI / 180, 1e-5);
  EXPECT_NEAR(a->a2, 10 * M_PI / 180, 1e-5);

  const auto& ma = expect.at("arc_mirrored");
  bool found = false;
  for (int32_t r : objects_of_(e, ot_arc_)) {
    const arc_rec_& q = e.store.live.arcs[e.object_(r).index];
    const double sx = q.cx + q.rx * std::cos(q.a1), sy = q.cy + q.rx * std::sin(q.a1);
    const double ex = q.cx + q.rx * std::cos(q.a2), ey = q.cy + q.rx * std::sin(q.a2);
    found = found || (std::fabs(sx - ma[0]) < 1e-4 && std::fabs(sy - ma[1]) < 1e-4 &&
                      std::fabs(ex - ma[2]) < 1e-4 && std::fabs(ey - ma[3]) < 1e-4);
  }
  EXPECT_TRUE(found) << "the arc with extrusion (0, 0, -1) lies where the peer puts it";
}

TEST_P(ezdxf_files_, polylines_and_solids) {
  const int32_t walls = e.dxf_layer_index_("WALLS");
  const auto polylines = objects_of_(e, ot_polyline_);
  ASSERT_EQ(polylines.size(), modern() ? 2u : 1u) << "the 3-D polyline makes nothing";
  const object_rec_& o = e.object_(polylines[0]);
  EXPECT_EQ(o.layer, walls) << "vertices keep the polyline's layer";
  EXPECT_EQ(o.draw_color, 0x00FFFF) << "and its colour (2: yellow)";
  for (int32_t r : polylines) {
    const polyline_rec_& pl = e.store.live.polylines[e.object_(r).index];
    ASSERT_EQ(pl.count, 4) << "closed: the first point repeats";
    EXPECT_EQ(pl.x[4], pl.x[1]);
    EXPECT_EQ(pl.y[4], pl.y[1]);
  }
  const auto solids = objects_of_(e, ot_polygon_);
  ASSERT_EQ(solids.size(), 1u);
  const polygon_rec_& s = e.store.live.polygons[e.object_(solids[0]).index];
  ASSERT_EQ(s.count, 4);
  const float want[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(s.x[i + 1], want[i][0]);
    EXPECT_EQ(s.y[i + 1], want[i][1]);
  }
  EXPECT_EQ(e.object_(solids[0]).fill_color, 0xFFFF00);  // colour 4: cyan
  if (modern()) {
    const arc_rec_* bulge = find_conic(ot_arc_, 1, 0);
    ASSERT_NE(bulge, nullptr) << "bulge 1 from (0, 0) to (2, 0)";
    EXPECT_NEAR(bulge->rx, 1, 1e-5);
  }
}

TEST_P(ezdxf_files_, texts) {
  bool note = false, mtext = false;
  for (int32_t r : objects_of_(e, ot_text_)) {
    const text_rec_& t = e.store.live.texts[e.object_(r).index];
    if (t.text == "Note " + std::string(dim_degree_mark_)) {
      note = true;
      EXPECT_FLOAT_EQ(t.x, 7);
      EXPECT_FLOAT_EQ(t.y, 8);
      EXPECT_FLOAT_EQ(t.height, 2.5f);
      EXPECT_NEAR(t.rotation, M_PI / 2, 1e-6);
      EXPECT_EQ(t.width_factor, 1);
    }
    if (t.text == "Hello world;x\rline2") {
      mtext = true;
      EXPECT_NEAR(t.x, 10, eps_);
      EXPECT_NEAR(t.y, 17.5, eps_) << "attachment 1 moves the text down by its height";
    }
  }
  EXPECT_TRUE(note);
  EXPECT_EQ(mtext, modern());
}

TEST_P(ezdxf_files_, blocks_and_nested_inserts) {
  const int32_t box = e.dxf_block_index_("BOX");
  ASSERT_GT(box, 0);
  const block_def_rec_& def = e.library.blocks[box];
  ASSERT_EQ(def.member_count(), 2) << "its line and the circle of the block defined later";
  bool line = false, circle = false;
  for (int32_t i = 1; i <= def.member_count(); ++i) {
    const object_rec_& o = e.object_(def.members[i]);
    EXPECT_EQ(o.page, 0);
    if (o.type == ot_line_) {
      const line_rec_& l = e.store.live.lines[o.index];
      line = l.x1 == 0 && l.y1 == 0 && l.x2 == 10 && l.y2 == 0;
    }
    if (o.type == ot_circle_) {
      const arc_rec_& c = e.store.live.circles[o.index];
      circle = c.cx == 0 && c.cy == 0 && c.rx == 1;
    }
  }
  EXPECT_TRUE(line);
  EXPECT_TRUE(circle);
  const auto inserts = objects_of_(e, ot_block_insert_);
  ASSERT_EQ(inserts.size(), 1u);
  const block_insert_rec_& ins = e.store.live.block_inserts[e.object_(inserts[0]).index];
  EXPECT_EQ(ins.block, box);
  EXPECT_EQ(ins.x, 100);
  EXPECT_EQ(ins.sx, 2);
  EXPECT_NEAR(ins.rotation, M_PI / 2, 1e-6);
}

TEST_P(ezdxf_files_, dimensions_and_style_units) {
  ASSERT_EQ(live_objects_(e, ot_dimension_), 3);
  const dimension_rec_* lin = dimension_of_kind(0);
  ASSERT_NE(lin, nullptr);
  EXPECT_EQ(lin->x1, 0);
  EXPECT_EQ(lin->x2, 100);
  EXPECT_NEAR(lin->x3, 0, eps_);
  EXPECT_NEAR(lin->y3, 20, eps_);
  EXPECT_NEAR(lin->x4, 100, eps_);
  EXPECT_NEAR(lin->y4, 20, eps_);
  EXPECT_FLOAT_EQ(lin->style.arrow_size, 2.5f) << "its own override";
  EXPECT_NE(e.styles.styles[lin->style_id].arrow_size, 2.5f) << "the table keeps its value";
  const dimension_rec_* rad = dimension_of_kind(1);
  ASSERT_NE(rad, nullptr);
  EXPECT_NEAR(std::hypot(rad->x2 - rad->x1, rad->y2 - rad->y1), 5, eps_);
  const dimension_rec_* dia = dimension_of_kind(2);
  ASSERT_NE(dia, nullptr);
  EXPECT_NEAR(std::hypot(dia->x2 - dia->x1, dia->y2 - dia->y1), 8, eps_);
  if (!modern()) return;  // R12 has neither unit variable
  EXPECT_EQ(e.styles.styles[0].unit, 3) << "$DIMLUNIT 4 (architectural)";
  EXPECT_EQ(e.styles.styles[0].angle_unit, 2) << "$DIMAUNIT 3 (radians)";
}

TEST_P(ezdxf_files_, ellipses) {
  if (!modern()) GTEST_SKIP() << "R12 has no ellipses";
  const arc_rec_* full = find_conic(ot_ellipse_, 50, 50);
  ASSERT_NE(full, nullptr);
  EXPECT_FLOAT_EQ(full->rx, 10);
  EXPECT_FLOAT_EQ(full->ry, 5);
  const arc_rec_* part = find_conic(ot_arc_, 60, 50);
  ASSERT_NE(part, nullptr);
  EXPECT_FLOAT_EQ(part->rotation, 90);
  EXPECT_FLOAT_EQ(part->rx, 5);
  EXPECT_FLOAT_EQ(part->ry, 2.5f);
  EXPECT_NEAR(part->a1, 0, 1e-6);
  EXPECT_NEAR(part->a2, M_PI / 2, 1e-5);
}

INSTANTIATE_TEST_SUITE_P(versions, ezdxf_files_,
                         ::testing::Values("R12", "R2000", "R2004", "R2007", "R2010", "R2013",
                                           "R2018"));

}  // namespace
