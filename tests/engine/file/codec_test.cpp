#include "engine/file/codec.h"

#include <gtest/gtest.h>

#include "platform/core/codepage.h"

namespace {

std::string bytes_of(std::initializer_list<int> v) {
  std::string s;
  for (int b : v) s += char(b);
  return s;
}

TEST(StringEncoding, WritesCountThenOneBytePerCharacter) {
  struct Case {
    std::string text;
    std::string bytes;
  } cases[] = {
      {"", bytes_of({0, 0, 0, 0})},
      {"abc", bytes_of({3, 0, 0, 0, 'a', 'b', 'c'})},
      // Letters outside ASCII take their single Windows-1250 byte.
      {"\xC5\x82\xC3\xB3", bytes_of({2, 0, 0, 0, 0xB3, 0xF3})},  // "łó"
  };
  for (const auto& c : cases) {
    byte_writer_ w;
    put_string_(w, c.text);
    EXPECT_EQ(w.data(), c.bytes) << c.text;
    byte_reader_ r(w.data());
    std::string back;
    EXPECT_TRUE(get_string_(r, back));
    EXPECT_EQ(back, c.text);
    EXPECT_TRUE(r.at_end());
  }
}

TEST(StringEncoding, NegativeCountIsEmptyAndConsumesOnlyTheCount) {
  std::string data = bytes_of({0xFB, 0xFF, 0xFF, 0xFF, 'x'});  // -5
  byte_reader_ r(data);
  std::string out = "old";
  EXPECT_TRUE(get_string_(r, out));
  EXPECT_EQ(out, "");
  EXPECT_EQ(r.pos(), 4u);
}

TEST(StringEncoding, CountPastTheEndFails) {
  for (const std::string& data : {bytes_of({5, 0, 0, 0, 'a', 'b'}), bytes_of({1, 0, 0}),
                                  bytes_of({0xFF, 0xFF, 0xFF, 0x7F, 'a'})}) {
    byte_reader_ r(data);
    std::string out;
    EXPECT_FALSE(get_string_(r, out));
    EXPECT_FALSE(r.ok());
  }
}

TEST(StringEncoding, ShortFormRoundTrips) {
  for (std::string text : {"", "R", "tytu\xC5\x82"}) {
    byte_writer_ w;
    put_string2_(w, text);
    EXPECT_EQ(w.size(), 2 + utf8_to_cp1250_(text).size());
    byte_reader_ r(w.data());
    std::string back;
    EXPECT_TRUE(get_string2_(r, back));
    EXPECT_EQ(back, text);
  }
}

TEST(ClipboardMarker, EncodesEachPathByteAsInvertedHex) {
  EXPECT_EQ(clipboard_marker_encode_("C:\\a"), "Arvex.clipboard:BCC5A39E");
  EXPECT_EQ(clipboard_marker_decode_("Arvex.clipboard:BCC5A39E"), "C:\\a");
  for (std::string path : {"/tmp/x/1 2 3 4.tmp", "", "/home/\xC5\xBC/a"}) {
    EXPECT_EQ(clipboard_marker_decode_(clipboard_marker_encode_(path)), path);
  }
}

TEST(ClipboardMarker, RejectsForeignOrMalformedText) {
  for (const char* text : {"", "Arvex.clipboard", "arvex.clipboard:BC", "Arvex.clipboard:B",
                           "Arvex.clipboard:ZZ", "some text"}) {
    EXPECT_EQ(clipboard_marker_decode_(text), "") << text;
  }
}

TEST(LineEnds, LoneBreaksBecomePairs) {
  struct Case {
    std::string in, out;
  } cases[] = {
      {"", ""},
      {"a\nb", "a\r\nb"},
      {"a\rb", "a\r\nb"},
      {"a\r\nb", "a\r\nb"},
      {"\n\r", "\r\n\r\n"},
      {"\r\r\n\n", "\r\n\r\n\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(normalize_line_end_bytes_(c.in), c.out);
}

}  // namespace
