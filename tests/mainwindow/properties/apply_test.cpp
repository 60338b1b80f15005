#include "prop_fixture.h"

namespace {

using apply = prop_fixture;

TEST_F(apply, LengthRowIsOneUndoStep) {
  const int32_t r = e().add_line_(0, 0, 3, 4);
  e().select_record_(r, true_);
  ed->ref_edit_(true_, true_);
  const int32_t steps = e().state_active_();
  press_row("LE");
  ASSERT_TRUE(box_visible());
  EXPECT_EQ(host->focus, 4);
  type_enter("25");
  const line_rec_& l = e().store.live.lines[e().store.live.objects[r].index];
  EXPECT_NEAR(l.x2, 15, 1e-4);
  EXPECT_NEAR(l.y2, 20, 1e-4);
  EXPECT_EQ(e().state_active_(), steps + 1);
  EXPECT_FALSE(box_visible());
  EXPECT_EQ(host->focus, 0);
  EXPECT_EQ(e().edit_value_(e().edit_selected_()), "25");  // the rebuilt grid reads it back
  e().state_undo_(1);
  const line_rec_& back = e().store.live.lines[e().store.live.objects[r].index];
  EXPECT_NEAR(back.x2, 3, 1e-5);
  EXPECT_NEAR(back.y2, 4, 1e-5);
}

TEST_F(apply, PickedColourIsWritten) {
  const int32_t r = e().add_line_(0, 0, 3, 4);
  e().select_record_(r, true_);
  ed->ref_edit_(true_, true_);
  press_row("C1");
  ASSERT_TRUE(host->c->win_()->visible_());
  ASSERT_EQ(host->c->ListIndex(), host->c->FindIdByValue(-1));  // automatic, the line's colour
  const int32_t red = host->c->FindIdByValue(255);
  ASSERT_GE(red, 0);
  const int32_t steps = e().state_active_();
  pick(red);
  EXPECT_EQ(e().store.live.objects[r].draw_color, 255);
  EXPECT_EQ(e().state_active_(), steps + 1);
}

TEST_F(apply, PageSheetsRoundAndClamp) {
  ed->ref_edit_(true_, true_);
  struct Case { const char* text; int32_t sheets; } cases[] = {{"7.5", 8}, {"250", 100}, {"0", 1}};
  for (const Case& c : cases) {
    press_row("PAGE.PPY");
    type_enter(c.text);
    EXPECT_EQ(e().page_cy_(e().page_active_()), c.sheets) << c.text;
  }
}

TEST_F(apply, TextThatDoesNotConvertIsRefused) {
  const int32_t p = e().add_point_(2, 3);
  e().select_record_(p, true_);
  ed->ref_edit_(true_, true_);
  const int32_t steps = e().state_active_();
  take_dialog_requests_();
  press_row("X");
  type_enter("abc");
  const std::vector<dialog_request_> asked = take_dialog_requests_();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_NE(asked[0].text.find("not a valid value"), std::string::npos);
  EXPECT_NE(asked[0].text.find(lang_text_("edit.x")), std::string::npos);  // names the value
  EXPECT_EQ(e().state_active_(), steps);
  EXPECT_FLOAT_EQ(e().store.live.points[e().store.live.objects[p].index].x, 2);
  EXPECT_TRUE(box_visible());
  EXPECT_EQ(host->t->text(), "abc");
}

TEST_F(apply, EnterThatChangesNothingMakesNoStep) {
  const int32_t steps = e().state_active_();
  // The background is in no undo state; out of range it is not written at all.
  ed->ref_edit_(true_, true_);
  press_row("PROJ.BGCOL");
  host->t->text("-1");
  ed->tedit_KeyPress(13);
  EXPECT_NE(e().backcolor_(), -1);
  host->t->text("0");
  ed->tedit_KeyPress(13);
  EXPECT_EQ(e().backcolor_(), 0);
  ed->tedit_KeyPress(27);  // only Enter acts
  // A refused sheet width, a value the row already shows, a read-only vertex count.
  e().vertex_clear_();
  for (int i = 0; i < 3; ++i) e().vertex_add_(float(i), float(i * i));
  const int32_t pl = e().add_polyline_();
  ASSERT_GT(pl, 0);
  const int32_t pt = e().add_point_(2, 3);
  struct Case { int32_t rec; const char* key; const char* text; } cases[] = {
      {0, "PAGE.WIDTH", "0"}, {0, "PAGE.PPX", "1"}, {pt, "X", "2"}, {pl, "VC", "9"}, {pl, "ST", "0"}};
  for (const Case& c : cases) {
    e().select_clear_();
    if (c.rec) e().select_record_(c.rec, true_);
    ed->ref_edit_(true_, true_);
    press_row(c.key);
    host->t->text(c.text);
    ed->tedit_KeyPress(13);
    EXPECT_EQ(e().state_active_(), steps) << c.key;
  }
  EXPECT_EQ(e().edit_prop_(pl, 33).number, 3);
}

}  // namespace

namespace {

// The lists the coded rows open: filled with their codes, and a pick is written.
TEST_F(apply, CodedListsAreFilledAndApply) {
  ed->ref_edit_(true_, true_);
  press_row("PAGE.UNIT");
  ASSERT_EQ(host->c->ListCount(), 7);
  EXPECT_EQ(host->c->List(6), "in");
  pick(host->c->FindIdByValue(3));
  EXPECT_EQ(e().page_unit_(e().page_active_()), 3);
  press_row("PAGE.SCALE");
  ASSERT_EQ(host->c->ListCount(), 26);
  EXPECT_EQ(host->c->List(25), "1000:1");
  pick(25);
  EXPECT_EQ(e().page_scale_(e().page_active_()), 25);

  ASSERT_EQ(e().dimstyle_add_("standard"), 1);
  const int32_t d = e().add_dimh_(1, 0, 0, 10, 0, 5, 5, 0, -1, 0, 1, 1, "");
  e().select_record_(d, true_);
  ed->ref_edit_(true_, true_);
  struct Case { const char* key; int32_t count; } cases[] = {
      {"DIM.TAV", 4}, {"DIM.TAH", 5}, {"DIM.U1TLN", 5}, {"DIM.U1PLN", 9}, {"DIM.TF", e().font_count_()}};
  // Folding the style and arrow groups brings the text and unit rows into the panel.
  for (const char* g : {"dim.a", "dim.s"})
    for (int32_t i = 1; i <= e().edit_group_count_(); ++i)
      if (e().edit_group_(i)->key == g) {
        press_at_(*host->panel, 10, e().edit_group_(i)->top + 10);
        release_at_(*host->panel, 10, e().edit_group_(i)->top + 10);
        do_events_();
      }
  for (const Case& c : cases) {
    press_row(c.key);
    EXPECT_EQ(host->c->ListCount(), c.count) << c.key;
  }
  press_row("DIM.U1PLN");
  EXPECT_EQ(host->c->List(2), e().get_dim_acc_(uint8_t(e().edit_prop_(d, 220).number), 2));
  pick(3);
  EXPECT_EQ(e().edit_prop_(d, 222).number, 3);
}

}  // namespace
