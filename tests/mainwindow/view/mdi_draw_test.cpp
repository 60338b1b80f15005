// The real main window as the drawing tools' host: its text, attributes and block reach the
// objects the tools add, and the tools' messages go through the scripted message box.
#include "../mdi_fixture.h"
#include "mainwindow/view/mdi_view_link.h"
#include "platform/window/inject.h"

using mdi_draw = mdi_fixture;

TEST_F(mdi_draw, tools_take_the_main_windows_fields) {
  open("0");
  zaz_class_& e = *engine;
  e.view_snap2grid_(false_);
  e.view_snap2points_(false_);
  e.view_setting_(0, 0, 1, e.page_active_());
  mdi->ref_(false_, false_);
  window_& v = mdi->client();
  const auto click = [&](float x, float y) {
    const pixel_point_ p = zaz_class_::map_px_(e.view_transform_(v.client_width_(), v.client_height_()), x, y);
    inject_mouse_at_(v, mouse_type_::move, p.x, p.y);
    inject_mouse_at_(v, mouse_type_::down, p.x, p.y, button_left_);
    inject_mouse_at_(v, mouse_type_::up, p.x, p.y, button_left_);
  };
  mdi->ddraw_text_ = "Hi";
  mdi->attr_dcolor_ = 255;
  mdi->ds_.tool_name_ = "TEXT";
  mdi->ds_.tool_step_ = 0;
  click(10, 10);
  ASSERT_EQ(e.records_(), 1);
  EXPECT_EQ(e.object_(1).type, ot_text_);
  EXPECT_EQ(e.object_(1).draw_color, 255);
  EXPECT_EQ(e.store.live.texts[size_t(e.object_(1).index)].text, "Hi");
  EXPECT_EQ(e.state_name_(1), lang_text_("change.draw.text"));

  mdi->ds_.tool_name_ = "DIM.C";
  click(10, 10);  // a text: no centre to mark
  const std::vector<dialog_request_> asked = take_dialog_requests_();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, lang_text_("message.invalidobject"));
  EXPECT_EQ(asked[0].title, program_title_);
  EXPECT_EQ(asked[0].style, box_ok_ + box_icon_info_);

  mdi->ds_.tool_name_ = "BLOCK";
  mdi->block_to_insert_ = 0;
  click(40, 40);
  EXPECT_EQ(e.records_(), 1);
}
