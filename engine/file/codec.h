// Field encodings shared by the drawing file, the clipboard transfer file and the undo state
// files: texts travel as one Windows-1250 byte per character behind a length.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/core/binary_io.h"

// String: a 32-bit character count, then the characters; a count of 0 or less is the empty text.
void put_string_(byte_writer_& w, std::string_view utf8);
// Reads one String. A count that runs past the end fails the reader and leaves out empty.
bool get_string_(byte_reader_& r, std::string& out);

// The short form used inside undo state files: a 16-bit length, then the characters.
void put_string2_(byte_writer_& w, std::string_view utf8);
bool get_string2_(byte_reader_& r, std::string& out);

// The clipboard marker: a fixed prefix, then every byte of the path as two upper-case hex
// digits of (255 - code).
inline constexpr std::string_view clipboard_marker_prefix_ = "Arvex.clipboard:";
std::string clipboard_marker_encode_(std::string_view path_utf8);
// The path a marker names; empty when the text is no marker or its digits are malformed.
std::string clipboard_marker_decode_(std::string_view marker);

// Every lone carriage return or line feed becomes a carriage return and line feed pair.
std::string normalize_line_end_bytes_(std::string_view in);
