// The tool panel's input rows: group "ADRAW" holds the current tool's rows as the panel's first
// items, so tools read them by position (item 1, 2 ...). Values come back per tool through the
// panel's named snapshots; the main window keeps no copy.
#pragma once
#include <cstdint>
#include <string>

#include "platform/core/types.h"

class xcpanelbox_;

// One input row as add_adraw_row_ takes it.
struct adraw_row_rec_ {
  std::string key;
  int32_t kind = 0;  // panel_item_kind_code_: 1 value with check box, 2 button, 3 check box, 5 value
  std::string caption;
  bool checked = false;
  std::string text;
  std::string tip;
  bool enabled = true;
};

// What the rows of some tools show by default besides fixed texts.
struct adraw_context_rec_ {
  std::string tool_name;   // the running tool (ds_.tool_name_)
  std::string ddraw_text;  // TEXT and DIM.E
  float image_w = 0, image_h = 0;  // IMAGE
};

// Height of a row of the given kind (0 for kinds that rows never use).
int32_t adraw_row_height_(int32_t kind);
// Adds one row under the group's last item; the panel's item id, 0 when refused.
int32_t add_adraw_row_(xcpanelbox_& panel, int32_t gid, const adraw_row_rec_& row);
// Rebuilds group "ADRAW" for the tool, moves it to the front and restores the tool's snapshot.
// Does nothing when the group is missing. Saves nothing: callers save first.
void ref_adraw_(xcpanelbox_& panel, const adraw_context_rec_& ctx);

// The key a tool's rows are saved under: its name without surrounding blanks.
std::string current_tool_key_(const std::string& tool_name);

// A row text as a number: the whole text in the user's notation, else its leading number
// with "." as the decimal point; 0 when there is none or it does not fit a float.
float text_to_single_(const std::string& text);
// The same with the user's decimal and grouping separators given (tests, other notations).
float text_to_single_in_(const std::string& text, char decimal, char grouping);
// The whole text as a number in the user's notation (false for anything else, or a number a
// float cannot hold).
bool text_is_number_(const std::string& text, float& out);
// The leading number of a text with "." as the decimal point (blanks skipped, &H and &O
// read), 0 when there is none; not rounded and not limited to a float.
double text_leading_number_(const std::string& text);
// The leading number of a text rounded to a whole number, halves to even (array counts).
int32_t text_to_count_(const std::string& text);

// n with `decimals` decimals; in the user's notation when regional is true (the "0.00"
// defaults), else with "." (the readout and written-back values).
std::string format_fixed_(double n, int32_t decimals, bool regional);
