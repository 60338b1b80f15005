// The classic interface as a user drives it: the current attributes picked from the drop-downs,
// the line button of the drawing toolbar clicked, two points clicked in the view and Esc; then
// undo and redo through the EDIT menu and through the toolbar's buttons.
#include "session_steps.h"

namespace {
class classic_session : public session_steps {};

TEST_F(classic_session, a_line_from_the_toolbar_takes_the_current_attributes_and_undoes_as_one_step) {
  struct case_ {
    const char* colour;
    const char* style;
    const char* width;
    bool second_layer;  // draw on a new layer made active from the LAYER drop-down
  };
  const case_ cases[] = {{"COLOR1.GREEN", "LSTYLE.3", "LWIDTH.4", false},
                         {"COLOR1.BYLAYER", "LSTYLE.BYBLOCK", "LWIDTH.1", true}};
  start("1");
  ASSERT_NE(mdi->docktb(), nullptr);
  engine().view_snap2grid_(false_);
  engine().view_snap2points_(false_);
  for (const case_& c : cases) {
    SCOPED_TRACE(c.colour);
    answer_box(answer_no_);  // a changed drawing: no save
    mdi->gocmd_("new");
    settle();
    messages();
    if (c.second_layer) {
      ASSERT_GE(engine().layer_add_("Walls", true_, true_, -1, -2, 0, 1), 1);
      mdi->ref_tool_buttons_(0);
      pick_dock_row("LAYER", "LAYER.2");
      ASSERT_EQ(engine().layer_active_(), 2);
    }
    pick_dock_row("COLOR1", c.colour);
    pick_dock_row("LSTYLE", c.style);
    pick_dock_row("LWIDTH", c.width);
    const int32_t steps = engine().state_active_();

    ASSERT_TRUE(click_dock_button("LINE"));
    EXPECT_EQ(mdi->tool_name_(), "LINE");
    click_at(10, 10);
    click_at(60, 35);
    key(key_escape_);

    ASSERT_EQ(live_of_type(ot_line_), 1);
    EXPECT_EQ(records().size(), 1u);
    const object_rec_& o = engine().object_(last_record());
    EXPECT_EQ(o.draw_color, mdi->attr_dcolor_);
    EXPECT_EQ(o.line_style, mdi->attr_style_);
    EXPECT_EQ(o.line_width, mdi->attr_width_);
    EXPECT_EQ(o.layer, engine().layer_active_());
    EXPECT_NEAR(o.x1, 10, 0.5);
    EXPECT_NEAR(o.y2, 35, 0.5);
    EXPECT_EQ(engine().state_active_(), steps + 1);
    EXPECT_EQ(engine().state_name_(1), lang_text_("change.draw.line"));

    // Undo and redo: the toolbar buttons, then the menu rows, each a real step.
    const struct {
      bool menu;
      const char* key;
      int32_t lines;
    } steps_taken[] = {{false, "UNDO", 0}, {false, "REDO", 1}, {true, "UNDO", 0}, {true, "REDO", 1}};
    for (const auto& s : steps_taken) {
      SCOPED_TRACE(std::string(s.menu ? "menu " : "button ") + s.key);
      if (s.menu)
        pick_dock_row("EDIT", s.key);
      else
        ASSERT_TRUE(click_dock_button(s.key));
      EXPECT_EQ(live_of_type(ot_line_), s.lines);
    }
    EXPECT_EQ(engine().state_name_(1), lang_text_("change.draw.line"));
  }
}

}  // namespace
