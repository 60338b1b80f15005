#include "dialogs/library/library_window.h"

#include <filesystem>
#include <fstream>

#include "dialogs/text/dialog_fixture.h"
#include "shell/files.h"

// Fontconfig keeps its caches until exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

namespace {

struct library_test : dialog_fixture {
  void SetUp() override {
    dialog_fixture::SetUp();
    lib.file_new_(true_, "");
  }
  void TearDown() override {
    window.reset();
    dialog_fixture::TearDown();
  }
  // A library block of one circle, in a folder.
  int32_t make_block(const std::string& name, int32_t folder, bool hidden = false) {
    lib.select_clear_();
    const int32_t c = lib.add_circle_(0, 0, 5);
    lib.select_record_(c, -1);
    const int32_t b = lib.block_create_(name, 0, 0, hidden ? true_ : false_);
    lib.blocks_group_(b, folder);
    return b;
  }
  void open() {
    window = std::make_unique<ex_xlib_>(engine, lib, owner.get(),
                                        library_host_{[this] { ++view_repaints; },
                                                      [this](int32_t b) { placed_block = b; }, [] {}});
    window->show_();
    do_events_();
  }
  void select(int32_t kind, int32_t id) {
    window->tree.sel_kind = kind;
    window->tree.sel_id = id;
    window->ref_library_(true);
  }
  void click_row(const library_rect_& r, int32_t button = button_left_) {
    click_window(window->tree_(), r.left + 3, r.top + 5, button);
  }
  std::vector<std::string> temp_files() {
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(temp_folder_())) out.push_back(e.path().string());
    return out;
  }
  zaz_class_ lib;
  std::unique_ptr<ex_xlib_> window;
  int view_repaints = 0;
  int32_t placed_block = 0;
};

TEST_F(library_test, tree_lists_folders_their_content_then_loose_blocks_and_hit_tests_rows) {
  lib.libdir_add_("A", 0);       // 1
  lib.libdir_add_("B", 0);       // 2
  lib.libdir_add_("C", 1);       // 3, inside A
  const int32_t in_a = make_block("a1", 1);
  const int32_t loose = make_block("z", 0);
  make_block("hid", 1, true);
  open();
  window->tree.folder_open.assign(4, 0);
  window->tree.folder_open[1] = true_;
  window->ref_library_(true);
  const auto& f = window->tree.folder_rects;
  const auto& b = window->tree.block_rects;
  // A, then its sub-folder C and its listed block, then B, then the block without a folder.
  EXPECT_EQ(f[1].top, 0);
  EXPECT_EQ(f[1].left, 0);
  EXPECT_EQ(f[3].top, 24);
  EXPECT_EQ(f[3].left, 20);
  EXPECT_EQ(b[size_t(in_a)].top, 48);
  EXPECT_EQ(b[size_t(in_a)].left, 20);
  EXPECT_EQ(f[2].top, 72);
  EXPECT_EQ(b[size_t(loose)].top, 96);
  EXPECT_EQ(b[size_t(loose)].left, 0);
  EXPECT_EQ(b[3].right, 0);  // hidden: not drawn
  EXPECT_EQ(f[1].right, 7 + 35);
  // A's connector: every second pixel at x 10 from its row's bottom to the middle of its last row.
  dc_ probe(window->tree_().client_surface_());
  EXPECT_EQ(probe.get_pixel_(10, 24), 0x808080u);
  EXPECT_EQ(probe.get_pixel_(10, 25), 0xFFFFFFu);
  EXPECT_EQ(probe.get_pixel_(10, 60), 0x808080u);
  EXPECT_NE(probe.get_pixel_(10, 62), 0x808080u);

  struct probe_row {
    int32_t x, y, kind, id;
  };
  for (const probe_row& p : {probe_row{3, 3, 1, 1}, probe_row{25, 50, 0, in_a}, probe_row{3, 100, 0, loose},
                             probe_row{300, 100, 0, 0}, probe_row{3, 200, 0, 0}}) {
    const library_hit_ h = library_hit_test_(window->tree, p.x, p.y);
    EXPECT_EQ(h.kind, p.kind) << p.x << "," << p.y;
    EXPECT_EQ(h.id, p.id) << p.x << "," << p.y;
  }
}

TEST_F(library_test, clicks_open_folders_with_content_and_toggle_an_empty_one_on_the_second_click) {
  lib.libdir_add_("Full", 0);
  lib.libdir_add_("Empty", 0);
  make_block("b", 1);
  open();
  click_row(window->tree.folder_rects[1]);
  EXPECT_EQ(window->tree.sel_kind, 1);
  EXPECT_EQ(window->tree.sel_id, 1);
  EXPECT_EQ(window->tree.folder_open[1], true_);
  click_row(window->tree.folder_rects[1]);
  EXPECT_EQ(window->tree.folder_open[1], 0);
  click_row(window->tree.folder_rects[2]);
  EXPECT_EQ(window->tree.sel_id, 2);
  EXPECT_EQ(window->tree.folder_open[2], 0);
  click_row(window->tree.folder_rects[2]);
  EXPECT_EQ(window->tree.folder_open[2], true_);
  click_window(window->tree_(), 5, 300);  // below every row
  EXPECT_EQ(window->tree.sel_kind, 0);
  EXPECT_EQ(window->tree.sel_id, 0);
}

TEST_F(library_test, make_block_goes_into_the_selected_folder_with_the_rename_box_and_leaves_no_transfer_file) {
  lib.libdir_add_("One", 0);
  lib.libdir_add_("Two", 0);
  const int32_t c = engine.add_circle_(10, 10, 2);
  engine.select_record_(c, -1);
  open();
  select(1, 2);
  const int32_t steps = lib.state_active_();
  const auto files_before = temp_files();
  push_dialog_reply_({.kind = dialog_kind_::message_box, .answer = answer_yes_});
  click_centre(*window->iblock_->win_());
  ASSERT_EQ(lib.blocks_count_(), 1);
  EXPECT_EQ(lib.blocks_group_(1), 2);
  EXPECT_EQ(lib.blocks_name_(1), lang_text_("window.xlib.defblockname", "0"));
  EXPECT_EQ(window->tree.folder_open[2], true_);
  EXPECT_EQ(window->tree.sel_kind, 0);
  EXPECT_EQ(window->tree.sel_id, 1);
  EXPECT_TRUE(window->edit_->win_()->visible_());
  EXPECT_EQ(window->edit_->text(), lib.blocks_name_(1));
  EXPECT_EQ(lib.state_active_(), steps + 1);
  EXPECT_EQ(lib.file_change_(), true_);
  // The only new temporary file is the library's undo step.
  EXPECT_EQ(temp_files().size(), files_before.size() + 1);
  EXPECT_EQ(view_repaints, 1);

  // No: nothing at all.
  push_dialog_reply_({.kind = dialog_kind_::message_box, .answer = answer_no_});
  click_centre(*window->iblock_->win_());
  EXPECT_EQ(lib.blocks_count_(), 1);
  EXPECT_EQ(view_repaints, 1);
}

TEST_F(library_test, insert_adds_one_hidden_block_and_one_step_and_leaves_the_library_clean) {
  const int32_t b = make_block("lib", 0);
  lib.file_save_((settings_dir / "clean.zaz").string(), 1, 0);  // no unsaved changes
  open();
  select(0, b);
  const int32_t blocks = engine.blocks_count_();
  const int32_t steps = engine.state_active_();
  const auto files_before = temp_files();
  click_centre(*window->insert_->win_());
  ASSERT_EQ(engine.blocks_count_(), blocks + 1);
  EXPECT_EQ(engine.blocks_name_(blocks + 1), "0");
  EXPECT_EQ(engine.blocks_hidden_(blocks + 1), true_);
  EXPECT_EQ(placed_block, blocks + 1);
  EXPECT_EQ(engine.state_active_(), steps + 1);
  EXPECT_EQ(engine.state_name_(1), lang_text_("change.trn.paste"));
  EXPECT_EQ(engine.information_objects_exs_(), 0);  // the copies went into the hidden block
  EXPECT_EQ(lib.information_objects_exs_(), 0);
  EXPECT_EQ(lib.file_change_(), 0);
  EXPECT_EQ(temp_files().size(), files_before.size() + 1);  // the drawing's undo step only

  // Nothing selected: a beep and nothing else.
  beep_counter_ beeps;
  select(0, 0);
  click_centre(*window->insert_->win_());
  EXPECT_EQ(beeps.count, 1);
  EXPECT_EQ(engine.blocks_count_(), blocks + 1);
}

TEST_F(library_test, a_broken_file_is_refused_with_a_message_and_the_library_stays) {
  make_block("keep", 0);
  const std::string broken = (settings_dir / "broken.zaz").string();
  std::ofstream(broken) << "not a drawing at all";
  open();
  dialog_reply_ file;
  file.kind = dialog_kind_::open_file;
  file.text = broken;
  push_dialog_reply_(file);
  take_dialog_requests_();
  click_centre(*window->open_btn_->win_());
  const auto asked = take_dialog_requests_();
  ASSERT_EQ(asked.size(), 2u);  // no save question: nothing unsaved
  EXPECT_EQ(asked[1].text, lang_text_("message.cantopenfile", broken));
  EXPECT_EQ(lib.blocks_count_(), 1);
  EXPECT_EQ(lib.blocks_name_(1), "keep");
  EXPECT_EQ(window->window_of_().title_(), lang_text_("window.xlib.title"));
}

TEST_F(library_test, new_after_yes_goes_on_only_when_the_library_was_saved) {
  make_block("work", 0);
  lib.state_begin_();
  lib.state_save_("");
  ASSERT_EQ(lib.file_change_(), true_);
  open();
  push_dialog_reply_({.kind = dialog_kind_::message_box, .answer = answer_yes_});
  dialog_reply_ cancel;
  cancel.kind = dialog_kind_::save_file;
  cancel.cancel = true;
  push_dialog_reply_(cancel);
  click_centre(*window->new_->win_());
  EXPECT_EQ(lib.blocks_count_(), 1);
  EXPECT_EQ(lib.file_change_(), true_);

  // Yes with a name: saved, then the new library.
  const std::string path = (settings_dir / "Lib.zaz").string();
  push_dialog_reply_({.kind = dialog_kind_::message_box, .answer = answer_yes_});
  dialog_reply_ save;
  save.kind = dialog_kind_::save_file;
  save.text = path;
  push_dialog_reply_(save);
  click_centre(*window->new_->win_());
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(lib.blocks_count_(), 0);
  EXPECT_EQ(window->window_of_().title_(), lang_text_("window.xlib.title"));
  // The exit question finds nothing to ask now.
  take_dialog_requests_();
  EXPECT_TRUE(library_exit_question_(lib, owner.get()));
  EXPECT_TRUE(take_dialog_requests_().empty());
}

// Tree for the keys: folders 1 (top), 2 (in 1), 3 (top), 4 (in 1); blocks 1, 2 in folder 1,
// block 3 in no folder, block 4 in folder 3.
TEST_F(library_test, arrow_keys_follow_the_tree_rules) {
  lib.libdir_add_("F1", 0);
  lib.libdir_add_("F2", 1);
  lib.libdir_add_("F3", 0);
  lib.libdir_add_("F4", 1);
  make_block("b1", 1);
  make_block("b2", 1);
  make_block("b3", 0);
  make_block("b4", 3);
  open();
  struct row {
    int32_t kind, id;
    std::vector<int16_t> open;  // flags of folders 0..4
    int32_t key;
    int32_t want_kind, want_id;
    int16_t want_open_1;
  };
  const std::vector<int16_t> none{0, 0, 0, 0, 0}, one{0, -1, 0, 0, 0};
  const row rows[] = {
      {0, 2, one, key_up_, 0, 1, -1},     // up to the previous block of the folder
      {0, 1, one, key_up_, 1, 4, -1},     // first block: the folder's last sub-folder
      {0, 2, one, key_down_, 1, 3, -1},   // last block: the folder's next sibling
      {0, 3, none, key_down_, 0, 3, 0},   // last loose block stays
      {0, 1, one, key_left_, 1, 1, -1},   // block: its folder
      {0, 3, none, key_left_, 0, 0, 0},   // loose block: nothing
      {1, 1, one, key_left_, 1, 1, 0},    // open folder: closes it
      {1, 1, none, key_left_, 0, 0, 0},   // closed top-level folder: nothing
      {1, 2, one, key_left_, 1, 1, -1},   // closed folder: its parent
      {1, 1, one, key_down_, 1, 2, -1},   // open with sub-folders: the first one
      {1, 3, none, key_down_, 1, 1, 0},   // last closed top-level folder wraps to the first
      {1, 3, none, key_up_, 1, 1, 0},     // previous sibling, closed
      {1, 3, one, key_up_, 0, 2, -1},     // previous sibling open with blocks: its last block
      {1, 1, none, key_right_, 1, 1, -1}, // right opens
      {0, 0, none, key_down_, 0, 0, 0},   // nothing selected: nothing
  };
  for (const row& r : rows) {
    SCOPED_TRACE(std::to_string(r.kind) + "/" + std::to_string(r.id) + " key " + std::to_string(r.key));
    window->tree.folder_open = r.open;
    select(r.kind, r.id);
    focus(window->window_of_(), &window->tree_());
    key(r.key);
    EXPECT_EQ(window->tree.sel_kind, r.want_kind);
    EXPECT_EQ(window->tree.sel_id, r.want_id);
    EXPECT_EQ(window->tree.folder_open[1], r.want_open_1);
  }
}

TEST_F(library_test, left_closes_an_open_folder_then_selects_its_parent) {
  lib.libdir_add_("top", 0);
  lib.libdir_add_("inner", 1);
  make_block("b", 2);
  open();
  window->tree.folder_open = {0, -1, -1};
  select(1, 2);
  focus(window->window_of_(), &window->tree_());
  key(key_left_);
  EXPECT_EQ(window->tree.folder_open[2], 0);
  EXPECT_EQ(window->tree.sel_id, 2);
  key(key_left_);
  EXPECT_EQ(window->tree.sel_kind, 1);
  EXPECT_EQ(window->tree.sel_id, 1);
  EXPECT_EQ(window->tree.folder_open[1], true_);
}

TEST_F(library_test, selection_below_the_view_scrolls_into_it) {
  for (int i = 0; i < 30; ++i) make_block("b" + std::to_string(i), 0);
  open();
  select(0, 15);
  focus(window->window_of_(), &window->tree_());
  for (int i = 0; i < 10; ++i) key(key_down_);
  EXPECT_EQ(window->tree.sel_id, 25);
  const int32_t h = window->tree_().client_height_();
  EXPECT_EQ(window->tree.block_rects[25].bottom, h);
  for (int i = 0; i < 24; ++i) key(key_up_);
  EXPECT_EQ(window->tree.sel_id, 1);
  EXPECT_EQ(window->tree.block_rects[1].top, 0);
  EXPECT_EQ(window->scroll_->scrollcurrent_(), 0);
}

TEST_F(library_test, parent_cycles_and_deep_chains_from_a_file_paint_and_navigate) {
  lib.libdir_add_("cycle a", 0);    // 1
  lib.libdir_add_("cycle b", 0);    // 2
  lib.libdir_add_("self", 0);       // 3
  lib.libdir_add_("top", 0);        // 4
  lib.libdir_sub_(1, 2);
  lib.libdir_sub_(2, 1);
  lib.libdir_sub_(3, 3);
  int32_t parent = 4;
  for (int i = 0; i < 300; ++i) parent = lib.libdir_add_("deep", parent);
  const std::string path = (settings_dir / "cycle.zaz").string();
  ASSERT_EQ(lib.file_save_(path, 1, 0), true_);
  zaz_class_ read;
  ASSERT_EQ(read.file_open_(path), true_);
  ASSERT_EQ(read.libdir_sub_(1), 2);
  lib.file_open_(path);
  open();
  window->tree.folder_open.assign(size_t(lib.libdir_count_()) + 1, true_);
  window->ref_library_(true);
  EXPECT_EQ(window->tree.tree_calls, library_tree_call_limit_ + 1);
  EXPECT_EQ(window->tree.folder_rects[1].right, 0);  // a cycle is not reachable from the top
  select(1, 1);
  focus(window->window_of_(), &window->tree_());
  for (int32_t k : {key_down_, key_up_, key_left_, key_right_, key_down_, key_down_}) key(k);
  select(1, 300);
  for (int32_t k : {key_up_, key_left_, key_left_, key_down_}) key(k);
  SUCCEED();
}

TEST_F(library_test, popup_commands_rename_move_and_refuse_to_delete_a_full_folder) {
  lib.libdir_add_("Old", 0);
  const int32_t b = make_block("blk", 1);
  open();
  select(1, 1);
  window->tree.folder_open[1] = true_;
  window->xpop__PopupMenuClick("RENLIBDIR", 1);
  ASSERT_TRUE(window->edit_->win_()->visible_());
  focus(window->window_of_(), window->edit_->win_());
  type("New");
  inject_key_(key_type_::character, 0, 0, '\r');
  do_events_();
  EXPECT_EQ(lib.libdir_title_(1), "New");
  EXPECT_FALSE(window->edit_->win_()->visible_());

  take_dialog_requests_();
  window->xpop__PopupMenuClick("DELLIBDIR", 1);
  const auto asked = take_dialog_requests_();
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, lang_text_("window.xlib.cantdelfolder"));
  EXPECT_EQ(lib.libdir_count_(), 1);

  select(0, b);
  window->xpop__PopupMenuClick("LD0", 0);
  EXPECT_EQ(lib.blocks_group_(b), 0);
  select(1, 1);
  window->xpop__PopupMenuClick("DELLIBDIR", 1);
  EXPECT_EQ(lib.libdir_count_(), 0);
}

TEST_F(library_test, closing_saves_the_position_and_keeps_the_library) {
  make_block("stay", 0);
  open();
  window->window_of_().move_to_(123, 77);
  window->window_of_().close_();
  do_events_();
  EXPECT_FALSE(window->open_());
  EXPECT_EQ(lib.blocks_count_(), 1);
  window.reset();
  open();
  const pixel_rect_ r = window->window_of_().window_rect_();
  EXPECT_EQ(r.left, 123);
  EXPECT_EQ(r.top, 77);
  EXPECT_EQ(window->tree.sel_id, 0);
}

}  // namespace

namespace {

TEST_F(library_test, right_click_builds_the_popup_for_the_row_and_a_double_click_inserts) {
  lib.libdir_add_("F", 0);
  const int32_t b = make_block("blk", 0);
  open();
  click_row(window->tree.block_rects[size_t(b)], button_right_);
  EXPECT_EQ(window->tree.sel_id, b);
  std::vector<std::string> keys;
  for (int32_t i = 1; i <= window->xpop_->count(); ++i) keys.push_back(window->xpop_->item(i).key);
  EXPECT_EQ(keys, (std::vector<std::string>{"ADDLIBDIR", "-", "LD0", "LD1", "-", "RENBLCK", "DELBLCK"}));
  window->xpop_->hide_winex_();
  click_window(window->tree_(), 5, 300, button_right_);
  EXPECT_EQ(window->xpop_->count(), 1);
  window->xpop_->hide_winex_();

  const int32_t before = engine.blocks_count_();
  const library_rect_ r = window->tree.block_rects[size_t(b)];
  click_row(r);
  inject_mouse_at_(window->tree_(), mouse_type_::double_click, r.left + 3, r.top + 5, button_left_);
  do_events_();
  EXPECT_EQ(engine.blocks_count_(), before + 1);
  EXPECT_EQ(placed_block, before + 1);
}

TEST_F(library_test, the_program_keeps_one_window_at_a_time) {
  ex_xlib_& first = show_library_window_(engine, lib, owner.get());
  EXPECT_EQ(&show_library_window_(engine, lib, owner.get()), &first);
  first.unload_();
  ex_xlib_& second = show_library_window_(engine, lib, owner.get());
  EXPECT_TRUE(second.open_());
  release_library_window_();
}

}  // namespace
