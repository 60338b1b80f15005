// The ribbon main window on a new drawing, with the helpers its event tests share: a committed
// line, the pointer placed on a drawing point of the view, the ribbon's model.
#pragma once
#include <cmath>

#include "../mdi_fixture.h"
#include "platform/window/inject.h"
#include "ui/controls/ribbon/ribbon_control.h"

class ribbon_fixture : public mdi_fixture {
 protected:
  void SetUp() override {
    mdi_fixture::SetUp();
    open("0");
    ASSERT_NE(mdi->ribbon(), nullptr);
  }

  xribbon_& rb() { return mdi->ribbon()->model(); }

  // A line as one undo step; its record number.
  int32_t line(float x1, float y1, float x2, float y2) {
    engine->state_begin_();
    const int32_t id = engine->add_line_(x1, y1, x2, y2);
    engine->state_save_("line");
    return id;
  }

  // The view pixel of a drawing point (the view as the engine last measured it).
  pixel_point_ pixel_of(float x, float y) {
    const view_transform_rec_ v =
        engine->view_transform_(mdi->client().client_width_(), mdi->client().client_height_());
    return zaz_class_::map_px_(v, x, y);
  }

  // The pointer on a view pixel, as a mouse move puts it there.
  void point_at(pixel_point_ p) { inject_mouse_at_(mdi->client(), mouse_type_::move, p.x, p.y); }

  // The drawing point the engine converts the pixel to, without snapping.
  void convert(pixel_point_ p, float& x, float& y) {
    engine->mxy2cxy_(p.x, p.y, false_, false_);
    engine->get_cxy_(x, y, false_, 0);
  }

  // The selection's box.
  void selection_box(float& x1, float& y1, float& x2, float& y2) { engine->get_exarea_(x1, y1, x2, y2, true_); }
};
