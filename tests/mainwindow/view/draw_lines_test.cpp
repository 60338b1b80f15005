// POINT, POINTS, LINE, the vertex tools, RECTANGLE and the measuring tools on the real
// engine: the objects each figure adds, its one undo step and label, and the row rules.
#include <cmath>

#include "draw_fixture.h"

using draw_lines = draw_fixture;

TEST_F(draw_lines, line_with_offset_adds_two_lines_in_one_step) {
  tool("LINE");
  row(3, "2", true);
  at(0, 0);
  at(0, 10);
  ASSERT_EQ(types(), (std::vector<int32_t>{ot_line_, ot_line_}));
  const line_rec_& a = line_at(1);
  const line_rec_& b = line_at(2);
  EXPECT_FLOAT_EQ(a.x1, 0);
  EXPECT_FLOAT_EQ(a.y2, 10);
  EXPECT_NEAR(std::fabs(b.x1), 2, 1e-4);
  EXPECT_NEAR(b.x1, b.x2, 1e-4);
  EXPECT_EQ(labels(), tr({"change.draw.line"}));
  EXPECT_EQ(ds().tool_step_, 0);
}

TEST_F(draw_lines, line_with_length_and_angle_locked_ignores_the_second_point) {
  tool("LINE");
  row(1, "5", true);
  row(2, "90", true);
  at(1, 1);
  at(9, 9);
  const line_rec_& l = line_at(1);
  EXPECT_NEAR(l.x1, 1, 1e-5);
  EXPECT_NEAR(l.y1, 1, 1e-5);
  EXPECT_NEAR(l.x2, 1, 1e-5);
  EXPECT_NEAR(l.y2, 6, 1e-5);
  EXPECT_EQ(host->panel->textv_(1), "5");  // locked rows keep their texts
}

TEST_F(draw_lines, unlocked_rows_show_the_cursor_length_and_angle) {
  tool("LINE");
  row(1, "7", true);  // length locked: the direction follows the cursor
  click(0, 0);
  move(0, 30);
  EXPECT_EQ(text_to_single_(host->panel->textv_(2)), 90);
  click(0, 30);
  EXPECT_NEAR(line_at(1).y2, 7, 1e-5);
  tool("LINE");
  row(1, "0", false);
  row(2, "0", false);
  click(0, 0);
  move(30, 40);
  EXPECT_EQ(text_to_single_(host->panel->textv_(1)), 50);
}

TEST_F(draw_lines, a_click_without_a_move_commits_its_own_point) {
  tool("LINE");
  click(0, 0);
  move(50, 50);
  press_only(20, 0);
  EXPECT_FLOAT_EQ(line_at(1).x2, 20);
  EXPECT_FLOAT_EQ(line_at(1).y2, 0);
}

TEST_F(draw_lines, points_count_rule) {
  struct row_case {
    const char* text;
    int32_t count;
  };
  const row_case cases[] = {{"4.5", 4}, {"3.5", 4}, {"2.5", 2}, {"-5", 5}, {"1", 2}, {"", 2}, {"abc", 2}};
  for (const row_case& c : cases) {
    SCOPED_TRACE(c.text);
    e().file_new_(true_, "");
    tool("POINTS");
    row(4, c.text, false);
    at(0, 0);
    at(6, 0);
    const std::vector<int32_t> r = live();
    ASSERT_EQ(int32_t(r.size()), c.count);
    for (size_t i = 0; i < r.size(); ++i) {
      EXPECT_EQ(e().object_(r[i]).type, ot_point_);
      EXPECT_NEAR(point_at(r[i]).x, 6.0 * double(i) / double(c.count - 1), 1e-5);
    }
    EXPECT_EQ(labels(), tr({"change.draw.points"}));
  }
}

TEST_F(draw_lines, points_with_offset_add_only_the_offset_line) {
  tool("POINTS");
  row(3, "1", true);
  at(0, 0);
  at(6, 0);
  EXPECT_EQ(types(), (std::vector<int32_t>{ot_point_, ot_point_, ot_point_, ot_line_}));
  EXPECT_NEAR(std::fabs(line_at(4).y1), 1, 1e-5);
}

TEST_F(draw_lines, point_adds_one_point_per_click) {
  tool("POINT");
  click(3, 4);
  click(5, 6);
  EXPECT_EQ(types(), (std::vector<int32_t>{ot_point_, ot_point_}));
  EXPECT_FLOAT_EQ(point_at(2).x, 5);
  EXPECT_EQ(labels(), tr({"change.draw.point", "change.draw.point"}));
}

TEST_F(draw_lines, polygon_with_fill_and_the_ctrl_rules) {
  tool("POLYGON");
  row(4, "", true);  // AD_FHATCH
  host->eng.hatch_active_(1);
  at(0, 0, 2);  // Ctrl on the first click: one vertex is too few
  EXPECT_TRUE(live().empty());
  EXPECT_TRUE(labels().empty());
  EXPECT_EQ(ds().tool_step_, 0);
  at(0, 0);
  at(10, 0, 3);  // Ctrl+Shift only adds the vertex
  EXPECT_EQ(ds().tool_step_, 2);
  EXPECT_TRUE(live().empty());
  at(10, 10, 2);
  EXPECT_EQ(types(), (std::vector<int32_t>{ot_polygon_, ot_hatch_}));
  EXPECT_EQ(poly_at(1).count, 3);
  EXPECT_FLOAT_EQ(poly_at(1).y[3], 10);
  EXPECT_EQ(labels(), tr({"change.draw.polygon"}));
}

TEST_F(draw_lines, vertex_tools_by_clicks) {
  struct tool_case {
    const char* name;
    std::vector<int32_t> types;
    const char* label;
  };
  const tool_case cases[] = {{"POLYLINE", {ot_polyline_}, "change.draw.polyline"},
                             {"CURVE", {ot_curve_}, "change.draw.curve"},
                             {"HATCH", {ot_hatch_}, "change.draw.hatch"}};
  host->eng.hatch_active_(1);
  for (const tool_case& c : cases) {
    SCOPED_TRACE(c.name);
    e().file_new_(true_, "");
    tool(c.name);
    click(0, 0);
    click(40, 0);
    click(40, 30, 2);
    EXPECT_EQ(types(), c.types);
    EXPECT_EQ(labels(), tr({c.label}));
    if (c.types[0] != ot_hatch_) {
      EXPECT_EQ(std::abs(poly_at(1).count), 3);
    }
  }
}

TEST_F(draw_lines, polyline_segment_length_locked_from_the_last_vertex) {
  tool("POLYLINE");
  row(1, "10", true);
  click(0, 0);
  click(0, 50);      // straight up, 10 long
  click(50, 10, 2);  // towards the right, 10 from the last vertex
  const polyline_rec_& p = poly_at(1);
  ASSERT_EQ(p.count, 3);
  EXPECT_NEAR(p.y[2], 10, 1e-4);
  EXPECT_NEAR(p.x[3], 10, 1e-4);
  EXPECT_NEAR(p.y[3], 10, 1e-4);
}

TEST_F(draw_lines, rectangle_parallel_lies_on_the_same_side_both_ways) {
  tool("RECTANGLE");
  row(3, "1", true);
  at(0, 0);
  at(10, 5);
  at(110, 5);
  at(100, 0);  // the same rectangle shape, dragged the other way
  ASSERT_EQ(types(), (std::vector<int32_t>{ot_polygon_, ot_polygon_, ot_polygon_, ot_polygon_}));
  const object_rec_ &r1 = e().object_(1), &p1 = e().object_(2), &r2 = e().object_(3), &p2 = e().object_(4);
  EXPECT_FLOAT_EQ(p1.x1 - r1.x1, p2.x1 - r2.x1);
  EXPECT_FLOAT_EQ(p1.y2 - r1.y2, p2.y2 - r2.y2);
  EXPECT_NE(p1.x1, r1.x1);
  EXPECT_EQ(labels(), tr({"change.draw.rect", "change.draw.rect"}));
}

TEST_F(draw_lines, rectangle_size_locked_and_filled) {
  tool("RECTANGLE");
  row(1, "-4", true);
  row(2, "3", true);
  row(4, "", true);
  host->eng.hatch_active_(1);
  click(10, 10);
  click(70, -80);
  EXPECT_EQ(types(), (std::vector<int32_t>{ot_polygon_, ot_hatch_}));
  const object_rec_& o = e().object_(1);
  EXPECT_FLOAT_EQ(o.x1, 6);
  EXPECT_FLOAT_EQ(o.x2, 10);
  EXPECT_FLOAT_EQ(o.y1, 10);
  EXPECT_FLOAT_EQ(o.y2, 13);
  EXPECT_EQ(labels(), tr({"change.draw.rect"}));
}

TEST_F(draw_lines, rectangle_preview_shows_the_parallel_where_it_is_added) {
  tool("RECTANGLE");
  row(3, "10", true);
  const auto white_at = [&](float x, float y) {
    const auto p = px(x, y);
    return (host->view->client_surface_().colour_(p.x, p.y)) == 0xFFFFFF;
  };
  click(50, 50);
  move(0, 0);  // dragged towards the lower left
  const bool outside = !white_at(-10, 25);
  const bool inside = !white_at(10, 25);
  EXPECT_NE(outside, inside);
  click(0, 0);
  const object_rec_& r = e().object_(1);
  const object_rec_& p = e().object_(2);
  EXPECT_EQ(p.x1 < r.x1, outside);
}

TEST_F(draw_lines, measuring_reports_in_the_page_unit_and_makes_no_step) {
  tool("MES.L");
  at(0, 0);
  at(6, 8, 2);
  const std::string unit = lang_text_("unit.ex.mm");
  EXPECT_EQ(messages(), std::vector<std::string>{lang_text_("message.calclengthis", "10", unit)});
  tool("MES.A");
  e().page_unit_(e().page_active_(), 6);
  at(0, 0);
  at(5, 0);
  at(5, 2);
  at(0, 2, 2);
  EXPECT_EQ(messages(), std::vector<std::string>{lang_text_("message.calcareais", "10", lang_text_("unit.ex.in"))});
  at(3, 3, 2);  // one point: no report
  EXPECT_TRUE(messages().empty());
  EXPECT_TRUE(live().empty());
  EXPECT_TRUE(labels().empty());
}

TEST_F(draw_lines, a_hatch_too_fine_to_place_warns_and_keeps_its_step) {
  host->eng.hatch_active_(1);
  tool("HATCH");
  row(4, "0.0001", false);  // pattern scale
  at(0, 0);
  at(100, 0);
  at(100, 100, 2);
  const std::vector<dialog_request_> asked = take_dialog_requests_();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, lang_text_("message.toolargehatch"));
  EXPECT_EQ(asked[0].style, box_ok_ + box_icon_warning_);
  EXPECT_TRUE(live().empty());
  EXPECT_EQ(labels(), tr({"change.draw.hatch"}));
}

TEST_F(draw_lines, line_rubber_band_and_its_parallel_follow_the_cursor) {
  tool("LINE");
  row(3, "10", true);
  keep_pixels();
  click(0, 2);
  move(60, 32);
  EXPECT_TRUE(changed(30, 17));
  // The parallel: 10 units to one side of the band's middle, not to the other.
  EXPECT_NE(changed(30 - 4.472f, 17 + 8.944f), changed(30 + 4.472f, 17 - 8.944f));
  move(-40, 62);
  EXPECT_FALSE(changed(30, 17));  // the old band is gone
  EXPECT_TRUE(changed(-20, 32));
}
