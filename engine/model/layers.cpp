// Layers of the active page.
#include <new>
#include <utility>

#include "engine/zaz_class.h"

namespace {

int32_t layer_count(const page_rec_& p) {
  return p.layers.empty() ? 0 : static_cast<int32_t>(p.layers.size() - 1);
}

}  // namespace

layer_rec_* zaz_class_::layer_ptr_(int32_t lid) {
  page_rec_* p = page_ptr_(pages.active);
  if (!p || lid < 1 || lid > layer_count(*p)) return nullptr;
  return &p->layers[lid];
}

const layer_rec_* zaz_class_::layer_ptr_(int32_t lid) const {
  return const_cast<zaz_class_*>(this)->layer_ptr_(lid);
}

int32_t zaz_class_::layers_count_() const {
  const page_rec_* p = page_ptr_(pages.active);
  return p ? layer_count(*p) : 0;
}

int16_t zaz_class_::layer_active_() const {
  const page_rec_* p = page_ptr_(pages.active);
  return p ? p->active_layer : int16_t{0};
}

void zaz_class_::layer_active_(int16_t layer_nr_) {
  page_rec_* p = page_ptr_(pages.active);
  if (!p) return;
  int32_t n = layer_nr_;
  if (n < 1) n = 1;
  if (n > layer_count(*p)) n = layer_count(*p);
  p->active_layer = static_cast<int16_t>(n);
}

int32_t zaz_class_::layer_add_(const std::string& tile_, flag16_ visible_, flag16_ editable,
                               int32_t atr_colord_, int32_t atr_colorf_, int32_t atr_lstyle_,
                               int32_t atr_lwidth_) {
  page_rec_* p = page_ptr_(pages.active);
  if (!p) return 0;
  const int32_t k = layer_count(*p) + 1;
  if (k > 255) return 0;  // an object record cannot name a higher layer
  layer_rec_ l;
  l.draw_color = atr_colord_ < 0 ? color_auto_ : atr_colord_;
  if (atr_colorf_ <= -5 || atr_colorf_ == color_none_)
    l.fill_color = color_none_;
  else
    l.fill_color = atr_colorf_ < 0 ? color_auto_ : atr_colorf_;
  l.line_style = atr_lstyle_ < 0 ? 0 : atr_lstyle_;
  l.line_width = atr_lwidth_ < 1 ? 1 : atr_lwidth_;
  l.visible = visible_;
  l.editable = editable;
  l.title = tile_;
  try {
    if (p->layers.empty()) p->layers.resize(1);  // slot 0
    p->layers.push_back(std::move(l));
  } catch (const std::bad_alloc&) {
    return 0;
  }
  p->active_layer = static_cast<int16_t>(k);
  return k;
}

flag16_ zaz_class_::layer_delete_(int32_t layer_id_) {
  page_rec_* p = page_ptr_(pages.active);
  if (!p || layer_count(*p) < 2) return false_;
  if (layer_id_ < 1 || layer_id_ > layer_count(*p)) return false_;
  for (int32_t r = 1; r <= store.counts[0]; ++r) {
    object_rec_& o = store.live.objects[r];
    if (o.page != pages.active) continue;
    if (o.layer == layer_id_)
      o.deleted = true_;
    else if (o.layer > layer_id_)
      --o.layer;
  }
  p->layers.erase(p->layers.begin() + layer_id_);
  const int32_t count = layer_count(*p);
  if (p->active_layer > count) p->active_layer = static_cast<int16_t>(count);
  if (p->active_layer < 1) p->active_layer = 1;
  return true_;
}

int32_t zaz_class_::layer_info_(int32_t layer_) const {
  int32_t n = 0;
  for (int32_t r = 1; r <= store.counts[0]; ++r) {
    const object_rec_& o = store.live.objects[r];
    if (o.page == pages.active && o.layer == layer_ && o.deleted == false_) ++n;
  }
  return n;
}

// Properties store what they are given; only layer_add_ corrects attributes.
std::string zaz_class_::layer_title_(int16_t lid_) const {
  const layer_rec_* l = layer_ptr_(lid_);
  return l ? l->title : std::string();
}
void zaz_class_::layer_title_(int16_t lid_, const std::string& ntitle_) {
  if (layer_rec_* l = layer_ptr_(lid_)) l->title = ntitle_;
}

#define LAYER_PROPERTY(name, type, field)                         \
  type zaz_class_::name(int16_t lid_) const {                     \
    const layer_rec_* l = layer_ptr_(lid_);                       \
    return l ? static_cast<type>(l->field) : type{0};             \
  }                                                               \
  void zaz_class_::name(int16_t lid_, type nval_) {               \
    if (layer_rec_* l = layer_ptr_(lid_)) l->field = nval_;       \
  }

LAYER_PROPERTY(layer_atr_vis_, flag16_, visible)
LAYER_PROPERTY(layer_atr_edt_, flag16_, editable)
LAYER_PROPERTY(layer_atr_dcolor_, int32_t, draw_color)
LAYER_PROPERTY(layer_atr_fcolor_, int32_t, fill_color)
LAYER_PROPERTY(layer_atr_style_, int32_t, line_style)
LAYER_PROPERTY(layer_atr_width_, int32_t, line_width)

#undef LAYER_PROPERTY
