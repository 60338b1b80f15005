#include "engine/properties/prop_values.h"

#include <cctype>
#include <charconv>

#include "engine/properties/grid_text.h"
#include "platform/core/types.h"

bool prop_number_(const value_& v, double& out) {
  if (v.is_number()) {
    out = v.number;
    return std::isfinite(out);
  }
  return v.is_text() && edit_read_number_(v.text, out);
}

bool prop_single_(const value_& v, float& out) {
  double d;
  if (!prop_number_(v, d) || !fits_f32_(d)) return false;
  out = f32_(d);
  return true;
}

bool prop_flag_(const value_& v, int16_t& out) {
  if (v.is_text()) {
    const std::string t = edit_trim_(v.text);
    if (t == "True") return out = true_, true;
    if (t == "False") return out = false_, true;
  }
  double d;
  if (!prop_number_(v, d)) return false;
  out = to_flag_(d != 0);
  return true;
}

std::string prop_text_(const value_& v) {
  if (v.is_text()) return v.text;
  if (!v.is_number()) return {};
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, v.number);
  return std::string(buf, r.ptr);
}

std::string prop_image_name_(const std::string& path) {
  std::string name = path;
  const size_t cut = path.find_last_of("/\\");
  if (cut != std::string::npos && cut + 1 < path.size()) name = path.substr(cut + 1);
  name = edit_trim_(name);
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}
