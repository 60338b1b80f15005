// Opening and saving reach the exchange code: file_save_ with the DXF format writes a file that
// file_open_ recognises and imports; GrafZAZ drawings open the same way; a broken one changes nothing.
#include <gtest/gtest.h>

#include "engine/zaz_class.h"
#include "exchange_fixture.h"

TEST(file_entry, dxf_saved_and_opened_through_the_file_operations) {
  zaz_class_ out;
  out.file_new_(true_, "");
  ASSERT_GT(out.add_line_(1, 2, 30, 40), 0);
  ASSERT_GT(out.add_circle_(50, 50, 5), 0);
  const std::string path = temp_folder_() + "entry.dxf";
  ASSERT_EQ(out.file_save_(path, 2, false_), true_);

  zaz_class_ in;
  in.file_new_(true_, "");
  in.add_line_(0, 0, 1, 1);
  ASSERT_EQ(in.file_type_(path), 2);
  ASSERT_EQ(in.file_open_(path), true_);
  EXPECT_EQ(live_objects_(in, 2), 1);
  EXPECT_EQ(live_objects_(in, 7), 1);
  EXPECT_EQ(in.file_name_(), "") << "an imported drawing stays untitled";
  EXPECT_EQ(in.file_change_(), false_);
}

TEST(file_entry, grafzaz_opens_and_a_broken_one_leaves_the_drawing) {
  zaz_class_ e;
  e.file_new_(true_, "");
  e.add_line_(0, 0, 1, 1);
  const std::string broken = write_temp_("broken.gca", "GrafZAZ 2.0\r\nWARSTWY 99999\r\n");
  EXPECT_EQ(e.file_open_(broken), false_);
  EXPECT_EQ(live_objects_(e, 2), 1);

  const std::string good = write_temp_(
      "good.gca", "GrafZAZ 2.0\r\nWARSTWY 1\r\n1 0 1 Walls\r\n8 0 1 0 0 0 0 0 0\r\n0\r\n0\r\n3\r\n4\r\n");
  ASSERT_EQ(e.file_type_(good), 4);
  ASSERT_EQ(e.file_open_(good), true_);
  EXPECT_EQ(live_objects_(e, 2), 1);
  EXPECT_EQ(e.layer_title_(1), "Walls");
}
