// Texts, dimensions and block inserts of a DXF file.
#include <cmath>

#include "engine/model/dimstyle_props.h"
#include "engine/zaz_class.h"
#include "exchange/dxf_entities.h"
#include "exchange/dxf_import.h"
#include "exchange/dxf_mtext.h"
#include "exchange/dxf_tables.h"
#include "exchange/engine_bridge.h"
#include "shell/language.h"

namespace exchange_ {
namespace {

constexpr double rad_per_deg_ = 3.1415927 / 180.0;

void erase_all(std::string& s, std::string_view what) {
  for (size_t at = 0; (at = s.find(what, at)) != std::string::npos;) s.erase(at, what.size());
}

enum class dim_kind_ { none, linear, radius, diameter };

// The kind by the subclass marker; files without markers give it in group 70.
dim_kind_ dimension_kind(const dxf_record_rec_& r) {
  const std::string& m = r.get(100);
  if (m == "AcDbRotatedDimension" || m == "AcDbAlignedDimension") return dim_kind_::linear;
  if (m == "AcDbRadialDimension") return dim_kind_::radius;
  if (m == "AcDbDiametricDimension") return dim_kind_::diameter;
  if (m.empty() || m == "AcDbEntity" || m == "AcDbDimension") {
    int32_t t = 0;
    if (!dxf_whole_(r.get(70), t)) return dim_kind_::none;
    switch (t & 7) {
      case 0: case 1: return dim_kind_::linear;
      case 3: return dim_kind_::diameter;
      case 4: return dim_kind_::radius;
      default: return dim_kind_::none;
    }
  }
  return dim_kind_::none;
}

void set_prop(dimstyle_rec_& s, int32_t n, double v) { dimstyle_prop_set_(s, n, value_::of(v)); }

void apply_override(zaz_class_& e, dimstyle_rec_& s, int32_t code, std::string_view text) {
  const std::string_view t = dxf_trim_(text);
  if (code == 3 || code == 4) {
    if (!t.empty()) e.dxf_split_dim_text_(dxf_text_to_utf8_(t), s, to_flag_(code == 4));
    return;
  }
  const double v = dxf_number_(t);
  const double flag_not_zero = v != 0 ? true_ : false_;
  const double flag_zero = v == 0 ? true_ : false_;
  switch (code) {
    case 5: set_prop(s, 2, v); break;
    case 6: set_prop(s, 0, v); break;
    case 7: set_prop(s, 1, v); break;
    case 40: if (v != 0) set_prop(s, 22, f32_(v)); break;
    case 41: if (v != 0) set_prop(s, 3, f32_(v)); break;
    case 47: set_prop(s, 51, f32_(v)); break;
    case 48: set_prop(s, 52, f32_(v)); break;
    case 71: set_prop(s, 49, flag_not_zero); break;
    case 72: set_prop(s, 50, flag_not_zero); break;
    case 75: set_prop(s, 16, flag_zero); break;
    case 76: set_prop(s, 17, flag_zero); break;
    case 77: set_prop(s, 29, v); break;
    case 140: if (v != 0) set_prop(s, 26, f32_(v)); break;
    case 144: set_prop(s, 20, f32_(v)); break;
    case 147: set_prop(s, 30, f32_(v)); break;
    case 170: set_prop(s, 42, flag_not_zero); break;
    case 176: set_prop(s, 4, e.dxf_aci_to_color_(v)); break;
    case 177: set_prop(s, 11, e.dxf_aci_to_color_(v)); break;
    case 178: set_prop(s, 25, e.dxf_aci_to_color_(v)); break;
    case 275: set_prop(s, 38, dxf_angle_unit_(v, s.angle_unit)); break;
    case 277: set_prop(s, 33, dxf_length_unit_(v)); break;
    case 278: set_prop(s, 34, v); break;
    case 280: set_prop(s, 28, v); break;
    case 281: set_prop(s, 9, flag_zero); break;
    case 282: set_prop(s, 10, flag_zero); break;
    default: break;
  }
}

int32_t style_for_dimension(zaz_class_& e, const dxf_record_rec_& r) {
  // A dimension before any style table entry: the default style is made now, as it would
  // be at the end of the file, so the dimension has a style to refer to.
  if (e.dimstyles_count_() < 1) e.dimstyle_add_(lang_text_("common.dims.new"));
  return e.dxf_dimstyle_index_(dxf_text_to_utf8_(r.get(3)));
}

}  // namespace

void dxf_text_body_(zaz_class_& e, dxf_import_state_rec_& st, const dxf_place_& pl,
                    const dxf_entity_props_& p) {
  const dxf_record_rec_& r = st.rec;
  float w = r.f(41);
  if (dxf_trim_(r.get(7)) == "Arvex") w = f32_(r.num(41) / 0.7);
  float x = 0, y = 0;
  e.dxf2x0_(r.f(210), r.f(220), r.f(230), r.f(10), r.f(20), r.f(30), x, y);
  if (p.mirrored) x = -x;
  if (!(w >= 0.01f && w <= 9.99f)) w = 1;
  std::string t = dxf_text_to_utf8_(r.get(1));
  erase_all(t, "%%u");
  erase_all(t, "%%U");
  t = dxf_special_chars_(std::move(t));
  pl.record = bridge_add_text_(e, t, 1, pl.x(x), pl.y(y), r.f(40), w, r.f(50), p.color, p.style,
                               1, p.layer);
}

void dxf_mtext_body_(zaz_class_& e, dxf_import_state_rec_& st, const dxf_place_& pl,
                     const dxf_entity_props_& p) {
  const dxf_record_rec_& r = st.rec;
  double x = r.num(10), y = r.num(20);
  const float h = r.f(40);
  const double rot = e.calc_angle_(0, 0, r.f(11), r.f(21), true_, 0);
  // Long texts come in chunks of group 3 before the last part in group 1.
  const std::string t = strip_mtext_codes_(dxf_text_to_utf8_(st.mtext_chunks + r.get(1)));
  const auto dir = [&](double deg, double len, double& px, double& py) {
    px += len * std::cos(deg * rad_per_deg_);
    py += len * std::sin(deg * rad_per_deg_);
  };
  dir(rot - 90, h, x, y);
  int32_t a = 0;
  dxf_whole_(r.get(71), a);
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bridge_measure_text_(e, 1, t, h, x1, y1, x2, y2);
  const double hw = std::fabs(double(x1) - x2) * 0.5, hh = std::fabs(double(y1) - y2) * 0.5;
  dir(rot + 180, hw, x, y);
  dir(rot + 90, hh, x, y);
  static constexpr int fx_[10] = {0, -1, 0, 1, -1, 0, 1, -1, 0, 1};
  static constexpr int fy_[10] = {0, 1, 1, 1, 0, 0, 0, -1, -1, -1};
  const int fx = (a >= 1 && a <= 9) ? fx_[a] : 0, fy = (a >= 1 && a <= 9) ? fy_[a] : 0;
  dir(rot, -fx * hw, x, y);
  dir(rot + 90, -fy * hh, x, y);
  pl.record = bridge_add_text_(e, t, 1, pl.x(f32_(x)), pl.y(f32_(y)), h, 1, f32_(rot), p.color,
                               p.style, 1, p.layer);
}

void dxf_override_pair_(zaz_class_& e, dxf_import_state_rec_& st) {
  const dxf_record_rec_& r = st.rec;
  if (r.last_code < 0) return;
  const std::string_view brace = dxf_trim_(r.get(1002));
  if (!st.ovr_in_list && brace == "{" && r.last_code == 1002) {
    st.ovr_in_list = st.ovr_has = true;
    st.ovr_counter = 0;
    const int32_t s = e.dxf_dimstyle_index_(dxf_text_to_utf8_(r.get(3)));
    st.ovr_style = (s >= 0 && static_cast<size_t>(s) < e.styles.styles.size())
                       ? e.styles.styles[static_cast<size_t>(s)]
                       : e.styles.styles[0];
    return;
  }
  if (!st.ovr_in_list) return;
  if (brace == "}" && r.last_code == 1002) {
    st.ovr_in_list = false;
    st.ovr_counter = 0;
    return;
  }
  const std::string& value = r.get(r.last_code);
  if (++st.ovr_counter % 2 == 1) {
    st.ovr_code = 0;
    dxf_whole_(value, st.ovr_code);
  } else {
    apply_override(e, st.ovr_style, st.ovr_code, value);
  }
}

void dxf_dimension_body_(zaz_class_& e, dxf_import_state_rec_& st, const dxf_place_& pl,
                         const dxf_entity_props_& p) {
  const dxf_record_rec_& r = st.rec;
  const dim_kind_ kind = dimension_kind(r);
  if (kind == dim_kind_::none) return;
  const int32_t s = style_for_dimension(e, r);
  if (s < 0 || static_cast<size_t>(s) >= e.styles.styles.size()) return;
  dimstyle_rec_ kept;
  if (st.ovr_has) {
    kept = e.styles.styles[static_cast<size_t>(s)];
    e.styles.styles[static_cast<size_t>(s)] = st.ovr_style;
  }
  const std::string text = strip_mtext_codes_(dxf_text_to_utf8_(r.get(1)));
  const float x10 = pl.x(r.f(10)), y10 = pl.y(r.f(20));
  int32_t rec = 0;
  if (kind == dim_kind_::linear) {
    const float x13 = pl.x(r.f(13)), y13 = pl.y(r.f(23)), x14 = pl.x(r.f(14)), y14 = pl.y(r.f(24));
    // The dimension line runs through P10 along the rotation (rotated) or the measured
    // points (aligned); its ends are the feet of both measured points. Writers differ in
    // which end of the line they give as P10.
    double d = 0;
    if (r.get(100) == "AcDbRotatedDimension" || (r.get(100) != "AcDbAlignedDimension" && r.present(50)))
      d = r.num(50) * rad_per_deg_;
    else
      d = e.calc_angle_(x13, y13, x14, y14, false_, 0);
    const float qx = f32_(x10 + std::cos(d)), qy = f32_(y10 + std::sin(d));
    float f13x = 0, f13y = 0, f14x = 0, f14y = 0;
    e.calc_cross_lp_(x10, y10, qx, qy, x13, y13, f13x, f13y);
    e.calc_cross_lp_(x10, y10, qx, qy, x14, y14, f14x, f14y);
    rec = bridge_add_dimf_(e, s, x13, y13, x14, y14, f13x, f13y, f14x, f14y, p.color, p.layer, text);
  } else {
    const float x15 = pl.x(r.f(15)), y15 = pl.y(r.f(25));
    rec = bridge_add_dimf_(e, s, x10, y10, x15, y15, x10, y10, x15, y15, p.color, p.layer, text);
    if (rec > 0) {
      object_rec_& o = e.object_(rec);
      if (o.type == ot_dimension_ && o.index >= 1 &&
          static_cast<size_t>(o.index) < e.store.live.dimensions.size()) {
        e.store.live.dimensions[static_cast<size_t>(o.index)].kind =
            kind == dim_kind_::radius ? 1 : 2;
        bridge_dim_rebuild_(e, rec, text);  // with its real kind: a diameter shows its sign
      }
    }
  }
  if (st.ovr_has) e.styles.styles[static_cast<size_t>(s)] = kept;
  pl.record = rec;
}

void dxf_insert_body_(zaz_class_& e, dxf_import_state_rec_& st, const dxf_place_& pl,
                      const dxf_entity_props_& p) {
  const dxf_record_rec_& r = st.rec;
  const std::string name(dxf_trim_(r.get(2)));
  float x = r.f(10), sx = r.f(41), sy = r.f(42);
  float rot = f32_(r.num(50) / (180 / 3.1415927));
  if (sx == 0) sx = 1;
  if (sy == 0) sy = 1;
  if (p.mirrored) {
    x = -x;
    sx = -sx;
    rot = -rot;
  }
  if (st.section == "BLOCKS") {
    // Inside a definition an insert becomes copies of the inserted block's members, made
    // once all blocks are known.
    if (st.block_open && st.block_count >= 1)
      st.pending.push_back({st.block_count, name, x, r.f(20), sx, sy, rot, st.base_x, st.base_y});
    return;
  }
  pl.record = e.add_block_(e.dxf_block_index_(name), pl.x(x), pl.y(r.f(20)), sx, sy, rot,
                           p.color, p.style, 1, p.layer);
}

}  // namespace exchange_
