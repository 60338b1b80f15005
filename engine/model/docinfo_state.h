// Document information and the procedures the host registers with an engine.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "platform/core/types.h"

struct docinfo_state_ {
  std::string title, description, author;
  std::string password_stored;  // two lower-case hex digits per Windows-1250 byte
};

struct host_state_ {
  std::function<void()> progress_proc;  // reads the value back through progress_()
  int32_t progress_value = 0;           // 0 start, 1..100 percent, -1 finished
  std::function<void()> break_proc;     // lets pending window messages run
  flag16_ break_flag = false_;
  // Size of the current printer's page in millimetres; false when no printer answers.
  std::function<bool(float& width_mm, float& height_mm)> printer_page_mm;
};
