// The reader takes the file a block at a time and reads plain decimals directly: neither may
// change what a drawing imports as.
#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <random>
#include <string>

#include "engine/zaz_class.h"
#include "exchange/dxf_values.h"
#include "exchange_fixture.h"

namespace {

TEST(dxf_stream, plain_decimals_read_as_the_library_reads_them) {
  std::mt19937_64 g(5);
  for (int i = 0; i < 200000; ++i) {
    std::string s = g() % 3 == 0 ? "-" : g() % 5 == 0 ? "+" : "";
    // Up to 21 digits before the point and 24 after: across the 2^53 and 10^22 limits.
    const int whole = int(g() % 22), fraction = int(g() % 25);
    for (int k = 0; k < whole; ++k) s += char('0' + g() % 10);
    if (fraction > 0 || g() % 2) s += '.';
    for (int k = 0; k < fraction; ++k) s += char('0' + g() % 10);
    if (g() % 20 == 0) s += "e" + std::to_string(int(g() % 40) - 20);
    const char* b = s.c_str() + (s[0] == '+' ? 1 : 0);
    double want = 0;
    if (std::from_chars(b, s.c_str() + s.size(), want).ec != std::errc()) want = 0;
    const double got = dxf_number_(s);
    ASSERT_EQ(std::memcmp(&got, &want, sizeof got), 0) << s;
  }
  // Beside 2^53: the largest whole number the short way takes, and the next ones.
  for (const char* s : {"9007199254740992", "9007199254740993", "-9007199254740995", "900719925474099.3",
                        "0.9007199254740993", "1.570796326794897", "12345678901234567890.5"}) {
    double want = 0;
    std::from_chars(s + (s[0] == '+' ? 1 : 0), s + std::strlen(s), want);
    const double got = dxf_number_(s);
    EXPECT_EQ(std::memcmp(&got, &want, sizeof got), 0) << s;
  }
}

// Entities whose coordinates and counts are easy to check, with line ends of one kind.
std::string drawing(const std::string& end, size_t comment) {
  std::string s = "999" + end + std::string(comment, 'c') + end;
  auto pair = [&](const std::string& c, const std::string& v) { s += c + end + v + end; };
  pair("0", "SECTION"), pair("2", "ENTITIES");
  for (int i = 0; i < 3000; ++i) {
    const std::string x = std::to_string(i % 97) + "." + std::to_string(i % 13), y = std::to_string(i / 97);
    if (i % 3 == 0) pair("0", "CIRCLE"), pair("8", "0"), pair("10", x), pair("20", y), pair("40", "0.75");
    else pair("0", "LINE"), pair("8", "0"), pair("10", x), pair("20", y), pair("11", y), pair("21", x);
  }
  pair("0", "ENDSEC"), pair("0", "EOF");
  return s;
}

std::vector<float> boxes(const zaz_class_& e) {
  std::vector<float> v;
  for (int32_t r = 1; r <= e.store.counts[0]; ++r) {
    const object_rec_& o = e.store.live.objects[static_cast<size_t>(r)];
    v.insert(v.end(), {o.x1, o.y1, o.x2, o.y2, float(o.type)});
  }
  return v;
}

TEST(dxf_stream, line_ends_across_block_edges_and_lines_longer_than_a_block) {
  zaz_class_ ref;
  ASSERT_TRUE(ref.file_import_acdxf_(write_temp_("stream_ref.dxf", drawing("\n", 10))));
  const std::vector<float> want = boxes(ref);
  ASSERT_EQ(live_objects_(ref), 3000);
  // The comment puts its CR LF across the first block edge (64 KB), or its CR last in the
  // block, or makes one line longer than three blocks.
  const struct {
    const char* end;
    size_t comment;
  } cases[] = {{"\r\n", 65536 - 6}, {"\r\n", 65536 - 7}, {"\r", 65536 - 5}, {"\r", 65536 - 6},
               {"\n", 65536 - 5},   {"\r\n", 200000},    {"\r", 3}};
  for (const auto& c : cases) {
    zaz_class_ e;
    ASSERT_TRUE(e.file_import_acdxf_(write_temp_("stream.dxf", drawing(c.end, c.comment)))) << c.comment;
    EXPECT_EQ(boxes(e), want) << "comment of " << c.comment << " with ends " << int(c.end[0]) << int(c.end[1]);
  }
}

}  // namespace
