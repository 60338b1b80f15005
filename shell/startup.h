// The first steps of a start: where the settings live and which language the texts come in.
#pragma once
#include <string>

#include "platform/core/value.h"

// "program_en.lang" when the language setting is EN in any case, else "program_pl.lang".
// The value is not trimmed: the per-user store hands values back as they were written.
std::string language_file_for_(const value_& lang);

// Portable mode from "mobile" beside the program (opening "settings.dat" there), then the language
// file named by GUI/Lang. Returns the name of the language file chosen (loaded when it exists).
std::string start_settings_and_language_();
