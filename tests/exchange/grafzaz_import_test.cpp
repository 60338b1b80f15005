// GrafZAZ drawings: layers, records, attribute tables, groups as blocks, broken files.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/zaz_class.h"
#include "exchange_fixture.h"

namespace {

// A record header: code, count, layer, width, style, colour, unused, group, unused.
std::string header_(int code, int count, int layer, int width, int style, int color, int group) {
  return std::to_string(code) + " " + std::to_string(count) + " " + std::to_string(layer) + " " +
         std::to_string(width) + " " + std::to_string(style) + " " + std::to_string(color) +
         " 0 " + std::to_string(group) + " 0\r\n";
}

std::string lines_(std::initializer_list<const char*> values) {
  std::string s;
  for (const char* v : values) s += std::string(v) + "\r\n";
  return s;
}

bool import_grafzaz(zaz_class_& e, const std::string& body) {
  return e.import_grafzaz_(write_temp_("t.gca", "GrafZAZ 2.0\r\n" + body));
}

TEST(grafzaz, layers_from_the_list) {
  zaz_class_ e;
  ASSERT_TRUE(import_grafzaz(e, "CZCIONKI 1\r\nArial\r\nWARSTWY 3\r\n" +
                             lines_({"1 0 1 Walls", "2 0 1 Doors", "3 0 1 Text \x93"})));
  ASSERT_EQ(e.layers_count_(), 3);
  EXPECT_EQ(e.layer_title_(1), "Walls");
  EXPECT_EQ(e.layer_title_(3), "Text \xE2\x80\x9C") << "layer names keep the code page's character";
  EXPECT_EQ(e.layer_active_(), 3);
  EXPECT_EQ(live_objects_(e), 0);
}

TEST(grafzaz, records_and_attribute_tables) {
  zaz_class_ e;
  const std::string body =
      header_(4, 0, 1, 3, 2, 9, 0) + lines_({"10", "10", "5", "90"}) +
      header_(8, 0, 1, 9, 2, 6, 0) + lines_({"0", "0", "1", "1"}) +
      header_(1, 9, 1, 0, 0, 1, 0) + lines_({"0", "0", "1", "0", "1", "1", "0", "1"}) +
      header_(3, 0, 1, 0, 3, 0, 0) + lines_({"2", "3", "0", "2.5", "0", "90", "\x93\x80 x"}) +
      header_(7, 0, 1, 0, 0, 0, 0) + lines_({"0", "0", "4", "2", "0", "30", "30"}) +
      header_(7, 0, 1, 0, 0, 0, 0) + lines_({"0", "0", "4", "2", "0", "0", "90"}) +
      header_(5, 0, 1, 0, 0, 0, 0) + lines_({"0", "0", "4", "2", "0"}) +
      header_(129, 10, 1, 0, 0, 0, 0) + lines_({"0", "0", "0", "0", "0", "5", "5", "6", "6", "0"}) +
      header_(128, 6, 1, 0, 0, 5, 0) + lines_({"0", "0", "1", "0", "0", "1"}) +
      header_(99, 0, 1, 0, 0, 0, 0) + lines_({"a", "b"});
  ASSERT_TRUE(import_grafzaz(e, body));
  const auto lines = objects_of_(e, ot_line_);
  ASSERT_EQ(lines.size(), 3u);
  const line_rec_& down = e.store.live.lines[e.object_(lines[0]).index];
  EXPECT_NEAR(down.y2, 5, 1e-4) << "angle 90 runs towards decreasing y";
  EXPECT_EQ(e.object_(lines[0]).draw_color, color_auto_);
  EXPECT_EQ(e.object_(lines[0]).line_style, 0) << "an unknown colour makes the line solid";
  EXPECT_EQ(e.object_(lines[0]).line_width, 2);
  EXPECT_EQ(e.object_(lines[1]).draw_color, 0x0000FF);
  EXPECT_EQ(e.object_(lines[1]).line_style, 3);
  EXPECT_EQ(e.object_(lines[1]).line_width, 5);
  const polyline_rec_& pl = e.store.live.polylines[e.object_(objects_of_(e, ot_polyline_)[0]).index];
  EXPECT_EQ(pl.count, 4) << "count 9 reads four points";
  const text_rec_& t = e.store.live.texts[e.object_(objects_of_(e, ot_text_)[0]).index];
  EXPECT_EQ(t.text, "\xC5\x82\xC4\x84 x");
  EXPECT_EQ(e.object_(objects_of_(e, ot_ellipse_)[0]).type, ot_ellipse_);
  const arc_rec_& arc = e.store.live.arcs[e.object_(objects_of_(e, ot_arc_)[0]).index];
  EXPECT_EQ(arc.rx, 4);
  EXPECT_EQ(arc.ry, 2);
  EXPECT_EQ(objects_of_(e, ot_polygon_).size(), 2u);
}

TEST(grafzaz, groups_become_placed_blocks) {
  zaz_class_ e;
  const std::string body = header_(8, 0, 1, 0, 0, 0, 5) + lines_({"90", "40", "110", "60"}) +
                           header_(15, 0, 1, 0, 0, 0, 5) + lines_({"100", "50", "3"}) +
                           header_(244, 0, 1, 0, 0, 0, 5) + lines_({"100", "50"}) +
                           header_(15, 0, 1, 0, 0, 0, 2000000000) + lines_({"0", "0", "1"}) +
                           header_(244, 0, 1, 0, 0, 0, 7) + lines_({"1", "1"});
  ASSERT_TRUE(import_grafzaz(e, body));
  ASSERT_EQ(e.blocks_count_(), 2) << "a group without objects makes no block";
  EXPECT_EQ(e.blocks_name_(1), "SYMBOL 5");
  EXPECT_EQ(e.blocks_name_(2), "SYMBOL 2000000000");
  EXPECT_EQ(e.library.blocks[1].member_count(), 2);
  const auto inserts = objects_of_(e, ot_block_insert_);
  ASSERT_EQ(inserts.size(), 2u);
  const block_insert_rec_& ins = e.store.live.block_inserts[e.object_(inserts[0]).index];
  EXPECT_EQ(ins.x, 100);
  EXPECT_EQ(ins.y, 50);
  for (int32_t r = 1; r <= e.store.counts[0]; ++r) EXPECT_EQ(e.object_(r).group, 0);
}

TEST(grafzaz, broken_files_leave_the_drawing) {
  const std::string cases[] = {
      header_(8, 0, 1, 0, 0, 0, 0) + lines_({"1", "2", "3"}),
      "WARSTWY 5\r\n1 0 1 A\r\n",
      header_(1, 200000, 1, 0, 0, 0, 0) + lines_({"1", "2"}),
      header_(8, 0, 1, 70000, 0, 0, 0) + lines_({"1", "2", "3", "4"}),
      "CZCIONKI 2000000000\r\n",
  };
  for (const std::string& body : cases) {
    zaz_class_ e;
    e.page_add_("mine", 100, 100);
    ASSERT_GT(e.add_line_(1, 1, 2, 2), 0);
    EXPECT_FALSE(import_grafzaz(e, body));
    EXPECT_EQ(e.pages_count_(), 1);
    EXPECT_EQ(e.page_title_(1), "mine");
    EXPECT_EQ(live_objects_(e), 1);
  }
}

}  // namespace
