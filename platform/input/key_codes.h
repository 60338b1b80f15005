// Key codes of the classic desktop keyboard model. Letters and digits are named by their
// position on a US keyboard, whatever the active layout, so that shortcuts stay put.
#pragma once
#include <cstdint>

inline constexpr int32_t key_lbutton_ = 0x01;
inline constexpr int32_t key_rbutton_ = 0x02;
inline constexpr int32_t key_cancel_ = 0x03;
inline constexpr int32_t key_mbutton_ = 0x04;
inline constexpr int32_t key_back_ = 0x08;
inline constexpr int32_t key_tab_ = 0x09;
inline constexpr int32_t key_clear_ = 0x0C;
inline constexpr int32_t key_return_ = 0x0D;
inline constexpr int32_t key_shift_ = 0x10;
inline constexpr int32_t key_control_ = 0x11;
inline constexpr int32_t key_menu_ = 0x12;  // Alt
inline constexpr int32_t key_pause_ = 0x13;
inline constexpr int32_t key_capital_ = 0x14;  // Caps Lock
inline constexpr int32_t key_escape_ = 0x1B;
inline constexpr int32_t key_space_ = 0x20;
inline constexpr int32_t key_prior_ = 0x21;  // Page Up
inline constexpr int32_t key_next_ = 0x22;   // Page Down
inline constexpr int32_t key_end_ = 0x23;
inline constexpr int32_t key_home_ = 0x24;
inline constexpr int32_t key_left_ = 0x25;
inline constexpr int32_t key_up_ = 0x26;
inline constexpr int32_t key_right_ = 0x27;
inline constexpr int32_t key_down_ = 0x28;
inline constexpr int32_t key_select_ = 0x29;
inline constexpr int32_t key_print_ = 0x2A;
inline constexpr int32_t key_snapshot_ = 0x2C;
inline constexpr int32_t key_insert_ = 0x2D;
inline constexpr int32_t key_delete_ = 0x2E;
inline constexpr int32_t key_help_ = 0x2F;
// Digits 0x30..0x39 and letters 0x41..0x5A are their upper-case ASCII codes.
inline constexpr int32_t key_0_ = 0x30;
inline constexpr int32_t key_9_ = 0x39;
inline constexpr int32_t key_a_ = 0x41;
inline constexpr int32_t key_z_ = 0x5A;
inline constexpr int32_t key_lwin_ = 0x5B;
inline constexpr int32_t key_rwin_ = 0x5C;
inline constexpr int32_t key_apps_ = 0x5D;
inline constexpr int32_t key_numpad0_ = 0x60;
inline constexpr int32_t key_numpad9_ = 0x69;
inline constexpr int32_t key_multiply_ = 0x6A;
inline constexpr int32_t key_add_ = 0x6B;
inline constexpr int32_t key_separator_ = 0x6C;
inline constexpr int32_t key_subtract_ = 0x6D;
inline constexpr int32_t key_decimal_ = 0x6E;
inline constexpr int32_t key_divide_ = 0x6F;
inline constexpr int32_t key_f1_ = 0x70;  // F1..F24 follow in order
inline constexpr int32_t key_f12_ = 0x7B;
inline constexpr int32_t key_f24_ = 0x87;
inline constexpr int32_t key_numlock_ = 0x90;
inline constexpr int32_t key_scroll_ = 0x91;
inline constexpr int32_t key_lshift_ = 0xA0;
inline constexpr int32_t key_rshift_ = 0xA1;
inline constexpr int32_t key_lcontrol_ = 0xA2;
inline constexpr int32_t key_rcontrol_ = 0xA3;
inline constexpr int32_t key_lmenu_ = 0xA4;
inline constexpr int32_t key_rmenu_ = 0xA5;  // right Alt, AltGr on many layouts
// Punctuation keys, named by what they carry on a US keyboard.
inline constexpr int32_t key_oem_1_ = 0xBA;       // ; :
inline constexpr int32_t key_oem_plus_ = 0xBB;    // = +
inline constexpr int32_t key_oem_comma_ = 0xBC;   // , <
inline constexpr int32_t key_oem_minus_ = 0xBD;   // - _
inline constexpr int32_t key_oem_period_ = 0xBE;  // . >
inline constexpr int32_t key_oem_2_ = 0xBF;       // / ?
inline constexpr int32_t key_oem_3_ = 0xC0;       // ` ~
inline constexpr int32_t key_oem_4_ = 0xDB;       // [ {
inline constexpr int32_t key_oem_5_ = 0xDC;       // \ |
inline constexpr int32_t key_oem_6_ = 0xDD;       // ] }
inline constexpr int32_t key_oem_7_ = 0xDE;       // ' "
inline constexpr int32_t key_oem_102_ = 0xE2;     // the extra key beside left Shift

inline constexpr int32_t key_code_count_ = 256;
