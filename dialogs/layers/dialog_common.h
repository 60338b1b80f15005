// What the page, layer and dimension-style dialogs share: the main window's services they
// call, their opening position, the locale's numbers, a kept-image picture box and the one
// routine that shows a dialog modally.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/core/types.h"
#include "platform/gdi/pixel_types.h"
#include "platform/window/window.h"
#include "dialogs/common/dialog_numbers.h"
#include "dialogs/common/picture_box.h"

// The main window as the dialogs see it; the main window fills one when it registers them.
struct dialog_host_rec_ {
  window_* owner = nullptr;  // the main window, owner of every dialog
  // Repaints the drawing view (fast, resize as the main window's ref_ takes them).
  std::function<void(int32_t fast, int32_t resize)> ref;
  // Shared icon numbers loaded at start (0: none).
  int32_t icon_page = 0;
  int32_t icon_layer_visible[2] = {0, 0};  // [0] hidden, [1] visible
  int32_t icon_layer_enabled[2] = {0, 0};  // [0] locked, [1] editable
  int32_t icon_auto = 0, icon_none = 0, icon_bylayer = 0, icon_byblock = 0, icon_rgb = 0;
  int32_t icon_style[5] = {0, 0, 0, 0, 0};  // line styles 0..4
  int32_t icon_width[5] = {0, 0, 0, 0, 0};  // line widths 1..5
  int32_t arrow_icons_a[20] = {}, arrow_icons_b[20] = {};
};

// The opening position in screen pixels: "left" and "top" of section "windows\<name>" in twips;
// a missing value or one that is not a number gives the owner's corner + (150, 165) pixels.
pixel_point_ dialog_position_(std::string_view name, const window_* owner);

// v with a fixed number of decimals and the locale's separator ("0.00" is decimals 2).
std::string format_locale_(double v, int32_t decimals);


// Shows the dialog modally over its owner. A queued action, when given, runs from the event
// loop once the dialog is up (tests drive it from there and close it).
void run_dialog_modal_(window_& dialog, window_* owner, std::function<void()> queued = {});
