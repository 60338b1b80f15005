// Modification tools on the real engine: picks and type checks, the messages, the geometry
// the engine makes, and one undo step per modification (also a failed join).
#include "draw_fixture.h"

using draw_modify = draw_fixture;

namespace {
void expect_line(const line_rec_& l, float x1, float y1, float x2, float y2) {
  EXPECT_NEAR(l.x1, x1, 1e-4);
  EXPECT_NEAR(l.y1, y1, 1e-4);
  EXPECT_NEAR(l.x2, x2, 1e-4);
  EXPECT_NEAR(l.y2, y2, 1e-4);
}
}  // namespace

TEST_F(draw_modify, join_moves_both_picked_ends_to_the_crossing) {
  const int32_t a = line(0, 0, 10, 0), b = line(5, -5, 5, -1);
  tool("JLINE");
  click(8, 0);
  EXPECT_EQ(ds().tool_step_, 1);
  click(8, 0);   // the same line again
  click(30, 30);  // nothing there
  EXPECT_EQ(messages(), tr({"message.twootherobj", "message.invalidobject"}));
  EXPECT_EQ(ds().tool_step_, 1);
  click(5, -2);
  expect_line(line_of(a), 0, 0, 5, 0);
  expect_line(line_of(b), 5, -5, 5, 0);
  EXPECT_EQ(labels(), tr({"change.mod.join"}));
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(ds().tool_step_, 0);
}

TEST_F(draw_modify, a_failed_join_says_so_and_still_makes_its_step) {
  line(0, 0, 10, 0);
  line(0, 5, 10, 5);
  tool("JLINE");
  at(9, 0);
  at(9, 5);
  EXPECT_EQ(messages(), tr({"message.cantjoinlines"}));
  EXPECT_EQ(labels(), tr({"change.mod.join"}));
}

TEST_F(draw_modify, extend_and_trim_a_line_end) {
  const int32_t a = line(0, 0, 10, 0);
  e().add_circle_(50, 50, 5);
  tool("ELINE");
  click(30, 30);  // empty: nothing at all
  click(55, 50);  // a circle: refused
  EXPECT_EQ(messages(), tr({"message.invalidobject"}));
  EXPECT_EQ(ds().tool_step_, 0);
  click(9, 0);
  click(15, 3);
  expect_line(line_of(a), 0, 0, 15, 0);
  click(14, 0);
  click(5, 3);
  expect_line(line_of(a), 0, 0, 5, 0);
  EXPECT_EQ(labels(), tr({"change.mod.exln", "change.mod.exln"}));
}

TEST_F(draw_modify, picks_of_the_wrong_kind_say_invalid_object) {
  e().add_text_("ABC", e().font_id_(), 0, 0, 20);
  host->ref_(false_, false_);
  struct pick_case {
    const char* tool;
    float x, y;
  };
  // CUTOBJ on a text; VSLASH and VROUND on a text and on empty space.
  const pick_case cases[] = {{"CUTOBJ", 2, 2}, {"VSLASH", 2, 2}, {"VSLASH", 80, 80}, {"VROUND", 80, 80}};
  for (const pick_case& c : cases) {
    SCOPED_TRACE(c.tool);
    tool(c.tool);
    click(c.x, c.y);
    EXPECT_EQ(messages(), tr({"message.invalidobject"}));
    EXPECT_EQ(ds().tool_step_, 0);
  }
  EXPECT_TRUE(labels().empty());
}

TEST_F(draw_modify, fillet_and_chamfer_add_a_figure_at_the_corner) {
  e().vertex_clear_();
  for (auto p : {std::pair{0.f, 0.f}, {40.f, 0.f}, {40.f, 40.f}, {0.f, 40.f}}) e().vertex_add_(p.first, p.second);
  e().add_polygon_(255, color_none_, 0, 1, 1);
  host->ref_(false_, false_);
  tool("VROUND");
  click(39, 1);
  tool("VSLASH");
  click(1, 39);
  ASSERT_EQ(types(), (std::vector<int32_t>{ot_polygon_, ot_arc_, ot_line_}));
  EXPECT_EQ(e().object_(2).draw_color, 255);
  EXPECT_EQ(labels(), tr({"change.mod.vround", "change.mod.vslash"}));
  EXPECT_TRUE(messages().empty());
}

TEST_F(draw_modify, cut_needs_the_same_object_twice) {
  e().add_circle_(0, 0, 20);
  const int32_t other = line(50, 0, 60, 0);
  host->ref_(false_, false_);
  tool("CUTOBJ");
  click(20, 0);
  EXPECT_EQ(ds().tool_step_, 1);
  click(55, 0);
  EXPECT_EQ(messages(), tr({"message.invalidobject"}));
  EXPECT_EQ(ds().tool_step_, 1);
  click(0, 20);
  EXPECT_EQ(e().object_(1).deleted, true_);
  EXPECT_GT(e().records_(), other);
  EXPECT_EQ(labels(), tr({"change.mod.cutobj"}));
}
