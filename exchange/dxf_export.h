// The DXF writer's output buffer and pair writer, shared by the header/tables and the
// blocks/entities halves of the export.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace exchange_ {

// The whole file is built in memory and saved in one step, so a failed export never
// leaves a half-written file behind.
struct dxf_out_ {
  std::string bytes;
  bool ok = true;  // false once a value could not be written (not finite)
};

// Number form: point separator, no leading zero before it, trailing zeros dropped,
// exponent form with "E" for very large or small magnitudes.
std::string dxf_number_form_(double v, int32_t digits);

void dxf_write_pair_(dxf_out_& out, int32_t code, int32_t value);
void dxf_write_pair_(dxf_out_& out, int32_t code, float value);   // 7 significant digits
void dxf_write_pair_(dxf_out_& out, int32_t code, double value);  // 15 significant digits
// A text is written trimmed, in Windows-1250, and never rewritten as a number.
void dxf_write_pair_(dxf_out_& out, int32_t code, std::string_view text);
inline void dxf_write_pair_(dxf_out_& out, int32_t code, const char* text) {
  dxf_write_pair_(out, code, std::string_view(text));
}
inline void dxf_write_pair_(dxf_out_& out, int32_t code, const std::string& text) {
  dxf_write_pair_(out, code, std::string_view(text));
}

// A symbol-table name as release AC1009 allows it: letters, digits, "$", "-" and "_",
// upper case, at most 31 characters; a leading "*" of anonymous blocks is kept.
// Other characters become "_"; an empty name becomes `empty`.
std::string dxf_table_name_(std::string_view name, std::string_view empty = "0");

}  // namespace exchange_
