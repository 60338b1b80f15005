// DXF export: the pair writer, the name rules, the file frame, HEADER and TABLES.
#include "exchange/dxf_export.h"

#include <charconv>
#include <cmath>
#include <set>

#include "engine/zaz_class.h"
#include "exchange/dxf_export_parts.h"
#include "exchange/dxf_values.h"
#include "platform/core/codepage.h"
#include "platform/core/file_io.h"

namespace exchange_ {

std::string dxf_number_form_(double v, int32_t digits) {
  if (v == 0) return "0";  // negative zero too
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, digits);
  std::string s(buf, res.ptr);
  const size_t e = s.find('e');
  if (e != std::string::npos) {
    s[e] = 'E';  // to_chars already gives a sign and at least two exponent digits
  }
  if (s.rfind("0.", 0) == 0) s.erase(0, 1);
  else if (s.rfind("-0.", 0) == 0) s.erase(1, 1);
  return s;
}

namespace {

void put_line(dxf_out_& out, std::string_view line) {
  out.bytes.append(line);
  out.bytes.append("\r\n");
}

void put_number(dxf_out_& out, int32_t code, double v, int32_t digits) {
  if (!std::isfinite(v)) {
    out.ok = false;
    return;
  }
  put_line(out, std::to_string(code));
  put_line(out, dxf_number_form_(v, digits));
}

}  // namespace

void dxf_write_pair_(dxf_out_& out, int32_t code, int32_t value) {
  put_line(out, std::to_string(code));
  put_line(out, std::to_string(value));
}
void dxf_write_pair_(dxf_out_& out, int32_t code, float value) { put_number(out, code, value, 7); }
void dxf_write_pair_(dxf_out_& out, int32_t code, double value) { put_number(out, code, value, 15); }

void dxf_write_pair_(dxf_out_& out, int32_t code, std::string_view text) {
  put_line(out, std::to_string(code));
  std::string bytes = utf8_to_cp1250_(dxf_trim_(text));
  // A stray line end or NUL would split the pair and shift every later one.
  for (char& c : bytes)
    if (c == '\r' || c == '\n' || c == '\0') c = ' ';
  put_line(out, bytes);
}

std::string dxf_table_name_(std::string_view name, std::string_view empty) {
  std::string out;
  size_t pos = 0;
  if (!name.empty() && name.front() == '*') {
    out += '*';
    pos = 1;
  }
  while (pos < name.size() && out.size() < 31) {
    const char32_t c = utf8_next_(name, pos);
    if (c < 128 && (std::isalnum(static_cast<int>(c)) || c == '$' || c == '-' || c == '_'))
      out += static_cast<char>(std::toupper(static_cast<int>(c)));
    else
      out += '_';
  }
  if (out.empty() || out == "*") return std::string(empty);
  return out;
}

}  // namespace exchange_

using namespace exchange_;

namespace {

std::string upper_ascii(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::string three_digits(int32_t n) {
  std::string s = std::to_string(n);
  if (s.size() < 3) s.insert(0, 3 - s.size(), '0');
  return s;
}

int32_t length_unit_number(uint8_t unit) { return unit <= 4 ? unit + 1 : 0; }

// Angle units of the style to DXF: degrees 0, degrees/minutes/seconds 1, radians 2 -> 3,
// grads 3 -> 2, as the import reads them.
int32_t angle_unit_number(uint8_t unit) {
  switch (unit) {
    case 1: return 1;
    case 2: return 3;
    case 3: return 2;
    default: return 0;
  }
}

int32_t flag_plus_one(flag16_ f) { return f + 1; }
int32_t flag_as_one(flag16_ f) { return is_set_(f) ? 1 : 0; }

std::string dim_text(const std::string& before, const std::string& after) {
  return std::string(dxf_trim_(before)) + "<>" + after;
}

}  // namespace

std::string zaz_class_::dxf_linetype_name_(int32_t style_) const {
  switch (style_) {
    case 1: return "DASH";
    case 2: return "DOT";
    case 3: return "DASH DOT";
    case 4: return "DASH DOT DOT";
    case -3: return "BYBLOCK";
    case -4: return "BYLAYER";
    default: return "SOLID";
  }
}

std::string zaz_class_::dxf_page_layer_name_(int32_t page_, int32_t layer_) const {
  const page_rec_* p = page_ptr_(page_);
  if (!p || layer_ < 1 || layer_ >= static_cast<int32_t>(p->layers.size())) return {};
  const std::string title(dxf_trim_(p->layers[static_cast<size_t>(layer_)].title));
  return upper_ascii(std::string(dxf_trim_(three_digits(layer_) + " - " + title)));
}

std::string zaz_class_::dxf_layer_name_(int32_t layer_) const {
  return dxf_page_layer_name_(pages.active, layer_);
}

std::string zaz_class_::dxf_block_name_(int32_t block_) const {
  if (block_ < 1 || block_ > library.block_count()) return {};
  const std::string& name = library.blocks[static_cast<size_t>(block_)].name;
  if (!name.empty() && name.front() == '*') return std::string(dxf_trim_(name));
  return std::string(dxf_trim_(three_digits(block_) + " - " + std::string(dxf_trim_(name))));
}

int32_t zaz_class_::block_member_count_(int32_t block_) const {
  if (block_ < 1 || block_ > library.block_count()) return 0;
  return library.blocks[static_cast<size_t>(block_)].member_count();
}

std::string zaz_class_::flatten_line_breaks_(const std::string& text_) {
  std::string s;
  s.reserve(text_.size());
  for (size_t i = 0; i < text_.size(); ++i) {
    const char c = text_[i];
    if (c == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n') {
      s += ' ';
      ++i;
    } else {
      s += (c == '\r' || c == '\n') ? ' ' : c;
    }
  }
  return s;
}

namespace {

void header_section(zaz_class_& e, dxf_out_& o) {
  const dimstyle_rec_& s = e.styles.styles[0];
  const float x1 = e.extents.x1, y1 = e.extents.y1, x2 = e.extents.x2, y2 = e.extents.y2;
  auto var = [&](const char* name) { dxf_write_pair_(o, 9, name); };
  auto color = [&](int32_t c) { return e.dxf_color_to_aci_(c); };
  dxf_write_pair_(o, 0, "SECTION");
  dxf_write_pair_(o, 2, "HEADER");
  var("$ACADVER"), dxf_write_pair_(o, 1, "AC1009");
  var("$DWGCODEPAGE"), dxf_write_pair_(o, 1, "ansi_1250");
  var("$INSBASE");
  dxf_write_pair_(o, 10, 0), dxf_write_pair_(o, 20, 0), dxf_write_pair_(o, 30, 0);
  var("$LIMMIN"), dxf_write_pair_(o, 10, x1), dxf_write_pair_(o, 20, y1);
  var("$LIMMAX"), dxf_write_pair_(o, 10, x2), dxf_write_pair_(o, 20, y2);
  var("$EXTMIN"), dxf_write_pair_(o, 10, x1), dxf_write_pair_(o, 20, y1);
  var("$EXTMAX"), dxf_write_pair_(o, 10, x2), dxf_write_pair_(o, 20, y2);
  var("$DIMBLK"), dxf_write_pair_(o, 1, std::to_string(s.arrow_ref));
  var("$DIMBLK1"), dxf_write_pair_(o, 1, std::to_string(s.arrow1));
  var("$DIMBLK2"), dxf_write_pair_(o, 1, std::to_string(s.arrow2));
  var("$DIMASZ"), dxf_write_pair_(o, 40, s.arrow_size);
  var("$DIMCLRD"), dxf_write_pair_(o, 70, color(s.dimline_color));
  var("$DIMLWD"), dxf_write_pair_(o, 70, int32_t{s.dimline_width});
  var("$DIMSD1"), dxf_write_pair_(o, 70, flag_plus_one(s.dimline_show1));
  var("$DIMSD2"), dxf_write_pair_(o, 70, flag_plus_one(s.dimline_show2));
  var("$DIMCLRE"), dxf_write_pair_(o, 70, color(s.extline_color));
  var("$DIMLWE"), dxf_write_pair_(o, 70, int32_t{s.extline_width});
  var("$DIMSE1"), dxf_write_pair_(o, 70, flag_plus_one(s.extline_show1));
  var("$DIMSE2"), dxf_write_pair_(o, 70, flag_plus_one(s.extline_show2));
  var("$DIMLFAC"), dxf_write_pair_(o, 40, s.length_factor);
  var("$DIMSCALE"), dxf_write_pair_(o, 40, s.size_factor);
  var("$DIMCLRT"), dxf_write_pair_(o, 70, color(s.text_color));
  var("$DIMTXT"), dxf_write_pair_(o, 40, s.text_height);
  var("$DIMJUST"), dxf_write_pair_(o, 70, int32_t{s.text_adj_h});
  var("$DIMTAD"), dxf_write_pair_(o, 70, int32_t{s.text_adj_v});
  var("$DIMGAP"), dxf_write_pair_(o, 40, s.text_gap);
  var("$DIMLUNIT"), dxf_write_pair_(o, 70, length_unit_number(s.unit));
  var("$DIMAUNIT"), dxf_write_pair_(o, 70, angle_unit_number(s.angle_unit));
  var("$DIMDSEP"), dxf_write_pair_(o, 70, int32_t{s.decimal_sep});
  var("$DIMPOST"), dxf_write_pair_(o, 1, dim_text(s.prefix, s.suffix));
  var("$DIMALT"), dxf_write_pair_(o, 70, flag_as_one(s.alt_show));
  var("$DIMAPOST"), dxf_write_pair_(o, 1, dim_text(s.alt_prefix, s.alt_suffix));
  var("$DIMTOL"), dxf_write_pair_(o, 70, flag_as_one(s.tol_show));
  var("$DIMLIM"), dxf_write_pair_(o, 70, flag_as_one(s.tol_limits));
  var("$DIMTP"), dxf_write_pair_(o, 40, s.tol_upper);
  var("$DIMTM"), dxf_write_pair_(o, 40, s.tol_lower);
  dxf_write_pair_(o, 0, "ENDSEC");
}

struct linetype_def_ {
  const char* name;
  const char* description;
  float length;
  std::vector<float> elements;
};

void ltype_table(dxf_out_& o) {
  static const linetype_def_ types[] = {
      {"SOLID", "__________", 0, {}},
      {"DASH", "Dash _ _ _ _ _ _", 10, {5, -5}},
      {"DOT", "Dot . . . . . .", 3.5f, {1, -2.5f}},
      {"DASH DOT", "_ . _ . _ .", 11, {5, -2.5f, 1, -2.5f}},
      {"DASH DOT DOT", "_ . . _ . . _ . .", 14.5f, {5, -2.5f, 1, -2.5f, 1, -2.5f}},
  };
  dxf_write_pair_(o, 0, "TABLE");
  dxf_write_pair_(o, 2, "LTYPE");
  for (const linetype_def_& t : types) {
    dxf_write_pair_(o, 0, "LTYPE");
    dxf_write_pair_(o, 2, dxf_table_name_(t.name));
    dxf_write_pair_(o, 3, t.description);
    dxf_write_pair_(o, 70, 0);
    dxf_write_pair_(o, 72, 65);
    dxf_write_pair_(o, 40, t.length);
    dxf_write_pair_(o, 73, static_cast<int32_t>(t.elements.size()));
    for (float d : t.elements) dxf_write_pair_(o, 49, d);
  }
  dxf_write_pair_(o, 0, "ENDTAB");
}

void layer_record(zaz_class_& e, dxf_out_& o, const std::string& name, const layer_rec_* l) {
  dxf_write_pair_(o, 0, "LAYER");
  dxf_write_pair_(o, 2, name);
  dxf_write_pair_(o, 70, l && !is_set_(l->editable) ? 4 : 0);
  // A layer needs a real colour number; automatic (black or white) is number 7.
  int32_t aci = l ? e.dxf_color_to_aci_(l->draw_color) : 7;
  if (aci < 1 || aci > 255) aci = 7;
  dxf_write_pair_(o, 62, aci);
  dxf_write_pair_(o, 6, dxf_table_name_(e.dxf_linetype_name_(l ? l->line_style : 0)));
}

// The active page's layers in order, then the layers of other pages that objects use,
// then layer "0" when some object's layer does not exist.
void layer_table(zaz_class_& e, dxf_out_& o) {
  dxf_write_pair_(o, 0, "TABLE");
  dxf_write_pair_(o, 2, "LAYER");
  std::set<std::string> written;
  auto write = [&](int32_t page, int32_t layer) {
    const std::string name = dxf_table_name_(e.dxf_page_layer_name_(page, layer));
    if (!written.insert(name).second) return;
    const page_rec_* p = e.page_ptr_(page);
    const layer_rec_* l = name == "0" || !p ? nullptr : &p->layers[static_cast<size_t>(layer)];
    layer_record(e, o, name, l);
  };
  for (int32_t n = 1; n <= e.layers_count_(); ++n) write(e.pages.active, n);
  for (int32_t r = 1; r <= dxf_last_record_(e); ++r) {
    const object_rec_& ob = e.object_(r);
    if (dxf_entity_written_(ob)) write(ob.page, ob.layer);
  }
  dxf_write_pair_(o, 0, "ENDTAB");
}

void style_table(dxf_out_& o) {
  dxf_write_pair_(o, 0, "TABLE");
  dxf_write_pair_(o, 2, "STYLE");
  dxf_write_pair_(o, 0, "STYLE");
  dxf_write_pair_(o, 2, "STANDARD");
  dxf_write_pair_(o, 41, 1);
  dxf_write_pair_(o, 0, "STYLE");
  dxf_write_pair_(o, 2, dxf_text_style_name_());
  dxf_write_pair_(o, 41, 0.7f);
  dxf_write_pair_(o, 0, "ENDTAB");
}

void dimstyle_table(zaz_class_& e, dxf_out_& o) {
  dxf_write_pair_(o, 0, "TABLE");
  dxf_write_pair_(o, 2, "DIMSTYLE");
  std::set<std::string> names;
  auto color = [&](int32_t c) { return e.dxf_color_to_aci_(c); };
  for (int32_t n = 1; n <= e.dimstyles_count_(); ++n) {
    const dimstyle_rec_& s = e.styles.styles[static_cast<size_t>(n)];
    std::string name = dxf_table_name_(s.name, "DIMSTYLE");
    // Names that differ only in characters the version lacks would merge two styles.
    while (!names.insert(name).second) name = dxf_table_name_(name + "_" + std::to_string(n));
    dxf_write_pair_(o, 0, "DIMSTYLE");
    dxf_write_pair_(o, 2, name);
    dxf_write_pair_(o, 5, std::to_string(s.arrow_ref));
    dxf_write_pair_(o, 6, std::to_string(s.arrow1));
    dxf_write_pair_(o, 7, std::to_string(s.arrow2));
    dxf_write_pair_(o, 41, s.arrow_size);
    dxf_write_pair_(o, 176, color(s.dimline_color));
    dxf_write_pair_(o, 281, flag_plus_one(s.dimline_show1));
    dxf_write_pair_(o, 282, flag_plus_one(s.dimline_show2));
    dxf_write_pair_(o, 177, color(s.extline_color));
    dxf_write_pair_(o, 75, flag_plus_one(s.extline_show1));
    dxf_write_pair_(o, 76, flag_plus_one(s.extline_show2));
    dxf_write_pair_(o, 144, s.length_factor);
    dxf_write_pair_(o, 40, s.size_factor);
    dxf_write_pair_(o, 178, color(s.text_color));
    dxf_write_pair_(o, 140, s.text_height);
    dxf_write_pair_(o, 280, int32_t{s.text_adj_h});
    dxf_write_pair_(o, 77, int32_t{s.text_adj_v});
    dxf_write_pair_(o, 147, s.text_gap);
    dxf_write_pair_(o, 277, length_unit_number(s.unit));
    dxf_write_pair_(o, 275, angle_unit_number(s.angle_unit));
    dxf_write_pair_(o, 278, int32_t{s.decimal_sep});
    dxf_write_pair_(o, 3, dim_text(s.prefix, s.suffix));
    dxf_write_pair_(o, 170, flag_as_one(s.alt_show));
    dxf_write_pair_(o, 4, dim_text(s.alt_prefix, s.alt_suffix));
    dxf_write_pair_(o, 71, flag_as_one(s.tol_show));
    dxf_write_pair_(o, 72, flag_as_one(s.tol_limits));
    dxf_write_pair_(o, 47, s.tol_upper);
    dxf_write_pair_(o, 48, s.tol_lower);
  }
  dxf_write_pair_(o, 0, "ENDTAB");
}

}  // namespace

bool zaz_class_::export_dxf_(const std::string& file_) {
  dxf_out_ o;
  dxf_aci_palette_();
  calc_extents_(false_, true_, false_, 0);
  header_section(*this, o);
  dxf_write_pair_(o, 0, "SECTION");
  dxf_write_pair_(o, 2, "TABLES");
  ltype_table(o);
  layer_table(*this, o);
  style_table(o);
  dimstyle_table(*this, o);
  dxf_write_pair_(o, 0, "ENDSEC");
  if (!dxf_blocks_section_(*this, o) || !dxf_entities_section_(*this, o)) return false;
  dxf_write_pair_(o, 0, "EOF");
  return o.ok && save_file_atomic_(file_, o.bytes);
}
