#include "dialogs/layers/dialog_common.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/services/screen.h"
#include "platform/window/event_loop.h"
#include "shell/settings.h"
#include "shell/shell_text.h"

namespace {

// A stored position: a number, or a text that is wholly a number; anything else is absent.
bool stored_twips_(const value_& v, double& out) {
  if (v.is_number()) {
    out = v.number;
    return std::isfinite(out);
  }
  if (!v.is_text()) return false;
  std::string t = trim_blanks_(v.text);
  if (t.empty()) return false;
  char* end = nullptr;
  out = std::strtod(t.c_str(), &end);
  return end && *end == '\0' && std::isfinite(out);
}

}  // namespace

pixel_point_ dialog_position_(std::string_view name, const window_* owner) {
  const double tx = twips_per_pixel_x_() > 0 ? twips_per_pixel_x_() : 15;
  const double ty = twips_per_pixel_y_() > 0 ? twips_per_pixel_y_() : 15;
  pixel_rect_ o{};
  if (owner) o = owner->window_rect_();
  // Both defaults use the horizontal twips per pixel, as the placement always did.
  const double def_left = (o.left + 150) * tx, def_top = o.top * ty + 165 * tx;
  const std::string section = "windows\\" + std::string(name);
  double left = 0, top = 0;
  if (!stored_twips_(get_setting_("kalvinor.zaz", section, "left", value_::empty()), left)) left = def_left;
  if (!stored_twips_(get_setting_("kalvinor.zaz", section, "top", value_::empty()), top)) top = def_top;
  return {cint32_(left / tx), cint32_(top / ty)};
}

std::string format_locale_(double v, int32_t decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", int(decimals), v);
  std::string s = buf;
  if (s == "-0" || s.find_first_not_of("-0.") == std::string::npos) {
    if (!s.empty() && s[0] == '-') s.erase(0, 1);  // no "-0.00"
  }
  const std::string sep = decimal_separator_();
  size_t at = s.find('.');
  if (at != std::string::npos && sep != ".") s.replace(at, 1, sep);
  return s;
}

void run_dialog_modal_(window_& dialog, window_* owner, std::function<void()> queued) {
  if (queued) post_task_(std::move(queued));
  dialog.show_modal_(owner);
}
