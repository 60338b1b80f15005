// The real dialogs behind the main window's dialog seam, registered once when the window is
// made. Each is shown modally with the main window as owner, except the block library window,
// which stays open beside it. Tests script the names instead, so no real dialog waits for them.
#include "dialogs/dimstyles/ex_dimstyles.h"
#include "dialogs/drawprop/drawprop.h"
#include "dialogs/hatchpal/hatchpal.h"
#include "dialogs/layers/dialog_common.h"
#include "dialogs/layers/ex_layers.h"
#include "dialogs/library/library_window.h"
#include "dialogs/pages/ex_pages.h"
#include "dialogs/print/printer_choice.h"
#include "dialogs/print/printing.h"
#include "dialogs/select/select_dialog.h"
#include "dialogs/text/text_dialog.h"
#include "engine/zaz_class.h"
#include "platform/services/clipboard.h"
#include "platform/services/dialogs.h"
#include "mainwindow/commands/command_run.h"
#include "mainwindow/mdi.h"
#include "shell/guiopt.h"
#include "shell/program.h"
#include "shell/xopt.h"
#include "ui/controls/sidepanel/xcpanelbox.h"

namespace {
// The shared icons the page, layer and dimension-style dialogs show.
dialog_host_rec_ dialog_host(MDI_& m) {
  dialog_host_rec_ h;
  h.owner = &m.form();
  h.ref = [&m](int32_t fast, int32_t resize) { m.ref_(flag16_(fast), flag16_(resize)); };
  h.icon_page = m.page_icon_;
  h.icon_layer_visible[0] = m.layer_hidden_icon_;
  h.icon_layer_visible[1] = m.layer_visible_icon_;
  h.icon_layer_enabled[0] = m.layer_locked_icon_;
  h.icon_layer_enabled[1] = m.layer_editable_icon_;
  h.icon_auto = m.icon_auto_;
  h.icon_none = m.icon_none_;
  h.icon_bylayer = m.icon_bylayer_;
  h.icon_byblock = m.icon_byblock_;
  h.icon_rgb = m.icon_rgb_;
  for (int32_t i = 0; i < 5; ++i) {
    h.icon_style[i] = m.style_icons_[size_t(i + 5)];
    h.icon_width[i] = m.width_icons_[size_t(i + 1 + 5)];
  }
  for (size_t i = 0; i < 20; ++i) {
    h.arrow_icons_a[i] = m.arrow1_icons_[i];
    h.arrow_icons_b[i] = m.arrow2_icons_[i];
  }
  return h;
}

text_dialog_host_ text_host(MDI_& m) {
  text_dialog_host_ h;
  h.get_text = [&m] { return m.ddraw_text_; };
  h.set_text = [&m](const std::string& t) { m.ddraw_text_ = t; };
  h.panel_text = [&m](int32_t item) { return m.panel().valid_item_(item) ? m.panel().textv_(item) : std::string(); };
  h.set_panel_text = [&m](int32_t item, const std::string& t) {
    if (m.panel().valid_item_(item)) m.panel().textv_(item, t);
  };
  h.ref_view = [&m] { m.ref_(false_, false_); };
  h.ref_states = [&m] { m.ref_states_(); };
  return h;
}

library_host_ library_host(MDI_& m) {
  library_host_ h;
  h.ref_view = [&m] { m.ref_(false_, false_); };
  h.set_block = [&m](int32_t block) { m.set_block_(block); };
  h.ref_blocks = [&m] { m.ref_blocks_(-1, -1); };
  return h;
}
}  // namespace

void command_words_::register_dialogs_(MDI_& m) {
  // The engine's clipboard transfer and its paste error reach the desktop through here, unless
  // the start gave the engine its own.
  file_state_& f = m.eng_.file;
  if (!f.clipboard_set_text) f.clipboard_set_text = [](const std::string& t) { clipboard_set_text_(t); };
  if (!f.clipboard_get_text) f.clipboard_get_text = [] { return clipboard_text_(); };
  if (!f.error_box)
    f.error_box = [](const std::string& t) { message_box_(t, program_title_, box_ok_ + box_icon_error_); };

  dialog_seam_& d = m.dialogs_;
  zaz_class_& e = m.eng_;
  window_* owner = m.form_.get();
  d.register_(dlg_pages_, [&m, &e](const std::string&) {
    show_ex_pages_(e, dialog_host(m));
    return dlg_closed_;
  });
  d.register_(dlg_layers_, [&m, &e](const std::string&) {
    show_ex_layers_(e, dialog_host(m));
    return dlg_closed_;
  });
  d.register_(dlg_dimstyles_, [&m, &e](const std::string&) {
    show_ex_dimstyles_(e, dialog_host(m));
    return dlg_closed_;
  });
  d.register_(dlg_select_filter_, [&m, &e, owner](const std::string&) {
    show_select_dialog_(e, owner, [&m] { m.ref_(false_, false_); });
    return dlg_closed_;
  });
  // The argument "font" opens the text dialog on its font page.
  d.register_(dlg_text_, [&m, &e, owner](const std::string& arg) {
    open_text_dialog_(e, owner, text_host(m), arg == "font");
    return dlg_closed_;
  });
  d.register_(dlg_drawing_props_, [&e, owner](const std::string&) {
    show_drawprop_dialog_(e, owner);
    return dlg_closed_;
  });
  auto library = std::make_shared<ex_xlib_*>(nullptr);
  d.register_(dlg_library_, [&m, &e, owner, library](const std::string&) {
    if (!library_engine_) return dlg_closed_;
    *library = &show_library_window_(e, *library_engine_, owner, library_host(m));
    return dlg_closed_;
  });
  d.library_rect = [library](pixel_rect_& r) {
    if (!*library || !(*library)->open_()) return false;
    r = (*library)->window_of_().window_rect_();
    return true;
  };
  d.register_(dlg_print_, [&e, owner](const std::string&) {
    show_printing_dialog_(e, owner);
    return dlg_closed_;
  });
  d.register_(dlg_line_width_, [&e, owner](const std::string&) {
    show_line_widths_dialog_(e, owner);
    return dlg_closed_;
  });
  d.register_(dlg_printer_setup_, [owner](const std::string&) {
    show_printer_dialog_(owner, 0);
    return dlg_closed_;
  });
  d.register_(dlg_options_, [&e, owner](const std::string&) {
    show_options_dialog_(e, owner);
    return dlg_closed_;
  });
  // A fresh about window every time.
  d.register_(dlg_about_, [owner](const std::string&) {
    about_ a;
    a.show_modal_(owner);
    return dlg_closed_;
  });
  d.register_(dlg_hatch_, [&e, owner](const std::string&) {
    show_hatch_palette_(e, owner);
    return dlg_closed_;
  });
}
