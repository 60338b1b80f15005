#include <cmath>

#include "edit_fixture.h"

using blocks = drawing_;

namespace {
constexpr float half_pi = 3.1415927f / 2;
}

TEST_F(blocks, CreateTakesSelectionAndFlattensInserts) {
  const int32_t m1 = e->add_line_(0, 0, 1, 0);
  const int32_t m2 = e->add_line_(0, 1, 1, 1);
  const int32_t m3 = e->add_point_(2, 2);
  select({m1, m2, m3});
  const int32_t inner = e->block_create_("inner", 0, 0, false_);
  ASSERT_EQ(inner, 1);
  const int32_t ins = e->add_block_(inner, 100, 0, 2, 2, 0, -1, 0, 1, 2);
  const int32_t a = e->add_line_(10, 10, 12, 10, -1, 0, 1, 2);
  const int32_t b = e->add_line_(10, 20, 12, 20);
  const int32_t gone = e->add_line_(5, 5, 6, 6);
  select({ins, a, b, gone});
  obj(gone).deleted = true_;
  const int32_t records = e->records_();
  const int32_t outer = e->block_create_("outer", 10, 10, true_);
  ASSERT_EQ(outer, 2);
  const block_def_rec_& def = e->library.blocks[outer];
  ASSERT_EQ(def.member_count(), 5);
  // Record order: the insert (flattened into three copies) comes before the two lines.
  EXPECT_EQ(def.members[4], a);
  EXPECT_EQ(def.members[5], b);
  EXPECT_EQ(def.hidden, true_);
  EXPECT_EQ(obj(ins).deleted, true_);
  EXPECT_EQ(obj(gone).deleted, true_);  // not revived as a member
  EXPECT_EQ(e->records_(), records + 3);
  for (int32_t k = 1; k <= 5; ++k) {
    const object_rec_& m = obj(def.members[k]);
    EXPECT_EQ(std::tie(m.page, m.layer, m.selected, m.deleted), std::make_tuple(int16_t{0}, uint8_t{0}, false_, false_));
  }
  EXPECT_EQ(line(a).x1, 0);
  EXPECT_EQ(line(b).y1, 10);
  EXPECT_EQ(obj(b).y2, 10);
  // The copied members of the insert land where the insert showed them, relative to the base.
  EXPECT_EQ(line(def.members[1]).x1, 90);
  EXPECT_EQ(line(def.members[1]).x2, 92);
  EXPECT_EQ(line(def.members[1]).y1, -10);
  EXPECT_EQ(line(def.members[2]).y1, -8);
  // The joint box of the selection as it showed (insert at 100..104, lines up to 20), from the base.
  EXPECT_EQ((std::array<float, 4>{def.x1, def.y1, def.x2, def.y2}), (std::array<float, 4>{0, -10, 94, 10}));
  EXPECT_EQ(e->block_create_("none", 0, 0, false_), 0);
  EXPECT_EQ(e->blocks_count_(), 2);
}

TEST_F(blocks, DeleteRenumbersInsertsAndHonoursForce) {
  for (int i = 0; i < 3; ++i) {
    select({e->add_line_(0, 0, 1, static_cast<float>(i))});
    ASSERT_EQ(e->block_create_("b", 0, 0, false_), i + 1);
  }
  const int32_t live3 = e->add_block_(3, 0, 0);
  const int32_t dead3 = e->add_block_(3, 0, 0);
  obj(dead3).deleted = true_;
  const int32_t members = e->library.blocks[2].members[1];
  const int32_t records = e->records_();
  EXPECT_EQ(e->blocks_delete_(2, false_), true_);
  EXPECT_EQ(insert(live3).block, 2);
  EXPECT_EQ(insert(dead3).block, 2);
  EXPECT_EQ(e->blocks_name_(2), "b");
  EXPECT_EQ(e->records_(), records);
  EXPECT_EQ(obj(members).page, 0);
  EXPECT_EQ(obj(members).deleted, false_);
  for (flag16_ force : {flag16_{0}, flag16_{1}}) EXPECT_EQ(e->blocks_delete_(2, force), false_);
  EXPECT_EQ(obj(live3).deleted, false_);
  EXPECT_EQ(e->blocks_delete_(2, true_), true_);
  EXPECT_EQ(obj(live3).deleted, true_);
  EXPECT_EQ(e->blocks_count_(), 1);
  EXPECT_EQ(e->blocks_delete_(0, true_), false_);
  EXPECT_EQ(e->blocks_delete_(2, true_), false_);
}

TEST_F(blocks, ExplodeRotatedScaledInsert) {
  select({e->add_line_(0, 0, 1, 0, 255, 3, 4, 1)});
  const int32_t bid = e->block_create_("b", 0, 0, false_);
  const int32_t ins = e->add_block_(bid, 10, 0, 2, 1, half_pi, -1, 0, 1, 2);
  const int32_t other = e->add_block_(bid, 50, 0);
  const int32_t records = e->records_();
  select({ins});
  EXPECT_EQ(e->blocks_break_(), 0);
  EXPECT_EQ(obj(ins).deleted, true_);
  EXPECT_EQ(obj(other).deleted, false_);
  EXPECT_EQ(obj(other).selected, false_);
  ASSERT_EQ(e->records_(), records + 1);
  const int32_t c = records + 1;
  EXPECT_EQ(std::tie(obj(c).page, obj(c).layer, obj(c).selected, obj(c).draw_color),
            std::make_tuple(int16_t{1}, uint8_t{2}, true_, int32_t{255}));
  EXPECT_NEAR(line(c).x1, 10, 1e-5);
  EXPECT_NEAR(line(c).y1, 0, 1e-5);
  EXPECT_NEAR(line(c).x2, 10, 1e-5);
  EXPECT_NEAR(line(c).y2, 2, 1e-5);
}

// Circles in blocks are sampled coarser when the last painted view showed them small.
TEST_F(blocks, InsertBoxFollowsTheLastPaintedView) {
  select({e->add_circle_(0, 0, 10)});
  const int32_t ins = e->add_block_(e->block_create_("c", 0, 0, false_), 0, 0);
  e->calc_orect_(ins);
  EXPECT_NEAR(obj(ins).x1, 10 * std::cos(3.1), 1e-4);  // step 0.1: nearest sample to pi is 3.1
  e->paint.insert_view_rect = {0, 0, 1000, 1000};      // 500 pixels > radii 20 x scale 1
  e->calc_orect_(ins);
  EXPECT_NEAR(obj(ins).x1, 10 * std::cos(3.2), 1e-4);  // step 0.2
  e->paint.insert_view.scale_x = 100;                   // large on screen again
  e->calc_orect_(ins);
  EXPECT_NEAR(obj(ins).x1, 10 * std::cos(3.1), 1e-4);
}

TEST_F(blocks, TextWithoutUsableFontSurvivesExplode) {
  const int32_t t = add_text(0, 0, 0, "AB", 7);
  select({t});
  e->blocks_break_();
  EXPECT_EQ(obj(t).deleted, false_);
  EXPECT_EQ(obj(t).selected, false_);
}

using library = drawing_;

TEST_F(library, FoldersAddTitleAndParent) {
  for (const char* t : {"a", "b", "c"}) e->libdir_add_(t, 0);
  EXPECT_EQ(e->libdir_add_("  d ", 0), 4);
  EXPECT_EQ(e->libdir_title_(4), "d");
  EXPECT_EQ(e->libdir_add_("   ", 0), 4);
  EXPECT_EQ(e->libdir_count_(), 4);
  e->libdir_title_(0, "spare");
  e->libdir_sub_(0, 3);
  EXPECT_EQ(e->libdir_title_(0), "spare");
  EXPECT_EQ(e->libdir_sub_(0), 3);
  EXPECT_EQ(e->libdir_title_(5), "");
  e->libdir_title_(1, "  ");
  EXPECT_EQ(e->libdir_title_(1), "a");
}

TEST_F(library, DeleteRenumbersParentsAndBlocks) {
  e->libdir_add_("1", 0);
  e->libdir_add_("2", 0);
  e->libdir_add_("3", 0);
  e->libdir_add_("4", 3);
  select({e->add_line_(0, 0, 1, 1)});
  e->block_create_("b", 0, 0, false_);
  e->blocks_group_(1, 3);
  EXPECT_EQ(e->libdir_del_(3), -1);  // has a subfolder
  EXPECT_EQ(e->libdir_del_(2), 2);
  ASSERT_EQ(e->libdir_count_(), 3);
  EXPECT_EQ(e->libdir_title_(2), "3");
  EXPECT_EQ(e->libdir_sub_(3), 2);
  EXPECT_EQ(e->blocks_group_(1), 2);
  EXPECT_EQ(e->libdir_del_(2), -1);  // holds the block
  EXPECT_EQ(e->libdir_del_(3), 2);   // the last one
  e->blocks_group_(1, 0);
  EXPECT_EQ(e->libdir_del_(2), 1);
  EXPECT_EQ(e->libdir_del_(1), 0);
  EXPECT_EQ(e->libdir_del_(1), -1);  // nothing there any more
}

TEST_F(library, FoldersFromNestedFrames) {
  select({e->add_line_(0, 0, 1, 1)});
  const int32_t b1 = e->block_create_("b1", 0, 0, false_);
  select({e->add_line_(0, 0, 1, 1)});
  const int32_t b2 = e->block_create_("b2", 0, 0, false_);
  e->libdir_add_("old", 0);
  e->add_bgroup_(0, 0, 100, 100, "A");
  e->add_bgroup_(10, 10, 50, 50, "B");
  e->add_bgroup_(20, 20, 30, 30, "C");
  const int32_t twin = e->add_bgroup_(20, 20, 30, 30, "C2");
  e->add_bgroup_(60, 60, 90, 90, " ");  // untitled, inside A
  e->add_bgroup_(70, 70, 80, 80, "D");
  const int32_t dead = e->add_bgroup_(0, 0, 1000, 1000, "dead");
  obj(dead).deleted = true_;
  e->add_block_(b1, 25, 25);
  e->add_block_(b2, 75, 75);
  e->add_block_(b1, 500, 500);  // outside every frame, and later: b1 ends at the top
  e->bg2ldir_();
  ASSERT_EQ(e->libdir_count_(), 5);
  const char* titles[] = {"", "A", "B", "C", "C2", "D"};
  const int32_t parents[] = {0, 0, 1, 2, 3, 1};
  for (int32_t f = 1; f <= 5; ++f) {
    EXPECT_EQ(e->libdir_title_(f), titles[f]);
    EXPECT_EQ(e->libdir_sub_(f), parents[f]) << titles[f];
  }
  EXPECT_EQ(e->blocks_group_(b1), 0);
  EXPECT_EQ(e->blocks_group_(b2), 5);
  EXPECT_EQ(group(twin).title, "C2");
}

class outlines : public drawing_ {
 protected:
  void SetUp() override {
    drawing_::SetUp();
    font_rec_ f;
    f.height = 10;
    f.glyphs[88] = glyph_rec_{8, 10, 10, 0, 0, {}};
    f.glyphs['A'] = glyph_rec_{2, 10, 10, 0, 0, {glyph_contour_rec_{{{0, 0}, {0, 10}}}}};
    f.glyphs['B'] = glyph_rec_{4, 4, 5, 0, 1, {glyph_contour_rec_{{{0, 0}, {4, 0}, {0, 4}}}}};
    e->fonts.font_table.assign(2, font_rec_{});
    e->fonts.font_table[1] = f;
    e->fonts.font_total = 1;
  }
  text_rec_& set_text(int32_t r, float height, float rot, std::string s) {
    text_rec_& t = text(r);
    t.height = height, t.rotation = rot, t.text = std::move(s), t.font = 1;
    return t;
  }
};

TEST_F(outlines, LinesFollowTheTextFrame) {
  const int32_t t = add_text(100, 0, 0);
  set_text(t, 20, 3.1415927f / 2, "A\rA");
  select({t});
  const int32_t before = e->records_();
  e->blocks_break_();
  EXPECT_EQ(obj(t).deleted, true_);
  ASSERT_EQ(e->records_(), before + 2);
  // Scale 2, turned a quarter: the second line sits 1.5 x 10 font units lower, which the
  // turn puts 30 units further along +x.
  const float want[2][2] = {{100, 80}, {130, 110}};
  for (int k = 0; k < 2; ++k) {
    const int32_t r = before + 1 + k;
    ASSERT_EQ(obj(r).type, ot_polyline_);
    const polyline_rec_& p = e->store.live.polylines[obj(r).index];
    EXPECT_NEAR(p.x[1], want[k][0], 1e-4);
    EXPECT_NEAR(p.x[2], want[k][1], 1e-4);
    EXPECT_NEAR(p.y[2], 0, 1e-4);
    EXPECT_EQ(obj(r).selected, true_);
    EXPECT_EQ(obj(r).page, 1);
  }
}

TEST_F(outlines, BlanksAdvanceAndFilledGlyphsBecomePolygons) {
  const int32_t t = add_text(0, 0, 0);
  set_text(t, 10, 0, "A B");
  const int32_t blank = add_text(0, 0, 0);
  set_text(blank, 10, 0, "   ");
  select({t, blank});
  const int32_t before = e->records_();
  e->blocks_break_();
  ASSERT_EQ(e->records_(), before + 2);  // the blanks make nothing
  EXPECT_EQ(obj(blank).deleted, true_);
  const int32_t b = before + 2;
  ASSERT_EQ(obj(b).type, ot_polygon_);
  EXPECT_EQ(obj(b).fill_color, -2);
  EXPECT_FLOAT_EQ(e->store.live.polygons[obj(b).index].x[1], 16);  // 10 + 0.75 x 8
}
