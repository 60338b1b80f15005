#include "dialogs/dimstyles/dimstyle_values.h"

#include <cmath>
#include <cstdio>

#include "dialogs/layers/dialog_common.h"
#include "engine/zaz_class.h"
#include "platform/core/codepage.h"
#include "platform/services/screen.h"
#include "shell/settings.h"
#include "shell/shell_text.h"

const std::array<dimstyle_binding_rec_, dimstyle_binding_count_> dimstyle_bindings_ = {{
    {0, "ARR", "combo_arr_1_", "adraw.dimstyle.arrow.1", dim_conv_::list},
    {1, "ARR", "combo_arr_2_", "adraw.dimstyle.arrow.2", dim_conv_::list},
    {2, "ARR", "combo_arr_ref_", "adraw.dimstyle.arrow.3", dim_conv_::list},
    {3, "ARR", "text_arr_size_", "adraw.dimstyle.arrow.size", dim_conv_::number},
    {9, "ARR", "chk_line_d1_", "adraw.dimstyle.line.d1", dim_conv_::check},
    {10, "ARR", "chk_line_d2_", "adraw.dimstyle.line.d2", dim_conv_::check},
    {16, "ARR", "chk_line_e1_", "adraw.dimstyle.line.e1", dim_conv_::check},
    {17, "ARR", "chk_line_e2_", "adraw.dimstyle.line.e2", dim_conv_::check},
    {4, "ARR", "combo_arr_color_", "adraw.dimstyle.line.std.color", dim_conv_::list},
    {11, "ARR", "combo_ext_color_", "adraw.dimstyle.line.ext.color", dim_conv_::list},
    {23, "TXT", "combo_text_font_", "adraw.dimstyle.text.font", dim_conv_::list},
    {25, "TXT", "combo_text_color_", "adraw.dimstyle.text.color", dim_conv_::list},
    {24, "TXT", "combo_text_bgcolor_", "adraw.dimstyle.text.bgcolor", dim_conv_::list},
    {26, "TXT", "text_text_height_", "adraw.dimstyle.text.height", dim_conv_::number},
    {28, "TXT", "combo_text_pos_h_", "adraw.dimstyle.text.adj.h", dim_conv_::list},
    {29, "TXT", "combo_text_pos_v_", "adraw.dimstyle.text.adj.v", dim_conv_::list},
    {30, "TXT", "text_text_distance_", "adraw.dimstyle.text.distance", dim_conv_::number},
    {27, "TXT", "chk_text_border_", "adraw.dimstyle.text.border", dim_conv_::check},
    {31, "TXT", "chk_text_inside_", "adraw.dimstyle.text.inside", dim_conv_::check},
    {20, "UNI", "text_unit_scale_", "adraw.dimstyle.unit.scale", dim_conv_::number},
    {21, "UNI", "text_unit2_scale_", "adraw.dimstyle.unit2.scale", dim_conv_::number},
    {33, "UNI", "combo_unit_type_", "adraw.dimstyle.unit.type", dim_conv_::list},
    {35, "UNI", "combo_unit_acc_", "adraw.dimstyle.unit.acc", dim_conv_::list},
    {38, "UNI", "combo_unit_ang_", "adraw.dimstyle.unit.ang", dim_conv_::list},
    {39, "UNI", "combo_unit_ang_acc_", "adraw.dimstyle.unit.angacc", dim_conv_::list},
    {34, "UNI", "text_unit_sep_", "adraw.dimstyle.unit.sep", dim_conv_::separator},
    {36, "UNI", "text_unit_ex1_", "adraw.dimstyle.unit.ext", dim_conv_::text},
    {37, "UNI", "text_unit_ex2_", "adraw.dimstyle.unit.ext", dim_conv_::text},
    {42, "UNI", "chk_unit2_on_", "adraw.dimstyle.unit2.on", dim_conv_::check},
    {43, "UNI", "combo_unit2_type_", "adraw.dimstyle.unit2.type", dim_conv_::list},
    {44, "UNI", "combo_unit2_acc_", "adraw.dimstyle.unit2.acc", dim_conv_::list},
    {45, "UNI", "text_unit2_ex1_", "adraw.dimstyle.unit2.ext", dim_conv_::text},
    {46, "UNI", "text_unit2_ex2_", "adraw.dimstyle.unit2.ext", dim_conv_::text},
    {22, "TOL", "text_scalesize_", "adraw.dimstyle.scalesize", dim_conv_::number},
    {49, "TOL", "chk_tol_on_", "adraw.dimstyle.tol.on", dim_conv_::check},
    {50, "TOL", "chk_tol_b2_", "adraw.dimstyle.tol.b2", dim_conv_::check},
    {53, "TOL", "combo_tol_acc_", "adraw.dimstyle.tol.acc", dim_conv_::list},
    {54, "TOL", "combo_tol2_acc_", "adraw.dimstyle.tol2.acc", dim_conv_::list},
    {51, "TOL", "text_tol_up_", "adraw.dimstyle.tol.up", dim_conv_::number},
    {52, "TOL", "text_tol_down_", "adraw.dimstyle.tol.dw", dim_conv_::number},
}};

namespace {

double number_of_(const value_& v) { return v.is_number() ? v.number : 0; }

}  // namespace

std::string format_style_number_(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.6f", v);
  std::string s = buf;
  // Trailing zeros beyond the second decimal go.
  size_t dot = s.find('.');
  if (dot != std::string::npos) {
    size_t keep = dot + 3;
    while (s.size() > keep && s.back() == '0') s.pop_back();
  }
  if (s.rfind("-0.00", 0) == 0 && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  const std::string sep = decimal_separator_();
  if (dot != std::string::npos && sep != ".") s.replace(dot, 1, sep);
  return s;
}

std::string separator_shown_(int32_t code) {
  if (code == 0) return decimal_separator_();
  std::string out;
  utf8_append_(out, cp1250_to_unicode_(uint8_t(code & 0xFF)));
  return out;
}

int32_t separator_code_(const std::string& text) {
  const std::string t = trim_blanks_(text);
  if (t.empty()) return -1;
  size_t pos = 0;
  const int code = unicode_to_cp1250_(utf8_next_(t, pos));
  return code < 0 ? -1 : code;
}

std::vector<std::string> length_accuracy_items_(const zaz_class_& e, int32_t unit_type) {
  std::vector<std::string> out;
  for (int32_t a = 0; a <= 6; ++a) out.push_back(e.get_dim_acc_(uint8_t(unit_type < 0 ? 255 : unit_type), uint8_t(a)));
  return out;
}

std::vector<std::string> angle_accuracy_items_(int32_t angle_unit) {
  if (angle_unit == 1) return {"0", "0\xC2\xB0" "0'0\"", "0\xC2\xB0" "0'0.0\"", "0\xC2\xB0" "0'0.00\""};
  return {"0", "0.0", "0.00", "0.000"};
}

void dimstyle_number_range_(int32_t prop, double& lo, double& hi) {
  lo = 0;
  hi = 1000000;
  if (prop == 51 || prop == 52) lo = -1000000;  // tolerances go either way
}

dimstyle_shown_ dimstyle_show_(const zaz_class_& e, int32_t style) {
  dimstyle_shown_ out{};
  for (size_t i = 0; i < dimstyle_bindings_.size(); ++i) {
    const dimstyle_binding_rec_& b = dimstyle_bindings_[i];
    const value_ v = e.dimstyles_prop_(int16_t(style), b.prop);
    dimstyle_shown_rec_& s = out[i];
    switch (b.conv) {
      case dim_conv_::list: s.value = int32_t(number_of_(v)), s.has_item = true; break;
      case dim_conv_::check: s.checked = number_of_(v) != 0; break;
      case dim_conv_::number: s.text = format_style_number_(number_of_(v)); break;
      case dim_conv_::text: s.text = v.is_text() ? v.text : value_text_(v); break;
      case dim_conv_::separator: s.text = separator_shown_(int32_t(number_of_(v))); break;
    }
  }
  return out;
}

std::vector<int32_t> dimstyle_write_changed_(zaz_class_& e, int32_t style, const dimstyle_shown_& before,
                                             const dimstyle_shown_& now) {
  std::vector<int32_t> refused;
  if (style < 1 || style > e.dimstyles_count_()) return refused;
  for (size_t i = 0; i < dimstyle_bindings_.size(); ++i) {
    if (before[i] == now[i]) continue;
    const dimstyle_binding_rec_& b = dimstyle_bindings_[i];
    const dimstyle_shown_rec_& s = now[i];
    const int16_t st = int16_t(style);
    switch (b.conv) {
      case dim_conv_::list:
        if (s.has_item) e.dimstyles_prop_(st, b.prop, value_::of(double(s.value)));
        break;
      case dim_conv_::check: e.dimstyles_prop_(st, b.prop, value_::of(s.checked ? -1.0 : 0.0)); break;
      case dim_conv_::text: e.dimstyles_prop_(st, b.prop, value_::of(s.text)); break;
      case dim_conv_::separator: {
        const int32_t code = separator_code_(s.text);
        if (code >= 0) e.dimstyles_prop_(st, b.prop, value_::of(double(code)));
        break;
      }
      case dim_conv_::number: {
        double v = 0, lo = 0, hi = 0;
        dimstyle_number_range_(b.prop, lo, hi);
        if (parse_locale_number_(s.text, v) && v >= lo && v <= hi)
          e.dimstyles_prop_(st, b.prop, value_::of(double(f32_(v))));
        else
          refused.push_back(int32_t(i));
        break;
      }
    }
  }
  return refused;
}
