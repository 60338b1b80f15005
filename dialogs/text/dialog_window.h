// What the document dialogs share: a top-level window owned by the main window with the
// program's frame, the skin's dialog colours, the opening position kept in the settings, the
// decorated button band, and picture boxes (child windows painted by their owner).
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window/window.h"
#include "dialogs/common/dialog_numbers.h"
#include "dialogs/common/picture_box.h"

// A hidden top-level window owned by owner, client_w x client_h pixels, without its frame yet.
std::unique_ptr<window_> make_dialog_window_(window_* owner, int32_t client_w, int32_t client_h);
// Gives the dialog the program's frame and sizes it so that its client area is client_w x
// client_h. The frame chains the mouse, resize, move, activate and destroy handlers set before
// this call, so the dialog sets its own first. Returns the frame index (0 when frames are off).
int32_t finish_dialog_window_(window_& form, int32_t client_w, int32_t client_h);
// Moves the dialog to the position stored under "windows\<name>" (twips). Without a stored
// position: the owner's top-left corner plus (150, 165) pixels, or the centre of the screen
// when centre is set or there is no owner.
void place_dialog_(window_& form, const window_* owner, std::string_view name, bool centre);
// Writes the dialog's top-left corner (twips) under "windows\<name>".
void save_dialog_position_(const window_& form, std::string_view name);
// Resizes the window so that its client area is client_w x client_h, keeping its position.
void set_client_size_(window_& form, int32_t client_w, int32_t client_h);
// The dialog colours of the skin on the form, its labels and the given picture boxes.
void apply_dialog_colors_(window_& form, const std::vector<window_*>& pictures);
// Paints the dialog's background and the stripes above its 40-pixel button band.
void paint_dialog_background_(window_& form);

// The GotFocus and LostFocus of a control's window, run after the control's own handling.
void chain_focus_(window_* w, std::function<void(bool got)> handler);
// Keys of a window seen before its own handling; a handler returning true keeps the key.
void chain_key_(window_* w, std::function<bool(const key_event_& k)> handler);
