// One row of a menu-like list. The ribbon keeps its popup items in this record; the popup menu
// control, the side panel's combo items and the docking toolbars' menu items use the fields
// they need and leave the rest at their defaults.
#pragma once
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/types.h"
#include "shell/shell_text.h"

struct menu_item_rec_ {
  int32_t owner_id = 0;     // control whose popup shows the row; below 0 a free popup; 0 a cleared row
  int32_t group_index = 0;  // 1-based cell of a group control whose drop-down shows the row
  std::string key;          // trimmed
  std::string text;         // "-" a separator, "%:" followed by values a row of value cells
  std::string shortcut;     // trimmed
  flag16_ checked = false_;
  flag16_ enabled = false_;
  flag16_ visible = false_;
  flag16_ bold = false_;
  uint8_t value_list = 0;       // 1 when the text begins with "%:"
  std::vector<int32_t> values;  // the value cells; values[0] is value 1
  std::string alt_key;          // trimmed
  int32_t height = 0;           // row height in pixels
  int32_t icon = 0;             // 0 or more a colour swatch, -1 none, -n table icon n
  flag16_ multi_select = false_;
  int32_t value = 0;  // the host's own number for the row
  int32_t y = 0;      // popup menu control: the heights of the rows added before it
};

// Adders of the ribbon and of the popup menu control refuse this key (trimmed, any case).
inline bool is_reserved_menu_key_(std::string_view key) { return upper_ascii_(trim_blanks_(key)) == "@MAIN"; }

inline bool is_separator_text_(std::string_view text) { return trim_blanks_(text) == "-"; }

// The leading number of one value part: blanks before it are skipped, a part that does not
// start with a number is 0, a fraction rounds half to even and a huge value saturates.
inline int32_t menu_value_of_(std::string_view part) {
  size_t i = 0;
  while (i < part.size() && (part[i] == ' ' || part[i] == '\t')) ++i;
  bool negative = false;
  if (i < part.size() && (part[i] == '+' || part[i] == '-')) negative = part[i++] == '-';
  size_t start = i;
  while (i < part.size() && part[i] >= '0' && part[i] <= '9') ++i;
  if (i < part.size() && part[i] == '.') {
    ++i;
    while (i < part.size() && part[i] >= '0' && part[i] <= '9') ++i;
  }
  if (i == start || (i == start + 1 && part[start] == '.')) return 0;
  bool tiny = false;  // a negative exponent: out of range then means too small, not too large
  if (i < part.size() && (part[i] == 'e' || part[i] == 'E')) {
    size_t e = i + 1;
    bool minus = e < part.size() && part[e] == '-';
    if (e < part.size() && (part[e] == '+' || part[e] == '-')) ++e;
    if (e < part.size() && part[e] >= '0' && part[e] <= '9') {
      while (e < part.size() && part[e] >= '0' && part[e] <= '9') ++e;
      i = e;
      tiny = minus;
    }
  }
  double v = 0;
  auto [end, ec] = std::from_chars(part.data() + start, part.data() + i, v);
  if (ec == std::errc::result_out_of_range) v = tiny ? 0.0 : HUGE_VAL;
  (void)end;
  return cint32_(negative ? -v : v);
}

// Sets the value-list flag and the values from a trimmed text: "%:" followed by parts
// separated by "|"; "%:" alone gives the flag with no values.
inline void set_menu_values_(menu_item_rec_& item, std::string_view trimmed_text) {
  item.values.clear();
  item.value_list = trimmed_text.substr(0, 2) == "%:" ? 1 : 0;
  if (!item.value_list) return;
  std::string_view rest = trimmed_text.substr(2);
  if (rest.empty()) return;
  for (;;) {
    size_t bar = rest.find('|');
    item.values.push_back(menu_value_of_(rest.substr(0, bar)));
    if (bar == std::string_view::npos) break;
    rest.remove_prefix(bar + 1);
  }
}
