// The selection filter's data without its window: the criteria, the value rows that the engine
// reports for a criterion, what each row shows, and the six values handed to the selection.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class zaz_class_;

// select_criterion_code_: 1 draw colour, 2 fill colour, 3 line style, 4 line width, 5 layer,
// 6 object type.
inline constexpr int32_t select_criteria_ = 6;
// The value that selects whatever an object holds.
inline constexpr int32_t select_any_value_ = -5;

// A rectangle in list pixels; right = left + width, bottom = top + height.
struct row_rect_rec_ {
  int32_t left = 0, top = 0, right = 0, bottom = 0, width = 0, height = 0;
};
row_rect_rec_ make_row_rect_(int32_t left, int32_t top, int32_t width, int32_t height);
// Left and top edges inside, right and bottom edges outside.
bool row_contains_(const row_rect_rec_& r, int32_t x, int32_t y);

struct select_value_rec_ {
  int32_t value = 0;
  row_rect_rec_ rect;
};

// The values of a get_used_attrs_ text ("a;b;c"), ascending; parts that are not whole numbers
// are skipped, an empty text gives none.
std::vector<int32_t> parse_used_values_(std::string_view text);

// The icon numbers the rows show; 0 is no icon. The main window loads these at start; a
// dialog opened without them loads its own copies.
struct select_icons_rec_ {
  int32_t bylayer = 0, byblock = 0, automatic = 0, none = 0, layer = 0;
  std::array<int32_t, 22> style{};  // line styles -5..16
  std::array<int32_t, 22> width{};  // line widths -5..16
  std::array<int32_t, 17> kind{};   // object types 0..16
};
// The icons from the program's icon folder, loaded once.
const select_icons_rec_& default_select_icons_();

// What one row shows: its text, and either an icon (0: none) or a colour swatch.
struct select_row_rec_ {
  std::string text;
  int32_t icon = 0;
  bool swatch = false;
  int32_t colour = 0;
};
select_row_rec_ select_row_look_(int32_t criterion, int32_t value, const zaz_class_& engine,
                                  const select_icons_rec_& icons);

// The six values for select_only_: a checked criterion passes the value of its chosen row,
// anything else (unchecked, or checked with no row chosen) passes select_any_value_.
std::array<int32_t, select_criteria_> select_arguments_(const std::array<bool, select_criteria_>& checked,
                                                        const std::array<int32_t, select_criteria_>& chosen_values,
                                                        const std::array<bool, select_criteria_>& has_choice);
