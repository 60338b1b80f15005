#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dim_fixture.h"

namespace {

// Three fonts told apart by their glyph widths: 6, 12 and 3 font units.
class font_del_ : public dims_ {
 protected:
  void SetUp() override {
    dims_::SetUp();
    add_font(box_font(12, 14));
    add_font(box_font(3, 4));
  }
  text_rec_& text(int32_t r) { return e->store.live.texts[size_t(obj(r).index)]; }
  float width(int32_t r) { return obj(r).x2 - obj(r).x1; }
};

TEST_F(font_del_, TextsMoveDownAndTheRemovedFontsTextsTakeTheNext) {
  struct { int32_t removed; std::vector<int32_t> ids; std::vector<float> widths; } cases[] = {
      // "AB" at height 10: 14, 26 and 7 across in fonts 1, 2 and 3.
      {1, {1, 1, 2}, {26, 26, 7}},
      {2, {1, 2, 2}, {14, 7, 7}},
      {3, {1, 2, 2}, {14, 26, 26}},
  };
  for (const auto& c : cases) {
    SetUp();
    const int32_t t1 = e->add_text_("AB", 1, 0, 0, 10);
    const int32_t t2 = e->add_text_("AB", 2, 0, 0, 10);
    const int32_t t3 = e->add_text_("AB", 3, 0, 0, 10);
    EXPECT_EQ(e->font_del_(c.removed), false_);
    EXPECT_EQ(e->font_count_(), 2);
    const int32_t recs[] = {t1, t2, t3};
    for (size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(text(recs[i]).font, c.ids[i]) << c.removed << " text " << i;
      EXPECT_NEAR(width(recs[i]), c.widths[i], 1e-4) << c.removed << " text " << i;
    }
  }
}

TEST_F(font_del_, FontTableAndActiveFont) {
  struct { int32_t active, removed, after; } cases[] = {{3, 1, 2}, {3, 3, 2}, {1, 3, 1}, {2, 2, 2}};
  for (const auto& c : cases) {
    SetUp();
    const std::vector<font_rec_> before = e->fonts.font_table;
    e->font_id_(c.active);
    e->font_del_(c.removed);
    EXPECT_EQ(e->font_id_(), c.after);
    ASSERT_EQ(e->fonts.font_table.size(), 3u);
    size_t from = 1;
    for (size_t i = 1; i <= 2; ++i, ++from) {
      if (from == size_t(c.removed)) ++from;
      EXPECT_EQ(e->fonts.font_table[i].glyphs[65].box_width, before[from].glyphs[65].box_width);
    }
  }
}

TEST_F(font_del_, RefusedRemovalsChangeNothing) {
  const int32_t t = e->add_text_("AB", 3, 0, 0, 10);
  for (int32_t id : {0, -1, 4}) {
    e->font_del_(id);
    EXPECT_EQ(e->font_count_(), 3);
    EXPECT_EQ(text(t).font, 3);
  }
  e->font_del_(1);
  e->font_del_(1);
  EXPECT_EQ(e->font_count_(), 1);
  e->font_del_(1);  // the last font stays
  EXPECT_EQ(e->font_count_(), 1);
  EXPECT_EQ(text(t).font, 1);
}

TEST_F(font_del_, InsertsFollowTheirMembersNewBoxes) {
  const int32_t t = e->add_text_("AB", 2, 0, 0, 10);
  e->select_record_(t, true_);
  const int32_t bid = e->block_create_("b", 0, 0, false_);
  ASSERT_EQ(bid, 1);
  const int32_t ins = e->add_block_(bid, 100, 0);
  ASSERT_NEAR(obj(ins).x2, 126, 1e-4);
  e->font_del_(2);
  EXPECT_NEAR(obj(ins).x2, 107, 1e-4);
}

TEST_F(font_del_, DimensionsOnTheRemovedFontAreRebuiltOthersOnlyRenumbered) {
  style().font = 2;
  const int32_t on_removed = linear(0, 0, 100, 0, 10, "<> TYP");
  style().font = 3;
  const int32_t shifted = linear(0, 20, 100, 20, 10, "<> TYP");
  const dimension_rec_ shifted_before = dim(shifted);
  e->font_del_(2);

  const dimension_rec_& a = dim(on_removed);
  EXPECT_EQ(a.style.font, 2);
  EXPECT_EQ(a.parts[0].text, "10.00");  // the user text is not kept in the record
  EXPECT_NEAR(side(a.text_box[0], a.text_box[3]), 0.4f * 2.5f * 4 + 0.3f * 2.5f, 1e-4);
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  e->extent_dimension_(a, x1, y1, x2, y2);
  EXPECT_EQ(obj(on_removed).y2, y2);

  const dimension_rec_& b = dim(shifted);
  EXPECT_EQ(b.style.font, 2);
  EXPECT_EQ(b.parts[0].text, "10.00 TYP");  // same glyphs: nothing to lay out again
  EXPECT_EQ(b.text_box[2].x, shifted_before.text_box[2].x);
}

TEST_F(font_del_, AngularDimensionsReferencesAndStylesAreRenumberedToo) {
  style().font = 3;
  const int32_t other = e->dimstyle_add_("other");
  e->styles.styles[size_t(other)] = style();
  e->styles.styles[size_t(other)].font = 2;
  const int32_t ang = e->add_dima_(sid, 0, 0, 10, 0, 0, 10, 0, -1, 0, 1, 1, "");
  e->vertex_clear_();
  e->vertex_add_(0, 0);
  e->vertex_add_(10, 0);
  const int32_t rf = e->add_ref_(other, "AB", -1, 0, 1, 1);
  e->font_del_(2);

  EXPECT_EQ(adim(ang).style.font, 2);
  EXPECT_EQ(ref(rf).style.font, 2);
  EXPECT_EQ(ref(rf).parts[0].text, "AB");  // rebuilt with its own text
  EXPECT_NEAR(side(ref(rf).text_box[0], ref(rf).text_box[3]), 0.7f * 2.5f, 1e-4);  // in the 3-wide font
  EXPECT_NEAR(obj(rf).x2, 10 + 0.7f * 2.5f, 1e-4);
  EXPECT_EQ(style().font, 2);
  EXPECT_EQ(e->styles.styles[size_t(other)].font, 2);
  // A new dimension from the style still gets the font it was set to.
  EXPECT_EQ(dim(linear(0, 0, 100, 0)).style.font, 2);
}

}  // namespace
