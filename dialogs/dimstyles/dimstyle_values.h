// The dimension-style editor's 40 value controls as data: which property each control shows,
// how it converts, the accuracy samples of its lists, and the write-back of the controls that
// changed (so a stored value that no list item shows is never replaced by a first item).
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class zaz_class_;

enum class dim_conv_ : uint8_t { list, check, number, text, separator };

struct dimstyle_binding_rec_ {
  int32_t prop;           // dimstyle_prop_code_
  const char* page;       // "ARR", "TXT", "UNI" or "TOL"
  const char* control;    // the control's name
  const char* caption;    // the language key of its caption
  dim_conv_ conv;
};
inline constexpr int32_t dimstyle_binding_count_ = 40;
extern const std::array<dimstyle_binding_rec_, dimstyle_binding_count_> dimstyle_bindings_;

// What a control shows: a text (number, text and separator boxes), a list item's value and
// whether an item is chosen (lists), a tick (check boxes).
struct dimstyle_shown_rec_ {
  std::string text;
  int32_t value = 0;
  bool has_item = false;
  bool checked = false;
  bool operator==(const dimstyle_shown_rec_&) const = default;
};
using dimstyle_shown_ = std::array<dimstyle_shown_rec_, dimstyle_binding_count_>;

// The controls' contents for the style as stored. A list shows the stored value only when
// list_has(prop, value) says an item carries it; otherwise it shows no matching item.
dimstyle_shown_ dimstyle_show_(const zaz_class_& e, int32_t style);
// Writes the rows whose control changed between before and now; a number box whose text is no
// number, or lies outside the field's range, is left unwritten and its row index returned.
std::vector<int32_t> dimstyle_write_changed_(zaz_class_& e, int32_t style, const dimstyle_shown_& before,
                                             const dimstyle_shown_& now);
// The allowed range of a number row (sizes are not negative; tolerances may be).
void dimstyle_number_range_(int32_t prop, double& lo, double& hi);

// Accuracy samples: lengths 0..6 from the engine for a unit type; angles 0..3 for an angle unit.
std::vector<std::string> length_accuracy_items_(const zaz_class_& e, int32_t unit_type);
std::vector<std::string> angle_accuracy_items_(int32_t angle_unit);
// The separator box: 0 shows the locale's decimal separator, any other code that character.
std::string separator_shown_(int32_t code);
// The code the box's text stores: its first character after blanks; -1 for an empty box.
int32_t separator_code_(const std::string& text);
// "0.00####": two to six decimals with the locale's separator.
std::string format_style_number_(double v);
