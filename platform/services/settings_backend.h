// The per-user settings store: a tree application / section / key with text values, kept as one
// INI file per application in the user's configuration folder ("arvex" below it).
// Names arrive already trimmed and lower-cased; a '\' in a section is a level of the tree.
#pragma once
#include <optional>
#include <string>

// The stored text, or nothing when the setting is absent or the store cannot be read.
std::optional<std::string> user_setting_get_(const std::string& app, const std::string& section,
                                             const std::string& key);
// False when the store could not be written.
bool user_setting_put_(const std::string& app, const std::string& section, const std::string& key,
                       const std::string& value);
// Where the INI files live; tests use a folder of their own. Empty goes back to the user's
// configuration folder.
void set_user_settings_folder_(const std::string& folder);
std::string user_settings_folder_();
