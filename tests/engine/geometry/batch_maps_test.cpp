// The many-point forms of rotation, reflection and conic sampling give bit for bit what the
// one-point forms give, and transforming a selection gives what transforming its records one
// at a time gives.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <vector>

#include "engine/geometry/atan_f32.h"
#include "engine/geometry/conic_box.h"
#include "engine/geometry/conic_sampler.h"
#include "engine/geometry/edit_util.h"
#include "engine/geometry/rotation.h"
#include "engine/zaz_class.h"

using edit_::box_;

namespace {

bool same_bits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Coordinates of every magnitude, with the awkward ones mixed in.
std::vector<float> coordinates(size_t n, uint32_t seed) {
  std::mt19937 g(seed);
  std::uniform_real_distribution<float> unit(-1, 1);
  std::uniform_int_distribution<int> exponent(-40, 38);
  std::vector<float> v{0.0f, -0.0f, 1.0f, -1.0f, 3.0e38f, -3.0e38f, 1e-40f,
                       std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()};
  while (v.size() < n) v.push_back(std::ldexp(unit(g), exponent(g) / 3 * (g() % 4 == 0 ? 3 : 1)));
  return v;
}

// The reflection as it was computed before the reciprocal: two divisions per point.
void mirror_by_division(const mirror_line_& l, float px, float py, float& rx, float& ry) {
  using d = double;
  const float q = f32_(d(py) - d(l.p) * px);
  const float e = f32_(d(l.b) - q);
  const float f = f32_(-d(l.a) * q + d(l.p) * l.b);
  const float fx = f32_(d(e) / l.dd), fy = f32_(d(f) / l.dd);
  const float x = f32_(d(px) - 2.0 * (d(px) - fx)), y = f32_(d(py) - 2.0 * (d(py) - fy));
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  rx = x, ry = y;
}

TEST(batch_maps, reflection_matches_the_division_form_and_the_one_point_form) {
  const std::vector<float> c = coordinates(4000, 1);
  const struct { float x1, y1, x2, y2; } lines[] = {
      {0, 0, 1, 1}, {1.5f, 2.5f, -7.25f, 11}, {0, 0, 0, 5}, {3, 1, 9, 1}, {-1e6f, 2, 1e6f, 3.3f}, {0.1f, 0.2f, 0.3f, 0.7f}};
  for (const auto& ln : lines) {
    const mirror_line_ l(ln.x1, ln.y1, ln.x2, ln.y2);
    std::vector<float> xs(c), ys(c.rbegin(), c.rend());
    std::vector<float> bx(xs), by(ys);
    l.apply_n(bx.data(), by.data(), bx.size());
    for (size_t i = 0; i < xs.size(); ++i) {
      float dx = xs[i], dy = ys[i], ox = xs[i], oy = ys[i];
      mirror_by_division(l, xs[i], ys[i], dx, dy);
      l.apply(xs[i], ys[i], ox, oy);
      ASSERT_TRUE(same_bits(ox, dx) && same_bits(oy, dy)) << xs[i] << ", " << ys[i] << " about line " << ln.x1;
      ASSERT_TRUE(same_bits(bx[i], ox) && same_bits(by[i], oy)) << xs[i] << ", " << ys[i];
    }
  }
}

TEST(batch_maps, rotation_about_a_centre_matches_the_one_point_form) {
  const std::vector<float> c = coordinates(4000, 2);
  const float angles[] = {30, -90, 0.001f, 179.5f, 1e7f};
  for (float deg : angles) {
    const turn_00_ t = turn_00_::deg(deg);
    std::vector<float> xs(c), ys(c.rbegin(), c.rend());
    std::vector<float> bx(xs), by(ys);
    rotate_about_by_sc_n_(bx.data(), by.data(), bx.size(), 500, -2.5f, t.s, t.c);
    for (size_t i = 0; i < xs.size(); ++i) {
      float ox = xs[i], oy = ys[i];
      rotate_about_by_sc_(xs[i], ys[i], 500, -2.5f, t.s, t.c, ox, oy);
      ASSERT_TRUE(same_bits(bx[i], ox) && same_bits(by[i], oy)) << xs[i] << ", " << ys[i] << " by " << deg;
    }
  }
}

// Sweeps as the box sampling walks them, each walked twice (the second walk reads kept values).
TEST(batch_maps, conic_samples_are_the_library_values) {
  std::mt19937 g(3);
  std::uniform_real_distribution<float> angle(-50, 50);
  const float radii[] = {0, -0.0f, 1, 0.5f, 1e-30f, 3.7e-3f, 123.456f, 1e6f, 3e38f, -2.5f,
                         std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()};
  const float steps[] = {0.05f, 0.1f, 0.2f};
  size_t samples = 0;
  for (int sweep = 0; sweep < 300; ++sweep) {
    const float a1 = sweep % 3 == 0 ? 0.f : angle(g), step = steps[sweep % 3];
    const float rx = radii[g() % std::size(radii)], ry = radii[g() % std::size(radii)];
    for (int walk = 0; walk < 2; ++walk) {
      conic_points_ points(a1, step, rx, ry);
      size_t k = 0;
      for (float t = a1; t <= a1 + 12.6f; t = f32_(static_cast<double>(t) + step), ++samples) {
        float px = 0, py = 0;
        points.at(k++, t, px, py);
        const float ex = f32_(std::cos(static_cast<double>(t)) * rx), ey = f32_(std::sin(static_cast<double>(t)) * ry);
        ASSERT_TRUE(same_bits(px, ex) && same_bits(py, ey)) << "t " << t << " rx " << rx << " ry " << ry;
      }
    }
  }
  EXPECT_GT(samples, 50000u);
}

// The arc tangent of every size and sign rounds to the float the library's value rounds to.
TEST(batch_maps, arc_tangent_rounds_as_the_library_value) {
  std::mt19937_64 g(9);
  std::uniform_real_distribution<double> unit(-1, 1);
  std::vector<double> xs{0.0, -0.0, 1.0, -1.0, 1.0 / 16, 15.0 / 32, 16.0, 1e-310, 0x1p-500, 0x1p500, 1e300,
                         std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN(), 1e10};
  for (int i = 0; i < 400000; ++i) {
    const double x = unit(g);
    xs.push_back(i % 2 ? x : std::ldexp(x, int(g() % 80) - 40));  // slopes of every steepness
  }
  for (double x : xs) {
    const float want = f32_(std::atan(x)), got = atan_f32_(x);
    ASSERT_TRUE(same_bits(got, want) || (std::isnan(got) && std::isnan(want))) << x;
  }
}

// The box of every sample, walked one by one as the engine always did.
conic_box_result_ every_sample_box(float cx, float cy, float rx, float ry, float s, float a1, double end,
                                   float step, box_& b) {
  for (float t = a1; t <= end;) {
    const float px = f32_(std::cos(static_cast<double>(t)) * rx), py = f32_(std::sin(static_cast<double>(t)) * ry);
    float qx = px, qy = py;
    rotate_by_sc_(px, py, s, 1.0f, qx, qy);
    const float x = f32_(static_cast<double>(qx) + cx), y = f32_(static_cast<double>(qy) + cy);
    b.add(x, y);
    const float next = f32_(static_cast<double>(t) + step);
    if (!(next > t)) break;
    t = next;
  }
  return b.any ? conic_box_result_::box : conic_box_result_::empty;
}

// The box from a few samples is the box of all of them, bit for bit, or it declines.
TEST(batch_maps, unturned_conic_box_is_the_box_of_every_sample) {
  std::mt19937 g(8);
  std::uniform_real_distribution<float> unit(0, 1);
  auto pick = [&](std::initializer_list<float> v) { return *(v.begin() + g() % v.size()); };
  // Starts on and beside multiples of pi/2, where the walk must tell the sides apart.
  auto beside_quarter = [&] {
    const float q = static_cast<float>((int(g() % 41) - 20) * 1.5707963267948966);
    return std::nextafter(q, q + (int(g() % 7) - 3) * 1e-3f);
  };
  size_t ordinary = 0, ordinary_decided = 0;
  for (int i = 0; i < 60000; ++i) {
    const int kind = i % 5;
    const float a1 = kind == 0 ? 0.0f
                     : kind == 1 ? beside_quarter()
                     : kind == 2 ? pick({-0.0f, 1e-4f, -1e-3f, 0x1p-10f, 2e4f, -9.9e4f, 2e5f, 3.1415927f})
                     : kind == 3 ? (unit(g) - 0.5f) * 100
                                 : pick({-41.5f, 3.1415927f, 0.7853982f, 4.712389f, 17.25f});  // kept sweeps, other ends
    const float sweep = pick({0.0f, 6.2831855f, 12.566371f, 20.0f, unit(g) * 2, unit(g) * 8, unit(g) * 15});
    const float a2 = f32_(static_cast<double>(a1) + sweep);
    const double end = std::min(static_cast<double>(a2), static_cast<double>(a1) + 2.0 * 6.2831855f);
    const float step = pick({0.05f, 0.1f, 0.05f, unit(g) * 0.99f + 0.01f, 0.005f});
    const float rx = pick({1.0f, -2.5f, 0.0f, 1e-6f, 123.456f, 1e6f, 1e7f, unit(g) * 50});
    const float ry = g() % 2 ? rx : pick({1.0f, -3.0f, 7e-3f, 5e5f, unit(g) * 50});
    const float cx = pick({0.0f, -0.0f, -rx, 1e6f, -3e6f, (unit(g) - 0.5f) * 2000});
    const float cy = pick({0.0f, ry, 7e6f, (unit(g) - 0.5f) * 2000});
    const float s = g() % 2 ? 0.0f : -0.0f;
    box_ want, got;
    const conic_box_result_ w = every_sample_box(cx, cy, rx, ry, s, a1, end, step, want);
    const conic_box_result_ r = unturned_conic_box_(cx, cy, rx, ry, s, a1, end, step, got);
    // Arcs and circles as drawings have them: the engine's steps, the start anywhere, no side
    // of the box on an axis (a zero's sign is left to the full walk).
    const bool usual = kind >= 3 && (step == 0.05f || step == 0.1f) && w == conic_box_result_::box &&
                       want.x1 != 0 && want.y1 != 0 && want.x2 != 0 && want.y2 != 0;
    ordinary += usual;
    if (r == conic_box_result_::undecided) continue;
    ordinary_decided += usual;
    ASSERT_EQ(r, w) << a1 << " " << end;
    if (r == conic_box_result_::box) {
      ASSERT_TRUE(same_bits(got.x1, want.x1) && same_bits(got.y1, want.y1) && same_bits(got.x2, want.x2) &&
                  same_bits(got.y2, want.y2))
          << "a1 " << a1 << " end " << end << " step " << step << " r " << rx << ", " << ry << " c " << cx << ", " << cy;
    }
  }
  // Ordinary conics take the short way: it is what makes importing arcs cheap.
  EXPECT_GT(ordinary_decided, ordinary * 99 / 100);

  // Adding an unturned conic leaves the turn behind as turning by its zero angle does.
  zaz_class_ e;
  for (const float rot : {0.0f, -0.0f}) {
    float x = 0, y = 0;
    e.calc_rotate_00_deg_(rot, 0, 0, x, y);
    const float want_s = e.geometry.rot_sin_, want_c = e.geometry.rot_cos_;
    e.geometry.rot_sin_ = e.geometry.rot_cos_ = 0.5f;
    ASSERT_GT(e.add_arc_(1, 2, 3, 3, rot, 10, 80, -1, -2, 0, 0, 1), 0);
    EXPECT_TRUE(same_bits(e.geometry.rot_sin_, want_s) && same_bits(e.geometry.rot_cos_, want_c)) << rot;
  }
}

// An insert's box from the few samples of its unturned arcs and circles that hold their
// extremes is the box from all of them, bit for bit.
TEST(batch_maps, insert_box_of_unturned_conics_is_the_box_of_every_sample) {
  zaz_class_ e;
  e.page_add_("a", 210, 297);
  e.layer_add_("l", true_, true_, -1, -2, 0, 1);
  std::mt19937 g(10);
  std::uniform_real_distribution<float> u(-50, 50);
  // One block per conic, so that each one's extremes show in its insert's box.
  for (int i = 0; i < 24; ++i) {
    const float turn = i % 6 == 5 ? 30.0f : 0.0f;  // a few turned ones walk every sample
    const int32_t r = i % 2 ? e.add_circle_(u(g), u(g), std::fabs(u(g)) + 0.5f)
                            : e.add_arc_(u(g), u(g), std::fabs(u(g)) + 0.5f, std::fabs(u(g)) + 0.5f, turn, u(g) * 7,
                                         u(g) * 7 + 400, -1, -2, 0, 0, 1);
    ASSERT_GT(r, 0);
    e.store.live.objects[static_cast<size_t>(r)].selected = true_;
    ASSERT_EQ(e.block_create_("conic" + std::to_string(i), 0, 0, false_), i + 1);
  }
  auto& t = std::as_const(e.store.live);
  for (int k = 0; k < 100; ++k) {
    const float x = u(g) * 100, y = u(g) * 100;
    const float sx = k % 7 == 0 ? -1.5f : k % 5 == 0 ? 0.0f : u(g) / 10, sy = k % 3 == 0 ? 1.0f : u(g) / 10;
    for (int32_t bid = 1; bid <= 24; ++bid) {
      const object_rec_& o = t.objects[e.library.blocks[bid].members[1]];
      const arc_rec_& c = o.type == ot_arc_ ? t.arcs[o.index] : t.circles[o.index];
      // Every sample of the member, placed as an insert places it.
      box_ want;
      auto add = [&](float a) {
        float rx = 0, ry = 0, px = 0, py = 0;
        turn_00_::deg(c.rotation).apply(f32_(std::cos(static_cast<double>(a)) * c.rx),
                                        f32_(std::sin(static_cast<double>(a)) * c.ry), rx, ry);
        turn_00_::rad(0).apply(f32_(static_cast<double>(f32_(static_cast<double>(rx) + c.cx)) * sx),
                               f32_(static_cast<double>(f32_(static_cast<double>(ry) + c.cy)) * sy), px, py);
        want.add(f32_(static_cast<double>(px) + x), f32_(static_cast<double>(py) + y));
      };
      const float a1 = o.type == ot_arc_ ? c.a1 : 0.f, a2 = o.type == ot_arc_ ? c.a2 : 6.2831855f;
      const double end = std::min(static_cast<double>(a2), static_cast<double>(a1) + 2.0 * 6.2831855f);
      for (float a = a1; a <= end; a = f32_(static_cast<double>(a) + 0.1f)) add(a);
      if (o.type == ot_arc_) add(c.a2);
      float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
      e.block_extents_(bid, x, y, sx, sy, 0, x1, y1, x2, y2);
      ASSERT_TRUE(same_bits(x1, want.x1) && same_bits(y1, want.y1) && same_bits(x2, want.x2) && same_bits(y2, want.y2))
          << "block " << bid << " at " << x << ", " << y << " scaled " << sx << ", " << sy;
    }
  }
}

// Lines, arcs, circles and texts mixed, some on another page, some not selected.
std::unique_ptr<zaz_class_> mixed_drawing() {
  auto e = std::make_unique<zaz_class_>();
  e->page_add_("a", 210, 297);
  e->layer_add_("l", true_, true_, -1, -2, 0, 1);
  std::mt19937 g(4);
  std::uniform_real_distribution<float> u(-1000, 1000);
  for (int i = 0; i < 9000; ++i) {
    const float x = u(g), y = u(g);
    if (i % 7 == 3) e->add_circle_(x, y, std::fabs(u(g)) / 10, -1, -2, 0, 0, 1);
    else if (i % 11 == 5) e->add_arc_(x, y, 5, 3, 20, 10, 200, -1, -2, 0, 0, 1);
    else e->add_line_(x, y, u(g), u(g));
  }
  e->select_all_();
  // A few records leave the selection, so the walk meets gaps.
  for (int32_t r = 5; r <= e->store.counts[0]; r += 13) e->store.live.objects[static_cast<size_t>(r)].selected = false_;
  return e;
}

void expect_same_drawing(const zaz_class_& a, const zaz_class_& b) {
  ASSERT_EQ(a.store.counts, b.store.counts);
  for (int32_t r = 1; r <= a.store.counts[0]; ++r) {
    const object_rec_& x = std::as_const(a.store.live.objects)[static_cast<size_t>(r)];
    const object_rec_& y = std::as_const(b.store.live.objects)[static_cast<size_t>(r)];
    ASSERT_TRUE(same_bits(x.x1, y.x1) && same_bits(x.y1, y.y1) && same_bits(x.x2, y.x2) && same_bits(x.y2, y.y2)) << r;
  }
  for (int32_t i = 1; i <= a.store.counts[ot_line_]; ++i) {
    const line_rec_& x = std::as_const(a.store.live.lines)[static_cast<size_t>(i)];
    const line_rec_& y = std::as_const(b.store.live.lines)[static_cast<size_t>(i)];
    ASSERT_TRUE(same_bits(x.x1, y.x1) && same_bits(x.y1, y.y1) && same_bits(x.x2, y.x2) && same_bits(x.y2, y.y2)) << i;
  }
  EXPECT_TRUE(same_bits(a.geometry.rot_sin_, b.geometry.rot_sin_));
}

TEST(batch_maps, a_selection_transforms_as_its_records_one_by_one) {
  const struct {
    const char* what;
    void (*op)(zaz_class_&, int32_t);
  } ops[] = {
      {"rotate", [](zaz_class_& e, int32_t r) { e.transform_rotate_(37.5f, 12.25f, -3.5f, r); }},
      {"mirror", [](zaz_class_& e, int32_t r) { e.transform_mirror_(1.5f, 2.5f, -7.25f, 11, r); }},
      {"mirror about a vertical", [](zaz_class_& e, int32_t r) { e.transform_mirror_(3, 0, 3, 5, r); }},
  };
  for (const auto& op : ops) {
    SCOPED_TRACE(op.what);
    auto whole = mixed_drawing(), single = mixed_drawing();
    op.op(*whole, 0);
    for (int32_t r = 1; r <= single->store.counts[0]; ++r) {
      const object_rec_& o = std::as_const(single->store.live.objects)[static_cast<size_t>(r)];
      if (o.selected == true_ && o.page == single->pages.active) op.op(*single, r);
    }
    expect_same_drawing(*whole, *single);
  }
}

TEST(batch_maps, empty_drawing_and_empty_selection_are_left_alone) {
  zaz_class_ e;
  e.transform_rotate_(30, 0, 0, 0);
  e.transform_mirror_(0, 0, 1, 1, 0);
  EXPECT_EQ(e.store.counts[0], 0);
  auto d = mixed_drawing();
  for (int32_t r = 1; r <= d->store.counts[0]; ++r) d->store.live.objects[static_cast<size_t>(r)].selected = false_;
  auto before = mixed_drawing();
  for (int32_t r = 1; r <= before->store.counts[0]; ++r) before->store.live.objects[static_cast<size_t>(r)].selected = false_;
  d->transform_rotate_(30, 0, 0, 0);
  d->transform_mirror_(0, 0, 1, 1, 0);
  expect_same_drawing(*d, *before);
}

}  // namespace
