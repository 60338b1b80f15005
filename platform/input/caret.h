// The one text caret of the application: a blinking inverted bar in one window.
#pragma once
#include <cstdint>

class window_;

// Creates the caret in a window (replacing any other caret), hidden, at client (0, 0).
void create_caret_(window_& win, int32_t width, int32_t height);
void destroy_caret_();
void set_caret_pos_(int32_t x, int32_t y);
void show_caret_();
void hide_caret_();
// Half a blink cycle in milliseconds.
int32_t caret_blink_ms_();
bool caret_exists_();
bool caret_shown_();
window_* caret_window_();
