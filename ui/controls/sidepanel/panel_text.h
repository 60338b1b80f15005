// Texts of the panel: measures in the interface font through the replaceable measurer, and
// character positions in UTF-8 texts (carets and selections count characters).
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Width of the text in the interface font (bold when asked); 0 for an empty text.
int32_t panel_text_width_(std::string_view text, bool bold = false);
// Line height of the text in the interface font; 0 for an empty text.
int32_t panel_text_height_(std::string_view text);

// Number of characters of a UTF-8 text.
int32_t panel_char_count_(std::string_view text);
// Byte offset of character k (clamped to 0..count).
size_t panel_char_offset_(std::string_view text, int32_t k);

// A text cut at the selection between anchor and caret (either order).
struct panel_split_rec_ {
  std::string before, selected, after;
};
panel_split_rec_ split_selection_(const std::string& text, int32_t anchor, int32_t caret);
