// The command entry's inside: the flags of one call, the groups of command words (one file per
// group, each a friend of the main window) and the number reading that grid sizes and typed
// points share. Each group returns true when the word is one of its own; no two groups share
// a word, so the order of the groups only follows the order of the word list.
#pragma once
#include <cstdint>
#include <string>

class MDI_;

// One call of gocmd_: the normalised word and the three flags its case may set.
struct command_run_rec_ {
  std::string word;          // trimmed (blanks only) and lower-cased
  bool handled = false;      // becomes the result
  bool tool_chosen = false;  // the tail clears the tracking points
  bool repainted = false;    // ... and then does not repaint again
  bool skip_tail = false;    // the case ends the call at once (xlib, options, image without file)
};

// The dialog the system's printer setup runs under (the other names are the seam's own).
inline constexpr const char* dlg_printer_setup_ = "printerset";

// The file dialogs' filters.
inline constexpr const char* open_drawing_filter_ =
    "Wszystkie|*.zaz;*.dxf;*.gca;*.bib|Arvex 2012/2013/2014|*.zaz|Drawing Exchange DXF|*.dxf|GrafZAZ|*.gca;*.bib";
inline constexpr const char* save_drawing_filter_ = "Arvex 2014|*.zaz|Drawing Exchange DXF|*.dxf";

// The smallest grid size a "grid <size>" word applies.
inline constexpr float grid_size_min_ = 0.0001f;

struct command_words_ {
  static bool file_words_(MDI_& m, command_run_rec_& c);       // help ... redo
  static bool selection_words_(MDI_& m, command_run_rec_& c);  // selectex ... move2actlayer, select
  static bool page_layer_words_(MDI_& m, command_run_rec_& c); // pageh ... pamove
  static bool edit_words_(MDI_& m, command_run_rec_& c);       // delete, bg2d, conversions
  static bool tool_words_(MDI_& m, command_run_rec_& c);       // the tool words and zoomall
  static bool arrange_words_(MDI_& m, command_run_rec_& c);    // dimstyles, a2front ... a2d0v
  static bool panel_block_words_(MDI_& m, command_run_rec_& c);// cut, copy, edit, blocks, block...
  static bool print_view_words_(MDI_& m, command_run_rec_& c); // print ... drawprop, toggles, xlib, options
  static bool grid_size_(MDI_& m, command_run_rec_& c);
  static bool typed_point_(MDI_& m, const std::string& word);
  static void tail_(MDI_& m, command_run_rec_& c);

  // Shared steps.
  static void tool_rows_(MDI_& m);          // the tool panel's input rows for the current tool
  static void uncheck_zoom_items_(MDI_& m);
  static void clear_ribbon_tool_groups_(MDI_& m);
  static void register_dialogs_(MDI_& m);
};

// Numbers typed by the user: the whole text in the user's notation (its decimal separator and
// digit grouping), else nothing.
bool command_number_(const std::string& text, float& out);
// The whole text as a number, else its leading number ("." as the decimal point, blanks
// anywhere skipped, 0 when there is none).
float command_number_or_leading_(const std::string& text);
// Tests pin the user's decimal separator ('.' or ','); 0 goes back to the system's.
void pin_command_decimal_(char decimal);
