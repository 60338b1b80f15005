// HEADER variables and the LAYER, LTYPE and DIMSTYLE tables of a DXF file.
#include <cmath>

#include "engine/model/dimstyle_props.h"
#include "engine/zaz_class.h"
#include "exchange/dxf_import.h"
#include "exchange/dxf_tables.h"

using namespace exchange_;

namespace {

constexpr float offset_min_ = 32768.0f;

void set_prop(dimstyle_rec_& s, int32_t n, double v) { dimstyle_prop_set_(s, n, value_::of(v)); }

double flag_when_zero(double v) { return v == 0 ? true_ : false_; }
double flag_when_not_zero(double v) { return v != 0 ? true_ : false_; }

// Offset of one axis proposed by $EXTMIN, confirmed by $EXTMAX: it stays only when the
// extents are sound and their far end still lies well inside the coordinate limit.
float confirm_offset(float offset, float min, float max) {
  if (offset == 0) return 0;
  if (!(max >= min)) return 0;
  if (std::fabs(static_cast<double>(max) - offset) >= coord_limit_ / 2) return 0;
  return offset;
}

float propose_offset(float c) {
  const float a = std::fabs(c);
  return (a >= offset_min_ && a <= coord_limit_) ? c : 0.0f;
}

}  // namespace

namespace exchange_ {

int32_t dxf_length_unit_(double dxf) {
  int32_t n = 0;
  if (!to_int_even_(dxf, n) || n < 1 || n > 5) return 1;
  return n - 1;
}

int32_t dxf_angle_unit_(double dxf, int32_t unchanged) {
  int32_t n = 0;
  if (!to_int_even_(dxf, n)) return unchanged;
  switch (n) {
    case 0: return 0;  // degrees
    case 1: return 1;  // degrees, minutes, seconds
    case 2: return 3;  // grads
    case 3: return 2;  // radians
    default: return unchanged;
  }
}

void dxf_header_variable_(zaz_class_& e, dxf_import_state_rec_& st) {
  const dxf_record_rec_& r = st.rec;
  const std::string& v = st.header_var;
  dimstyle_rec_& t = e.styles.styles[0];
  if (v == "$EXTMIN") {
    st.extmin_x = r.f(10), st.extmin_y = r.f(20);
    e.store.origin_x = propose_offset(st.extmin_x);
    e.store.origin_y = propose_offset(st.extmin_y);
    return;
  }
  if (v == "$EXTMAX") {
    e.store.origin_x = confirm_offset(e.store.origin_x, st.extmin_x, r.f(10));
    e.store.origin_y = confirm_offset(e.store.origin_y, st.extmin_y, r.f(20));
    return;
  }
  if (v == "$GRIDMODE") {
    e.view_gridvisible_(to_flag_(r.num(70) != 0));
    return;
  }
  if (v == "$GRIDUNIT") {
    const float g = r.f(10);
    e.view_gridsize_(g >= 0.000001f ? g : 1.0f);
    return;
  }
  if (v == "$DIMPOST" || v == "$DIMAPOST") {
    const bool alt = v == "$DIMAPOST";
    dimstyle_prop_set_(t, alt ? 45 : 36, value_::of(std::string()));
    dimstyle_prop_set_(t, alt ? 46 : 37, value_::of(std::string()));
    if (r.present(1)) e.dxf_split_dim_text_(dxf_text_to_utf8_(r.get(1)), t, to_flag_(alt));
    return;
  }
  struct var_ {
    std::string_view name;
    int32_t group;
    int32_t prop;
    char conv;  // n number, b byte, c colour, z true when 0, t true when not 0, 1 always 1,
                // l length unit, a angle unit
  };
  static constexpr var_ vars[] = {
      {"$DIMBLK", 1, 2, '1'},    {"$DIMBLK1", 1, 0, '1'},   {"$DIMBLK2", 1, 1, '1'},
      {"$DIMASZ", 40, 3, 'n'},   {"$DIMCLRD", 70, 4, 'c'},  {"$DIMLWD", 70, 6, '1'},
      {"$DIMSD1", 70, 9, 'z'},   {"$DIMSD2", 70, 10, 'z'},  {"$DIMCLRE", 70, 11, 'c'},
      {"$DIMLWE", 70, 13, '1'},  {"$DIMSE1", 70, 16, 'z'},  {"$DIMSE2", 70, 17, 'z'},
      {"$DIMLFAC", 40, 20, 'n'}, {"$DIMSCALE", 40, 22, 'n'}, {"$DIMCLRT", 70, 25, 'c'},
      {"$DIMTXT", 40, 26, 'n'},  {"$DIMJUST", 70, 28, 'b'}, {"$DIMTAD", 70, 29, 'b'},
      {"$DIMGAP", 40, 30, 'n'},  {"$DIMLUNIT", 70, 33, 'l'}, {"$DIMAUNIT", 70, 38, 'a'},
      {"$DIMDSEP", 70, 34, 'b'}, {"$DIMALT", 70, 42, 't'},  {"$DIMTOL", 70, 49, 't'},
      {"$DIMLIM", 70, 50, 't'},  {"$DIMTP", 40, 51, 'n'},   {"$DIMTM", 40, 52, 'n'},
  };
  for (const var_& d : vars) {
    if (v != d.name) continue;
    if (!r.present(d.group)) return;
    const double x = r.num(d.group);
    switch (d.conv) {
      case 'n': set_prop(t, d.prop, f32_(x)); break;
      case 'b': set_prop(t, d.prop, x); break;
      case 'c': set_prop(t, d.prop, e.dxf_aci_to_color_(x)); break;
      case 'z': set_prop(t, d.prop, flag_when_zero(x)); break;
      case 't': set_prop(t, d.prop, flag_when_not_zero(x)); break;
      case '1': set_prop(t, d.prop, 1); break;
      case 'l': set_prop(t, d.prop, dxf_length_unit_(x)); break;
      case 'a': set_prop(t, d.prop, dxf_angle_unit_(x, t.angle_unit)); break;
    }
    return;
  }
}

namespace {

void layer_record(zaz_class_& e, dxf_import_state_rec_& st) {
  const dxf_record_rec_& r = st.rec;
  const std::string& raw = r.get(2);
  const flag16_ visible = to_flag_(r.num(62) >= 0);
  const int32_t n = e.layer_add_(dxf_text_to_utf8_(raw), visible, true_, e.dxf_aci_to_color_(r.get(62)),
                                 color_none_, 0, 0);
  if (n > 0) st.layers.emplace(raw, n);  // the first layer of a name wins
}

int16_t classify_pattern(const std::string& p) {
  if (p == "-" || p == ".") return 0;
  if (p == "- " || p == "- -" || p == "- - ") return 1;
  if (p == ". " || p == ". ." || p == ". . " || p == ". . . ") return 2;
  if (p == "- . " || p == "- .") return 3;
  if (p == "- . .") return 4;
  return 0;
}

void linetype_record(zaz_class_& e, dxf_import_state_rec_& st) {
  ++st.linetype_count;
  if (st.linetype_count > dxf_linetypes_max_) return;
  float longest = 0;
  for (float d : st.dashes) longest = std::max(longest, d);
  std::string pattern;
  for (size_t i = 0; i < st.dashes.size(); ++i)
    pattern += i % 2 == 1 ? ' ' : (st.dashes[i] <= longest / 2 ? '.' : '-');
  auto& table = e.exchange.linetypes;
  const size_t n = static_cast<size_t>(st.linetype_count);
  if (table.size() <= n) table.resize(n + 1);
  table[n] = dxf_linetype_rec_{std::string(dxf_trim_(st.rec.get(2))), pattern,
                               classify_pattern(pattern)};
}

void dimstyle_record(zaz_class_& e, dxf_import_state_rec_& st) {
  const dxf_record_rec_& r = st.rec;
  const int32_t id = e.dimstyle_add_("<>");
  if (id < 1 || id >= static_cast<int32_t>(e.styles.styles.size())) return;
  st.last_dimstyle = id;
  dimstyle_rec_& s = e.styles.styles[static_cast<size_t>(id)];
  s = e.styles.styles[0];
  s.name = dxf_text_to_utf8_(r.get(2));
  struct group_ {
    int32_t group;
    int32_t prop;
    char conv;  // as for HEADER variables; u leaves the property as it is when absent
    double absent;
    bool keep_when_absent;
  };
  static constexpr group_ groups[] = {
      {5, 2, 'b', 1, false},       {6, 0, 'b', 1, false},      {7, 1, 'b', 1, false},
      {41, 3, 'n', 0.25, false},   {176, 4, 'c', -3, false},   {281, 9, 'z', -1, false},
      {282, 10, 'z', -1, false},   {177, 11, 'c', -3, false},  {75, 16, 'z', -1, false},
      {76, 17, 'z', -1, false},    {144, 20, 'n', 1.0, false}, {40, 22, 'n', 1.0, false},
      {178, 25, 'c', -3, false},   {140, 26, 'n', 0.25, false}, {280, 28, 'b', 0, false},
      {77, 29, 'b', 1, false},     {147, 30, 'n', 0.0625, false}, {277, 33, 'l', 0, true},
      {275, 38, 'a', 0, true},     {278, 34, 'b', 0, true},    {170, 42, 't', 0, false},
      {71, 49, 't', 0, true},      {72, 50, 't', 0, true},     {47, 51, 'n', 0, true},
      {48, 52, 'n', 0, true},
  };
  for (const group_& g : groups) {
    if (!r.present(g.group)) {
      if (!g.keep_when_absent) set_prop(s, g.prop, f32_(g.absent));
      continue;
    }
    const double x = r.num(g.group);
    switch (g.conv) {
      case 'n': set_prop(s, g.prop, f32_(x)); break;
      case 'b': set_prop(s, g.prop, x); break;
      case 'c': set_prop(s, g.prop, e.dxf_aci_to_color_(x)); break;
      case 'z': set_prop(s, g.prop, flag_when_zero(x)); break;
      case 't': set_prop(s, g.prop, flag_when_not_zero(x)); break;
      case 'l': set_prop(s, g.prop, dxf_length_unit_(x)); break;
      case 'a': set_prop(s, g.prop, dxf_angle_unit_(x, s.angle_unit)); break;
    }
  }
  if (r.present(3)) e.dxf_split_dim_text_(dxf_text_to_utf8_(r.get(3)), s, false_);
  if (r.present(4)) e.dxf_split_dim_text_(dxf_text_to_utf8_(r.get(4)), s, true_);
}

}  // namespace

void dxf_table_record_(zaz_class_& e, dxf_import_state_rec_& st) {
  if (st.keyword == "LAYER") layer_record(e, st);
  else if (st.keyword == "LTYPE") linetype_record(e, st);
  else if (st.keyword == "DIMSTYLE") dimstyle_record(e, st);
}

}  // namespace exchange_

uint8_t zaz_class_::dxf_arrow_kind_(const std::string&) const { return 1; }

int32_t zaz_class_::dxf_dimstyle_index_(const std::string& name_) const {
  const std::string_view want = dxf_trim_(name_);
  const int32_t n = dimstyles_count_();
  for (int32_t i = 1; i <= n && i < static_cast<int32_t>(styles.styles.size()); ++i)
    if (dxf_trim_(styles.styles[static_cast<size_t>(i)].name) == want) return i;
  return 1;
}

void zaz_class_::dxf_split_dim_text_(const std::string& text_, dimstyle_rec_& style_,
                                     flag16_ alternate_) const {
  const std::string_view t = dxf_trim_(text_);
  const size_t p = t.find("<>");
  std::string prefix, suffix;
  if (p == std::string_view::npos) {
    suffix = std::string(t);
  } else {
    prefix = std::string(dxf_trim_(t.substr(0, p)));
    suffix = std::string(dxf_trim_(t.substr(p + 2)));
  }
  (alternate_ ? style_.alt_prefix : style_.prefix) = prefix;
  (alternate_ ? style_.alt_suffix : style_.suffix) = suffix;
}
