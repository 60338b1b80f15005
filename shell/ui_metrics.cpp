// Interface metrics and dialog layout. Glass frames are never in use on this platform, so the
// button band always has the plain gap of 12 pixels and no lift; the maths takes both as
// values so a frame with borders of its own can pass them.
#include "shell/ui_metrics.h"

#include "platform/services/screen.h"

ui_metrics_rec_ ui_metrics_;

ui_metrics_rec_ ui_metrics_for_twips_(float twips_per_pixel_y) {
  ui_metrics_rec_ m;  // the 96-DPI column
  if (twips_per_pixel_y > 13.0f) return m;
  m.ribbon_top_row_h_ = 30;
  m.app_button_w_ = 65;
  m.key_tip_min_w_ = 20;
  m.item_caption_min_w_ = 28;
  m.small_row_h_ = 27;
  m.large_button_h_ = 81;
  m.group_caption_h_ = 17;
  m.split_drop_h_ = 38;
  m.launcher_inset_ = 2;
  m.row1_top_ = 10;
  m.row2_top_ = 47;
  m.group_button_w_ = 28;
  m.group_combo_w_ = 40;
  m.ribbon_base_h_ = 142;
  m.quick_button_h_ = 24;
  m.drop_zone_w_ = 16;
  m.list_row_h_ = 26;
  m.big_item_h_ = 45;
  m.menu_row_h_ = 28;
  m.big_menu_row_h_ = 48;
  return m;
}

void init_ui_metrics_() { ui_metrics_ = ui_metrics_for_twips_(float(twips_per_pixel_y_())); }

namespace {

int32_t band_height_(flag16_ short_band) { return short_band == true_ ? 40 : 50; }

}  // namespace

dialog_place_rec_ dialog_panel_place_(int32_t client_w, int32_t client_h, flag16_ below_top, flag16_ short_band) {
  const int64_t band = band_height_(short_band);
  const int64_t top_gap = below_top == true_ ? 25 : 0;
  dialog_place_rec_ r;
  r.x = 0;
  r.y = int32_t(top_gap);
  r.width = client_w;
  r.height = cint32_(double(int64_t(client_h) - band - top_gap));
  return r;
}

bool dialog_button_spots_(int32_t client_w, int32_t client_h, const int32_t w[4], const int32_t h[4], uint8_t align,
                          flag16_ short_band, const dialog_band_rec_& band, pixel_point_ out[4]) {
  if (align > 1) return false;
  const double cy = round_even_(double(client_h) - band_height_(short_band) * 0.5 + band.lift * 0.5);
  auto top_of = [&](int i) { return cint32_(cy - round_even_(h[i] * 0.5)); };
  if (align == 0) {
    double x = round_even_(band.gap * 0.5);
    for (int i = 0; i < 4; ++i) {
      if (w[i] < 0) continue;
      out[i] = {cint32_(x), top_of(i)};
      x += double(w[i]) + band.gap;
    }
  } else {
    double x = round_even_(double(client_w) - band.gap * 0.5);
    for (int i = 3; i >= 0; --i) {
      if (w[i] < 0) continue;
      x -= w[i];
      out[i] = {cint32_(x), top_of(i)};
      x -= band.gap;
    }
  }
  return true;
}

void layout_dialog_client_(window_handle_ dialog, window_handle_ panel, flag16_ below_top, flag16_ short_band,
                           flag16_ keep_width) {
  window_* d = find_window_(dialog);
  // Without a panel the whole client would turn to glass; with no glass there is nothing to do.
  if (d == nullptr || panel == 0) return;
  window_* p = find_window_(panel);
  if (p == nullptr) return;
  int32_t width = d->client_width_();
  if (keep_width == true_) width = p->client_width_();
  dialog_place_rec_ r = dialog_panel_place_(width, d->client_height_(), below_top, short_band);
  p->move_(r.x, r.y, r.width < 0 ? 0 : r.width, r.height < 0 ? 0 : r.height);
}

void layout_dialog_buttons_(window_handle_ dialog, window_handle_ button1, window_handle_ button2,
                            window_handle_ button3, window_handle_ button4, uint8_t align, flag16_ short_band) {
  window_* d = find_window_(dialog);
  if (d == nullptr || align > 1) return;
  window_* b[4] = {find_window_(button1), find_window_(button2), find_window_(button3), find_window_(button4)};
  int32_t w[4], h[4];
  for (int i = 0; i < 4; ++i) {
    w[i] = b[i] != nullptr ? b[i]->client_width_() : -1;
    h[i] = b[i] != nullptr ? b[i]->client_height_() : 0;
  }
  pixel_point_ at[4];
  dialog_button_spots_(d->client_width_(), d->client_height_(), w, h, align, short_band, dialog_band_rec_{}, at);
  for (int i = 0; i < 4; ++i)
    if (b[i] != nullptr) b[i]->move_(at[i].x, at[i].y, w[i], h[i]);
}
