#include "shell/balloon.h"

#include "platform/services/desktop.h"

namespace {
tray_record_rec_ record;

// A field keeps one character fewer than it holds; an empty text keeps the old content.
void fill_field(std::string& field, const std::string& text, size_t room) {
  if (text.empty()) return;
  field = text.substr(0, room - 1);
}

balloon_icon_ icon_of(int32_t flags) {
  switch (flags & 3) {
    case 1: return balloon_icon_::info;
    case 2: return balloon_icon_::warning;
    case 3: return balloon_icon_::error;
    default: return balloon_icon_::none;
  }
}
}  // namespace

const tray_record_rec_& tray_record_() { return record; }

void tray_add_icon_() {
  if (record.added) return;
  record.added = tray_add_("Arvex");
}

void tray_show_balloon_(const std::string& text, const std::string& title, int32_t icon_flags,
                        int32_t timeout_ms) {
  if (!record.added) return;
  fill_field(record.balloon_text, text, 256);
  fill_field(record.balloon_title, title, 64);
  record.timeout_ms = timeout_ms;
  record.icon_flags = icon_flags;
  tray_balloon_(record.balloon_text, record.balloon_title, icon_of(icon_flags), timeout_ms);
}
