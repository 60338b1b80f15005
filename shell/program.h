// The spine of a run: the start (settings, language, skin, metrics, the two engines, the splash,
// the first drawing, the main window, the keyboard hook) and the exit in order; the path helpers
// of the drawing template and the procedures the engine and the frame call back.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/core/types.h"

class zaz_class_;

// The main drawing (every window works on it) and the block library's drawing.
extern std::unique_ptr<zaz_class_> main_engine_;
extern std::unique_ptr<zaz_class_> library_engine_;

// The whole start; command_line is the program's arguments joined by blanks.
void Main(const std::string& command_line);
void start_program_(const std::string& command_line);
// Writes the classic layout, closes the windows (unless keep_windows is true_), releases the main
// engine (its undo files go with it), removes the keyboard hook and ends the process. Asks nothing.
void exit_program_(flag16_ keep_windows);
// What ends the process at the close of exit_program_; tests put a procedure that returns.
void set_process_end_(std::function<void()> end);

// The whole command line, trimmed, every double quote removed: one drawing path.
std::string command_line_path_(const std::string& command_line);
std::string template_name_();
std::string template_path_();
std::string file_name_of_(const std::string& path);
// "xtoolbars2_.ini" in the user's settings folder (beside the program in portable mode, where
// the settings live too): the program's folder is not the user's to write.
std::string toolbar_layout_path_();
// Another layout file for the rest of the run (empty: the usual one again); test
// programs share one folder, so each keeps its layout in its own.
void set_toolbar_layout_path_(const std::string& path);
// After a layout reset the toolbars keep no layout for the rest of the run, so the next start
// builds the default one.
void disable_toolbar_layout_();
bool toolbar_layout_disabled_();

// The engine's progress and break procedures.
void progress_callback_();
void break_callback_();

// The main window's frame procedures (ribbon: first to fifth slot; classic: second slot).
void frame_cb_ribbon_refresh_();
void frame_cb_close_popups_();
void frame_cb_quick_button_();
void frame_cb_show_bars_();
void frame_cb_hide_bars_();
void frame_cb_close_menus_();
