// Removing a dimension style. Style numbers are dense indexes into the style table, and
// dimensions and references hold their style's number beside their own copy of its values,
// so every number above the removed one moves down. A style still referred to is never
// removed: a refusal changes nothing and makes no undo step.
#include <algorithm>

#include "engine/file/links.h"
#include "engine/zaz_class.h"

namespace {

// The style number a main record holds, or null for kinds that hold none.
template <class Tables>
auto* style_id_of(Tables& t, const object_rec_& o) {
  auto pick = [&](auto& table) -> decltype(&table[0].style_id) {
    return o.index >= 1 && size_t(o.index) < table.size() ? &table[size_t(o.index)].style_id : nullptr;
  };
  using ptr = decltype(pick(t.dimensions));
  switch (o.type) {
    case ot_dimension_: return pick(t.dimensions);
    case ot_angular_dim_: return pick(t.angular_dims);
    case ot_reference_: return pick(t.references);
    default: return ptr{nullptr};
  }
}

int32_t last_record(const store_state_& s) {
  return int32_t(std::min<int64_t>(s.counts[0], int64_t(s.live.objects.size()) - 1));
}

}  // namespace

int32_t zaz_class_::dimstyle_users_(int16_t dsid_) const {
  int32_t users = 0;
  const object_tables_& t = store.live;
  for (int32_t i = 1; i <= last_record(store); ++i) {
    const object_rec_& o = t.objects[size_t(i)];
    const int32_t* id = style_id_of(t, o);
    if (id && *id == dsid_ && !is_set_(o.deleted)) ++users;
  }
  return users;
}

dimstyle_del_result_ zaz_class_::dimstyle_delete_(int16_t dsid_) {
  const int32_t count = dimstyles_count_();
  if (dsid_ < 1 || dsid_ > count) return dimstyle_del_result_::no_style;
  if (count < 2) return dimstyle_del_result_::last;
  if (dimstyle_users_(dsid_) > 0) return dimstyle_del_result_::in_use;

  dimstyle_step_rec_ step;
  step.removed = dsid_;
  step.style = styles.styles[size_t(dsid_)];
  step.active_before = dimstyle_active_();

  state_begin_();
  // Only records whose number changes are written, so the step holds just those.
  object_tables_& t = store.live;
  for (int32_t i = 1; i <= last_record(store); ++i) {
    const object_rec_& o = std::as_const(t).objects[size_t(i)];
    const int32_t* held = style_id_of(std::as_const(t), o);
    if (!held || *held < dsid_) continue;
    int32_t* id = style_id_of(t, o);
    *id = *id == dsid_ ? 0 : *id - 1;  // only deleted records still name the removed style
  }
  dimstyle_step_apply_(step, false);
  const std::string last_file = file.states.empty() ? std::string() : file.states.back().file;
  state_save_(link_lang_text_("change.dimstyle.del"));
  // The step keeps the style only when its file was written and the step listed.
  if (!file.states.empty() && file.states.back().file != last_file) file.states.back().dimstyle_step = step;
  return dimstyle_del_result_::deleted;
}

void zaz_class_::dimstyle_step_apply_(const dimstyle_step_rec_& step_, bool undo_) {
  const int32_t n = step_.removed, count = dimstyles_count_();
  if (n < 1 || styles.styles.empty()) return;
  if (undo_) {
    if (n > count + 1) return;
    styles.styles.insert(styles.styles.begin() + n, step_.style);
    styles.active = std::clamp(step_.active_before, 1, count + 1);
    return;
  }
  if (n > count || count < 2) return;
  styles.styles.erase(styles.styles.begin() + n);
  const int32_t active = step_.active_before > n ? step_.active_before - 1 : step_.active_before;
  styles.active = std::clamp(active, 1, count - 1);
}
