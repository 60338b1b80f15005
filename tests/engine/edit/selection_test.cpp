#include "edit_fixture.h"

using selection = drawing_;

TEST_F(selection, AllAndInvertSkipHiddenLockedAndDeleted) {
  const int32_t a = e->add_line_(0, 0, 1, 1, 255, 0, 1, 1);
  const int32_t b = e->add_line_(0, 0, 2, 2, 255, 0, 1, 2);
  const int32_t gone = e->add_line_(0, 0, 3, 3, 255, 0, 1, 1);
  obj(gone).deleted = true_;
  e->layer_atr_edt_(2, false_);
  e->select_all_();
  EXPECT_EQ(obj(a).selected, true_);
  EXPECT_EQ(obj(b).selected, false_);
  EXPECT_EQ(obj(gone).selected, false_);
  e->select_invert_();
  EXPECT_EQ(obj(a).selected, false_);
  EXPECT_EQ(obj(b).selected, false_);
  // The filter and the window reach a locked layer; all and invert do not.
  e->select_only_(1, -5, -5, -5, -5, 2, -5);
  EXPECT_EQ(obj(b).selected, true_);
}

TEST_F(selection, OnlyByFilterModes) {
  const int32_t red = e->add_line_(0, 0, 1, 1, 255, 0, 1, 1);
  const int32_t blue = e->add_line_(0, 0, 1, 1, 0xFF0000, 0, 1, 1);
  const int32_t circle = e->add_circle_(0, 0, 1, 255, -2, 0, 1, 1);
  struct {
    int32_t mode, dcolor, layer, otype;
    std::array<flag16_, 3> before, after;
  } cases[] = {
      {2, 255, -5, -5, {true_, true_, true_}, {false_, true_, false_}},   // remove red
      {1, 255, -5, -5, {false_, true_, false_}, {true_, true_, true_}},   // add red, keep blue
      {0, -5, -5, -5, {true_, true_, true_}, {false_, false_, false_}},   // nothing asked
      {0, -5, 0, -5, {false_, false_, false_}, {true_, true_, true_}},    // layer 0: every record
      {2, -5, 0, -5, {true_, true_, true_}, {false_, false_, false_}},
      {0, 255, -5, ot_circle_, {false_, false_, false_}, {false_, false_, true_}},
  };
  const int32_t recs[3] = {red, blue, circle};
  for (const auto& c : cases) {
    for (int k = 0; k < 3; ++k) obj(recs[k]).selected = c.before[k];
    e->select_only_(c.mode, c.dcolor, -5, -5, -5, c.layer, c.otype);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(obj(recs[k]).selected, c.after[k]) << "mode " << c.mode << " record " << k;
  }
}

TEST_F(selection, BoxInEitherCornerOrderAndTouchingEdges) {
  const int32_t inside = e->add_line_(0, 0, 10, 10);
  const int32_t partly = e->add_line_(5, 5, 11, 5);
  const int32_t gone = e->add_line_(1, 1, 2, 2);
  obj(gone).deleted = true_;
  obj(gone).selected = true_;
  for (auto corners : {std::array<float, 4>{0, 0, 10, 10}, std::array<float, 4>{10, 10, 0, 0}}) {
    e->select_box_(corners[0], corners[1], corners[2], corners[3]);
    EXPECT_EQ(obj(inside).selected, true_);
    EXPECT_EQ(obj(partly).selected, false_);
    EXPECT_EQ(obj(gone).selected, false_);
  }
}

TEST_F(selection, InfoFirstObjectRecordFlagAndHandles) {
  const int32_t a = e->add_line_(0, 0, 1, 1);
  e->add_circle_(0, 0, 1);
  const int32_t c = e->add_circle_(0, 0, 2);
  int32_t rec = -1;
  EXPECT_EQ(e->select_fobj_(rec), 0);
  EXPECT_EQ(rec, 0);
  select({c, a});
  EXPECT_EQ(e->select_info_(), 2);
  EXPECT_EQ(e->select_fobj_(rec), ot_line_);
  EXPECT_EQ(rec, a);
  EXPECT_EQ(e->select_record_(999), 0);
  e->select_record_(999, true_);  // ignored, no write past the table
  e->selection.handles[2] = {0, 0, 10, 10};
  e->selection.handles[5] = {5, 5, 20, 20};
  EXPECT_EQ(e->shbox_id_(7, 7).number, 2);
  EXPECT_EQ(e->shbox_id_(15, 20).number, 5);
  EXPECT_EQ(e->shbox_id_(30, 30).number, 0);
}

TEST_F(selection, DeleteSelectionDropsItsTrackingPoints) {
  const int32_t a = e->add_line_(0, 0, 1, 1);
  const int32_t b = e->add_line_(0, 0, 2, 2);
  e->hpoint_add_(1, 1, a);
  e->hpoint_add_(2, 2, b);
  e->hpoint_add_(3, 3, 0);
  e->delete_object_(b);  // not selected: nothing happens
  EXPECT_EQ(obj(b).deleted, false_);
  select({b});
  e->delete_object_(0);
  EXPECT_EQ(obj(b).deleted, true_);
  EXPECT_EQ(obj(b).selected, false_);
  EXPECT_EQ(obj(a).deleted, false_);
  EXPECT_EQ(e->hpoint_count_(), 2);
  EXPECT_EQ(e->hpoint_exists_(b), false_);
  EXPECT_EQ(e->hpoint_exists_(a), true_);
  EXPECT_EQ(line(b).x2, 2);  // a deleted record keeps its data
}

TEST_F(selection, OtherPagesKeepTheirFlags) {
  const int32_t first = e->add_line_(0, 0, 1, 1);
  obj(first).selected = true_;
  e->page_add_("p2", 210, 297);
  e->layer_add_("a", true_, true_, -1, -2, 0, 1);
  const int32_t second = e->add_line_(0, 0, 1, 1);
  e->select_clear_();
  e->select_all_();
  e->set_color_d_(77);
  EXPECT_EQ(obj(first).selected, true_);
  EXPECT_EQ(obj(second).selected, true_);
  EXPECT_EQ(obj(first).draw_color, -1);
  EXPECT_EQ(obj(second).draw_color, 77);
  EXPECT_EQ(e->select_info_(), 1);
}

using attributes = drawing_;

TEST_F(attributes, DrawColourFollowsIntoDimensionStyleCopy) {
  add_slot_ s;
  ASSERT_TRUE(e->add_begin_(ot_dimension_, 0, -2, 0, 1, 1, s));
  e->store.live.dimensions[s.entry].style.text_back_color = 12345;
  const int32_t d = e->add_commit_(s);
  select({d});
  e->set_color_d_(255);
  const dimstyle_rec_& st = e->store.live.dimensions[obj(d).index].style;
  EXPECT_EQ(obj(d).draw_color, 255);
  EXPECT_EQ(st.dimline_color, 255);
  EXPECT_EQ(st.extline_color, 255);
  EXPECT_EQ(st.text_color, 255);
  EXPECT_EQ(st.text_back_color, 12345);
}

TEST_F(attributes, SettersRefuseValuesThatDoNotFit) {
  const int32_t a = e->add_line_(0, 0, 1, 1, -1, 2, 3, 2);
  select({a});
  e->set_style_(70000);
  e->set_width_(-40000);
  e->set_layer_(3);  // the page has two layers
  e->set_layer_(300);
  EXPECT_EQ(obj(a).line_style, 2);
  EXPECT_EQ(obj(a).line_width, 3);
  EXPECT_EQ(obj(a).layer, 2);
  e->set_layer_(0);  // the active layer
  EXPECT_EQ(obj(a).layer, 1);
  e->set_style_(4);
  e->set_width_(-4);
  e->set_color_f_(-3);
  EXPECT_EQ(obj(a).line_style, 4);
  EXPECT_EQ(obj(a).line_width, -4);
  EXPECT_EQ(obj(a).fill_color, -3);
}

TEST_F(attributes, SwitchesAndPointSize) {
  EXPECT_EQ(e->attrib_color_(), true_);
  e->attrib_color_(0);
  e->attrib_width_(0);
  EXPECT_EQ(e->attrib_color_(), 0);
  EXPECT_EQ(e->attrib_style_(), true_);
  EXPECT_EQ(e->attrib_width_(), 0);
  e->backcolor_(13158600);
  EXPECT_EQ(e->backcolor_(), 13158600);
  EXPECT_EQ(e->point_size_(), 0);  // no window yet
  e->active_view_().zoom = 2;
  e->views.window_height = 400;
  EXPECT_FLOAT_EQ(e->point_size_(), 0.025f);
}

using tracking = drawing_;

TEST_F(tracking, ListKeepsNewestFirstAndAtMost64) {
  for (int i = 1; i <= 65; ++i) e->hpoint_add_(static_cast<float>(i), 0, i);
  EXPECT_EQ(e->hpoint_count_(), 64);
  EXPECT_EQ(e->active_view_().hot_points[1].x, 65);
  EXPECT_EQ(e->hpoint_exists_(1), false_);
  EXPECT_EQ(e->hpoint_exists_(2), true_);
  e->hpoint_add_(65, 0, 99);  // same coordinates: kept once, for the first owner
  EXPECT_EQ(e->hpoint_exists_(99), false_);
  e->hpoint_clear_();
  EXPECT_EQ(e->hpoint_count_(), 0);
  EXPECT_EQ(e->hpoint_exists_(0), false_);
}

TEST_F(tracking, DeleteKeepsOrderOfTheOthers) {
  // Slots 1..6 newest first: owners 6 5 4 3 2 1 with record 7 in slots 2 and 5.
  const int32_t owners[6] = {1, 7, 3, 4, 7, 6};
  for (int i = 0; i < 6; ++i) e->hpoint_add_(static_cast<float>(i), 0, owners[i]);
  e->hpoint_del_(7);
  ASSERT_EQ(e->hpoint_count_(), 4);
  const int32_t expect[4] = {6, 4, 3, 1};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(e->active_view_().hot_points[i + 1].record, expect[i]);
}

using extents = drawing_;

TEST_F(extents, ViewAllFitsTheWindow) {
  e->views.window_width = 800;
  e->views.window_height = 600;
  const int32_t l = e->add_line_(0, 0, 100, 50);
  e->view_all_(0, 0);
  EXPECT_FLOAT_EQ(e->active_view_().zoom, 7.6f);
  EXPECT_EQ(e->active_view_().posx, 50);
  EXPECT_EQ(e->active_view_().posy, 25);
  // A flat extent, a deleted record or a hidden layer leaves the view alone.
  line(l) = {0, 0, 100, 0};
  e->calc_orect_(l);
  e->active_view_().zoom = 1;
  e->view_all_(0, 0);
  EXPECT_EQ(e->active_view_().zoom, 1);
  const int32_t tall = e->add_line_(0, 0, 10, 300, -1, 0, 1, 2);
  e->layer_atr_vis_(2, false_);
  e->view_all_(0, 0);
  EXPECT_EQ(e->active_view_().zoom, 1);
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  e->get_exarea_(x1, y1, x2, y2, 0);  // hidden layers count here
  EXPECT_EQ(y2, 300);
  obj(tall).deleted = true_;
  e->view_all_(0, tall);
  EXPECT_EQ(e->active_view_().zoom, 1);
  e->get_exarea_(x1, y1, x2, y2, true_);
  EXPECT_EQ((std::array<float, 4>{x1, y1, x2, y2}), (std::array<float, 4>{0, 0, 0, 0}));
}
