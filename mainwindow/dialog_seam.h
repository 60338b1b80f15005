// The one way the main window shows its dialogs: by name, modally (the block library
// modeless), with the main window as owner. The real dialogs register a runner under their
// name; a name without one, and every name a test scripts, records the call and runs the
// scripted reply instead (closing it, or making a change to the engine). While the platform's
// dialogs answer from a script (tests), a real dialog runs only where a test asks for it: its
// modal loop would otherwise wait for a person.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/gdi/pixel_types.h"

// The dialog names.
inline constexpr const char* dlg_pages_ = "pages";
inline constexpr const char* dlg_layers_ = "layers";
inline constexpr const char* dlg_dimstyles_ = "dimstyles";
inline constexpr const char* dlg_select_filter_ = "selfilter";
inline constexpr const char* dlg_text_ = "text";
inline constexpr const char* dlg_drawing_props_ = "drawprops";
inline constexpr const char* dlg_library_ = "library";  // modeless
inline constexpr const char* dlg_print_ = "print";
inline constexpr const char* dlg_line_width_ = "linewidth";
inline constexpr const char* dlg_options_ = "options";
inline constexpr const char* dlg_about_ = "about";
inline constexpr const char* dlg_hatch_ = "hatch";

// The result a dialog returns when it is closed without a choice.
inline constexpr int32_t dlg_closed_ = 0;

struct dialog_call_rec_ {
  std::string name;
  std::string arg;
};

// A dialog runner: shows the dialog for its argument and returns its result.
using dialog_runner_ = std::function<int32_t(const std::string& arg)>;

class dialog_seam_ {
 public:
  void register_(const std::string& name, dialog_runner_ run) { real_[name] = std::move(run); }
  // Tests: the reply a name gets from now on, before any real dialog.
  void script_(const std::string& name, dialog_runner_ reply) { scripted_[name] = std::move(reply); }
  void clear_scripts_() { scripted_.clear(); }
  // Tests: real dialogs run even while the platform's dialogs are scripted.
  bool real_in_scripts_ = false;
  // Tests: the registered dialog itself, for a scripted reply that plays input inside it.
  int32_t run_registered_(const std::string& name, const std::string& arg);

  // Shows a dialog; an unknown or unscripted name is recorded and closes at once.
  int32_t show_(const std::string& name, const std::string& arg = {});
  std::vector<dialog_call_rec_> take_calls_();

  // The block-library window: whether it is open and its screen rectangle.
  bool library_rect_(pixel_rect_& r) const { return library_rect ? library_rect(r) : false; }
  std::function<bool(pixel_rect_&)> library_rect;

 private:
  std::map<std::string, dialog_runner_> real_, scripted_;
  std::vector<dialog_call_rec_> calls_;
};
