#include "platform/core/codepage.h"

#include <gtest/gtest.h>

TEST(Codepage, PolishLettersRoundTrip) {
  const std::string utf8 = "Zażółć gęślą jaźń ĄĆĘŁŃÓŚŹŻ °±";
  std::string bytes = utf8_to_cp1250_(utf8);
  EXPECT_EQ(bytes.size(), 30u);  // one byte per character
  EXPECT_EQ(static_cast<uint8_t>(bytes[2]), 0xBF);  // ż
  EXPECT_EQ(cp1250_to_utf8_(bytes), utf8);
}

TEST(Codepage, EveryAssignedByteRoundTrips) {
  for (int b = 1; b < 256; ++b) {
    char32_t cp = cp1250_to_unicode_(uint8_t(b));
    if (cp == 0) continue;
    EXPECT_EQ(unicode_to_cp1250_(cp), b) << b;
  }
}

TEST(Codepage, UnmappableAndMalformedBecomeQuestionMarks) {
  EXPECT_EQ(utf8_to_cp1250_("a\xE2\x8C\x80" "b"), "a?b");  // U+2300 has no byte
  EXPECT_EQ(utf8_to_cp1250_("a\xC3"), "a?");               // cut sequence
  EXPECT_EQ(utf8_to_cp1250_("\xC0\x80"), "?");             // overlong NUL
  EXPECT_EQ(cp1250_to_utf8_("\x81"), "\xEF\xBF\xBD");      // unassigned byte
}
