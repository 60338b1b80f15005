// The common dialogs in five plain operations, so no caller builds a dialog of its own: a file to
// open, a name to save under, a document opened with its program, a font face and a colour.
#pragma once
#include <cstdint>
#include <string>

#include "platform/core/types.h"
#include "platform/window/window.h"

// Filters are "text|pattern|text|pattern", patterns joined by ";". The default extension may be
// given as "zaz", ".zaz" or "*.zaz"; a name typed without an extension gets ".zaz".
// The chosen path trimmed, or "" on cancel.
std::string open_file_dialog_(window_handle_ owner, const std::string& filter,
                              const std::string& default_ext);
// filter_index comes back whatever happened: the 1-based filter pair chosen, 0 on cancel.
std::string save_file_dialog_(window_handle_ owner, const std::string& filter,
                              const std::string& default_ext, int32_t& filter_index);
// Opens a document with its program; always "" (a failure is passed over).
std::string shell_open_(const std::string& path);
// A face and its style; true_ when chosen, false_ on cancel with the outputs untouched. No
// printer is consulted, so the chooser works where none is installed.
flag16_ choose_font_dialog_(window_handle_ owner, const std::string& initial_face, std::string& face,
                            uint8_t& bold, uint8_t& italic, uint8_t& underline);
// 0x00BBGGRR, or -1 on cancel (black is 0, not a cancel).
int32_t choose_color_dialog_(window_handle_ owner);

// The default extension as the suffix to add (".zaz"); "" when it names none.
std::string default_suffix_(const std::string& default_ext);
// Path with the suffix added when its file name has no extension of its own.
std::string with_default_suffix_(const std::string& path, const std::string& default_ext);
