// Interface type, tool selection and cursors.
#include "mdi_fixture.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/controls/ribbon/ribbon_control.h"

TEST_F(mdi_fixture, stored_interface_types_choose_ribbon_or_classic) {
  const struct {
    const char* stored;
    int32_t type;
  } cases[] = {{"5", 1}, {"1", 1}, {"0", 0}, {"-3", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    open(c.stored);
    EXPECT_EQ(mdi->gui_type_val_(), c.type);
    EXPECT_EQ(mdi->ribbon() != nullptr, c.type == 0);
    EXPECT_EQ(mdi->docktb() != nullptr, c.type == 1);
    EXPECT_EQ(mdi->tool_name_(), "SELECT");
    EXPECT_EQ(mdi->ds_tn_(), 0);
    // A changed setting applies at the next start only.
    save_setting_("kalvinor.common", "GUI", "Type", c.type ? "0" : "1");
    mdi->mdi_resize_();
    EXPECT_EQ(mdi->gui_type_val_(), c.type);
    close();
  }
}

TEST_F(mdi_fixture, tool_words_make_the_tool_current_and_press_its_button) {
  open("0");
  mdi->ds_tn_(3);
  EXPECT_TRUE(mdi->gocmd_("arc3p"));
  EXPECT_EQ(mdi->tool_name_(), "ARC.3P");
  EXPECT_EQ(mdi->ds_tn_(), 0);
  EXPECT_TRUE(mdi->gocmd_("line"));
  EXPECT_EQ(mdi->tool_name_(), "LINE");
  EXPECT_EQ(mdi->ribbon()->model().buttonchecked_("LINE"), true_);
  EXPECT_FALSE(mdi->gocmd_("nosuchword"));
  EXPECT_EQ(mdi->tool_name_(), "LINE");
  close();
  open("1");
  EXPECT_TRUE(mdi->gocmd_("line"));
  const int32_t id = mdi->docktb()->key2id_("LINE");
  ASSERT_GE(id, 1);
  EXPECT_EQ(mdi->docktb()->button_ckeck_(id), true_);
  EXPECT_TRUE(mdi->gocmd_("select"));
  EXPECT_EQ(mdi->docktb()->button_ckeck_(id), false_);
}

TEST_F(mdi_fixture, view_tools_get_their_own_cursor_files_and_other_tools_cursor_0) {
  open();
  const struct {
    const char* word;
    const char* file;
  } cases[] = {{"mview", "zaz.cur.01.0.cur"}, {"dzoom", "zaz.cur.02.0.cur"}, {"azoom", "zaz.cur.03.0.cur"},
               {"zoomin", "zaz.cur.04.0.cur"}, {"zoomout", "zaz.cur.05.0.cur"}, {"line", "zaz.cur.00.0.cur"},
               {"select", "zaz.cur.00.0.cur"}};
  for (const auto& c : cases) {
    ASSERT_TRUE(mdi->gocmd_(c.word));
    const std::string& p = mdi->cursor_path_;
    EXPECT_EQ(p.substr(p.size() - std::string(c.file).size()), c.file) << c.word;
    EXPECT_TRUE(std::filesystem::exists(p)) << p;
  }
  mdi->mouse_pointer_(-1);
  EXPECT_TRUE(mdi->cursor_path_.empty());
}

TEST_F(mdi_fixture, shared_layer_icons_and_style_icon_bounds) {
  open();
  EXPECT_GE(mdi->icon_page_(), 2);
  EXPECT_NE(mdi->icon_layer_visible_(true_), mdi->icon_layer_visible_(false_));
  EXPECT_NE(mdi->icon_layer_enabled_(true_), mdi->icon_layer_enabled_(false_));
  EXPECT_EQ(mdi->icon_layer_sicon_(0, 99), mdi->icon_auto_);
  EXPECT_EQ(mdi->icon_layer_sicon_(1, 17), 0);
  EXPECT_EQ(mdi->icon_layer_sicon_(2, -6), 0);
  EXPECT_EQ(mdi->icon_layer_sicon_(3, 0), 0);
}

TEST_F(mdi_fixture, arrow_icons_are_handed_to_the_engine) {
  open("1");
  for (size_t k = 0; k < 20; ++k) {
    EXPECT_GT(mdi->arrow1_icons_[k], 0) << k;
    EXPECT_EQ(engine->grid.arrow1[k], mdi->arrow1_icons_[k]) << k;
    EXPECT_EQ(engine->grid.arrow2[k], mdi->arrow2_icons_[k]) << k;
  }
  EXPECT_NE(mdi->arrow1_icons_[0], mdi->arrow2_icons_[0]);
}

TEST_F(mdi_fixture, a_full_repaint_puts_the_tracking_points_back_and_a_fast_one_does_not) {
  open("0");
  zaz_class_& e = *engine;
  e.backcolor_(0xFFFFFF);
  e.view_gridvisible_(false_);
  e.view_snap2track_(true_);
  e.view_setting_(0, 0, 1, e.page_active_());
  window_& v = mdi->client();
  const pixel_point_ at = zaz_class_::map_px_(e.view_transform_(v.client_width_(), v.client_height_()), 30, 20);
  const auto cross_arm = [&] { return v.client_surface_().colour_(at.x + 2, at.y) & 0xFFFFFFu; };
  for (const char* tool : {"line", "select"}) {
    SCOPED_TRACE(tool);
    ASSERT_TRUE(mdi->gocmd_(tool));
    // Choosing a drawing tool clears the tracking points: the point comes after the word.
    e.hpoint_clear_();
    e.hpoint_add_(30, 20, 0);
    mdi->ref_(true_, false_);
    EXPECT_EQ(cross_arm(), 0xFFFFFFu);
    mdi->ref_(false_, false_);
    EXPECT_EQ(cross_arm() != 0xFFFFFFu, std::string(tool) == "line");
  }
}
