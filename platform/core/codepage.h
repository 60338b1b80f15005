// Windows-1250, the one-byte code page of every binary file and stroke-font glyph code.
// Inside the program texts are UTF-8; conversion happens only at those boundaries.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The Unicode code point of a Windows-1250 byte; 0 for the five unassigned bytes.
char32_t cp1250_to_unicode_(uint8_t byte);
// The Windows-1250 byte of a code point, or -1 when the code page has none.
int unicode_to_cp1250_(char32_t cp);

// Bytes in Windows-1250 to UTF-8. Unassigned bytes become U+FFFD.
std::string cp1250_to_utf8_(std::string_view bytes);
// UTF-8 to Windows-1250 bytes. Characters the code page lacks, and malformed
// UTF-8 sequences, become '?'.
std::string utf8_to_cp1250_(std::string_view text);

// Decodes one UTF-8 code point at pos and advances pos; malformed input yields U+FFFD.
char32_t utf8_next_(std::string_view text, size_t& pos);
void utf8_append_(std::string& out, char32_t cp);
