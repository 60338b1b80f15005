// The settings store: every setting is read and written by application, section and key.
// Normally the per-user store; in portable mode (a file "mobile" beside the program) the
// file "settings.dat" beside it, a plain array of 384-byte records:
//   bytes   0..127  key: application\section\key, lower case, Windows-1250, blank-padded
//   bytes 128..383  value: Windows-1250 text, blank-padded
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/core/types.h"
#include "platform/core/value.h"

inline constexpr int32_t settings_record_size_ = 384;
inline constexpr int32_t settings_key_size_ = 128;
inline constexpr int32_t settings_value_size_ = 256;

// One entry of the settings table: where it lives and what a reader gets when nothing is stored.
struct setting_def_rec_ {
  std::string app;
  std::string section;
  std::string key;
  value_ def;
};

// The interface settings read at start.
inline const setting_def_rec_ setting_gui_lang_{"kalvinor.common", "GUI", "Lang", value_::of("PL")};
inline const setting_def_rec_ setting_gui_skin_{"kalvinor.common", "GUI", "Skin", value_::of(3)};
inline const setting_def_rec_ setting_gui_type_{"kalvinor.common", "GUI", "Type", value_::of(1)};
inline const setting_def_rec_ setting_gui_wscreen_{"kalvinor.common", "GUI", "WScreen", value_::of(1)};
inline const setting_def_rec_ setting_template_{"kalvinor.zaz", "default", "template", value_::of("")};

// True once start-up found "mobile" beside the program; fixed for the run.
extern flag16_ portable_mode_;

// True when a file "mobile" lies in the program folder.
flag16_ is_portable_();
// In portable mode opens (creating it when missing) "settings.dat" in the program folder and keeps
// it open. A file that can be read but not written still serves reads; one that cannot be read at
// all leaves every setting at its default and every save failing.
void open_settings_file_();
// Closes the file opened by open_settings_file_ (the end of a run, or a test switching folders).
void close_settings_file_();

// The record number (from 1) whose whole key field is key, or 0 (also when no file is open).
int32_t find_setting_record_(std::string_view key);

// The stored text, or def when the setting is absent or a name is empty. From the per-user store a
// missing setting gives def as text; from the portable file def comes back as it is.
value_ get_setting_(std::string_view app, std::string_view section, std::string_view key,
                    const value_& def);
value_ get_setting_(const setting_def_rec_& setting);
// The same with a plain default: get_setting_("kalvinor.zaz", "windows\\exlayers", "left", 0).
inline value_ get_setting_(std::string_view app, std::string_view section, std::string_view key,
                           double def) {
  return get_setting_(app, section, key, value_::of(def));
}
inline value_ get_setting_(std::string_view app, std::string_view section, std::string_view key,
                           std::string_view def) {
  return get_setting_(app, section, key, value_::of(std::string(def)));
}
// Stores value; false when a name is empty or the store could not be written.
bool save_setting_(std::string_view app, std::string_view section, std::string_view key,
                   std::string_view value);

// Conversions callers apply to a setting. A number becomes its shortest text ("3", "0.5").
std::string value_text_(const value_& v);
// A number, or a text holding one number (blanks around it allowed); otherwise fallback.
double value_number_(const value_& v, double fallback = 0);
// The runtime's variant comparison: the text "1" equals the number 1.
bool value_equals_(const value_& v, double n);
