// Every object kind the drawing tools make, drawn once with exact points (as typed points
// arrive) and once with injected clicks: one labelled undo step per figure, and the drawing
// saved and opened again holds the same objects.
#include <filesystem>

#include "draw_fixture.h"
#include "platform/services/picture_file.h"

namespace {

struct pt {
  float x, y;
  int32_t shift = 0;
};

struct figure {
  const char* tool;
  std::vector<pt> points;  // relative to the figure's place
  std::vector<int32_t> adds;
  const char* label;
};

const std::vector<figure>& figures() {
  static const std::vector<figure> f = {
      {"POINT", {{0, 0}}, {ot_point_}, "change.draw.point"},
      {"POINTS", {{0, 0}, {20, 0}}, {ot_point_, ot_point_, ot_point_}, "change.draw.points"},
      {"LINE", {{0, 0}, {20, 10}}, {ot_line_}, "change.draw.line"},
      {"POLYLINE", {{0, 0}, {10, 10}, {20, 0, 2}}, {ot_polyline_}, "change.draw.polyline"},
      {"POLYGON", {{0, 0}, {20, 0}, {10, 15, 2}}, {ot_polygon_}, "change.draw.polygon"},
      {"CURVE", {{0, 0}, {10, 15}, {20, 0, 2}}, {ot_curve_}, "change.draw.curve"},
      {"HATCH", {{0, 0}, {20, 0}, {20, 15}, {0, 15, 2}}, {ot_hatch_}, "change.draw.hatch"},
      {"RECTANGLE", {{0, 0}, {20, 15}}, {ot_polygon_}, "change.draw.rect"},
      {"ARC.3P", {{0, 0}, {20, 0}, {10, 8}}, {ot_arc_}, "change.draw.arc"},
      {"CIRCLE.R", {{10, 8}, {18, 8}}, {ot_circle_}, "change.draw.circle"},
      {"ELLIPSE", {{10, 8}, {20, 14}}, {ot_ellipse_}, "change.draw.ellipse"},
      {"TEXT", {{0, 0}}, {ot_text_}, "change.draw.text"},
      {"IMAGE", {{0, 0}, {20, 15}}, {ot_image_}, "change.draw.image"},
      {"DIM.F", {{0, 0}, {20, 0}, {10, 5}}, {ot_dimension_}, "change.dim.distance"},
      {"DIM.A", {{0, 0}, {20, 0}, {0, 15}}, {ot_angular_dim_}, "change.dim.angle"},
      {"DIM.E", {{0, 0}, {10, 10}, {20, 10, 2}}, {ot_reference_}, "change.dim.ref"},
      {"BLOCK", {{10, 5}}, {ot_block_insert_}, "change.draw.block"},
      {"BGROUP", {{0, 0}, {20, 15}}, {ot_block_group_}, "change.draw.bgroup"},
  };
  return f;
}

// Kind and box of every live record, for comparing two drawings.
struct object_sig {
  int32_t type;
  float x1, y1, x2, y2;
  bool operator==(const object_sig&) const = default;
};

std::vector<object_sig> signature(zaz_class_& e) {
  std::vector<object_sig> v;
  for (int32_t r = 1; r <= e.records_(); ++r) {
    const object_rec_& o = e.object_(r);
    if (o.deleted == false_) v.push_back({o.type, o.x1, o.y1, o.x2, o.y2});
  }
  return v;
}

}  // namespace

using draw_session = draw_fixture;

TEST_F(draw_session, every_kind_by_exact_points_and_by_clicks_survives_save_and_open) {
  const std::filesystem::path dir = testing::TempDir();
  const std::string picture = (dir / "draw_session.png").string();
  ASSERT_TRUE(save_png_file_(picture, {8, 6, std::vector<uint32_t>(48, 0xFF00FF00u)}));
  picture_rec_ pic;
  ASSERT_TRUE(load_picture_file_(picture, pic));
  host->image = {picture, float(pic.images[0].width), float(pic.images[0].height)};
  // A block made of one line, for the inserts.
  e().select_record_(line(0, 0, 4, 4), true_);
  host->block = e().block_create_("B", 0, 0, false_);
  ASSERT_EQ(host->block, 1);
  e().hatch_active_(1);
  const size_t base = live().size();

  std::vector<std::string> expected_labels;
  std::vector<int32_t> expected_types = types();
  for (bool exact : {true, false}) {
    SCOPED_TRACE(exact ? "exact points" : "clicks");
    float ox = -280;
    const float oy = exact ? 100 : -100;
    for (const figure& f : figures()) {
      SCOPED_TRACE(f.tool);
      tool(f.tool);
      for (const pt& p : f.points) {
        if (exact) at(ox + p.x, oy + p.y, p.shift);
        else click(ox + p.x, oy + p.y, p.shift);
      }
      expected_types.insert(expected_types.end(), f.adds.begin(), f.adds.end());
      expected_labels.push_back(lang_text_(f.label));
      EXPECT_EQ(types(), expected_types);
      EXPECT_EQ(labels(), expected_labels);
      EXPECT_EQ(ds().tool_step_, 0);
      ox += 31;
    }
  }
  ASSERT_GT(live().size(), base);
  // Both passes drew the same figures, one above the other.
  const std::vector<object_sig> all = signature(e());
  const size_t n = (all.size() - base) / 2;
  for (size_t i = 0; i < n; ++i) {
    SCOPED_TRACE(i);
    const object_sig &a = all[base + i], &b = all[base + n + i];
    EXPECT_EQ(a.type, b.type);
    EXPECT_NEAR(a.x1, b.x1, 1e-3);
    EXPECT_NEAR(a.y1 - 200, b.y1, 1e-3);
  }

  const std::string file = (dir / "draw_session.zaz").string();
  ASSERT_TRUE(is_set_(e().file_save_(file, 1, false_)));
  zaz_class_ reopened;
  ASSERT_TRUE(is_set_(reopened.file_open_(file)));
  EXPECT_EQ(signature(reopened), all);
  std::filesystem::remove(file);
  std::filesystem::remove(picture);
}
