#include "engine/model/dimstyle_props.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace {

struct prop_ref {
  dimprop_kind_ kind;
  void* field;
};

prop_ref ref_of(dimstyle_rec_& s, int32_t n) {
  using k = dimprop_kind_;
  switch (n) {
    case 0: return {k::byte_, &s.arrow1};
    case 1: return {k::byte_, &s.arrow2};
    case 2: return {k::byte_, &s.arrow_ref};
    case 3: return {k::single_, &s.arrow_size};
    case 4: return {k::int32_, &s.dimline_color};
    case 5: return {k::int16_, &s.dimline_kept5};
    case 6: return {k::int16_, &s.dimline_width};
    case 7: return {k::single_, &s.dimline_kept7};
    case 8: return {k::single_, &s.dimline_kept8};
    case 9: return {k::flag_, &s.dimline_show1};
    case 10: return {k::flag_, &s.dimline_show2};
    case 11: return {k::int32_, &s.extline_color};
    case 12: return {k::int16_, &s.extline_kept12};
    case 13: return {k::int16_, &s.extline_width};
    case 14: return {k::single_, &s.extline_kept14};
    case 15: return {k::single_, &s.extline_kept15};
    case 16: return {k::flag_, &s.extline_show1};
    case 17: return {k::flag_, &s.extline_show2};
    case 18: return {k::byte_, &s.kept18};
    case 19: return {k::single_, &s.kept19};
    case 20: return {k::single_, &s.length_factor};
    case 21: return {k::single_, &s.alt_factor};
    case 22: return {k::single_, &s.size_factor};
    case 23: return {k::int32_, &s.font};
    case 24: return {k::int32_, &s.text_back_color};
    case 25: return {k::int32_, &s.text_color};
    case 26: return {k::single_, &s.text_height};
    case 27: return {k::flag_, &s.text_frame};
    case 28: return {k::byte_, &s.text_adj_h};
    case 29: return {k::byte_, &s.text_adj_v};
    case 30: return {k::single_, &s.text_gap};
    case 31: return {k::flag_, &s.text_inside};
    case 32: return {k::flag_, &s.kept32};
    case 33: return {k::byte_, &s.unit};
    case 34: return {k::byte_, &s.decimal_sep};
    case 35: return {k::byte_, &s.accuracy};
    case 36: return {k::text_, &s.prefix};
    case 37: return {k::text_, &s.suffix};
    case 38: return {k::byte_, &s.angle_unit};
    case 39: return {k::byte_, &s.angle_accuracy};
    case 40: return {k::byte_, &s.kept40};
    case 41: return {k::byte_, &s.kept41};
    case 42: return {k::flag_, &s.alt_show};
    case 43: return {k::byte_, &s.alt_unit};
    case 44: return {k::byte_, &s.alt_accuracy};
    case 45: return {k::text_, &s.alt_prefix};
    case 46: return {k::text_, &s.alt_suffix};
    case 47: return {k::byte_, &s.kept47};
    case 48: return {k::byte_, &s.kept48};
    case 49: return {k::flag_, &s.tol_show};
    case 50: return {k::flag_, &s.tol_limits};
    case 51: return {k::single_, &s.tol_upper};
    case 52: return {k::single_, &s.tol_lower};
    case 53: return {k::byte_, &s.tol_accuracy};
    case 54: return {k::byte_, &s.alt_tol_accuracy};
    default: return {k::byte_, nullptr};
  }
}

std::string_view trimmed(std::string_view t) {
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
  return t;
}

bool iequals(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

// The numeric reading of a value: empty is 0, a text must be a whole decimal number.
bool number_of(const value_& v, double& out, bool words_as_flags) {
  switch (v.kind) {
    case value_::kind_::empty: out = 0; return true;
    case value_::kind_::null: return false;
    case value_::kind_::number: out = v.number; return true;
    case value_::kind_::text: break;
  }
  const std::string_view t = trimmed(v.text);
  if (words_as_flags && iequals(t, "true")) return out = -1, true;
  if (words_as_flags && iequals(t, "false")) return out = 0, true;
  if (t.empty()) return false;
  const char* first = t.data();
  if (*first == '+') ++first;
  const auto r = std::from_chars(first, t.data() + t.size(), out);
  return r.ec == std::errc() && r.ptr == t.data() + t.size();
}

template <class Int>
bool store_int(void* field, const value_& v) {
  double d;
  Int i;
  if (!number_of(v, d, false) || !to_int_even_(d, i)) return false;
  *static_cast<Int*>(field) = i;
  return true;
}

std::string text_of_number(double d) {
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, d);
  return std::string(buf, r.ptr);
}

}  // namespace

dimprop_kind_ dimstyle_prop_kind_(int32_t n) {
  dimstyle_rec_ probe;
  return ref_of(probe, n).kind;
}

value_ dimstyle_prop_get_(const dimstyle_rec_& s, int32_t n) {
  const prop_ref r = ref_of(const_cast<dimstyle_rec_&>(s), n);
  if (!r.field) return value_::null();
  switch (r.kind) {
    case dimprop_kind_::byte_: return value_::of(static_cast<double>(*static_cast<uint8_t*>(r.field)));
    case dimprop_kind_::int16_: return value_::of(static_cast<double>(*static_cast<int16_t*>(r.field)));
    case dimprop_kind_::int32_: return value_::of(static_cast<double>(*static_cast<int32_t*>(r.field)));
    case dimprop_kind_::single_: return value_::of(static_cast<double>(*static_cast<float*>(r.field)));
    case dimprop_kind_::flag_:
      return value_::of(*static_cast<flag16_*>(r.field) != 0 ? -1.0 : 0.0);
    case dimprop_kind_::text_: return value_::of(*static_cast<std::string*>(r.field));
  }
  return value_::null();
}

bool dimstyle_prop_set_(dimstyle_rec_& s, int32_t n, const value_& v) {
  const prop_ref r = ref_of(s, n);
  if (!r.field) return false;
  switch (r.kind) {
    case dimprop_kind_::byte_: return store_int<uint8_t>(r.field, v);
    case dimprop_kind_::int16_: return store_int<int16_t>(r.field, v);
    case dimprop_kind_::int32_: return store_int<int32_t>(r.field, v);
    case dimprop_kind_::single_: {
      double d;
      if (!number_of(v, d, false) || !fits_f32_(d)) return false;
      *static_cast<float*>(r.field) = f32_(d);
      return true;
    }
    case dimprop_kind_::flag_: {
      double d;
      if (!number_of(v, d, true) || std::isnan(d)) return false;
      *static_cast<flag16_*>(r.field) = to_flag_(d != 0);
      return true;
    }
    case dimprop_kind_::text_: {
      std::string& f = *static_cast<std::string*>(r.field);
      if (v.is_null()) return false;
      if (v.is_text()) f = v.text;
      else if (v.is_number()) f = text_of_number(v.number);
      else f.clear();
      return true;
    }
  }
  return false;
}
