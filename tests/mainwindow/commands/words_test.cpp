// The command words on a real engine: undo steps, pages and layers, the side panel, blocks,
// tools and dialogs.
#include <cmath>

#include "cmd_fixture.h"
#include "platform/services/printer.h"
#include "shell/language.h"
#include "ui/controls/docktb/xdocktb.h"
#include "ui/controls/ribbon/ribbon_control.h"

TEST_F(cmd_fixture, changing_words_make_one_step_with_their_label_even_with_nothing_selected) {
  open_window();
  const struct {
    const char* word;
    const char* key;
  } cases[] = {{"a2center", "change.arrange.a.vmin"}, {"a2d0v", "change.arrange.d.vrm"},
               {"a2maxh", "change.arrange.s.height"}, {"a2minv", "change.arrange.s.width"},
               {"a2d1h", "change.arrange.d.heq"},     {"c2ln", "change.trn.c2ln"},
               {"conv2pl", "change.trn.c2pl"},        {"c2pg", "change.trn.c2pl"},
               {"move2actlayer", "change.atr.layer"}, {"block.break", "change.block.break"},
               {"block.add", "change.block.create"},  {"layeradd", "change.layer.add"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.word);
    const int32_t before = eng().state_active_();
    EXPECT_TRUE(mdi->gocmd_(c.word));
    EXPECT_EQ(eng().state_active_(), before + 1);
    EXPECT_EQ(last_step(), lang_text_(c.key));
  }
  for (const char* w : {"cut", "delete"}) {
    const int32_t before = eng().state_active_();
    EXPECT_TRUE(mdi->gocmd_(w));
    EXPECT_EQ(eng().state_active_(), before) << w;
  }
}

TEST_F(cmd_fixture, delete_and_cut_take_the_selection_in_one_step_that_undo_restores) {
  open_window();
  for (int i = 0; i < 3; ++i) line(0, float(i), 10, float(i));
  eng().select_all_();
  EXPECT_TRUE(mdi->gocmd_("delete"));
  EXPECT_EQ(live_on_page(1), 0);
  EXPECT_EQ(last_step(), lang_text_("change.trn.delete"));
  EXPECT_TRUE(mdi->gocmd_("undo"));
  EXPECT_EQ(live_on_page(1), 3);
  eng().select_all_();
  EXPECT_TRUE(mdi->gocmd_("cut"));
  EXPECT_EQ(live_on_page(1), 0);
  EXPECT_EQ(last_step(), lang_text_("change.trn.delcut"));
  EXPECT_TRUE(mdi->gocmd_("pasteorg"));
  EXPECT_EQ(live_on_page(1), 3);
  EXPECT_EQ(eng().select_info_(), 3);
  EXPECT_EQ(last_step(), lang_text_("change.trn.paste"));
}

TEST_F(cmd_fixture, layer_delete_refuses_a_layer_in_use_and_names_an_empty_one) {
  open_window();
  EXPECT_TRUE(mdi->gocmd_("layerdel"));
  EXPECT_EQ(messages(), std::vector<std::string>{lang_text_("message.layerisalonecantremove")});
  for (int i = 0; i < 3; ++i) mdi->gocmd_("layeradd");
  ASSERT_EQ(eng().layers_count_(), 4);
  eng().layer_active_(2);
  eng().add_line_(0, 0, 1, 1, color_auto_, 0, 1, 2);
  const int32_t steps = eng().state_active_();
  EXPECT_TRUE(mdi->gocmd_("layerdel"));
  EXPECT_EQ(messages(), std::vector<std::string>{lang_text_("message.layernotemptycantremove")});
  eng().layer_active_(4);
  eng().layer_title_(4, "Roof");
  answer_box(answer_no_);
  EXPECT_TRUE(mdi->gocmd_("layerdel"));
  EXPECT_EQ(messages(), std::vector<std::string>{lang_text_("message.removelayerquestion", "'4 - Roof'")});
  EXPECT_EQ(eng().layers_count_(), 4);
  EXPECT_EQ(eng().state_active_(), steps);
  answer_box(answer_yes_);
  EXPECT_TRUE(mdi->gocmd_("layerdel"));
  EXPECT_EQ(eng().layers_count_(), 3);
  EXPECT_EQ(last_step(), lang_text_("change.layer.del"));
}

TEST_F(cmd_fixture, page_orientation_swaps_sides_only_when_needed) {
  open_window();
  const struct {
    const char* word;
    float w, h, w2, h2;
  } cases[] = {{"pagev", 500, 300, 300, 500}, {"pageh", 300, 500, 500, 300}, {"pageh", 500, 300, 500, 300},
               {"pagev", 200, 200, 200, 200}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.word);
    eng().page_width_(1, c.w);
    eng().page_height_(1, c.h);
    const int32_t steps = eng().state_active_();
    EXPECT_TRUE(mdi->gocmd_(c.word));
    EXPECT_EQ(eng().page_width_(1), c.w2);
    EXPECT_EQ(eng().page_height_(1), c.h2);
    EXPECT_EQ(eng().state_active_(), steps);
  }
  if (printer_names_().empty()) {
    EXPECT_TRUE(mdi->gocmd_("getps1"));
    EXPECT_EQ(eng().page_width_(1), 297.0f);
    EXPECT_EQ(eng().page_height_(1), 210.0f);
  }
}

TEST_F(cmd_fixture, pages_are_added_as_one_step_up_to_the_limit) {
  open_window();
  EXPECT_TRUE(mdi->gocmd_("pagedel"));
  EXPECT_EQ(messages(), std::vector<std::string>{lang_text_("message.pageisalonecantremove")});
  EXPECT_TRUE(mdi->gocmd_("pageadd"));
  EXPECT_EQ(eng().pages_count_(), 2);
  EXPECT_EQ(eng().page_active_(), 2);
  EXPECT_EQ(eng().layers_count_(), 1);
  EXPECT_EQ(eng().page_width_(2), 297.0f);
  EXPECT_EQ(last_step(), lang_text_("change.page.add"));
  EXPECT_TRUE(mdi->gocmd_("undo"));
  EXPECT_EQ(eng().pages_count_(), 1);
  while (eng().pages_count_() < 255) eng().page_add_("p", 100, 100);
  const int32_t steps = eng().state_active_();
  EXPECT_TRUE(mdi->gocmd_("pageadd"));
  EXPECT_EQ(eng().pages_count_(), 255);
  EXPECT_EQ(eng().state_active_(), steps);
  EXPECT_EQ(messages(), std::vector<std::string>{lang_text_("message.toomanypages", "255")});
}

TEST_F(cmd_fixture, side_panel_words_switch_between_blocks_list_editor_and_nothing) {
  open_window();
  xribbon_& r = mdi->ribbon()->model();
  const int32_t tb = r.add_toolbar_(1, "PANELS", "Panels");
  for (const char* k : {"BLOCK_SHOW", "EDIT1_SHOW", "EDIT2_SHOW", "EDIT3_SHOW", "EDIT4_SHOW", "EDIT5_SHOW"})
    r.add_button_(tb, k, k);
  const struct {
    const char* word;
    int32_t mode;
  } steps[] = {{"blocks", 1}, {"edit", 2}, {"edit", 0}, {"blocks", 1}, {"blocks", 0}};
  for (const auto& s : steps) {
    SCOPED_TRACE(s.word);
    EXPECT_TRUE(mdi->gocmd_(s.word));
    EXPECT_EQ(mdi->side_panel_mode_, s.mode);
    EXPECT_EQ(mdi->panel2().visible_(), s.mode != 0);
    EXPECT_EQ(r.buttonchecked_("BLOCK_SHOW"), to_flag_(s.mode == 1));
    EXPECT_EQ(r.buttonchecked_("EDIT1_SHOW"), to_flag_(s.mode == 2));
    EXPECT_EQ(r.buttonchecked_("EDIT5_SHOW"), to_flag_(s.mode == 2));
  }
}

TEST_F(cmd_fixture, block_conv_puts_one_selected_insert_at_the_centre_of_the_selection) {
  open_window();
  line(0, 0, 10, 0);
  line(0, 4, 10, 4);
  eng().select_all_();
  EXPECT_TRUE(mdi->gocmd_("block.conv"));
  EXPECT_EQ(last_step(), lang_text_("change.block.convert"));
  EXPECT_EQ(eng().blocks_count_(), 1);
  ASSERT_EQ(live_on_page(1), 1);
  EXPECT_EQ(eng().select_info_(), 1);
  const int32_t rec = eng().store.counts[0];
  const object_rec_& o = eng().object_(rec);
  ASSERT_EQ(o.type, ot_block_insert_);
  EXPECT_TRUE(is_set_(o.selected));
  const block_insert_rec_& b = eng().store.live.block_inserts[size_t(o.index)];
  EXPECT_EQ(b.x, 5.0f);
  EXPECT_EQ(b.y, 2.0f);
  EXPECT_EQ(b.sx, 1.0f);
  EXPECT_EQ(b.block, 1);

  // "block.add" keeps the objects, deselected, and names the block after the count.
  eng().select_all_();
  EXPECT_TRUE(mdi->gocmd_("block.add"));
  EXPECT_EQ(eng().blocks_count_(), 2);
  EXPECT_EQ(eng().blocks_name_(2), lang_text_("adraw.block") + " 2");
  EXPECT_EQ(live_on_page(1), 1);
  EXPECT_EQ(eng().select_info_(), 0);
  // "block" makes the insert tool current but is not handled.
  EXPECT_FALSE(mdi->gocmd_("block"));
  EXPECT_EQ(mdi->tool_name_(), "BLOCK");
}

TEST_F(cmd_fixture, shared_ribbon_buttons_show_and_repeat_the_variant_chosen_last) {
  open_window();
  xribbon_& r = mdi->ribbon()->model();
  const int32_t tb = r.add_toolbar_(2, "TRANSFORM", "Shared");
  r.add_button_(tb, "CIRCLE", "Circle");
  r.add_button_(tb, "ARRAY", "Array");
  mdi->gui_fields_.tool_icon_circle_3p_ = 7;
  EXPECT_TRUE(mdi->gocmd_("circle3p"));
  EXPECT_EQ(mdi->tool_name_(), "CIRCLE.3P");
  EXPECT_EQ(r.buttonkey2_("CIRCLE"), "CIRCLE.3P");
  EXPECT_EQ(r.buttontext_("CIRCLE"), lang_text_("mdi.tool.draw.drawing.circle.3p"));
  EXPECT_EQ(r.buttonchecked_("CIRCLE"), true_);
  EXPECT_EQ(r.controls[size_t(r.btnkey2id_("CIRCLE"))].icon, 7);
  EXPECT_TRUE(mdi->gocmd_("arrc"));
  EXPECT_EQ(r.buttonchecked_("CIRCLE"), false_);
  EXPECT_EQ(r.buttonkey2_("ARRAY"), "ARRAY.CIRC");
  EXPECT_EQ(r.buttontext_("ARRAY"), lang_text_("mdi.tool.draw.transform.array"));
  for (const char* w : {"dim", "dimf"}) {
    EXPECT_TRUE(mdi->gocmd_(w));
    EXPECT_EQ(mdi->tool_name_(), "DIM.F");
  }
}

TEST_F(cmd_fixture, image_without_a_chosen_file_keeps_the_tool_and_skips_the_tail) {
  open_window("1");
  EXPECT_TRUE(mdi->gocmd_("line"));
  mdi->ds_tn_(2);
  answer_file(dialog_kind_::open_file, "");
  EXPECT_TRUE(mdi->gocmd_("image"));
  EXPECT_EQ(mdi->tool_name_(), "LINE");
  EXPECT_EQ(mdi->ds_tn_(), 2);  // the classic tail would have reset the step
  ASSERT_EQ(take_dialog_requests_().size(), 1u);
}

TEST_F(cmd_fixture, dialog_words_open_their_dialog_and_the_library_and_options_skip_the_tail) {
  open_window("1");
  const struct {
    const char* word;
    const char* dialog;
    bool tail;
  } cases[] = {{"pages", dlg_pages_, true},         {"layers", dlg_layers_, true},
               {"dimstyles", dlg_dimstyles_, true}, {"selectex", dlg_select_filter_, true},
               {"printp", dlg_print_, true},        {"printlw", dlg_line_width_, true},
               {"printerset", dlg_printer_setup_, true}, {"drawprop", dlg_drawing_props_, true},
               {"about", dlg_about_, true},         {"xlib", dlg_library_, false},
               {"options", dlg_options_, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.word);
    mdi->ds_tn_(3);
    EXPECT_TRUE(mdi->gocmd_(c.word));
    EXPECT_EQ(dialog_names(), std::vector<std::string>{c.dialog});
    EXPECT_EQ(mdi->ds_tn_(), c.tail ? 0 : 3);
  }
}

TEST_F(cmd_fixture, view_switches_toggle_the_active_page_only) {
  open_window();
  const flag16_ grid1 = eng().view_gridvisible_();
  mdi->gocmd_("pageadd");
  const flag16_ grid2 = eng().view_gridvisible_();
  EXPECT_TRUE(mdi->gocmd_("grid"));
  EXPECT_NE(eng().view_gridvisible_(), grid2);
  const flag16_ ortho = eng().view_snap2ang45_();
  EXPECT_TRUE(mdi->gocmd_("ortho"));
  EXPECT_NE(eng().view_snap2ang45_(), ortho);
  eng().page_active_(1);
  EXPECT_EQ(eng().view_gridvisible_(), grid1);
  const flag16_ nodes = eng().points_on_();
  EXPECT_FALSE(mdi->gocmd_("cncpoints"));
  EXPECT_NE(eng().points_on_(), nodes);
  EXPECT_FALSE(mdi->gocmd_("poff"));
  EXPECT_EQ(eng().points_on_(), false_);
}

TEST_F(cmd_fixture, point_undo_steps_back_and_drops_the_last_vertex_apart) {
  open_window();
  const struct {
    int32_t step, vertices, step_after, vertices_after;
  } cases[] = {{3, 3, 2, 2}, {0, 2, 0, 1}, {0, 0, 0, 0}};
  for (const auto& c : cases) {
    while (eng().vertex_count_(false_) > 0) eng().vertex_delete_(1);
    for (int i = 0; i < c.vertices; ++i) eng().vertex_add_(float(i), 0);
    mdi->ds_tn_(c.step);
    EXPECT_FALSE(mdi->gocmd_("pu"));
    EXPECT_EQ(mdi->ds_tn_(), c.step_after);
    EXPECT_EQ(eng().vertex_count_(false_), c.vertices_after);
  }
}

TEST_F(cmd_fixture, select_and_page_move_end_the_running_tool_and_release_its_buttons) {
  open_window();
  xribbon_& r = mdi->ribbon()->model();
  ASSERT_TRUE(mdi->gocmd_("line"));
  ASSERT_EQ(r.buttonchecked_("LINE"), true_);
  mdi->ds_tn_(1);
  EXPECT_TRUE(mdi->gocmd_("pamove"));
  EXPECT_EQ(mdi->tool_name_(), "PRINTING.PAGEMOVE");
  EXPECT_EQ(r.buttonchecked_("LINE"), false_);
  EXPECT_TRUE(mdi->gocmd_("cancel"));
  EXPECT_EQ(mdi->tool_name_(), "PRINTING.PAGEMOVE");
  EXPECT_TRUE(mdi->gocmd_("select"));
  EXPECT_EQ(mdi->tool_name_(), "SELECT");
  EXPECT_EQ(mdi->ds_tn_(), 0);
}

TEST_F(cmd_fixture, classic_shared_buttons_follow_the_drawing_variant) {
  open_window("1");
  xdocktb_& d = *mdi->docktb();
  std::string key = "ARC", text = "Arc";
  int32_t ico = 0;
  d.add_button_(1, key, text, 1, &ico, true, "", false, false, 100, 0, 0, "arc");
  const int32_t id = d.key2id_("ARC");
  ASSERT_GE(id, 1);
  mdi->gui_fields_.tool_icon_arc_2p_ = 9;
  EXPECT_TRUE(mdi->gocmd_("arc2p"));
  EXPECT_EQ(mdi->tool_name_(), "ARC.2P");
  EXPECT_EQ(d.button_key2_(id), "ARC.2P");
  EXPECT_EQ(d.button_ico_(id), 9);
}

TEST_F(cmd_fixture, a_real_dialog_opens_modally_over_the_main_window) {
  open_window();
  mdi->dialogs_.clear_scripts_();
  mdi->dialogs_.real_in_scripts_ = true;
  bool seen = false;
  // Closes the modal window once its own loop runs; gives up after many passes.
  std::function<void(int)> when_modal = [&](int tries) {
    post_task_([&, tries] {
      window_* w = active_window_();
      if (w && w != &mdi->form() && w->is_modal_()) {
        seen = true;
        w->hide_();
      } else if (tries > 0) {
        when_modal(tries - 1);
      }
    });
  };
  when_modal(2000);
  EXPECT_TRUE(mdi->gocmd_("about"));
  EXPECT_TRUE(seen);
  EXPECT_EQ(dialog_names(), std::vector<std::string>{dlg_about_});
}
