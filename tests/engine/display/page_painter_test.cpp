#include "display_fixture.h"

using page_painter = display_;

TEST_F(page_painter, SheetsPaintEveryEdgeOnceAndTheSizeLabel) {
  resize(200, 150);
  view(40, 30, 1);
  e->page_width_(1, 40);
  e->page_height_(1, 20);
  e->page_cx_(1, 2);
  e->page_cy_(1, 3);
  e->page_show_border_(1, true_);
  paint();
  // Sheets span x 0..80 (pixels 60..140) and y 0..60 (pixels 105 up to 45).
  const int32_t cols[] = {60, 100, 140}, rows[] = {105, 85, 65, 45};
  for (int32_t x : cols)
    for (int32_t y : {95, 75, 55}) EXPECT_NE(at(x, y), white) << "vertical edge " << x << "," << y;
  for (int32_t y : rows)
    for (int32_t x : {80, 120}) EXPECT_NE(at(x, y), white) << "horizontal edge " << x << "," << y;
  for (int32_t x : {80, 120})
    for (int32_t y : {95, 75, 55}) EXPECT_EQ(at(x, y), white) << "inside " << x << "," << y;
  int32_t label = 0, elsewhere = 0;
  for (int32_t y = 112; y < 150; ++y)
    for (int32_t x = 0; x < 200; ++x) (y < 125 && x >= 60 && x < 100 ? label : elsewhere) += at(x, y) != white;
  EXPECT_GT(label, 0);
  EXPECT_EQ(elsewhere, 0);
}

// Sheets smaller than two pixels: the grid shows as its outline, not as a block of edges.
TEST_F(page_painter, TinySheetsShowTheGridOutline) {
  resize(200, 150);
  e->page_width_(1, 1);
  e->page_height_(1, 1);
  e->page_cx_(1, 999);
  e->page_cy_(1, 999);
  e->page_show_border_(1, true_);
  view(499.5f, 499.5f, 0.1f);  // the 999 mm grid spans about 100 pixels around the centre
  paint();
  EXPECT_EQ(at(100, 75), white) << "inside the grid";
  EXPECT_NE(at(50, 75), white) << "left edge";
  EXPECT_NE(at(150, 75), white) << "right edge";
}

TEST_F(page_painter, LineOnOnePixelSetsThatPixel) {
  view(0, 0, 1);
  e->add_line_(10.1f, 10.1f, 10.2f, 10.2f, rgb_(0, 200, 0));
  paint();
  EXPECT_EQ(at(110, 40), rgb_(0, 200, 0));
  EXPECT_EQ(at(111, 40), white);
}

TEST_F(page_painter, HiddenAndLockedLayersDropTheSelection) {
  view(0, 0, 1);
  const int32_t hidden = e->add_line_(-50, 10, 50, 10, 0xFF, 0, 1, 1);
  const int32_t locked = e->add_line_(-50, -10, 50, -10, 0xFF, 0, 1, 2);
  e->layer_atr_vis_(1, false_);
  e->layer_atr_edt_(2, false_);
  obj(hidden).selected = obj(locked).selected = true_;
  paint();
  EXPECT_EQ(at(100, 40), white);
  EXPECT_EQ(at(100, 60), 0xFFu);
  EXPECT_EQ(obj(hidden).selected, false_);
  EXPECT_EQ(obj(locked).selected, false_);
  for (int k = 1; k <= 9; ++k) EXPECT_EQ(e->selection.handles[k].right, 0) << k;
}

TEST_F(page_painter, AttributeSwitchesAndFills) {
  view(0, 0, 1);
  e->add_rect_(-40, -20, -10, 20, 0xFF, 0x00FF00);
  e->add_arc_(30, 0, 20, 20, 0, 0, 90, 0xFF, -2);
  e->add_arc_(30, -30, 20, 20, 0, 0, 90, 0xFF, 0x00FF00);
  paint();
  EXPECT_EQ(at(75, 50), 0x00FF00u);   // polygon filled
  EXPECT_EQ(at(135, 45), white);      // open arc: nothing inside
  EXPECT_EQ(at(135, 75), 0x00FF00u);  // filled arc: a pie through its centre
  e->attrib_color_(false_);
  paint();
  EXPECT_EQ(at(75, 50), 0u);  // every fill but none turns automatic
  EXPECT_EQ(at(135, 45), white);
}

TEST_F(page_painter, PenWidthsAndStyles) {
  view(0, 0, 1);
  e->add_line_(-100, 30, 100, 30, 0xFF, 0, 5);   // solid 5 pixels
  e->add_line_(-100, 0, 100, 0, 0xFF, 1, 1);     // dashed one pixel
  e->add_line_(-100, -30, 100, -30, 0xFF, 1, 3); // dashed three pixels, antialiased pen
  paint();
  for (int32_t dy = -2; dy <= 2; ++dy) EXPECT_EQ(at(50, 20 + dy), 0xFFu) << dy;
  int32_t on = 0, off = 0;
  for (int32_t x = 0; x < 200; ++x) (at(x, 50) == 0xFFu ? on : off)++;
  EXPECT_GT(on, 40);
  EXPECT_GT(off, 20);
  int32_t wide_gaps = 0;
  for (int32_t x = 0; x < 200; ++x) wide_gaps += at(x, 80) == white && at(x, 79) == white && at(x, 81) == white;
  EXPECT_GT(wide_gaps, 10);
  EXPECT_LT(wide_gaps, 150);
}

TEST_F(page_painter, SelectionFrameStoresNineHandles) {
  view(5, 10, 1);
  const int32_t r = e->add_rect_(0, 0, 10, 20, 0);
  e->select_record_(r, true_);
  paint();
  struct Case { int k; handle_rect_ h; };
  const Case cases[] = {{1, {100, 35, 110, 45}}, {2, {100, 45, 110, 55}}, {3, {100, 55, 110, 65}},
                        {4, {95, 55, 105, 65}},  {5, {90, 55, 100, 65}},  {6, {90, 45, 100, 55}},
                        {7, {90, 35, 100, 45}},  {8, {95, 35, 105, 45}},  {9, {95, 45, 105, 55}}};
  for (const Case& c : cases) {
    const handle_rect_& h = e->selection.handles[c.k];
    EXPECT_EQ((std::array<int32_t, 4>{h.left, h.top, h.right, h.bottom}),
              (std::array<int32_t, 4>{c.h.left, c.h.top, c.h.right, c.h.bottom})) << c.k;
  }
  EXPECT_EQ(at(103, 50), rgb_(255, 128, 255));  // inside a handle
  EXPECT_EQ(at(90, 50), rgb_(128, 0, 64));      // the left edge of handle 6
  EXPECT_EQ(e->shbox_id_(92, 62).number, 5);
  e->select_clear_();
  paint();
  EXPECT_EQ(e->selection.handles[9].right, 0);
}

TEST_F(page_painter, SelectedRecordOutsideTheViewWidensTheFrame) {
  view(0, 0, 1);
  e->select_record_(e->add_line_(-10, 0, 10, 0), true_);
  e->select_record_(e->add_line_(1000, 0, 1010, 0), true_);
  paint();
  EXPECT_EQ(e->selection.handles[1].left, 1105);
}

TEST_F(page_painter, GripsOnTextShowCrossAndSquare) {
  view(0, 0, 1);
  add_slot_ slot;
  ASSERT_TRUE(e->add_begin_(ot_text_, 0, 0, 0, 1, 1, slot));
  e->store.live.texts[slot.entry] = text_rec_{0, 0, 2, 1, 0, "", 1, 0, 0};
  const int32_t t = e->add_commit_(slot);
  e->select_record_(t, true_);
  paint();
  EXPECT_EQ(at(100, 50), rgb_(200, 220, 255));  // grip square inside
  EXPECT_EQ(at(103, 50), rgb_(0, 110, 255));    // cross arm beyond the square
}

TEST_F(page_painter, NodeMarkersAreSevenPixelCrosses) {
  view(0, 0, 1);
  e->add_point_(0, 0, 1, 0, 0);  // marker size 0: the point itself shows nothing
  e->points_on_(true_);
  paint();
  for (int32_t d = -3; d <= 3; ++d) {
    EXPECT_EQ(at(100 + d, 50), rgb_(255, 0, 128)) << d;
    EXPECT_EQ(at(100, 50 + d), rgb_(255, 0, 128)) << d;
  }
  EXPECT_EQ(at(104, 50), white);
}

TEST_F(page_painter, DamagedRecordsPaintNothing) {
  view(0, 0, 1);
  const int32_t a = e->add_line_(-50, 0, 50, 0, 0xFF);
  e->vertex_add_(-50, 10);
  e->vertex_add_(50, 10);
  const int32_t b = e->add_polyline_(0xFF);
  obj(a).index = 999;                       // beyond its table
  e->store.live.polylines[obj(b).index].count = 5000;  // more than it holds
  obj(b).x1 = obj(b).y1 = -1, obj(b).x2 = obj(b).y2 = 1;
  obj(e->add_line_(-50, 20, 50, 20, 0xFF)).page = 7;  // on no page of this drawing
  paint();
  for (int32_t x = 0; x < 200; ++x) {
    EXPECT_EQ(at(x, 50), white) << x;  // the line pointing past its table
    EXPECT_EQ(at(x, 30), white) << x;  // the line on no page
  }
  EXPECT_EQ(at(100, 40), 0xFFu);  // the polyline paints the points it holds
}
