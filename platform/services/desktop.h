// Desktop services: documents opened with their program and the notification-area entry.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Opens a document with the program associated with it; false when nothing could open it.
// With dialog scripting on nothing is launched: the path is recorded and true returned.
bool open_document_(const std::string& path);
// Paths recorded while scripting, oldest first; clears the record.
std::vector<std::string> take_opened_documents_();

// The program's one notification-area entry.
enum class balloon_icon_ : uint8_t { none, info, warning, error };
bool tray_available_();
// Adds the entry (once; later calls only change the tip). False when there is no tray.
bool tray_add_(const std::string& tip);
void tray_remove_();
bool tray_present_();
// A balloon message on the entry; false without one.
bool tray_balloon_(const std::string& text, const std::string& title, balloon_icon_ icon,
                   int32_t timeout_ms);
// Called when the user clicks the entry.
void set_tray_activated_(std::function<void()> on_click);
