// The drawing tools' fixture: the view fixture plus exact points (a typed point as the command
// line replays it: the engine's cursor locked there, then move, press and release), the live
// objects of the drawing, the undo labels and the message boxes the tools showed.
#pragma once
#include <string>
#include <vector>

#include "platform/services/dialogs.h"
#include "view_host_fixture.h"

class draw_fixture : public view_fixture {
 protected:
  void SetUp() override {
    view_fixture::SetUp();
    set_dialog_scripting_(true);
    clear_dialog_replies_();
    take_dialog_requests_();
  }

  // A point given exactly; shift 2 is Ctrl (the "e" ending of a typed point).
  void at(float x, float y, int32_t shift = 0) {
    e().lock_xy_(x, y);
    input->client_MouseMove(0, shift, 0, 0);
    input->client_MouseDown(1, shift, 0, 0);
    input->client_MouseUp(1, shift, 0, 0);
    e().draw_cursor_(false_);
    e().unlock_xy_();
    host->view->update_();
  }
  // A press at a drawing point with no move before it (the platform need not send one).
  void press_only(float x, float y, int32_t shift = 0) {
    const auto p = px(x, y);
    down_px(p.x, p.y, 1, shift);
    up_px(p.x, p.y, 1, shift);
  }
  void row(int32_t item, const std::string& text, bool checked) {
    host->panel->textv_(item, text);
    host->panel->chkv_(item, checked ? true_ : false_);
  }

  // Live (not deleted) records in store order.
  std::vector<int32_t> live() {
    std::vector<int32_t> v;
    for (int32_t r = 1; r <= e().records_(); ++r)
      if (e().object_(r).deleted == false_) v.push_back(r);
    return v;
  }
  std::vector<int32_t> types() {
    std::vector<int32_t> v;
    for (int32_t r : live()) v.push_back(e().object_(r).type);
    return v;
  }
  // The undo list's labels, oldest first.
  std::vector<std::string> labels() {
    std::vector<std::string> v;
    // Steps are numbered from 0; states_count_ is the last number (0 also when there are none).
    for (int32_t i = 0; i <= e().states_count_(); ++i)
      if (!e().state_item_(i).empty()) v.push_back(e().state_item_(i));
    return v;
  }
  static std::vector<std::string> tr(std::initializer_list<const char*> keys) {
    std::vector<std::string> v;
    for (const char* k : keys) v.push_back(lang_text_(k));
    return v;
  }
  // The texts of the message boxes shown since the last call.
  std::vector<std::string> messages() {
    std::vector<std::string> v;
    for (const dialog_request_& r : take_dialog_requests_())
      if (r.kind == dialog_kind_::message_box) v.push_back(r.text);
    return v;
  }

  // Keeps the view's pixels as painted now; changed() then tells where overlays went.
  void keep_pixels() {
    const surface_& sf = host->view->client_surface_();
    kept.clear();
    for (int32_t y = 0; y < sf.height_(); ++y)
      for (int32_t x = 0; x < sf.width_(); ++x) kept.push_back(sf.colour_(x, y));
  }
  // Whether a pixel within `reach` pixels of the drawing point differs from the kept ones.
  bool changed(float x, float y, int32_t reach = 1) {
    const surface_& sf = host->view->client_surface_();
    const auto p = px(x, y);
    for (int32_t dy = -reach; dy <= reach; ++dy)
      for (int32_t dx = -reach; dx <= reach; ++dx) {
        const int32_t qx = p.x + dx, qy = p.y + dy;
        if (qx < 0 || qy < 0 || qx >= sf.width_() || qy >= sf.height_()) continue;
        if (sf.colour_(qx, qy) != kept[size_t(qy * sf.width_() + qx)]) return true;
      }
    return false;
  }
  std::vector<uint32_t> kept;

  const line_rec_& line_at(int32_t r) { return e().store.live.lines[size_t(e().object_(r).index)]; }
  const point_rec_& point_at(int32_t r) { return e().store.live.points[size_t(e().object_(r).index)]; }
  const arc_rec_& arc_at(int32_t r) {
    const object_rec_& o = e().object_(r);
    if (o.type == ot_circle_) return e().store.live.circles[size_t(o.index)];
    if (o.type == ot_ellipse_) return e().store.live.ellipses[size_t(o.index)];
    return e().store.live.arcs[size_t(o.index)];
  }
  const polyline_rec_& poly_at(int32_t r) {
    const object_rec_& o = e().object_(r);
    if (o.type == ot_polygon_) return e().store.live.polygons[size_t(o.index)];
    if (o.type == ot_curve_) return e().store.live.curves[size_t(o.index)];
    return e().store.live.polylines[size_t(o.index)];
  }
  const dimension_rec_& dim_at(int32_t r) { return e().store.live.dimensions[size_t(e().object_(r).index)]; }
};
