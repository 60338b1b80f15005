// Block library state: folders and block definitions. Both tables keep a spare entry 0,
// so an id is simply the position in its table (1..count).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct libdir_rec_ {
  std::string title;
  int32_t parent = 0;  // folder id; 0 = top level
};

struct block_def_rec_ {
  int32_t value = 0;  // kept and saved, never interpreted
  std::string name;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // members' box relative to the base point
  int16_t hidden = 0;
  int32_t folder = 0;  // library folder id; 0 = none
  std::vector<int32_t> members{0};  // entry 0 unused; record numbers of page-0 records
  int32_t member_count() const { return members.empty() ? 0 : static_cast<int32_t>(members.size()) - 1; }
};

struct library_state_ {
  std::vector<libdir_rec_> dirs{libdir_rec_{}};         // entry 0 spare
  std::vector<block_def_rec_> blocks{block_def_rec_{}};  // entry 0 spare
  int32_t dir_count() const { return static_cast<int32_t>(dirs.size()) - 1; }
  int32_t block_count() const { return static_cast<int32_t>(blocks.size()) - 1; }
};
