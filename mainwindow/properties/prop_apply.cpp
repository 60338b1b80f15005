// Applying the value box's text to the clicked row. The text is converted first; a text that
// does not convert is refused with a message and the box stays open with it, so nothing is
// written and no undo step is made. A write is bracketed as one undo step "change.setprop";
// an Enter that changes nothing (a read-only row, the value it already has, a value the
// object refuses) makes none, and neither does the background colour, which no undo state
// holds.
#include <cstring>

#include "engine/properties/grid_text.h"
#include "engine/zaz_class.h"
#include "mainwindow/properties/prop_editor.h"
#include "platform/window/window.h"
#include "shell/language.h"
#include "ui/controls/combo/combo.h"
#include "ui/controls/textbox/textbox.h"

namespace {

enum class conv_ { whole, number, flag, text };

struct key_ {
  const char* key;
  int32_t prop;
  conv_ conv;
  const char* kinds;  // the object kinds as letters 'a' + kind - 1; "" for the style keys
};

// Object keys and the kinds that apply them.
const key_ object_keys_[] = {
    {"C1", 1, conv_::whole, "abcdefghijklmno"}, {"C2", 2, conv_::whole, "bcdefghijklmno"},
    {"ST", 3, conv_::whole, "abcdefghijklmno"}, {"WI", 4, conv_::whole, "abcdefghijklmno"},
    {"LA", 5, conv_::whole, "abcdefghijklmno"}, {"X", 10, conv_::number, "afghjo"},
    {"Y", 11, conv_::number, "afghjo"},         {"X1", 12, conv_::number, "bk"},
    {"Y1", 13, conv_::number, "bk"},            {"X2", 14, conv_::number, "bk"},
    {"Y2", 15, conv_::number, "bk"},            {"X3", 16, conv_::number, "k"},
    {"Y3", 17, conv_::number, "k"},             {"AN", 28, conv_::number, "b"},
    {"LE", 29, conv_::number, "b"},             {"VC", 33, conv_::whole, "cdei"},
    {"VI", 34, conv_::whole, "cdei"},           {"VX", 35, conv_::number, "cdei"},
    {"VY", 36, conv_::number, "cdei"},          {"R0", 18, conv_::number, "g"},
    {"R1", 19, conv_::number, "fgh"},           {"R2", 20, conv_::number, "fgh"},
    {"A1", 21, conv_::number, "f"},             {"A2", 22, conv_::number, "f"},
    {"ROT", 27, conv_::number, "fghijo"},       {"SXY", 26, conv_::number, "i"},
    {"TH", 30, conv_::number, "j"},             {"TW", 31, conv_::number, "j"},
    {"TXT", 101, conv_::text, "j"},             {"TXF", 100, conv_::text, "j"},
    {"WID", 31, conv_::number, "k"},            {"HEI", 30, conv_::number, "k"},
    {"SX", 24, conv_::number, "o"},             {"SY", 25, conv_::number, "o"},
    {"BNAME", 300, conv_::text, "o"}};

// Dimension-style keys, for dimensions, angular dimensions and references. Scales and
// tolerances are numbers: a tolerance of 0.25 stays 0.25.
const key_ style_keys_[] = {
    {"DIM.SN", 200, conv_::text, ""},     {"DIM.A1", 201, conv_::whole, ""},  {"DIM.A2", 202, conv_::whole, ""},
    {"DIM.RF", 203, conv_::whole, ""},    {"DIM.AS", 204, conv_::number, ""}, {"DIM.C0", 205, conv_::whole, ""},
    {"DIM.C1", 206, conv_::whole, ""},    {"DIM.LD1", 207, conv_::flag, ""},  {"DIM.LD2", 208, conv_::flag, ""},
    {"DIM.LE1", 209, conv_::flag, ""},    {"DIM.LE2", 210, conv_::flag, ""},  {"DIM.TF", 211, conv_::text, ""},
    {"DIM.TS", 212, conv_::number, ""},   {"DIM.TC0", 213, conv_::whole, ""}, {"DIM.TC1", 214, conv_::whole, ""},
    {"DIM.TAH", 216, conv_::whole, ""},   {"DIM.TAV", 215, conv_::whole, ""}, {"DIM.TDS", 217, conv_::number, ""},
    {"DIM.THO", 218, conv_::flag, ""},    {"DIM.TBO", 219, conv_::flag, ""},  {"DIM.U1TLN", 220, conv_::whole, ""},
    {"DIM.U1SEP", 221, conv_::text, ""},  {"DIM.U1PLN", 222, conv_::whole, ""}, {"DIM.U1E1", 223, conv_::text, ""},
    {"DIM.U1E2", 224, conv_::text, ""},   {"DIM.U1TAN", 225, conv_::whole, ""}, {"DIM.U1PAN", 226, conv_::whole, ""},
    {"DIM.U1SCA", 227, conv_::number, ""}, {"DIM.U2ON", 228, conv_::flag, ""}, {"DIM.U2TLN", 229, conv_::whole, ""},
    {"DIM.U2PLN", 230, conv_::whole, ""}, {"DIM.U2E1", 231, conv_::text, ""}, {"DIM.U2E2", 232, conv_::text, ""},
    {"DIM.U2SCA", 233, conv_::number, ""}, {"DIM.OSC", 234, conv_::number, ""}, {"DIM.TON", 235, conv_::flag, ""},
    {"DIM.TB2", 236, conv_::flag, ""},    {"DIM.TPRC", 237, conv_::whole, ""}, {"DIM.TPRC2", 238, conv_::whole, ""},
    {"DIM.TUP", 239, conv_::number, ""},  {"DIM.TDW", 240, conv_::number, ""}};

const key_* find_key_(const std::string& key, int32_t kind) {
  for (const key_& k : object_keys_)
    if (key == k.key && std::strchr(k.kinds, 'a' + kind - 1)) return &k;
  if (kind >= ot_dimension_ && kind <= ot_reference_)
    for (const key_& k : style_keys_)
      if (key == k.key) return &k;
  return nullptr;
}

// The typed text as the value to write; false when it does not read as that kind of value.
bool convert_(const std::string& text, conv_ conv, value_& out) {
  double d = 0;
  switch (conv) {
    case conv_::text: out = value_::of(text); return true;
    case conv_::flag: {
      const std::string t = edit_trim_(text);
      if (t == "True" || t == "False") return out = value_::of(t == "True" ? -1.0 : 0.0), true;
      if (!edit_read_number_(t, d)) return false;
      out = value_::of(d != 0 ? -1.0 : 0.0);
      return true;
    }
    case conv_::number:
      if (!edit_read_number_(text, d) || !fits_f32_(d)) return false;
      out = value_::of(double(f32_(d)));
      return true;
    case conv_::whole: {
      int32_t n;
      if (!edit_read_number_(text, d) || !to_int_even_(d, n)) return false;
      out = value_::of(double(n));
      return true;
    }
  }
  return false;
}

// Whether a write changed the object: the value as its row reads it, or any field of its
// record (writing R0 with the mean of two radii changes the radii, not the mean).
bool object_changed_(zaz_class_& e, int32_t rec, int32_t prop, const value_& before) {
  if (!(e.edit_prop_(rec, prop) == before)) return true;
  const object_rec_& o = e.store.live.objects[size_t(rec)];
  return is_set_(e.record_differs_(0, rec)) || is_set_(e.record_differs_(o.type, o.index));
}

// The page values the page rows write, to tell whether a write changed any.
struct page_values_ {
  std::string title;
  float width, height;
  int32_t cx, cy, scale, unit;
  bool operator==(const page_values_&) const = default;
};

page_values_ page_values_of_(zaz_class_& e, int16_t pid) {
  return {e.page_title_(pid), e.page_width_(pid), e.page_height_(pid), e.page_cx_(pid),
          e.page_cy_(pid),    e.page_scale_(pid), e.page_unit_(pid)};
}

conv_ page_conv_(const std::string& key) {
  if (key == "PAGE.TITLE") return conv_::text;
  if (key == "PAGE.WIDTH" || key == "PAGE.HEIGHT") return conv_::number;
  return conv_::whole;
}

}  // namespace

void prop_editor_::tedit_KeyPress(int16_t KeyAscii) {
  if (KeyAscii != 13) return;
  zaz_class_& e = host_.engine();
  const std::string text = host_.tedit().text();
  int32_t rec = 0;
  int32_t kind = e.select_fobj_(rec);
  if (kind == ot_block_group_) kind = 0;
  const std::string key = e.edit_itn_();
  // What to write: an object property, the background, or a property of the active page.
  bool known = false;
  conv_ conv = conv_::text;
  const key_* k = nullptr;
  if (kind >= 1 && kind <= 15) {
    k = find_key_(key, kind);
    if (k) known = true, conv = k->conv;
  } else if (key == "PROJ.BGCOL" || key.rfind("PAGE.", 0) == 0) {
    known = key == "PROJ.BGCOL" || key == "PAGE.TITLE" || key == "PAGE.WIDTH" || key == "PAGE.HEIGHT" ||
            key == "PAGE.PPX" || key == "PAGE.PPY" || key == "PAGE.SCALE" || key == "PAGE.UNIT";
    conv = key == "PROJ.BGCOL" ? conv_::whole : page_conv_(key);
  }
  value_ v;
  if (known && !convert_(text, conv, v)) {
    // Refused: the box keeps the text for another try.
    host_.message_box(lang_text_("message.invalidvalue", e.grid.current.caption));
    return;
  }
  host_.mouse_pointer(11);
  if (known) {
    if (k) {
      const value_ before = e.edit_prop_(rec, k->prop);
      host_.undo_begin();
      e.edit_prop_(rec, k->prop, v);
      if (object_changed_(e, rec, k->prop, before)) host_.undo_save(lang_text_("change.setprop"));
    } else if (key == "PROJ.BGCOL") {
      if (v.number >= 0 && v.number <= 16777215) e.backcolor_(int32_t(v.number));
    } else {
      const int16_t pid = e.page_active_();
      const int32_t n = int32_t(v.number);
      // Codes the page has no scale or unit for are not written.
      const bool writes = e.page_ptr_(pid) && !(key == "PAGE.SCALE" && (n < 0 || n > 25)) &&
                          !(key == "PAGE.UNIT" && (n < 0 || n > 6));
      if (writes) {
        const page_values_ before = page_values_of_(e, pid);
        host_.undo_begin();
        if (key == "PAGE.TITLE") e.page_title_(pid, v.text);
        else if (key == "PAGE.WIDTH") e.page_width_(pid, float(v.number));
        else if (key == "PAGE.HEIGHT") e.page_height_(pid, float(v.number));
        else if (key == "PAGE.PPX") e.page_cx_(pid, std::clamp(n, 1, 100));
        else if (key == "PAGE.PPY") e.page_cy_(pid, std::clamp(n, 1, 100));
        else if (key == "PAGE.SCALE") e.page_scale_(pid, n);
        else if (key == "PAGE.UNIT") e.page_unit_(pid, n);
        if (!(page_values_of_(e, pid) == before)) host_.undo_save(lang_text_("change.setprop"));
      }
    }
  }
  host_.focus_state(0);
  hide_editors_();
  host_.mouse_pointer(0);
  ref_edit_(true_, false_);
  host_.ref_view();
}
