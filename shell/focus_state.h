// Where typed keys go. The docking toolbar text boxes, the tool panel's text items and the
// drawing view hold no window focus of their own, so the key dispatcher, the main window, the
// docking toolbar control and the tool panel share these variables; whichever control last
// took the focus owns them.
#pragma once
#include <cstdint>

// The focus state: 0 drawing view, 1 text box of a docking toolbar, 3 text item of the tool
// panel being edited, 4 property value box, 5 command line box of the ribbon interface. Any
// other value reads as 0.
inline constexpr int32_t focus_view_ = 0;
inline constexpr int32_t focus_toolbar_box_ = 1;
inline constexpr int32_t focus_panel_item_ = 3;
inline constexpr int32_t focus_property_box_ = 4;
inline constexpr int32_t focus_command_line_ = 5;

inline int32_t focus_state_code_ = 0;
// Docking toolbar: tool window id and slot of the focused text box (0 none). Tool panel: the
// edited item id, and 1 in focus_item_ while a checked value field takes typed keys.
inline int32_t focus_toolbar_ = 0;
inline int32_t focus_item_ = 0;
// Selection anchor and caret of the focused text, 0-based positions between characters; the
// selection is the text between them in either order.
inline int32_t focus_sel_anchor_ = 0;
inline int32_t focus_caret_ = 0;
