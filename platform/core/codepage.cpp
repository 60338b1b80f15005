#include "platform/core/codepage.h"

#include <array>

namespace {
// 0x80..0xFF of Windows-1250; 0 marks the unassigned bytes.
constexpr std::array<char16_t, 128> kHigh = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021, 0,      0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0,      0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};
}  // namespace

char32_t cp1250_to_unicode_(uint8_t byte) {
  return byte < 0x80 ? char32_t(byte) : char32_t(kHigh[byte - 0x80]);
}

int unicode_to_cp1250_(char32_t cp) {
  if (cp < 0x80) return int(cp);
  for (int i = 0; i < 128; ++i)
    if (kHigh[i] != 0 && char32_t(kHigh[i]) == cp) return 0x80 + i;
  return -1;
}

char32_t utf8_next_(std::string_view s, size_t& pos) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
  unsigned char c = byte(pos);
  int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
  if (len == 0 || pos + len > s.size()) {
    ++pos;
    return 0xFFFD;
  }
  char32_t cp = len == 1 ? c : c & (0x7F >> len);
  for (int i = 1; i < len; ++i) {
    unsigned char d = byte(pos + i);
    if ((d & 0xC0) != 0x80) {
      ++pos;
      return 0xFFFD;
    }
    cp = (cp << 6) | (d & 0x3F);
  }
  pos += len;
  static constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0xFFFD;
  return cp;
}

void utf8_append_(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xF0 | (cp >> 18));
    out += char(0x80 | ((cp >> 12) & 0x3F));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

std::string cp1250_to_utf8_(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    char32_t cp = cp1250_to_unicode_(static_cast<uint8_t>(c));
    utf8_append_(out, cp == 0 && c != 0 ? char32_t(0xFFFD) : cp);
  }
  return out;
}

std::string utf8_to_cp1250_(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t pos = 0; pos < text.size();) {
    int b = unicode_to_cp1250_(utf8_next_(text, pos));
    out += b < 0 ? '?' : char(b);
  }
  return out;
}
