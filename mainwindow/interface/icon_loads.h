// Icon loads of the command-surface builders.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Loads the small icon files of a group, named in files separated by blanks, one after another
// and returns the number of the first. A group draws its button n with icon (first + n - 1), so
// a file that fails to load still takes its number, as an empty entry: the pictures of the
// group's later buttons stay where they belong. 0 when files names none.
int32_t load_icon_run_(const std::string& folder, std::string_view files);
