// The dimension-style table: entry 0 is the template, 1..count the user's styles.
#include "engine/model/dimstyle_props.h"
#include "engine/zaz_class.h"

dimstyle_rec_ zaz_class_::dimstyle_template_() {
  dimstyle_rec_ s;
  s.name = "<>";
  s.arrow1 = s.arrow2 = s.arrow_ref = 1;
  s.arrow_size = 2.25f;
  s.dimline_color = color_by_block_;
  s.dimline_kept5 = s.dimline_width = -3;
  s.dimline_show1 = s.dimline_show2 = true_;
  s.extline_color = color_by_block_;
  s.extline_kept12 = s.extline_width = -3;
  s.extline_show1 = s.extline_show2 = true_;
  s.kept18 = 1;
  s.kept19 = 2.5f;
  s.length_factor = s.alt_factor = s.size_factor = 1.0f;
  s.font = 1;
  s.text_back_color = color_background_;
  s.text_color = color_by_block_;
  s.text_height = 2.5f;
  s.text_adj_v = 1;
  s.text_gap = 2.0f;
  s.unit = 1;
  s.accuracy = 2;
  s.alt_unit = 1;
  s.alt_accuracy = 2;
  s.tol_upper = s.tol_lower = 0.01f;
  s.tol_accuracy = s.alt_tol_accuracy = 2;
  return s;
}

int32_t zaz_class_::dimstyles_count_() const {
  return styles.styles.empty() ? 0 : static_cast<int32_t>(styles.styles.size() - 1);
}

int32_t zaz_class_::dimstyle_add_(const std::string& dsname_) {
  try {
    // Without a template the new style copies an empty one.
    if (styles.styles.empty()) styles.styles.emplace_back();
    dimstyle_rec_ copy = styles.styles[0];
    copy.name = dsname_;
    styles.styles.push_back(std::move(copy));
  } catch (const std::bad_alloc&) {
    return 0;
  }
  styles.active = dimstyles_count_();
  return styles.active;
}

std::string zaz_class_::dimstyles_title_(int16_t dsid_) const {
  if (dsid_ < 1 || dsid_ > dimstyles_count_()) return {};
  return styles.styles[dsid_].name;
}

void zaz_class_::dimstyles_title_(int16_t dsid_, const std::string& dsname_) {
  if (dsid_ < 1 || dsid_ > dimstyles_count_()) return;
  styles.styles[dsid_].name = dsname_;
}

value_ zaz_class_::dimstyles_prop_(int16_t dsid_, int32_t dse_) const {
  if (dse_ < 0 || dse_ >= dimstyle_props_) return value_::null();
  if (dsid_ < 0 || dsid_ >= static_cast<int32_t>(styles.styles.size())) return value_::empty();
  return dimstyle_prop_get_(styles.styles[dsid_], dse_);
}

void zaz_class_::dimstyles_prop_(int16_t dsid_, int32_t dse_, const value_& nval_) {
  if (dsid_ < 0 || dsid_ >= static_cast<int32_t>(styles.styles.size())) return;
  dimstyle_prop_set_(styles.styles[dsid_], dse_, nval_);
}

int16_t zaz_class_::dimstyle_active_() {
  int32_t n = styles.active;
  if (n > dimstyles_count_()) n = dimstyles_count_();
  if (n < 0) n = 0;
  styles.active = n;
  return static_cast<int16_t>(n);
}

void zaz_class_::dimstyle_active_(int16_t dstyle_nr_) {
  int32_t n = dstyle_nr_;
  if (n > dimstyles_count_()) n = dimstyles_count_();
  if (n < 1) n = 1;
  styles.active = n;
}
