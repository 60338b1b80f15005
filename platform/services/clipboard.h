// The system clipboard, as text (UTF-8).
#pragma once
#include <string>

bool clipboard_set_text_(const std::string& text);
std::string clipboard_text_();  // empty when the clipboard holds no text
bool clipboard_has_text_();
void clipboard_clear_();
