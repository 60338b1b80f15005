// The shared icon table: pictures loaded from the icon folder, addressed by id from 1.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/services/picture_file.h"

struct icon_entry_rec_ {
  picture_rec_ small_picture;  // drawn at 16 pixels
  picture_rec_ large_picture;  // drawn at 32 or 48 pixels
  int32_t width = 0;           // as passed to add_icon_; 0 lets the painters use their sizes
  int32_t height = 0;
};

// Entries 1..upper bound; entry 0 is unused. Grows one entry at a time, never shrinks.
extern std::vector<icon_entry_rec_> icon_table_;

int32_t icon_table_upper_();
// The entry of id, or nullptr outside 1..upper bound.
const icon_entry_rec_* icon_entry_(int32_t id);
// Appends an entry at upper bound + 1 and returns its id.
int32_t append_icon_entry_(icon_entry_rec_ entry);

// Loads the two pictures from folder and adds an entry; either name stands in for a missing other.
// Separators in the names become blanks, so a name always stays inside folder. The id handed out
// is max(upper bound, 1) + 1 (the first is 2); 0 when a picture cannot be loaded.
int32_t add_icon_(std::string_view folder, std::string_view small_file,
                  std::string_view large_file, int32_t width, int32_t height);
// The entry's width and height as given to add_icon_; 0 and 0 for an id outside the table.
void get_icon_size_(int32_t id, int32_t& width, int32_t& height);
