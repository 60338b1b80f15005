// Installed scalable fonts as glyph outline sources (FreeType, found through fontconfig).
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "engine/fonts/font_convert.h"

// The installed font closest to face, bold and italic at an em height of pixel_height device
// pixels; outlines and metrics come in tenths of a pixel, unhinted. A missing bold or italic
// face is synthesised. Underlines are not part of glyph outlines. Null when nothing matches.
std::unique_ptr<glyph_outline_source_> open_system_font_(const std::string& face, int32_t pixel_height,
                                                         bool bold, bool italic, bool underline);
// The same from a font file and face index.
std::unique_ptr<glyph_outline_source_> open_font_file_(const std::string& path, int32_t face_index,
                                                       int32_t pixel_height);
// The file fontconfig picks for face, bold and italic; empty when none.
std::string match_system_font_file_(const std::string& face, bool bold, bool italic);
