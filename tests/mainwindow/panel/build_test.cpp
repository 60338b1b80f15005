// The tool panel as the main window builds it: its groups in each interface, the attribute
// items and lists, the view buttons, and how the property editor shows special values.
#include "engine/zaz_class.h"
#include "mainwindow/panel/attr_lists.h"
#include "panel_fixture.h"
#include "shell/language.h"

// Fontconfig keeps its caches until exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

using panel_build = panel_fixture;

TEST_F(panel_build, ribbon_has_rows_attributes_and_view_buttons_in_order) {
  open("0");
  xcpanelbox_& p = panel();
  EXPECT_EQ(group_keys(), (std::vector<std::string>{"ADRAW", "ATTRS", "ZOOM"}));
  EXPECT_EQ(p.group_(1).title, lang_text_("adraw.title"));
  EXPECT_EQ(p.group_(3).title, lang_text_("zoomtb.title"));

  // Eight attribute items in 40-pixel bands: a label, its list 15 pixels lower.
  const char* keys[] = {"LABEL_1", "AT_DCOLOR", "LABEL_2", "AT_FCOLOR", "LABEL_3", "AT_STYLE", "LABEL_4", "AT_WIDTH"};
  for (int32_t i = 0; i < 8; ++i) {
    const int32_t id = p.key2id_(keys[i]);
    ASSERT_GE(id, 1) << keys[i];
    const panel_item_rec_& it = p.item_(id);
    EXPECT_EQ(p.id2group_(id), "ATTRS");
    EXPECT_EQ(it.kind, i % 2 ? panel_combo_ : panel_label_) << keys[i];
    EXPECT_EQ(it.py, (i / 2) * 40 + (i % 2) * 15) << keys[i];
    EXPECT_EQ(it.px * 1000 + it.sx * 10 + it.sy, 5 * 1000 + 1050 + 22) << keys[i];
    EXPECT_EQ(it.nosave, true_) << keys[i];
  }
  EXPECT_EQ(p.item_(p.key2id_("AT_STYLE")).tooltip, lang_text_("attributes.style.tip"));

  const char* zoom[] = {"ZOOM_MOVE", "ZOOM_ZOOM", "ZOOM_AREA", "ZOOM_ALL"};
  for (int32_t i = 0; i < 4; ++i) {
    const panel_item_rec_& it = p.item_(p.key2id_(zoom[i]));
    EXPECT_EQ(it.px, 25 * i) << zoom[i];
    EXPECT_EQ(it.sx * 100 + it.sy, 2525) << zoom[i];
    EXPECT_GT(it.icon, 0) << zoom[i];
  }

  // The rows stay the panel's first items after a tool switch.
  ASSERT_TRUE(mdi->gocmd_("line"));
  EXPECT_EQ(p.id2key_(1), "AD_LENGTH");
  EXPECT_EQ(p.id2key_(3), "AD_MLINE");
  EXPECT_EQ(p.id2group_(4), "ATTRS");
}

TEST_F(panel_build, lists_hold_their_items_in_order) {
  open("0");
  xcpanelbox_& p = panel();
  auto rows_of = [&](const std::string& combo) {
    std::vector<std::string> keys;
    for (int32_t i = 1; i < int32_t(p.combo_count_()) + 1; ++i)
      if (p.list_item_(i).owner_key == combo) keys.push_back(p.list_item_(i).key);
    return keys;
  };
  const std::vector<std::string> fill = rows_of("AT_FCOLOR");
  ASSERT_EQ(fill.size(), 14u);
  EXPECT_EQ(fill[0], "FC.EMPTY");
  EXPECT_EQ(fill[1], "-");
  EXPECT_EQ(fill[13], "FC.RGB");
  const std::vector<std::string> draw = rows_of("AT_DCOLOR");
  ASSERT_EQ(draw.size(), 12u);
  EXPECT_EQ(draw[0], "DC.BYLAYER");
  EXPECT_EQ(std::count(draw.begin(), draw.end(), "-"), 0);
  EXPECT_EQ(rows_of("AT_STYLE"), (std::vector<std::string>{"ST.BYLAYER", "ST.BYBLOCK", "ST.0", "ST.1", "ST.2",
                                                          "ST.3", "ST.4"}));
  EXPECT_EQ(rows_of("AT_WIDTH").back(), "WI.5");
  // Palette rows carry their colour and no icon; icon rows the other way round.
  for (int32_t i = 1; i <= p.combo_count_(); ++i) {
    const panel_list_item_rec_& r = p.list_item_(i);
    if (r.key == "DC.ORANGE") {
      EXPECT_EQ(r.colour, 0x0096FF);
      EXPECT_LE(r.icon, 0);
    }
    if (r.key == "WI.3") {
      EXPECT_EQ(r.icon, mdi->width_icons_[3 + 5]);
    }
  }
  EXPECT_GT(mdi->width_icons_[3 + 5], 0);
  EXPECT_GT(mdi->style_icons_[-4 + 5], 0);
}

TEST_F(panel_build, classic_holds_only_the_rows_group_and_still_registers_editor_values) {
  open("1");
  xcpanelbox_& p = panel();
  EXPECT_EQ(group_keys(), std::vector<std::string>{"ADRAW"});
  EXPECT_EQ(p.group_(1).title, "");
  EXPECT_EQ(p.key2id_("AT_DCOLOR"), 0);
  EXPECT_EQ(p.key2id_("ZOOM_MOVE"), 0);
  EXPECT_EQ(engine->edit_s_c_gettxt_(-5), lang_text_("color.none"));
  EXPECT_EQ(engine->edit_s_c_getico_(-5), mdi->icon_none_);
  EXPECT_EQ(engine->edit_s_c_gettxt_(-3), lang_text_("color.byblock"));
  EXPECT_EQ(engine->edit_stl_gettxt_(3), lang_text_("style.dashdot"));
  EXPECT_EQ(engine->edit_wid_gettxt_(-4), lang_text_("width.bylayer"));
  // With the icons the classic toolbars loaded, and the arrows the engine was given.
  for (int32_t code : {-4, -3, 0, 4}) {
    EXPECT_GT(engine->edit_stl_getico_(code), 0) << code;
    EXPECT_EQ(engine->edit_stl_getico_(code), mdi->style_icons_[size_t(code + 5)]) << code;
  }
  for (int32_t code : {-4, -3, 1, 5}) {
    EXPECT_GT(engine->edit_wid_getico_(code), 0) << code;
    EXPECT_EQ(engine->edit_wid_getico_(code), mdi->width_icons_[size_t(code + 5)]) << code;
  }
  EXPECT_EQ(engine->grid.arrow1[3], mdi->arrow1_icons_[3]);
  EXPECT_GT(engine->grid.arrow2[19], 0);
  // The rows of a tool show in the classic panel as well.
  ASSERT_TRUE(mdi->gocmd_("circle"));
  EXPECT_EQ(p.id2key_(1), "AD_RADIUS");
}

TEST_F(panel_build, ribbon_registers_the_list_icons_with_the_property_editor) {
  open("0");
  EXPECT_EQ(engine->edit_s_c_getico_(-1), mdi->icon_auto_);
  EXPECT_EQ(engine->edit_stl_getico_(0), mdi->style_icons_[0 + 5]);
  EXPECT_EQ(engine->edit_wid_getico_(5), mdi->width_icons_[5 + 5]);
  EXPECT_EQ(engine->edit_wid_gettxt_(5), lang_text_("width.5"));
}

TEST(attr_pick, every_list_key_gives_its_code_and_separators_none) {
  struct row {
    const char* key;
    int32_t list, code;
  };
  const row rows[] = {{"DC.RED", attr_dcolor_list_, 255},      {"DC.BLUE", attr_dcolor_list_, 0xFF0000},
                      {"FC.EMPTY", attr_fcolor_list_, -2},      {"FC.AUTO", attr_fcolor_list_, -1},
                      {"DC.AUTO", attr_dcolor_list_, -1},       {"FC.SEA", attr_fcolor_list_, 0xFFC800},
                      {"ST.BYBLOCK", attr_style_list_, -3},     {"ST.4", attr_style_list_, 4},
                      {"WI.1", attr_width_list_, 1},            {"WI.BYLAYER", attr_width_list_, -4},
                      {"FC.RGB", attr_fcolor_list_, attr_ask_colour_}};
  for (const row& r : rows) {
    int32_t list = -1, code = 0;
    ASSERT_TRUE(attr_pick_(r.key, list, code)) << r.key;
    EXPECT_EQ(list, r.list) << r.key;
    EXPECT_EQ(code, r.code) << r.key;
  }
  int32_t list = -1, code = 0;
  EXPECT_FALSE(attr_pick_("-", list, code));
  EXPECT_FALSE(attr_pick_("WI.0", list, code));
  EXPECT_FALSE(attr_pick_("dc.red", list, code));
}
