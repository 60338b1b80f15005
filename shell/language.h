// Language files and text lookup. Every interface text comes from the language table by key.
//
// A language file lies beside the program ("program_en.lang", "program_pl.lang"): one entry per
// line, key=text, the first "=" separating them; lines without "=" or starting with it are
// ignored. Files are in Windows-1250, one byte per character, like every text file the program
// reads beside itself; a file that starts with the UTF-8 byte-order mark is read as UTF-8 instead.
// In a text "|" is a line break, "_" a no-break space and {0}..{9} are parameters.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/core/types.h"

inline constexpr int32_t lang_table_size_ = 2048;

struct lang_entry_rec_ {
  std::string key;   // lower case, trimmed
  std::string text;  // trimmed; "|", "_" and placeholders are substituted at lookup
};

// Entries 1..count in file order; entry 0 is unused.
struct lang_table_rec_ {
  std::array<lang_entry_rec_, lang_table_size_ + 1> entries;
  int32_t count = 0;
};

extern lang_table_rec_ lang_table_;

// Fills the table from the file. A name without a folder is taken from the program folder.
// True when the file was read; false, with an empty table, when it is missing or unreadable.
// Entries after the 2048th are dropped.
flag16_ load_language_(std::string_view name);

// The text of key (trimmed, case-insensitive) with "|" as CR LF, "_" as a no-break space and
// {0}..{9} filled from p0..p9, in that order (so a parameter may carry a later placeholder).
// A key not in the table gives "%" and the trimmed, lower-cased key.
std::string lang_text_(std::string_view key, std::string_view p0 = {}, std::string_view p1 = {},
                       std::string_view p2 = {}, std::string_view p3 = {},
                       std::string_view p4 = {}, std::string_view p5 = {},
                       std::string_view p6 = {}, std::string_view p7 = {},
                       std::string_view p8 = {}, std::string_view p9 = {});

// Called with the trimmed, lower-cased key of every lookup that misses, just before lang_text_
// returns "%" and the key. Empty unless set: tests install one so that an untranslated caption,
// tooltip or message fails the test that showed it.
extern std::function<void(const std::string& key)> lang_missing_key_hook_;
