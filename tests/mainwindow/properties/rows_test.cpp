#include "prop_fixture.h"

namespace {

struct counts_ { int32_t groups, rows; };

counts_ rebuilt(prop_fixture& f, int32_t record) {
  f.e().select_clear_();
  if (record > 0) f.e().select_record_(record, true_);
  f.ed->ref_edit_(true_, true_);
  return {f.e().edit_group_count_(), f.e().edit_item_count_()};
}

using rows = prop_fixture;

TEST_F(rows, GroupsAndRowsPerKind) {
  ASSERT_EQ(e().dimstyle_add_("standard"), 1);
  e().vertex_clear_();
  e().vertex_add_(0, 0);
  e().vertex_add_(5, 5);
  const int32_t reference = e().add_ref_(1, "R", -1, 0, 1, 1);
  struct Case { const char* what; int32_t record; counts_ expected; } cases[] = {
      {"nothing", 0, {2, 8}},
      {"ellipse", e().add_ellipse_(0, 0, 5, 3, 10), {2, 10}},
      {"text", e().add_text_("AB", 1, 0, 0, 2), {3, 9}},
      {"line", e().add_line_(0, 0, 1, 1), {2, 10}},
      {"dimension", e().add_dimh_(1, 0, 0, 10, 0, 5, 5, 0, -1, 0, 1, 1, ""), {6, 42}},
      {"angular", e().add_dima_(1, 0, 0, 10, 0, 0, 10, 0, -1, 0, 1, 1, ""), {6, 33}},
      {"reference", reference, {5, 19}}};
  for (const auto& c : cases) {
    ASSERT_TRUE(c.record > 0 || std::string(c.what) == "nothing") << c.what;
    const counts_ got = rebuilt(*this, c.record);
    EXPECT_EQ(got.groups, c.expected.groups) << c.what;
    EXPECT_EQ(got.rows, c.expected.rows) << c.what;
  }
}

TEST_F(rows, BlockInsertAndCircleRadiusRows) {
  const int32_t member = e().add_line_(0, 0, 3, 0);
  e().select_record_(member, true_);
  ASSERT_EQ(e().block_create_("b", 0, 0, false_), 1);
  const int32_t insert = e().add_block_(1, 5, 5);
  EXPECT_EQ(rebuilt(*this, insert).rows, 11);
  int32_t x, y;
  EXPECT_TRUE(row_point("BNAME", x, y));
  const int32_t circle = e().add_circle_(0, 0, 4);
  rebuilt(*this, circle);
  EXPECT_TRUE(row_point("R0", x, y));
  EXPECT_FALSE(row_point("R1", x, y));
  e().edit_prop_(circle, 20, value_::of(6.0));
  rebuilt(*this, circle);
  EXPECT_FALSE(row_point("R0", x, y));
  EXPECT_TRUE(row_point("R2", x, y));
}

TEST(unit_key, CodesAndOutOfRange) {
  ASSERT_EQ(load_language_("program_en.lang"), true_);
  EXPECT_EQ(prop_editor_::unit_key_(0), "mm");
  EXPECT_EQ(prop_editor_::unit_key_(6), "in");
  EXPECT_EQ(prop_editor_::unit_key_(7), "");
  EXPECT_EQ(prop_editor_::unit_key_(-1), "");
}

}  // namespace
