// Modal boxes and the common dialogs. Every one of them passes through one place that tests
// answer with scripted replies; with scripting on and no reply queued a dialog is cancelled
// instead of waiting for a person.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

class window_;

// Message boxes: buttons, icons and results keep the classic numbers.
inline constexpr int32_t box_ok_ = 0;
inline constexpr int32_t box_ok_cancel_ = 1;
inline constexpr int32_t box_yes_no_cancel_ = 3;
inline constexpr int32_t box_yes_no_ = 4;
inline constexpr int32_t box_icon_error_ = 16;
inline constexpr int32_t box_icon_question_ = 32;
inline constexpr int32_t box_icon_warning_ = 48;  // the exclamation mark
inline constexpr int32_t box_icon_info_ = 64;

inline constexpr int32_t answer_ok_ = 1;
inline constexpr int32_t answer_cancel_ = 2;
inline constexpr int32_t answer_yes_ = 6;
inline constexpr int32_t answer_no_ = 7;

// Style: the sum of one box_* button set and one box_icon_* value. The result is an answer_*
// value; closing the box counts as Cancel, or as No for Yes/No, or OK for a lone OK.
int32_t message_box_(const std::string& text, const std::string& title, int32_t style,
                     window_* owner = nullptr);

// A one-line text entry; the empty text on cancel (cancelled tells the two apart).
std::string input_box_(const std::string& prompt, const std::string& title,
                       const std::string& default_text, window_* owner = nullptr,
                       bool* cancelled = nullptr);

// File dialogs. The filter is "text|pattern|text|pattern" with patterns joined by ";".
// Results are full paths, or the empty text on cancel.
std::string open_file_path_(window_* owner, const std::string& filter,
                            const std::string& default_ext);
// filter_index comes back as the 1-based number of the chosen filter pair (0 on cancel).
std::string save_file_path_(window_* owner, const std::string& filter,
                            const std::string& default_ext, int32_t& filter_index);

// Colour choice: 0x00BBGGRR, or -1 on cancel.
int32_t choose_colour_(window_* owner, int32_t initial = -1);

struct font_choice_ {
  std::string face;
  bool bold = false, italic = false, underline = false;
};
// Font choice; false on cancel, leaving chosen as it was.
bool choose_font_(window_* owner, const std::string& initial_face, font_choice_& chosen);

// A context menu at a screen point, modal until a pick or a dismissal: the 1-based number of
// the chosen item, or 0 when none was chosen. Separators and disabled items cannot be chosen.
struct menu_item_ {
  std::string caption;
  bool enabled = true;
  bool separator = false;
};
int32_t context_menu_(window_* owner, int32_t screen_x, int32_t screen_y, const std::vector<menu_item_>& items);

// Scripting.
enum class dialog_kind_ : uint8_t { message_box, input_box, open_file, save_file, colour, font, context_menu, any };

struct dialog_reply_ {
  dialog_kind_ kind = dialog_kind_::any;  // any: answers whatever dialog comes next
  int32_t answer = answer_ok_;            // message box answer; menu item number
  bool cancel = false;                    // input, file, colour and font dialogs
  std::string text;                       // input text, file path
  int32_t filter_index = 1;               // save dialog
  int32_t colour = 0;
  font_choice_ font;
};

// What a dialog was asked, kept for tests to read.
struct dialog_request_ {
  dialog_kind_ kind = dialog_kind_::message_box;
  std::string text;   // message, prompt, the filter of a file dialog, menu captions joined by "|"
  std::string title;  // title, or the default extension of a file dialog
  int32_t style = 0;
  bool answered = false;  // false when scripting cancelled it for want of a reply
};

// Scripting is on by default when no display exists (offscreen and minimal platforms).
void set_dialog_scripting_(bool on);
bool dialog_scripting_();
void push_dialog_reply_(const dialog_reply_& reply);
size_t pending_dialog_replies_();
void clear_dialog_replies_();
// The dialogs asked since the last call, oldest first.
std::vector<dialog_request_> take_dialog_requests_();
