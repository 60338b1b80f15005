// The tool panel's events on the real main window: attribute picks with and without a
// selection, the colour dialog, the check boxes that switch or couple rows, the text of the
// TEXT tool, the picture of the IMAGE tool and the view buttons.
#include <fstream>

#include "engine/zaz_class.h"
#include "mainwindow/view/adraw_rows.h"
#include "panel_fixture.h"
#include "platform/services/dialogs.h"
#include "shell/language.h"
#include "ui/controls/ribbon/ribbon_control.h"
#include "ui/controls/statusbar/statusbar.h"

using panel_events = panel_fixture;

namespace {
// A 24-bit bottom-up BMP of w x h white pixels.
void write_bmp(const std::string& path, int32_t w, int32_t h) {
  const int32_t row = (w * 3 + 3) / 4 * 4, size = 54 + row * h;
  std::string b(size_t(size), '\0');
  auto put = [&](size_t at, uint32_t v, int n) {
    for (int i = 0; i < n; ++i) b[at + size_t(i)] = char((v >> (8 * i)) & 0xFF);
  };
  b[0] = 'B', b[1] = 'M';
  put(2, uint32_t(size), 4), put(10, 54, 4), put(14, 40, 4), put(18, uint32_t(w), 4), put(22, uint32_t(h), 4);
  put(26, 1, 2), put(28, 24, 2), put(34, uint32_t(row * h), 4);
  for (size_t i = 54; i < b.size(); ++i) b[i] = char(0xFF);
  std::ofstream(path, std::ios::binary) << b;
}
}  // namespace

TEST_F(panel_events, a_pick_without_selection_sets_the_attribute_and_makes_no_step) {
  open("0");
  struct row {
    const char* key;
    int32_t dcolor, fcolor, style, width;
  };
  // Start: -4, -2, -4, -4; each pick changes its own attribute only.
  const row rows[] = {{"WI.3", -4, -2, -4, 3},   {"DC.RED", 255, -2, -4, 3}, {"FC.AUTO", 255, -1, -4, 3},
                      {"ST.2", 255, -1, 2, 3},   {"DC.AUTO", -1, -1, 2, 3},  {"FC.EMPTY", -1, -2, 2, 3},
                      {"WI.BYBLOCK", -1, -2, 2, -3}, {"-", -1, -2, 2, -3}};
  const int32_t states = engine->state_active_();
  for (const row& r : rows) {
    mdi->panel_ComboItemClick(r.key, 0);
    EXPECT_EQ(mdi->attr_dcolor_, r.dcolor) << r.key;
    EXPECT_EQ(mdi->attr_fcolor_, r.fcolor) << r.key;
    EXPECT_EQ(mdi->attr_style_, r.style) << r.key;
    EXPECT_EQ(mdi->attr_width_, r.width) << r.key;
  }
  EXPECT_EQ(engine->state_active_(), states);
}

TEST_F(panel_events, a_pick_with_a_selection_changes_it_as_one_step) {
  open("0");
  zaz_class_& e = *engine;
  const int32_t a = e.add_line_(0, 0, 10, 0), b = e.add_line_(0, 5, 10, 5), c = e.add_line_(0, 9, 10, 9);
  e.select_record_(a, true_);
  e.select_record_(b, true_);
  ASSERT_EQ(e.select_info_(), 2);
  const int32_t states = e.state_active_();
  mdi->panel_ComboItemClick("ST.2", 0);
  EXPECT_EQ(mdi->attr_style_, 2);
  EXPECT_EQ(e.state_active_(), states + 1);
  EXPECT_EQ(e.state_name_(1), lang_text_("change.atr.lstyle"));
  EXPECT_EQ(e.object_(a).line_style, 2);
  EXPECT_EQ(e.object_(b).line_style, 2);
  EXPECT_EQ(e.object_(c).line_style, 0);
}

TEST_F(panel_events, the_colour_item_asks_and_a_cancel_changes_nothing) {
  open("0");
  take_dialog_requests_();
  mdi->panel_ComboItemClick("FC.RGB", 0);  // scripting cancels for want of a reply
  EXPECT_EQ(mdi->attr_fcolor_, -2);
  auto asked = take_dialog_requests_();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].kind, dialog_kind_::colour);

  dialog_reply_ r;
  r.kind = dialog_kind_::colour;
  r.colour = 0x123456;
  push_dialog_reply_(r);
  mdi->panel_ComboItemClick("DC.RGB", 0);
  EXPECT_EQ(mdi->attr_dcolor_, 0x123456);
  EXPECT_EQ(mdi->attr_fcolor_, -2);
}

TEST_F(panel_events, the_fill_check_box_switches_its_three_rows) {
  open("0");
  ASSERT_TRUE(mdi->gocmd_("rect"));
  xcpanelbox_& p = panel();
  ASSERT_EQ(p.id2key_(4), "AD_FHATCH");
  auto enabled = [&] {
    return std::string() + (is_set_(p.item_enabled_("AD_HATCH")) ? "1" : "0") +
           (is_set_(p.item_enabled_("AD_SCALE")) ? "1" : "0") + (is_set_(p.item_enabled_("AD_ROTATE")) ? "1" : "0");
  };
  EXPECT_EQ(enabled(), "000");
  click_item(4);
  EXPECT_TRUE(is_set_(p.chkv_(4)));
  EXPECT_EQ(enabled(), "111");
  click_item(4);
  EXPECT_EQ(enabled(), "000");
}

TEST_F(panel_events, the_scale_lock_couples_the_two_factors) {
  open("0");
  ASSERT_TRUE(mdi->gocmd_("scale"));
  xcpanelbox_& p = panel();
  p.chkv_(2, true_);  // AD_SCALEX fixed
  mdi->panel_CheckboxClick("AD_SCALEY", 3);  // no lock: independent
  EXPECT_FALSE(is_set_(p.chkv_(3)));
  click_item(1);  // AD_LOCKXY on copies X to Y
  ASSERT_TRUE(is_set_(p.chkv_(1)));
  EXPECT_TRUE(is_set_(p.chkv_(3)));
  p.chkv_(3, false_);
  mdi->panel_CheckboxClick("AD_SCALEY", 3);  // locked: X follows Y
  EXPECT_FALSE(is_set_(p.chkv_(2)));
  // A check box of another group is none of these handlers' business.
  p.chkv_(2, true_);
  mdi->panel_CheckboxClick("AD_SCALEX", p.key2id_("AT_DCOLOR"));
  EXPECT_FALSE(is_set_(p.chkv_(3)));
}

TEST_F(panel_events, the_multi_line_box_saves_the_rows_before_rebuilding_them) {
  open("0");
  ASSERT_TRUE(mdi->gocmd_("line"));
  xcpanelbox_& p = panel();
  p.textv_(1, "25");
  p.chkv_(3, true_);
  mdi->panel_CheckboxClick("AD_MLINE", 3);
  EXPECT_EQ(p.textv_(1), "25");
  EXPECT_TRUE(is_set_(p.chkv_(3)));
}

TEST_F(panel_events, rows_come_back_after_a_switch_to_another_tool) {
  open("1");
  xcpanelbox_& p = panel();
  ASSERT_TRUE(mdi->gocmd_("line"));
  p.textv_(1, "25");
  p.chkv_(1, true_);
  ASSERT_TRUE(mdi->gocmd_("circle"));
  EXPECT_EQ(p.id2key_(1), "AD_RADIUS");
  p.textv_(1, "7");
  ASSERT_TRUE(mdi->gocmd_("line"));
  EXPECT_EQ(p.textv_(1), "25");
  EXPECT_TRUE(is_set_(p.chkv_(1)));
  ASSERT_TRUE(mdi->gocmd_("circle"));
  EXPECT_EQ(p.textv_(1), "7");
}

TEST_F(panel_events, typed_text_keeps_single_carriage_returns) {
  open("0");
  xcpanelbox_& p = panel();
  ASSERT_TRUE(mdi->gocmd_("line"));
  const std::string before = mdi->ddraw_text_;
  p.textv_(1, "not text");
  mdi->panel_TextEdit("AD_TEXTV", 1);
  EXPECT_EQ(mdi->ddraw_text_, before);

  ASSERT_TRUE(mdi->gocmd_("text"));
  EXPECT_EQ(p.textv_(1), before);
  p.textv_(1, "a\r\nb\r\nc");
  mdi->panel_TextEdit("AD_TEXTV", 1);
  EXPECT_EQ(mdi->ddraw_text_, "a\rb\rc");
  p.textv_(1, "a\nb\r");
  mdi->panel_TextEdit("AD_TEXTV", 1);
  EXPECT_EQ(mdi->ddraw_text_, "a\nb\r");
}

TEST_F(panel_events, the_image_button_takes_a_picture_and_keeps_it_on_failure) {
  open("0");
  const std::string pic = dir + "pic.bmp", bad = dir + "bad.png";
  write_bmp(pic, 3, 2);
  std::ofstream(bad) << "not a picture";
  // The IMAGE tool's rows, before any picture was chosen.
  mdi->ds_.tool_name_ = "IMAGE";
  mdi->ref_adraw_();
  ASSERT_EQ(panel().id2key_(1), "AD_IMAGE");
  EXPECT_EQ(panel().textv_(2), format_fixed_(0, 2, true));

  dialog_reply_ r;
  r.kind = dialog_kind_::open_file;
  r.text = "  " + pic + " ";
  push_dialog_reply_(r);
  click_item(1);
  EXPECT_EQ(mdi->image_file_, pic);
  EXPECT_EQ(mdi->image_w_ * 10 + mdi->image_h_, 32);
  // The rows show the size at their next rebuild.
  EXPECT_EQ(panel().textv_(2), format_fixed_(0, 2, true));
  mdi->ref_adraw_();
  EXPECT_EQ(panel().textv_(2), format_fixed_(3, 2, true));
  EXPECT_EQ(panel().textv_(3), format_fixed_(2, 2, true));

  r.text = bad;
  push_dialog_reply_(r);
  mdi->panel_ButtonClick("AD_IMAGE", 1);
  r.cancel = true;
  push_dialog_reply_(r);
  mdi->panel_ButtonClick("AD_IMAGE", 1);
  EXPECT_EQ(mdi->image_file_, pic);
  EXPECT_EQ(mdi->image_w_ * 10 + mdi->image_h_, 32);
}

TEST_F(panel_events, buttons_run_their_words_and_dialogs_by_group) {
  open("0");
  xcpanelbox_& p = panel();
  click_item(p.key2id_("ZOOM_AREA"));
  EXPECT_EQ(mdi->tool_name_(), "ZOOM_AREA");
  mdi->panel_ButtonClick("ZOOM_MOVE", p.key2id_("LABEL_1"));  // not the view group: nothing
  EXPECT_EQ(mdi->tool_name_(), "ZOOM_AREA");

  ASSERT_TRUE(mdi->gocmd_("text"));
  for (const char* name : {dlg_text_, dlg_hatch_}) mdi->dialogs_.script_(name, [](const std::string&) { return dlg_closed_; });
  mdi->dialogs_.take_calls_();
  mdi->panel_ButtonClick("AD_TEXTV.FONT", 4);
  mdi->panel_ButtonClick("AD_HATCH", 4);  // no such row in TEXT, but the key decides
  const auto calls = mdi->dialogs_.take_calls_();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].name + ":" + calls[0].arg, std::string(dlg_text_) + ":font");
  EXPECT_EQ(calls[1].name, dlg_hatch_);
}

TEST_F(panel_events, the_status_bar_shows_the_hot_tooltip_and_drop_lists_close_the_ribbons) {
  open("0");
  mdi->panel_HotBtnChange("tip");
  EXPECT_EQ(mdi->statusbar().text_(), "tip");
  mdi->panel_HotBtnChange("");
  EXPECT_EQ(mdi->statusbar().text_(), "");
}

TEST_F(panel_events, a_press_on_the_panel_closes_the_ribbon_drop_down_and_still_reaches_the_panel) {
  open("0");
  activate();
  mdi->ribbon()->show_popupmenu_(-1, 300, 200);
  do_events_();
  ASSERT_TRUE(mdi->ribbon()->winex_visible_());
  click_item(panel().key2id_("ZOOM_ZOOM"));
  EXPECT_FALSE(mdi->ribbon()->winex_visible_());
  EXPECT_EQ(mdi->tool_name_(), "ZOOM_ZOOM");
}

TEST_F(panel_events, a_tool_word_saves_the_rows_under_the_tool_they_belong_to) {
  // The tool changed behind the command entry's back (the rows still show the line's): the next
  // word keeps the line's rows as the line's, and the rows' owner is the tool now current.
  for (const char* gui : {"0", "1"}) {
    SCOPED_TRACE(gui);
    open(gui);
    xcpanelbox_& p = panel();
    ASSERT_TRUE(mdi->gocmd_("line"));
    EXPECT_EQ(mdi->adraw_tool_, current_tool_key_(mdi->tool_name_()));
    p.textv_(1, "25");
    mdi->ds_.tool_name_ = "CIRCLE";
    ASSERT_TRUE(mdi->gocmd_("rectangle"));
    EXPECT_EQ(mdi->adraw_tool_, current_tool_key_(mdi->tool_name_()));
    ASSERT_TRUE(mdi->gocmd_("line"));
    EXPECT_EQ(p.textv_(1), "25");
    close();
  }
}
