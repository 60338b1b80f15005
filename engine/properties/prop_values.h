// Conversions of the values the properties by number take: a write's value becomes the
// field's type or fails, and a failed conversion leaves the field as it was.
#pragma once
#include <cstdint>
#include <string>

#include "platform/core/value.h"

// A number, or a text that reads as one (blanks around it ignored).
bool prop_number_(const value_& v, double& out);
// A number stored in a 32-bit float: finite and within its range.
bool prop_single_(const value_& v, float& out);
// The whole number nearest (halves to even) that fits Int.
template <class Int>
bool prop_whole_(const value_& v, Int& out) {
  double d;
  return prop_number_(v, d) && to_int_even_(d, out);
}
// True for "True" or a number other than 0, false for "False" or 0.
bool prop_flag_(const value_& v, int16_t& out);
std::string prop_text_(const value_& v);
// The file name of an image path: after the last "/" or "\", trimmed and lower case.
std::string prop_image_name_(const std::string& path);
