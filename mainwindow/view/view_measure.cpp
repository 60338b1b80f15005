// MES.L and MES.A: the vertex tools' clicks without a figure; the finishing click reports the
// length or area in the page's unit. A measurement never changes the drawing.
#include <cstdio>

#include "engine/zaz_class.h"
#include "mainwindow/mdi.h"
#include "mainwindow/properties/prop_editor.h"
#include "mainwindow/view/view_input.h"
#include "platform/services/dialogs.h"
#include "platform/services/screen.h"
#include "shell/language.h"

namespace {
// A single as the platform's default conversion writes it: up to seven significant digits,
// no trailing zeros, the exponent form for very large and very small values.
std::string single_text(float v) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%.7G", double(v));
  std::string s = buf;
  const std::string d = decimal_separator_();
  for (char& c : s)
    if (c == '.' && !d.empty()) c = d[0];
  return s;
}
}  // namespace

void view_input_::measure_report_(bool area) {
  zaz_class_& e = h_.engine_();
  const float v = area ? e.calc_area_() : e.calc_length_();
  const int32_t unit = e.page_unit_(e.page_active_());
  const std::string text = lang_text_(area ? "message.calcareais" : "message.calclengthis", single_text(v),
                                      prop_editor_::unit_key_(unit));
  message_box_(text, program_title_, box_ok_ + box_icon_info_, &h_.form_());
}
