// Dimension-style records in the two layouts that store them: the drawing and transfer files
// (file order, four-byte strings) and the undo state files (number order, two-byte strings).
#pragma once
#include "engine/model/records.h"
#include "platform/core/binary_io.h"

// Calls f with a reference to property `prop` (0..54) of a style (const or not), in its own type:
// uint8_t, int16_t (flags too), int32_t, float or std::string. False for other numbers.
template <class Style, class F>
bool dimstyle_field_(Style& s, int prop, F&& f) {
  switch (prop) {
    case 0: f(s.arrow1); return true;
    case 1: f(s.arrow2); return true;
    case 2: f(s.arrow_ref); return true;
    case 3: f(s.arrow_size); return true;
    case 4: f(s.dimline_color); return true;
    case 5: f(s.dimline_kept5); return true;
    case 6: f(s.dimline_width); return true;
    case 7: f(s.dimline_kept7); return true;
    case 8: f(s.dimline_kept8); return true;
    case 9: f(s.dimline_show1); return true;
    case 10: f(s.dimline_show2); return true;
    case 11: f(s.extline_color); return true;
    case 12: f(s.extline_kept12); return true;
    case 13: f(s.extline_width); return true;
    case 14: f(s.extline_kept14); return true;
    case 15: f(s.extline_kept15); return true;
    case 16: f(s.extline_show1); return true;
    case 17: f(s.extline_show2); return true;
    case 18: f(s.kept18); return true;
    case 19: f(s.kept19); return true;
    case 20: f(s.length_factor); return true;
    case 21: f(s.alt_factor); return true;
    case 22: f(s.size_factor); return true;
    case 23: f(s.font); return true;
    case 24: f(s.text_back_color); return true;
    case 25: f(s.text_color); return true;
    case 26: f(s.text_height); return true;
    case 27: f(s.text_frame); return true;
    case 28: f(s.text_adj_h); return true;
    case 29: f(s.text_adj_v); return true;
    case 30: f(s.text_gap); return true;
    case 31: f(s.text_inside); return true;
    case 32: f(s.kept32); return true;
    case 33: f(s.unit); return true;
    case 34: f(s.decimal_sep); return true;
    case 35: f(s.accuracy); return true;
    case 36: f(s.prefix); return true;
    case 37: f(s.suffix); return true;
    case 38: f(s.angle_unit); return true;
    case 39: f(s.angle_accuracy); return true;
    case 40: f(s.kept40); return true;
    case 41: f(s.kept41); return true;
    case 42: f(s.alt_show); return true;
    case 43: f(s.alt_unit); return true;
    case 44: f(s.alt_accuracy); return true;
    case 45: f(s.alt_prefix); return true;
    case 46: f(s.alt_suffix); return true;
    case 47: f(s.kept47); return true;
    case 48: f(s.kept48); return true;
    case 49: f(s.tol_show); return true;
    case 50: f(s.tol_limits); return true;
    case 51: f(s.tol_upper); return true;
    case 52: f(s.tol_lower); return true;
    case 53: f(s.tol_accuracy); return true;
    case 54: f(s.alt_tol_accuracy); return true;
    default: return false;
  }
}

// The 55 properties in drawing-file order (no name).
void write_dimstyle_record_(byte_writer_& w, const dimstyle_rec_& s);
bool read_dimstyle_record_(byte_reader_& r, dimstyle_rec_& s);

// The style copy of an undo state file: name, then properties 0..54 in number order.
void put_dimstyle_state_(byte_writer_& w, const dimstyle_rec_& s);
bool get_dimstyle_state_(byte_reader_& r, dimstyle_rec_& s);

// -1 when the name or any property differs, else 0.
int16_t dimstyle_differs_(const dimstyle_rec_& a, const dimstyle_rec_& b);
