// Everything both builders add: texts in both languages, icons, and what the main window does
// with every key.
#include <set>
#include <string>
#include <vector>

#include "../mdi_fixture.h"
#include "interface_fixture.h"
#include "mainwindow/interface/command_words.h"
#include "mainwindow/interface/dock_rows.h"
#include "mainwindow/interface/ribbon_rows.h"
#include "shell/icons.h"
#include "support/missing_texts.h"

// Qt's font lookup (and, on a real display, its session bus) leave allocations behind at exit.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libdbus-1.so\n"; }

namespace {

// Icon loads the rows ask for: a group loads one icon per button.
int32_t ribbon_loads() {
  int32_t n = 0;
  for (const auto& m : ribbon_main_rows_()) n += *m.icon ? 1 : 0;
  for (const auto& q : ribbon_quick_rows_()) n += (*q.small || *q.large) ? 1 : 0;
  for (const auto& r : ribbon_rows_()) {
    if (r.kind == ribbon_row_kind_::variant) ++n;
    if (r.kind == ribbon_row_kind_::button && !r.icon_field && !r.shared_print_icon) ++n;
    if (r.kind == ribbon_row_kind_::group) n += int32_t(std::string(r.letters).size());
  }
  return n;
}

int32_t dock_loads() {
  int32_t n = 4;  // the shared attribute icons
  for (const auto& r : dock_rows_()) {
    if (r.kind == dock_row_kind_::variant) ++n;
    else if (!r.icon_field && r.shared_attr == attr_icon_none_ && (*r.small || *r.large)) ++n;
  }
  return n;
}

// Every entry from first on holds both pictures.
void expect_entries_loaded(int32_t first) {
  for (int32_t id = first; id <= icon_table_upper_(); ++id) {
    const icon_entry_rec_* e = icon_entry_(id);
    ASSERT_NE(e, nullptr);
    EXPECT_FALSE(e->small_picture.empty_()) << id;
    EXPECT_FALSE(e->large_picture.empty_()) << id;
  }
}

}  // namespace

class interface_table : public interface_host {};

TEST_F(interface_table, every_text_exists_in_both_languages) {
  for (const char* file : {"program_en.lang", "program_pl.lang"}) {
    ASSERT_TRUE(load_language_(file));
    missing_texts_recorder texts;
    make_ribbon();
    make_classic(::testing::TempDir() + "no_layout_here.ini");
    tb.reset();
    rc.reset();
    panel.reset();
    SCOPED_TRACE(file);
  }
}

TEST_F(interface_table, every_icon_loads) {
  const int32_t before = icon_table_upper_();
  make_ribbon();
  EXPECT_EQ(icon_table_upper_() - std::max(before, 1), ribbon_loads() + 1);  // with the print icon
  expect_entries_loaded(std::max(before, 1) + 1);
  for (int32_t i = 1; i <= rc->model().control_count; ++i) {
    const auto& c = rc->model().controls[size_t(i)];
    if (c.type != ribbon_combo_ && c.type != ribbon_separator_) {
      EXPECT_GT(c.icon, 0) << c.key;
    }
  }
  const int32_t mid = icon_table_upper_();
  make_classic(::testing::TempDir() + "no_layout_here.ini");
  EXPECT_EQ(icon_table_upper_() - mid, dock_loads());
  expect_entries_loaded(mid + 1);
}

TEST_F(interface_table, every_key_has_its_command_word_or_own_action) {
  // The keys that raise no event the main window acts on: drop-down buttons and combos open
  // their lists, tabs switch themselves, menu titles and parent items open their menus, the
  // list buttons open their lists, and the quick-access program icon and separator do nothing.
  const std::set<std::string> without = {
      // ribbon
      "+", "|", "STD", "DRAW", "DIM", "VIEW", "ARRANGE", "PASTESPECIAL", "PRINTING.PAGESIZE", "PRINTING.PAGEORIENT",
      "PAGE_SEL", "PAGE_SEL_EX", "DIMSTYLES_LIST", "LAYERS_LIST",
      // classic
      "FILE", "EDIT", "VIEW", "DRAW", "TRANS", "DESIGN", "TOOLS", "HELP", "COLOR1", "COLOR2", "LSTYLE", "LWIDTH",
      "PAGE", "LAYER", "ADRAW", "SELECT", "INSERT", "MPOINT", "ARC", "CIRCLE", "DIM", "ARRAY", "ARRANGE", "ORDER",
      "TOOLBARS", "PRINTAREA.SIZE", "PRINTAREA.ORNT", "TOOLS.MES", "TABS"};
  std::set<std::string> unanswered;
  auto check = [&](command_event_ e, const std::string& key, int16_t pos = 0) {
    if (key == "-" || key == "_") return;
    if (!command_word_(e, key, pos).empty() || own_action_(e, key)) return;
    unanswered.insert(key);
  };
  for (const auto& m : ribbon_main_rows_()) check(command_event_::main_menu, m.key);
  for (const auto& q : ribbon_quick_rows_()) check(command_event_::quick_button, q.key);
  for (const auto& r : ribbon_rows_()) {
    switch (r.kind) {
      case ribbon_row_kind_::tab: check(command_event_::ribbon_button, r.key); break;
      case ribbon_row_kind_::toolbar:
        if (r.type == 1) check(command_event_::ribbon_corner, r.key);
        break;
      case ribbon_row_kind_::button:
        if (r.type == 2) unanswered.insert(r.key);  // the whole face opens the drop-down
        else check(command_event_::ribbon_button, *r.key2 ? r.key2 : r.key);
        break;
      case ribbon_row_kind_::group:
        for (int16_t p = 1; p <= int16_t(std::string(r.letters).size()); ++p)
          check(command_event_::ribbon_button, r.key, p);
        break;
      case ribbon_row_kind_::combo: unanswered.insert(r.key); break;
      case ribbon_row_kind_::item: check(command_event_::ribbon_item, r.key); break;
      default: break;
    }
  }
  const auto rows = dock_rows_();
  for (size_t i = 0; i < rows.size(); ++i) {
    const dock_row_& r = rows[i];
    const bool parent = i + 1 < rows.size() && rows[i + 1].kind == dock_row_kind_::subitem &&
                        r.kind == dock_row_kind_::item;
    if (r.kind == dock_row_kind_::button) {
      if (r.type == 1 || r.type == 3 || r.type == 6)
        check(command_event_::dock_button, *r.key2 ? r.key2 : r.key);
      else
        unanswered.insert(r.key);
    } else if (r.kind == dock_row_kind_::item || r.kind == dock_row_kind_::subitem) {
      if (parent) unanswered.insert(r.key);
      else check(command_event_::dock_item, r.key);
    }
  }
  EXPECT_EQ(unanswered, without);
  // Items the main window adds at run time.
  for (const char* k : {"PAGE_3", "PAGE_EX_12", "LAYER_1", "DSTYLE_2"})
    EXPECT_NE(own_action_(command_event_::ribbon_item, k), nullptr) << k;
  for (const char* k : {"TOOLBAR.16", "PAGE.3", "LAYER.2"})
    EXPECT_NE(own_action_(command_event_::dock_item, k), nullptr) << k;
  EXPECT_EQ(own_action_(command_event_::dock_item, "PAGE.X"), nullptr);
}

TEST_F(interface_table, mended_items_are_answered) {
  EXPECT_EQ(command_word_(command_event_::dock_item, "PASTE.SPC"), "pastestd");
  for (const char* k : {"REFRESH", "STATUSBAR", "DIMSTYLE.ADD", "DIMSTYLE.DEL"})
    EXPECT_NE(own_action_(command_event_::dock_item, k), nullptr) << k;
  EXPECT_EQ(own_action_(command_event_::dock_item, "TABS"), nullptr);
  EXPECT_TRUE(command_word_(command_event_::dock_item, "TABS").empty());
}

TEST(attribute_items, keys_stand_for_their_values) {
  struct case_ {
    const char* key;
    attribute_kind_ kind;
    int32_t value;
  };
  const case_ cases[] = {
      {"COLOR1.BYLAYER", attribute_kind_::draw_colour, -4}, {"COLOR2.EMPTY", attribute_kind_::fill_colour, -2},
      {"COLOR1.ORANGE", attribute_kind_::draw_colour, 38655}, {"COLOR2.SEA", attribute_kind_::fill_colour, 16762880},
      {"COLOR2.AUTO", attribute_kind_::fill_colour, -1},     {"LSTYLE.BYBLOCK", attribute_kind_::line_style, -3},
      {"LSTYLE.4", attribute_kind_::line_style, 4},           {"LWIDTH.1", attribute_kind_::line_width, 1},
      {"LWIDTH.5", attribute_kind_::line_width, 5},
  };
  for (const case_& c : cases) {
    attribute_kind_ kind;
    int32_t value = 99;
    ASSERT_TRUE(attribute_item_value_(c.key, kind, value)) << c.key;
    EXPECT_EQ(kind, c.kind) << c.key;
    EXPECT_EQ(value, c.value) << c.key;
  }
  for (const char* k : {"COLOR1.EMPTY", "COLOR1.RGB", "LSTYLE.5", "LWIDTH.0", "LWIDTH.12", "COLOR3.RED"}) {
    attribute_kind_ kind;
    int32_t value = 0;
    EXPECT_FALSE(attribute_item_value_(k, kind, value)) << k;
  }
}

// The classic half through the real main window: every button and row the builder adds, raised
// as the control raises it, sends exactly the word of its key, and the keys with an action of
// the main window's own send none.
class classic_table : public mdi_fixture {};

TEST_F(classic_table, the_main_window_sends_the_word_of_every_classic_key) {
  open("1");
  xdocktb_& tb = *mdi->docktb();
  std::vector<std::string> sent;
  mdi->event_word_tap = [&](const std::string& w) {
    sent.push_back(w);
    return true;
  };
  const auto rows = dock_rows_();
  std::string owner;
  int32_t checked = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    const dock_row_& r = rows[i];
    if (r.kind == dock_row_kind_::button) owner = r.key;
    size_t next = i + 1;
    while (next < rows.size() && rows[next].kind == dock_row_kind_::variant) ++next;
    const bool parent = r.kind == dock_row_kind_::item && next < rows.size() &&
                        rows[next].kind == dock_row_kind_::subitem;
    std::string word;
    sent.clear();
    if (r.kind == dock_row_kind_::button) {
      const std::string key2 = *r.key2 ? r.key2 : r.key;
      word = command_word_(command_event_::dock_button, key2);
      tb.ButtonClick(0, tb.key2id_(r.key), r.key, key2);
    } else if ((r.kind == dock_row_kind_::item || r.kind == dock_row_kind_::subitem) && !parent &&
               std::string(r.key) != "-") {
      // A row with an action of the main window's own sends no word; the others their word.
      // The TOOLBARS row only holds the toolbar rows, and TABS does nothing.
      const bool own = own_action_(command_event_::dock_item, r.key) != nullptr;
      if (!own) word = command_word_(command_event_::dock_item, r.key);
      const std::string key = r.key;
      EXPECT_TRUE(own || !word.empty() || key == "TOOLBARS" || key == "TABS") << key;
      tb.MenuItemClick(0, 0, tb.key2id_(owner), r.key, 50, 5);
    } else {
      continue;
    }
    EXPECT_EQ(sent, word.empty() ? std::vector<std::string>{} : std::vector<std::string>{word})
        << owner << " " << r.key;
    ++checked;
  }
  EXPECT_GT(checked, 250);
  clear_dialog_replies_();
}
