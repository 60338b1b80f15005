// One working session on the real main window, sent as a user sends it: a window selection, a
// handle drag, a move of fixed length typed into the tool's rows, a rotated copy interrupted by
// a middle-button pan, and an undo. The drawing and the undo labels are checked at the end.
#include "engine/zaz_class.h"
#include "mainwindow/view/adraw_rows.h"
#include "panel_fixture.h"
#include "shell/language.h"

namespace {

class session : public panel_fixture {
 protected:
  window_& view() { return mdi->client(); }
  pixel_point_ px(float x, float y) {
    return zaz_class_::map_px_(engine->view_transform_(view().client_width_(), view().client_height_()), x, y);
  }
  void send(mouse_type_ type, pixel_point_ p, int32_t button = 0) {
    inject_mouse_at_(view(), type, p.x, p.y, button);
  }
  void click(float x, float y) {
    const pixel_point_ p = px(x, y);
    send(mouse_type_::move, p);
    send(mouse_type_::down, p, button_left_);
    send(mouse_type_::up, p, button_left_);
  }
  void drag(pixel_point_ from, pixel_point_ to, int32_t button = button_left_) {
    send(mouse_type_::move, from);
    send(mouse_type_::down, from, button);
    send(mouse_type_::move, {(from.x + to.x) / 2, (from.y + to.y) / 2}, button);
    send(mouse_type_::move, to, button);
    send(mouse_type_::up, to, button);
  }
  void expect_line(int32_t r, float x1, float y1, float x2, float y2) {
    const line_rec_& l = engine->store.live.lines[size_t(engine->object_(r).index)];
    EXPECT_NEAR(l.x1, x1, 1e-3) << r;
    EXPECT_NEAR(l.y1, y1, 1e-3) << r;
    EXPECT_NEAR(l.x2, x2, 1e-3) << r;
    EXPECT_NEAR(l.y2, y2, 1e-3) << r;
  }
  bool selected(int32_t r) { return engine->select_record_(r) != 0; }
};


TEST_F(session, select_drag_move_rotate_copy_pan_and_undo) {
  open("0");
  zaz_class_& e = *engine;
  e.view_snap2grid_(false_);
  e.view_snap2points_(false_);
  e.view_snap2ang45_(false_);
  e.view_snap2track_(false_);
  e.view_setting_(0, 0, 1, e.page_active_());
  const int32_t a = e.add_line_(-120, 60, -80, 60), b = e.add_line_(-20, 0, 20, 0);
  mdi->ref_(false_, false_);
  const int32_t start = e.state_active_();

  // A window around b alone.
  drag(px(-30, 10), px(30, -10));
  EXPECT_TRUE(selected(b));
  EXPECT_FALSE(selected(a));

  // The move handle of its flat frame lifts it by 20 (the middle handles lie on it; a press
  // there takes the move handle).
  mdi->ref_(false_, false_);
  const auto& m = e.selection.handles[9];
  const pixel_point_ h{(m.left + m.right) / 2, (m.top + m.bottom) / 2};
  ASSERT_EQ(h.x, px(0, 0).x);
  drag(h, {h.x, h.y - 20});
  expect_line(b, -20, 20, 20, 20);
  EXPECT_EQ(e.state_name_(1), lang_text_("change.trn.move"));

  // MOVE with its length fixed at 25: the cursor only gives the direction.
  ASSERT_TRUE(mdi->gocmd_("move"));
  ASSERT_EQ(panel().id2key_(1), "AD_LENGTH");
  panel().textv_(1, "25");
  panel().chkv_(1, true_);
  click(0, 20);
  click(100, 20);
  expect_line(b, 5, 20, 45, 20);
  EXPECT_EQ(e.state_name_(1), lang_text_("change.trn.move"));

  // ROTATE with a copy; between the two clicks a middle-button pan moves the view and gives
  // the tool back its step and centre.
  ASSERT_TRUE(mdi->gocmd_("rotate"));
  ASSERT_EQ(panel().id2key_(2), "AD_COPY");
  panel().chkv_(2, true_);
  click(0, 0);
  ASSERT_EQ(mdi->ds_tn_(), 1);
  drag(px(0, 0), px(30, 40), button_middle_);
  EXPECT_NEAR(e.view_posx_(), -30, 1e-3);
  EXPECT_NEAR(e.view_posy_(), -40, 1e-3);
  EXPECT_EQ(mdi->ds_tn_(), 1);
  EXPECT_EQ(mdi->tool_name_(), "ROTATE");
  const int32_t before = e.records_();
  click(0, 30);
  ASSERT_EQ(e.records_(), before + 1);
  const int32_t copy = e.records_();
  expect_line(b, 5, 20, 45, 20);
  expect_line(copy, -20, 5, -20, 45);
  EXPECT_EQ(e.state_name_(1), lang_text_("change.trn.rotate"));
  EXPECT_EQ(e.state_active_(), start + 3);

  // Undo takes the copy back; the move before it stays and is next in line.
  ASSERT_TRUE(mdi->gocmd_("undo"));
  EXPECT_EQ(e.records_(), before);
  expect_line(b, 5, 20, 45, 20);
  expect_line(a, -120, 60, -80, 60);
  EXPECT_EQ(e.state_name_(2), lang_text_("change.trn.rotate"));
  EXPECT_EQ(e.state_name_(1), lang_text_("change.trn.move"));
}

}  // namespace
