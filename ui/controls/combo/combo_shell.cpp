#include "ui/controls/combo/combo_shell.h"

namespace {
combo_shell_hooks_& hooks() {
  static combo_shell_hooks_ h;
  return h;
}
}  // namespace

combo_shell_hooks_ set_combo_shell_hooks_(combo_shell_hooks_ h) {
  combo_shell_hooks_ before = hooks();
  hooks() = std::move(h);
  return before;
}

const combo_shell_hooks_& combo_shell_hooks_in_use_() { return hooks(); }
