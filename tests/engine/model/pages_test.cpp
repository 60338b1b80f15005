#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/zaz_class.h"

namespace {

struct Pages : ::testing::Test {
  std::unique_ptr<zaz_class_> e = std::make_unique<zaz_class_>();
  // Three pages, each with one point on layer 1, and one block member on page 0.
  void three_pages() {
    for (int p = 1; p <= 3; ++p) {
      e->page_add_("page " + std::to_string(p), 100.0f * p, 50);
      e->layer_add_("l", true_, true_, -1, -2, 0, 1);
      e->add_point_(float(p), 0);
    }
    const int32_t m = e->add_point_(9, 9);
    e->store.live.objects[m].page = 0;
  }
  const object_rec_& obj(int32_t r) const { return e->store.live.objects[r]; }
};

TEST_F(Pages, AddReturnsPreviousActivePage) {
  EXPECT_EQ(e->page_add_("a", 297, 210), 0);
  EXPECT_EQ(e->page_active_(), 1);
  EXPECT_EQ(e->page_add_("b", 297, 210), 1);
  EXPECT_EQ(e->page_active_(), 2);
  EXPECT_EQ(e->pages_count_(), 2);
}

TEST_F(Pages, NewPageDefaultsAndCentredView) {
  e->views.views[1].zoom = 3;
  e->page_add_("sheet", 297, 210);
  EXPECT_EQ(e->page_title_(1), "sheet");
  EXPECT_EQ(e->page_width_(1), 297);
  EXPECT_EQ(e->page_height_(1), 210);
  EXPECT_EQ(e->page_cx_(1), 1);
  EXPECT_EQ(e->page_cy_(1), 1);
  EXPECT_EQ(e->page_unit_(1), 0);
  EXPECT_EQ(e->page_scale_(1), 0);
  EXPECT_EQ(e->page_show_border_(1), true_);
  EXPECT_EQ(e->page_show_coords_(1), false_);
  EXPECT_EQ(e->layers_count_(), 0);
  EXPECT_EQ(e->view_posx_(), 148.5f);
  EXPECT_EQ(e->view_posy_(), 105);
  EXPECT_EQ(e->view_zoom_(), 3);  // zoom stays as the slot held it
}

TEST_F(Pages, ZeroSizeAsksThePrinter) {
  e->host.printer_page_mm = [](float& w, float& h) { w = 210; h = 297; return true; };
  e->page_add_("p", 0, 100);
  EXPECT_EQ(e->page_width_(1), 210);
  EXPECT_EQ(e->page_height_(1), 100);
  e->host.printer_page_mm = [](float&, float&) { return false; };
  e->page_add_("q", -5, 0);
  EXPECT_EQ(e->page_width_(2), -5);  // no printer: stored as given
  EXPECT_EQ(e->page_height_(2), 0);
}

TEST_F(Pages, FullTableRefusesInsteadOfOverwritingLastPage) {
  for (int i = 1; i <= 255; ++i) e->page_add_("p" + std::to_string(i), 10, 10);
  e->layer_add_("kept", true_, true_, -1, -2, 0, 1);
  const int32_t r = e->add_point_(1, 1);
  e->page_active_(7);
  EXPECT_EQ(e->page_add_("one too many", 20, 20), 7);
  EXPECT_EQ(e->pages_count_(), 255);
  EXPECT_EQ(e->page_active_(), 7);
  EXPECT_EQ(e->page_title_(255), "p255");
  EXPECT_EQ(e->page_width_(255), 10);
  e->page_active_(255);
  EXPECT_EQ(e->layer_title_(1), "kept");
  EXPECT_EQ(obj(r).page, 255);
  EXPECT_EQ(obj(r).deleted, false_);
}

TEST_F(Pages, DeletingMiddlePageRenumbersAndKeepsViews) {
  three_pages();
  e->view_setting_(11, 12, 2, 2);
  e->view_setting_(31, 32, 4, 3);
  e->store.live.objects[2].selected = true_;
  EXPECT_EQ(e->page_delete_(2), 0);
  EXPECT_EQ(e->pages_count_(), 2);
  EXPECT_EQ(e->page_title_(2), "page 3");
  EXPECT_EQ(e->page_width_(2), 300);
  EXPECT_EQ(obj(1).page, 1);
  EXPECT_EQ(obj(2).deleted, true_);
  EXPECT_EQ(obj(2).selected, false_);
  EXPECT_EQ(obj(2).page, 2);  // keeps its old number
  EXPECT_EQ(obj(3).page, 2);
  EXPECT_EQ(obj(3).deleted, false_);
  EXPECT_EQ(obj(4).page, 0);
  EXPECT_EQ(e->views.views[2].posx, 11);  // the former page 3 shows view 2
  EXPECT_EQ(e->views.views[3].zoom, 4);
}

TEST_F(Pages, DeleteRefusals) {
  e->page_add_("only", 1, 1);
  EXPECT_EQ(e->page_delete_(1), 0);
  EXPECT_EQ(e->pages_count_(), 1);
  e->page_add_("second", 1, 1);
  for (int16_t id : {0, 3, -1}) {
    e->page_delete_(id);
    EXPECT_EQ(e->pages_count_(), 2) << id;
  }
}

TEST_F(Pages, ActivePageAfterDeletion) {
  three_pages();
  e->page_delete_(3);  // the active last page goes
  EXPECT_EQ(e->page_active_(), 2);
  three_pages();       // now five pages, the fifth active
  e->page_active_(2);
  e->page_delete_(2);
  EXPECT_EQ(e->page_active_(), 2);
  EXPECT_EQ(e->page_title_(2), "page 1");  // the former third page
}

TEST_F(Pages, ActivePageIsClamped) {
  three_pages();
  struct Case { int16_t set, got; };
  for (Case c : {Case{0, 1}, Case{-4, 1}, Case{2, 2}, Case{9, 3}}) {
    e->page_active_(c.set);
    EXPECT_EQ(e->page_active_(), c.got) << c.set;
  }
}

TEST_F(Pages, SheetCountsReadClamped) {
  e->page_add_("p", 1, 1);
  struct Case { int32_t stored, read; };
  for (Case c : {Case{0, 1}, Case{5000, 999}, Case{12, 12}, Case{-3, 1}}) {
    e->page_cx_(1, c.stored);
    e->page_cy_(1, c.stored);
    EXPECT_EQ(e->page_cx_(1), c.read) << c.stored;
    EXPECT_EQ(e->page_cy_(1), c.read) << c.stored;
    EXPECT_EQ(e->pages.pages[1].cx, c.stored);
  }
}

TEST_F(Pages, SizeSettersKeepOldValueForZeroOrLess) {
  e->page_add_("p", 100, 50);
  for (float bad : {0.0f, -1.0f, NAN}) {
    e->page_width_(1, bad);
    e->page_height_(1, bad);
  }
  EXPECT_EQ(e->page_width_(1), 100);
  EXPECT_EQ(e->page_height_(1), 50);
  e->page_width_(1, 420);
  EXPECT_EQ(e->page_width_(1), 420);
}

TEST_F(Pages, MissingPageReadsDefaultsAndIgnoresWrites) {
  e->page_add_("p", 100, 50);
  for (int16_t pid : {0, 2, -1}) {
    e->page_title_(pid, "x");
    e->page_unit_(pid, 3);
    e->page_posx_(pid, 5);
    e->page_show_border_(pid, true_);
    EXPECT_EQ(e->page_title_(pid), "");
    EXPECT_EQ(e->page_unit_(pid), 0);
    EXPECT_EQ(e->page_scale_(pid), 0);
    EXPECT_EQ(e->page_cx_(pid), 1);
    EXPECT_EQ(e->page_cy_(pid), 1);
    EXPECT_EQ(e->page_width_(pid), 0);
    EXPECT_EQ(e->page_posx_(pid), 0);
    EXPECT_EQ(e->page_show_border_(pid), false_);
  }
}

TEST_F(Pages, PropertiesStoreUnchecked) {
  e->page_add_("p", 100, 50);
  e->page_unit_(1, -7);
  e->page_scale_(1, 99999);
  e->page_posx_(1, -3.5f);
  e->page_posy_(1, 8);
  e->page_show_coords_(1, 5);
  EXPECT_EQ(e->page_unit_(1), -7);
  EXPECT_EQ(e->page_scale_(1), 99999);
  EXPECT_EQ(e->page_posx_(1), -3.5f);
  EXPECT_EQ(e->page_posy_(1), 8);
  EXPECT_EQ(e->page_show_coords_(1), 5);
}

}  // namespace
