// The command vocabulary of the command surfaces: which command word each key of the ribbon and
// of the classic interface sends to the main window's command entry, and which keys the main
// window answers with an action of its own. The builders define the keys; the main window's
// event handlers look them up here.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The event that reports a key.
enum class command_event_ : uint8_t {
  main_menu,      // ribbon application menu
  quick_button,   // ribbon quick-access button
  ribbon_button,  // ribbon button or group (by second key, and a group's position from 1)
  ribbon_item,    // ribbon drop-down item
  ribbon_corner,  // ribbon toolbar corner button (by toolbar key)
  dock_button,    // classic button released (by second key)
  dock_item,      // classic menu or drop-down item picked
};

struct command_word_rec_ {
  command_event_ event;
  const char* key;
  int16_t position;  // a ribbon group's button, from 1; 0 otherwise
  const char* word;
};

// How an own action's key matches: the key itself, the key followed by a number (items the
// main window numbers at run time), or the key followed by anything (a family of items).
enum class key_match_ : uint8_t { exact, numbered, family };

struct own_action_rec_ {
  command_event_ event;
  const char* key;
  const char* action;  // what the main window does
  key_match_ match = key_match_::exact;
};

std::span<const command_word_rec_> command_words_();
std::span<const own_action_rec_> own_actions_();

// The command word of a key (keys compared exactly); empty when the key sends none.
std::string command_word_(command_event_ event, std::string_view key, int16_t position = 0);
// The main window's own action for a key; null when it has none.
const own_action_rec_* own_action_(command_event_ event, std::string_view key);

// The value an attribute item of the classic colour, line-style and line-width lists stands for:
// a colour 0x00BBGGRR or -4 by layer, -3 by block, -2 none, -1 automatic; a style or width code.
// False for keys of no value (the ".RGB" items ask the colour dialog) and unknown keys.
enum class attribute_kind_ : uint8_t { none, draw_colour, fill_colour, line_style, line_width };
bool attribute_item_value_(std::string_view key, attribute_kind_& kind, int32_t& value);
