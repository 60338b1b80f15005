#include <cstdlib>
#include <string>

#include "mainwindow/mdi.h"
#include "mainwindow/ribbon_events/ribbon_events.h"
#include "mainwindow/view/adraw_rows.h"
#include "platform/core/types.h"
#include "shell/shell_text.h"

void ribbon_tool_rows_(MDI_& m) {
  m.ref_adraw_();
}

bool key_number_(std::string_view text, int16_t& n) {
  const std::string t = trim_blanks_(text);
  if (t.empty()) return false;
  char* end = nullptr;
  const double v = std::strtod(t.c_str(), &end);
  if (end != t.c_str() + t.size()) return false;
  return to_int_even_(v, n);
}
