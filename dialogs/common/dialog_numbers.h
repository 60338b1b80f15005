// Numbers typed into dialog boxes, read in the user's locale.
#pragma once
#include <string_view>

// A number typed in the user's locale: blanks around it ignored, the user's decimal separator
// (and the point) read as the decimal mark. False for anything else, or out of range.
bool parse_locale_number_(std::string_view text, double& value);
