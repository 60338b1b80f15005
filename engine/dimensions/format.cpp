// Number and angle formatting of dimension texts.
//
// Numbers are rounded on their shortest decimal form, the digits a user sees for a stored
// 32-bit value: 2.675 at two decimals gives 2.68, as typed, not 2.67 as its binary value would.
// An exact half rounds away from zero. A value that rounds to zero is written without "-".
#include "engine/dimensions/format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/core/types.h"

namespace {

// Joins texts by appending, which also keeps clear of a false overlap warning of some compilers
// about a literal joined in front of a temporary string.
template <class... T>
std::string join_(const T&... parts) {
  std::string s;
  (s += ... += parts);
  return s;
}

// A non-negative decimal: 0.d1d2d3... x 10^exp10, digits without leading or trailing zeros.
// No digits means zero.
struct decimal_ {
  std::string digits;
  int exp10 = 0;
};

decimal_ to_decimal_(double magnitude, bool shortest_float) {
  decimal_ d;
  char buf[64];
  std::to_chars_result r =
      shortest_float
          ? std::to_chars(buf, buf + sizeof buf, static_cast<float>(magnitude), std::chars_format::scientific)
          : std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
  std::string_view s(buf, size_t(r.ptr - buf));
  size_t e = s.find('e');
  for (char c : s.substr(0, e))
    if (c >= '0' && c <= '9') d.digits += c;
  int exp = 0;
  std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), exp);
  d.exp10 = exp + 1;
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  size_t lead = d.digits.find_first_not_of('0');
  if (lead == std::string::npos) return {};
  d.digits.erase(0, lead);
  d.exp10 -= int(lead);
  return d;
}

// Keeps `keep` leading digits, an exact half or more rounding up.
void round_digits_(decimal_& d, int keep) {
  if (d.digits.empty() || keep >= int(d.digits.size())) return;
  if (keep < 0) {
    d = {};
    return;
  }
  bool up = d.digits[size_t(keep)] >= '5';
  d.digits.resize(size_t(keep));
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[size_t(i)] == '9') d.digits[size_t(i--)] = '0';
    if (i < 0) {
      d.digits.insert(d.digits.begin(), '1');
      d.exp10 += 1;
    } else {
      ++d.digits[size_t(i)];
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d = {};
}

char digit_at_(const decimal_& d, int pos) {  // pos 0 is the first digit after the point
  int i = d.exp10 + pos;
  return i >= 0 && i < int(d.digits.size()) ? d.digits[size_t(i)] : '0';
}

std::string whole_part_(const decimal_& d) {
  if (d.exp10 <= 0) return "0";
  std::string s;
  for (int i = 0; i < d.exp10; ++i) s += i < int(d.digits.size()) ? d.digits[size_t(i)] : '0';
  return s;
}

// Fixed notation with `decimals` decimals; -1 writes every significant digit.
std::string write_fixed_(double value, int decimals, std::string_view sep, bool shortest_float) {
  if (!std::isfinite(value)) return "";
  decimal_ d = to_decimal_(std::fabs(value), shortest_float);
  if (decimals >= 0) round_digits_(d, d.exp10 + decimals);
  int shown = decimals >= 0 ? decimals : std::max(0, int(d.digits.size()) - d.exp10);
  std::string s = (value < 0 && !d.digits.empty()) ? "-" : "";
  s += whole_part_(d);
  if (shown > 0) {
    s += sep;
    for (int i = 0; i < shown; ++i) s += digit_at_(d, i);
  }
  return s;
}

std::string write_scientific_(double value, int decimals, std::string_view sep) {
  if (!std::isfinite(value)) return "";
  decimal_ d = to_decimal_(std::fabs(value), true);
  round_digits_(d, decimals + 1);
  std::string s = (value < 0 && !d.digits.empty()) ? "-" : "";
  int exp = d.digits.empty() ? 0 : d.exp10 - 1;
  s += d.digits.empty() ? '0' : d.digits[0];
  if (decimals > 0) {
    s += sep;
    for (int i = 1; i <= decimals; ++i) s += i < int(d.digits.size()) ? d.digits[size_t(i)] : '0';
  }
  s += exp < 0 ? "E-" : "E+";
  const std::string e = std::to_string(std::abs(exp));
  if (e.size() < 2) s += '0';
  return s += e;
}

// Decimals named by a template "0", "0.0", "0.00"...; -1 for the empty template (general form).
int template_decimals_(std::string_view tpl) {
  if (tpl.empty()) return -1;
  size_t dot = tpl.find('.');
  return dot == std::string_view::npos ? 0 : int(tpl.size() - dot - 1);
}

std::string write_whole_(double whole) {  // an integral, non-negative value of any size
  char buf[400];
  std::to_chars_result r = std::to_chars(buf, buf + sizeof buf, whole, std::chars_format::fixed, 0);
  return std::string(buf, r.ptr);
}

int fraction_denominator_(std::string_view text) {
  static constexpr std::string_view texts[] = {"1/2", "1/4", "1/8", "1/16", "1/32", "1/64", "1/128", "1/256"};
  for (int i = 0; i < 8; ++i)
    if (text == texts[i]) return 2 << i;
  return 1;
}

// Whole inches and numerator of the rounded fraction of `inches` (>= 0), reduced with `den`.
struct fraction_ {
  double whole = 0;
  int num = 0;
  int den = 1;
};

fraction_ split_fraction_(double inches, int den) {
  fraction_ f;
  f.whole = std::floor(inches);
  f.den = den;
  f.num = int(round_even_((inches - f.whole) * den));
  if (f.num >= den) {
    f.num = 0;
    f.whole += 1;
  }
  for (int d = 256; d >= 2; d /= 2)
    if (f.num % d == 0 && f.den % d == 0) {
      f.num /= d;
      f.den /= d;
    }
  return f;
}

std::string fraction_tail_(const fraction_& f) {
  std::string s = write_whole_(f.whole);
  if (f.num >= 1) s += join_(" ", std::to_string(f.num), "/", std::to_string(f.den));
  return s + "\"";
}

// Whole feet of a length in inches and the inches left, the latter held as a 32-bit value.
struct feet_ {
  double feet = 0;
  float inches = 0;
};

feet_ split_feet_(double a) {
  feet_ r;
  r.feet = std::floor(a / 12.0);
  if (r.feet < 1e15) {  // beyond, whole numbers are too coarse for a correction to matter
    while (12.0 * (r.feet + 1) <= a) r.feet += 1;
    while (r.feet > 0 && 12.0 * r.feet > a) r.feet -= 1;
  }
  r.inches = static_cast<float>((a / 12.0 - r.feet) * 12.0);
  return r;
}

bool all_zero_(std::string_view s) { return s.find_first_of("123456789") == std::string_view::npos; }

std::string sign_(bool negative, std::string body) {
  return negative && !all_zero_(body) ? join_("-", body) : body;
}

// The decimal value a user sees for a stored 32-bit value.
double shortest_(float v) {
  char buf[64];
  std::to_chars_result r = std::to_chars(buf, buf + sizeof buf, v);
  double d = 0;
  std::from_chars(buf, r.ptr, d);
  return d;
}

// Degrees, minutes and seconds; accuracy 0 whole degrees, 1 whole minutes, 2 to 4 seconds
// with 0 to 2 decimals. Rounding happens once, on the smallest unit shown, so a carry
// runs up into minutes and degrees.
std::string write_dms_(float degrees, uint8_t accuracy, std::string_view sep) {
  const bool negative = degrees < 0;
  const double a = std::fabs(shortest_(degrees));
  std::string body;
  if (accuracy == 0) {
    body = write_whole_(std::round(a)) + std::string(dim_degree_mark_);
  } else if (accuracy == 1) {
    const double minutes = std::round(a * 60.0);  // half away from zero, as the templates round
    body = write_whole_(std::floor(minutes / 60.0)) + std::string(dim_degree_mark_) +
           write_whole_(std::fmod(minutes, 60.0)) + "'";
  } else {
    const int sec_decimals = accuracy - 2;
    const double unit = std::pow(10.0, sec_decimals);
    const double ticks = std::round(a * 3600.0 * unit);  // seconds in their last decimal
    const double per_degree = 3600.0 * unit, per_minute = 60.0 * unit;
    const double deg = std::floor(ticks / per_degree);
    const double rest = ticks - deg * per_degree;
    const double min = std::floor(rest / per_minute);
    const double sec = (rest - min * per_minute) / unit;
    body = write_whole_(deg) + std::string(dim_degree_mark_) + write_whole_(min) + "'" +
           write_fixed_(sec, sec_decimals, sep, false) + "\"";
  }
  return sign_(negative, body);
}

}  // namespace

std::string dim_decimal_template_(uint8_t accuracy) {
  if (accuracy > 8) return "";
  return accuracy == 0 ? "0" : join_("0.", std::string(accuracy, '0'));
}

std::string dim_scientific_template_(uint8_t accuracy) {
  if (accuracy > 8) return "";
  return dim_decimal_template_(accuracy) + "E+00";
}

std::string dim_fraction_text_(uint8_t accuracy) {
  if (accuracy == 0 || accuracy > 8) return "";
  return join_("1/", std::to_string(1 << accuracy));
}

std::string dim_format_feet_inch_(float value, std::string_view decimal_template, std::string_view sep) {
  if (!std::isfinite(value)) return "";
  const bool negative = value < 0;
  feet_ f = split_feet_(std::fabs(double(value)));
  const int decimals = template_decimals_(decimal_template);
  std::string inches = write_fixed_(f.inches, decimals, ".", true);
  if (decimals >= 0 && std::strtod(inches.c_str(), nullptr) >= 12.0) {
    // A remainder that rounds up to a whole foot belongs to the feet.
    f.feet += 1;
    inches = write_fixed_(0.0, decimals, ".", true);
  }
  if (sep != ".")
    if (size_t dot = inches.find('.'); dot != std::string::npos) inches.replace(dot, 1, sep);
  return sign_(negative, write_whole_(f.feet) + "'-" + inches + "\"");
}

std::string dim_format_feet_fraction_(float value, std::string_view fraction_text) {
  if (!std::isfinite(value)) return "";
  const bool negative = value < 0;
  feet_ f = split_feet_(std::fabs(double(value)));
  fraction_ fr = split_fraction_(f.inches, fraction_denominator_(fraction_text));
  if (fr.whole >= 12) {
    f.feet += 1;
    fr.whole -= 12;
  }
  return sign_(negative, write_whole_(f.feet) + "'-" + fraction_tail_(fr));
}

std::string dim_format_fraction_(float value, std::string_view fraction_text) {
  if (!std::isfinite(value)) return "";
  const bool negative = value < 0;
  fraction_ fr = split_fraction_(std::fabs(double(value)), fraction_denominator_(fraction_text));
  return sign_(negative, fraction_tail_(fr));
}

std::string dim_format_length_(float value, uint8_t unit, uint8_t accuracy, int16_t diameter_flag,
                               std::string_view sep) {
  std::string text;
  switch (unit) {
    case dim_unit_scientific_:
      text = accuracy > 8 ? write_fixed_(value, -1, sep, true) : write_scientific_(value, accuracy, sep);
      break;
    case dim_unit_decimal_:
    case dim_unit_decimal_alt_:
      text = write_fixed_(value, template_decimals_(dim_decimal_template_(accuracy)), sep, true);
      break;
    case dim_unit_feet_inch_:
      text = dim_format_feet_inch_(value, dim_decimal_template_(accuracy), sep);
      break;
    case dim_unit_feet_fraction_:
      text = dim_format_feet_fraction_(value, dim_fraction_text_(accuracy));
      break;
    case dim_unit_fraction_:
      text = dim_format_fraction_(value, dim_fraction_text_(accuracy));
      break;
    default:
      return "";
  }
  if (diameter_flag == true_) text.insert(0, dim_diameter_mark_);
  return text;
}

std::string dim_format_angle_(float value, uint8_t unit, uint8_t accuracy, std::string_view sep) {
  if (!std::isfinite(value)) return "";
  const int decimals = accuracy > 4 ? -1 : accuracy;
  switch (unit) {
    case dim_angle_degrees_:
      return write_fixed_(value, decimals, sep, true) + std::string(dim_degree_mark_);
    case dim_angle_dms_:
      if (accuracy > 4) return write_fixed_(value, -1, sep, true) + std::string(dim_degree_mark_);
      return write_dms_(value, accuracy, sep);
    case dim_angle_radians_:
      return write_fixed_(static_cast<float>(double(value) * double(3.1415927f) / 180.0), decimals, sep,
                          true);
    case dim_angle_gradians_:
      return write_fixed_(static_cast<float>(double(value) * 100.0 / 90.0), decimals, sep, true);
    default:
      return "";
  }
}

std::string dim_text_substitute_(const std::string& value_text, const std::string& user_text) {
  const std::string clean = strip_mtext_codes_(user_text);
  if (clean.empty() || clean == "<>") return value_text;
  std::string out;
  size_t from = 0;
  for (size_t at; (at = clean.find("<>", from)) != std::string::npos; from = at + 2)
    out += clean.substr(from, at - from) + value_text;
  return out + clean.substr(from);
}

std::string dim_accuracy_sample_(uint8_t type, uint8_t accuracy) {
  if (accuracy > 8) return "";
  switch (type) {
    case dim_unit_scientific_:
      return dim_scientific_template_(accuracy);
    case dim_unit_decimal_:
    case dim_unit_decimal_alt_:
      return dim_decimal_template_(accuracy);
    case dim_unit_feet_inch_:
      return join_("0'-", dim_decimal_template_(accuracy), "\"");
    case dim_unit_feet_fraction_:
      return accuracy == 0 ? "0'-0\"" : join_("0'-0 ", dim_fraction_text_(accuracy), "\"");
    case dim_unit_fraction_:
      return accuracy == 0 ? "0\"" : join_("0 ", dim_fraction_text_(accuracy), "\"");
    default:
      return "";
  }
}
