// A small variant for operations that may answer "null" or "empty" besides a value.
#pragma once
#include <string>
#include <utility>

struct value_ {
  enum class kind_ { empty, null, number, text };
  kind_ kind = kind_::empty;
  double number = 0;
  std::string text;

  static value_ empty() { return {}; }
  static value_ null() { return {kind_::null, 0, {}}; }
  static value_ of(double v) { return {kind_::number, v, {}}; }
  static value_ of(std::string s) { return {kind_::text, 0, std::move(s)}; }

  bool is_empty() const { return kind == kind_::empty; }
  bool is_null() const { return kind == kind_::null; }
  bool is_number() const { return kind == kind_::number; }
  bool is_text() const { return kind == kind_::text; }
  bool operator==(const value_&) const = default;
};
