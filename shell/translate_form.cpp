#include "shell/translate_form.h"

#include "platform/window/controls.h"
#include "platform/window/window.h"
#include "shell/language.h"

namespace {

bool has_design_caption(control_kind_ kind) {
  switch (kind) {
    case control_kind_::label:
    case control_kind_::command_button:
    case control_kind_::check_box:
    case control_kind_::option_button:
    case control_kind_::frame:
      return true;
  }
  return false;
}

}  // namespace

void translate_form_(window_& form) {
  try {
    form.set_title_(lang_text_(form.title_()));
  } catch (...) {
  }
  for (control_* c : standard_controls_(form)) {
    try {
      if (has_design_caption(c->kind_())) c->set_caption_(lang_text_(c->caption_()));
    } catch (...) {
    }
  }
}
