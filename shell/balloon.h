// The program's entry in the notification area and its balloon tips. Where the desktop offers no
// tray the entry is missing and a balloon does nothing.
#pragma once
#include <cstdint>
#include <string>

// Adds the entry once; later calls change nothing.
void tray_add_icon_();
// A balloon on the entry; icon_flags 1 info, 2 warning, 3 error, else none. An empty text or
// title shows the previous one again.
void tray_show_balloon_(const std::string& text, const std::string& title, int32_t icon_flags,
                        int32_t timeout_ms);

// What the entry holds between calls.
struct tray_record_rec_ {
  bool added = false;
  std::string balloon_text, balloon_title;  // at most 255 and 63 characters
  int32_t timeout_ms = 0;
  int32_t icon_flags = 0;
};
const tray_record_rec_& tray_record_();
