// The 40-pixel button band at the bottom of the page, layer and style dialogs.
#pragma once
#include <initializer_list>

#include "platform/window/window.h"
#include "ui/controls/button/button.h"

// Places the close button at the band's right end and the others (four at most) from its left
// edge, in the order given.
void layout_button_band_(window_& form, xcbutton_& close, std::initializer_list<xcbutton_*> left = {});
