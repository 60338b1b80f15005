// The splash and about pictures, PNG bytes held in the program (made at build time).
#pragma once
#include <string_view>

std::string_view splash_picture_png_();
std::string_view about_picture_png_();
