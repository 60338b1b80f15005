// The layout file: its bytes, what is refused whole, what is repaired value by value, saving
// by replacement, and a classic layout saved and rebuilt into the same rectangles.
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "docktb_fixture.h"
#include "platform/core/file_io.h"

namespace {

namespace fs = std::filesystem;

int32_t get32(const std::string& b, size_t off) {
  int32_t v;
  std::memcpy(&v, b.data() + off, 4);
  return v;
}
int16_t get16(const std::string& b, size_t off) {
  int16_t v;
  std::memcpy(&v, b.data() + off, 2);
  return v;
}
void put32(std::string& b, size_t off, int32_t v) { std::memcpy(b.data() + off, &v, 4); }

constexpr size_t slot_rec(int32_t id) { return 8176 + size_t(id - 1) * 190; }
constexpr size_t window_rec(int32_t id) { return slot_rec(id) + 148; }

struct docktb_layout_file : docktb_host {
  fs::path dir;
  void SetUp() override {
    docktb_host::SetUp();
    dir = fs::temp_directory_path() / ("docktb_state_" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override {
    fs::remove_all(dir);
    docktb_host::TearDown();
  }
  std::string path() const { return (dir / "xtoolbars2_.ini").string(); }
  std::string saved_bytes() {
    tb_->state_save_(path());
    return read_file_bytes_(path()).value_or("");
  }
  int32_t two_buttons(dock_area_code_ a, int32_t x = -1, int32_t y = -1) {
    const int32_t t = tb_->add_toolbar_("two", a, 1, x, y);
    icon_button(t, "a" + std::to_string(t));
    icon_button(t, "b" + std::to_string(t), true);
    return t;
  }
};

TEST_F(docktb_layout_file, a_small_layout_is_written_field_by_field) {
  dock_all();
  const int32_t top = two_buttons(dock_top_);
  const int32_t fl = two_buttons(dock_floating_, 300, 200);
  tb_->show_toolbar_all_();
  tb_->update_(true, true);
  tb_->btn_visible_(fl, 2, false_);
  const std::string b = saved_bytes();
  ASSERT_EQ(b.size(), 20336u);
  EXPECT_EQ(get32(b, 0), 1);  // rows in use: top, bottom, left, right
  EXPECT_EQ(get32(b, 4), 0);
  EXPECT_EQ(get32(b, 12), 0);
  EXPECT_EQ(get32(b, 16), 0);   // top row 1: position, thickness
  EXPECT_EQ(get32(b, 20), 28);
  EXPECT_EQ(get32(b, 16 + 4 * 8 + 4), 0);  // top row 2
  const size_t s1 = slot_rec(top), w1 = window_rec(top);
  EXPECT_EQ(get32(b, s1), 2);
  EXPECT_EQ(get16(b, s1 + 4), -1);
  EXPECT_EQ(get16(b, s1 + 6), -1);
  EXPECT_EQ(get16(b, s1 + 8), 0);
  EXPECT_EQ(get32(b, s1 + 132), dock_top_);
  EXPECT_EQ(get32(b, s1 + 144), 1);
  const int32_t want_w1[] = {dock_top_, 1, 0, 0, 40, 14, 79, 28, top};
  for (size_t i = 0; i < 9; ++i) EXPECT_EQ(get32(b, w1 + 4 * i), want_w1[i]) << i;
  EXPECT_EQ(get32(b, w1 + 36), tb_->tool_window_(top)->handle_());
  EXPECT_EQ(get16(b, w1 + 40), 0);
  const size_t s2 = slot_rec(fl), w2 = window_rec(fl);
  EXPECT_EQ(get16(b, s2 + 6), 0);  // the hidden second slot
  EXPECT_EQ(get32(b, s2 + 132), 0);
  EXPECT_EQ(get32(b, s2 + 136), 300);
  EXPECT_EQ(get32(b, s2 + 140), 200);
  const int32_t want_w2[] = {0, 1, 300, 200, 316, 224, 31, 48, fl};  // the hidden slot takes no length
  for (size_t i = 0; i < 9; ++i) EXPECT_EQ(get32(b, w2 + 4 * i), want_w2[i]) << i;
  EXPECT_EQ(b.substr(slot_rec(3)), std::string(62 * 190, '\0'));
}

TEST_F(docktb_layout_file, a_tool_window_with_an_embedded_panel_is_saved_46_high) {
  dock_all();
  window_options_ o;
  o.kind = window_kind_::child;
  o.parent = main_.get();
  o.width = 300;
  o.height = 81;
  auto panel = create_window_(o);
  const int32_t t = tb_->add_toolbar_("panel", dock_bottom_);
  std::string k = "toolpanel", text;
  tb_->add_button_(t, k, text, 7, nullptr, false, "", false, false, 100, 0, 0, "", panel->handle_());
  tb_->show_toolbar_all_();
  ASSERT_EQ(rec(t).cy, 84);
  EXPECT_EQ(get32(saved_bytes(), window_rec(t) + 28), 46);
  EXPECT_EQ(rec(t).cy, 84);  // the live record keeps its height
}

TEST_F(docktb_layout_file, nothing_is_written_before_a_window_was_shown_or_after_the_reset) {
  dock_all();
  two_buttons(dock_top_);
  tb_->state_save_(path());
  EXPECT_FALSE(fs::exists(path()));
  tb_->show_toolbar_all_();
  std::ofstream(path()) << "old";
  tb_->state_disable_();
  tb_->state_save_(path());
  EXPECT_EQ(read_file_bytes_(path()).value_or(""), "old");
}

TEST_F(docktb_layout_file, saving_replaces_the_old_file_only_by_a_complete_one) {
  dock_all();
  two_buttons(dock_top_);
  tb_->show_toolbar_all_();
  std::ofstream(path()) << "old layout";
  tb_->state_save_(path());
  EXPECT_EQ(read_file_bytes_(path()).value_or("").size(), 20336u);
  // A folder that cannot be written keeps nothing half-done.
  const std::string missing = (dir / "no" / "xtoolbars2_.ini").string();
  tb_->state_save_(missing);
  EXPECT_FALSE(fs::exists(missing));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(docktb_layout_file, files_that_fail_the_checks_are_refused_whole) {
  const std::string zeros(20336, '\0');
  struct row {
    const char* what;
    std::string bytes;
  };
  auto with = [&](size_t off, int32_t v) {
    std::string b = zeros;
    put32(b, off, v);
    return b;
  };
  const row rows[] = {
      {"thickness 128 in the second entry", with(28, 128)},
      {"negative thickness", with(20, -1)},
      {"position 1024", with(16 + 8 * 1019, 1024)},
      {"256 rows in use on the left", with(8, 256)},
      {"negative rows in use", with(0, -1)},
      {"20,335 bytes", zeros.substr(1)},
      {"20,337 bytes", zeros + '\0'},
      {"empty", ""},
      {"all bytes set", std::string(20336, '\xFF')},
  };
  for (const row& r : rows) {
    xdocktb_ tb;
    tb.state_load_bytes_(r.bytes);
    EXPECT_EQ(tb.layout_loaded, 0) << r.what;
    EXPECT_EQ(tb.saved.toolbars[1].window.cx, 0) << r.what;  // the stores stay as they were
  }
  xdocktb_ tb;
  tb.state_load_bytes_(zeros);
  EXPECT_EQ(tb.layout_loaded, true_);
  tb.state_load_bytes_("");  // a later bad file keeps what was loaded
  EXPECT_EQ(tb.layout_loaded, true_);
  EXPECT_EQ(tb.saved.toolbars[1].window.cx, 16);
  xdocktb_ missing;
  missing.state_load_(path());
  EXPECT_EQ(missing.layout_loaded, 0);
}

TEST_F(docktb_layout_file, slot_values_out_of_range_are_repaired) {
  struct row {
    const char* what;
    size_t field;  // offset within the slot record
    int32_t value;
    int32_t dock, row, x, y, cx, cy;
  };
  // Every record starts as dock 1, row 2, x 10, y 20, cx 100, cy 30.
  const row rows[] = {
      {"dock 7", 132, 7, 0, 0, 10, 20, 100, 30},
      {"dock -1", 132, -1, 0, 0, 10, 20, 100, 30},
      {"row 0", 144, 0, 1, 1, 10, 20, 100, 30},
      {"row 300", 144, 300, 1, 1, 10, 20, 100, 30},
      {"x -20", 148 + 8, -20, 1, 2, 0, 20, 100, 30},
      {"x past 32767", 148 + 8, 2147483600, 1, 2, 32767, 20, 100, 30},
      {"y past 32767", 148 + 12, 40000, 1, 2, 10, 32767, 100, 30},
      {"cx 5", 148 + 24, 5, 1, 2, 10, 20, 16, 30},
      {"cx 5000", 148 + 24, 5000, 1, 2, 10, 20, 3000, 30},
      {"cy 2500", 148 + 28, 2500, 1, 2, 10, 20, 100, 2000},
      {"cy -7", 148 + 28, -7, 1, 2, 10, 20, 100, 16},
  };
  std::string b(20336, '\0');
  for (size_t i = 0; i < std::size(rows); ++i) {
    const size_t s = slot_rec(int32_t(i + 1));
    put32(b, s + 132, 1);
    put32(b, s + 144, 2);
    for (auto [off, v] : {std::pair{8, 10}, {12, 20}, {24, 100}, {28, 30}}) put32(b, s + 148 + size_t(off), v);
    put32(b, s + rows[i].field, rows[i].value);
  }
  xdocktb_ tb;
  tb.state_load_bytes_(b);
  ASSERT_EQ(tb.layout_loaded, true_);
  for (size_t i = 0; i < std::size(rows); ++i) {
    const row& r = rows[i];
    const toolbar_layout_slot_rec_& s = tb.saved.toolbars[i + 1];
    EXPECT_EQ(s.dock, r.dock) << r.what;
    EXPECT_EQ(s.row, r.row) << r.what;
    EXPECT_EQ(s.window.x, r.x) << r.what;
    EXPECT_EQ(s.window.y, r.y) << r.what;
    EXPECT_EQ(s.window.cx, r.cx) << r.what;
    EXPECT_EQ(s.window.cy, r.cy) << r.what;
    EXPECT_EQ(s.window.centre_x, int32_t(std::nearbyint(r.x + r.cx / 2.0))) << r.what;
    EXPECT_EQ(s.window.centre_y, int32_t(std::nearbyint(r.y + r.cy / 2.0))) << r.what;
  }
}

// ---- A classic layout: saved, rebuilt from the file, and hostile files meeting the defaults.

struct docktb_classic_layout : docktb_layout_file {
  std::unique_ptr<window_> panel;
  int32_t std_tb = 0;

  void SetUp() override {
    docktb_layout_file::SetUp();
    window_options_ o;
    o.kind = window_kind_::child;
    o.parent = main_.get();
    o.width = 301;
    o.height = 43;  // docked 46 high, as the file keeps it
    panel = create_window_(o);
  }
  void TearDown() override {
    tb_.reset();
    panel.reset();
    docktb_layout_file::TearDown();
  }

  // What the interface construction does: the file first, then the tool windows.
  void build(const std::string* file_bytes = nullptr) {
    tb_ = std::make_unique<xdocktb_>();
    tb_->ResizeDocks = [this] { stretch(); };
    if (file_bytes) tb_->state_load_bytes_(*file_bytes);
    dock_all();
    const int32_t menu = tb_->add_toolbar_("Menu", dock_top_, 1, -1, -1, true, 1);
    for (const char* title : {"File", "Edit", "View"}) {
      std::string k = title, text = title;
      const int32_t b = tb_->add_button_(menu, k, text, 5);
      tb_->add_menu_(b, std::string(title) + "1", "First", "Ctrl+1");
      tb_->add_menu_(b, std::string(title) + "2", "-");
    }
    std_tb = tb_->add_toolbar_("Standard", dock_top_, 2);
    for (const char* key : {"new", "open", "save"}) icon_button(std_tb, key, std::string(key) == "save");
    std::string k = "undo", text = "Undo";
    int32_t icon = 3;
    tb_->add_button_(std_tb, k, text, 2, &icon);
    const int32_t draw = tb_->add_toolbar_("Draw", dock_left_, 1, -1, -1, false, 2);
    for (const char* key : {"line", "arc", "circle", "text"}) icon_button(draw, key);
    const int32_t fl = tb_->add_toolbar_("Blocks", 0, 1, 420, 310, false, 0, true);
    icon_button(fl, "block");
    icon_button(fl, "explode");
    const int32_t cmd = tb_->add_toolbar_("Command", dock_bottom_, 1);
    std::string ck = "cmd", ct = "";
    tb_->add_button_(cmd, ck, ct, 6, nullptr, false, "", false, false, 250);
    std::string pk = "toolpanel", pt = "";
    tb_->add_button_(cmd, pk, pt, 7, nullptr, false, "", false, true, 100, 0, 0, "", panel->handle_());
    tb_->show_toolbar_all_();
    tb_->update_(true, true);
    stretch();
    tb_->resize_tools_(true);
    tb_->update_(false, true);
    stretch();
  }

  struct shot {
    std::vector<pixel_rect_> windows;
    std::vector<dock_window_rec_> records;
    dock_rows_rec_ rows;
    std::vector<pixel_rect_> areas;
    std::vector<flag16_> visible;
    friend bool operator==(const shot&, const shot&) = default;
  };
  shot take() {
    shot s;
    for (int32_t t = 1; t <= tb_->tbcount_(); ++t) {
      s.windows.push_back(tb_->tool_window_(t) ? tb_->tool_window_(t)->window_rect_() : pixel_rect_{});
      dock_window_rec_ r = rec(t);
      r.hwnd = 0;
      if (r.dock == 0) r.row = 0;  // a floating window's row means nothing; the file keeps 0
      s.records.push_back(r);
      for (int32_t i = 1; i <= tb_->toolbars[size_t(t)].slot_count; ++i) s.visible.push_back(tb_->btn_visible_(t, i));
    }
    s.rows = tb_->rows;
    for (int a = 1; a <= 4; ++a) s.areas.push_back(area_rect(a));
    return s;
  }
};

TEST_F(docktb_classic_layout, a_saved_layout_rebuilds_into_the_same_rectangles) {
  build();
  // The user's changes: a hidden button and the standard toolbar moved along its row.
  tb_->btn_visible_(std_tb, 2, false_);
  tb_->place_in_dock_(-1, dock_top_, std_tb, area_rect(1).left + 120, 0);
  tb_->update_(false, true);
  const shot before = take();
  ASSERT_EQ(before.records[size_t(std_tb - 1)].x, 120);
  ASSERT_EQ(before.records[4].cy, 46);
  const std::string bytes = saved_bytes();
  ASSERT_EQ(bytes.size(), 20336u);
  tb_.reset();
  build(&bytes);
  ASSERT_EQ(tb_->layout_loaded, true_);
  const shot after = take();
  EXPECT_EQ(after.windows, before.windows);
  EXPECT_EQ(after.records, before.records);
  EXPECT_EQ(after.rows.count, before.rows.count);
  EXPECT_EQ(after.rows.table, before.rows.table);
  EXPECT_EQ(after.areas, before.areas);
  EXPECT_EQ(after.visible, before.visible);
  EXPECT_EQ(panel->parent_(), tb_->tool_window_(5));
}

TEST_F(docktb_classic_layout, hostile_files_give_the_defaults_without_a_crash) {
  build();
  const shot defaults = take();
  const std::string good = saved_bytes();
  tb_.reset();
  auto with = [&](size_t off, int32_t v) {
    std::string b = good;
    put32(b, off, v);
    return b;
  };
  struct row {
    const char* what;
    std::string bytes;
  };
  const row refused[] = {
      {"empty", ""},
      {"one byte short", good.substr(0, good.size() - 1)},
      {"one byte long", good + 'x'},
      {"a header only", good.substr(0, 16)},
      {"rows in use 256", with(0, 256)},
      {"thickness 128", with(20, 128)},
      {"position -1", with(24, -1)},
      {"all bytes set", std::string(20336, '\xFF')},
      {"text", std::string("[toolbars]\r\ncount=5\r\n")},
  };
  for (const row& r : refused) {
    build(&r.bytes);
    EXPECT_EQ(tb_->layout_loaded, 0) << r.what;
    EXPECT_TRUE(take() == defaults) << r.what;
    tb_.reset();
  }
  // Accepted with repairs: whatever they say, the tool windows stay within the limits.
  std::string noise = good;
  uint32_t seed = 12345;
  for (size_t i = 8176; i < noise.size(); ++i) noise[i] = char((seed = seed * 1103515245u + 12345u) >> 24);
  const row repaired[] = {
      {"zeros", std::string(20336, '\0')},
      {"noise in the slot records", noise},
      {"far away", with(window_rec(4) + 8, 2147483647)},
      {"a docked window in row 255", with(slot_rec(2) + 144, 255)},
  };
  for (const row& r : repaired) {
    build(&r.bytes);
    EXPECT_EQ(tb_->layout_loaded, true_) << r.what;
    for (int32_t t = 1; t <= tb_->tbcount_(); ++t) {
      const dock_window_rec_& w = rec(t);
      EXPECT_TRUE(w.x >= 0 && w.x <= 32767 && w.y >= 0 && w.y <= 32767) << r.what << " " << t;
      EXPECT_GE(tb_->toolbars[size_t(t)].row, 0) << r.what;
      EXPECT_LE(tb_->toolbars[size_t(t)].row, 255) << r.what;
    }
    for (int32_t t = 1; t <= tb_->tbcount_(); ++t) tb_->tbvisible_(t, false_);
    tb_->update_(true, true);
    tb_.reset();
  }
}

}  // namespace
