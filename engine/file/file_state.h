// State of the drawing file, undo and clipboard area of the engine.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/geometry/library_state.h"
#include "engine/model/chunk_table.h"
#include "engine/model/dimstyle_state.h"
#include "engine/model/records.h"
#include "platform/core/types.h"

// One undo step: its description and its state file. The pages' reserved texts are not in
// the file, so each side keeps them here to give them back on undo and redo.
struct state_rec_ {
  std::string name;
  std::string file;
  std::vector<std::string> reserved_before, reserved_after;  // by page number, 0..N
  dimstyle_step_rec_ dimstyle_step;  // a removed dimension style, which the file does not hold
};

// What state_begin_ copies before a change (the object tables go to the store's snapshot set).
// The selection is read from `objects`, the main table as it stood, which shares every chunk
// the step did not change and so costs next to nothing to keep.
struct undo_before_ {
  record_counts_rec_ counts{};
  chunk_table_<object_rec_> objects;  // 0..counter 0, for the selected flags
  std::vector<page_rec_> pages{page_rec_{}};  // 0..N, entry 0 empty
  int32_t active_page = 0;
  std::vector<block_def_rec_> blocks{block_def_rec_{}};  // 0..B
  bool tables_held = false;  // the snapshot tables hold the before copy
};

// What one chunk of main records holds, kept while the chunk stays as it was: whether any
// record in it is selected, and the range of entry numbers its records use in each kind's
// table (lo > hi when none), so a step can tell which unchanged chunks point at changed entries.
struct chunk_note_ {
  uint64_t mark = 0;
  bool any_selected = false;
  std::array<int32_t, object_kinds_ + 1> lo{}, hi{};
};

struct file_state_ {
  file_state_() = default;
  file_state_(const file_state_&) = delete;
  file_state_& operator=(const file_state_&) = delete;
  ~file_state_();  // deletes the temporary files still listed

  flag16_ changed = false_;
  std::string file_name;
  std::string last_magic;  // first five bytes of the file last examined or read
  int32_t version = 0;     // 1 or 2 after a file was read or written, 0 in a new engine
  std::vector<std::string> temp_files;  // made by this engine, deleted when it ends

  std::vector<state_rec_> states;  // undo list, entries 0..
  int32_t state_index = 0;         // states undo can still apply
  undo_before_ before;
  std::vector<chunk_note_> notes;  // by chunk of the main table

  // System clipboard text, set by the host; without them the clipboard is a no-op.
  std::function<void(const std::string&)> clipboard_set_text;
  std::function<std::string()> clipboard_get_text;
  // An error message box (text only), set by the host.
  std::function<void(const std::string&)> error_box;

  object_rec_ scratch;  // image header being read by undo and redo
};
