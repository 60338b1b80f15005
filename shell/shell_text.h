// Small text helpers of the shell: the trimming and case rules its names and keys follow.
#pragma once
#include <string>
#include <string_view>

// Leading and trailing blanks (spaces only; tabs stay) removed.
std::string trim_blanks_(std::string_view s);
// ASCII letters lowered (setting names and language keys are ASCII); other bytes unchanged.
std::string lower_ascii_(std::string_view s);
std::string upper_ascii_(std::string_view s);
// Every occurrence of what replaced by with, left to right; the inserted text is not scanned again.
std::string replace_all_(std::string_view s, std::string_view what, std::string_view with);
// Every NUL character removed.
std::string remove_nuls_(std::string_view s);
// True when the text ends in either path separator.
bool ends_with_separator_(std::string_view s);
// A folder with one separator at its end: '/' added unless it already ends in '/' or '\'.
std::string with_separator_(std::string_view folder);
