#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <map>
#include <tuple>

#include "platform/gdi/dc.h"
#include "platform/gdi/font.h"
#include "platform/gdi/qt_bridge.h"

namespace {

// The Windows-compatibility fonts live where fontconfig does not look; register them once.
const char* const compat_font_files_[] = {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"};

std::string resolve_interface_family_() {
  ensure_qt_app_();
  if (!QFontDatabase::hasFamily("Tahoma"))
    for (const char* f : compat_font_files_)
      if (QFile::exists(f)) QFontDatabase::addApplicationFont(f);
  if (QFontDatabase::hasFamily("Tahoma")) return "Tahoma";
  return "DejaVu Sans";
}

bool same_face_(const std::string& a, const char* b) {
  return QString::fromStdString(a).compare(QString::fromLatin1(b), Qt::CaseInsensitive) == 0;
}

struct font_key_ {
  std::string face;
  int32_t height, weight;
  bool italic, underline, strike;
  bool operator<(const font_key_& o) const {
    return std::tie(face, height, weight, italic, underline, strike) <
           std::tie(o.face, o.height, o.weight, o.italic, o.underline, o.strike);
  }
};

// Qt font for a description; the cell height is matched by scaling the em size once.
const QFont& qfont_of_(const font_& f) {
  static std::map<font_key_, QFont> cache;
  const font_key_ key{f.face, f.height, f.weight, f.italic, f.underline, f.strike_out};
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  ensure_qt_app_();
  const std::string family = (f.face.empty() || same_face_(f.face, "Tahoma")) ? interface_font_family_() : f.face;
  QFont q(QString::fromStdString(family));
  const int weight = f.weight <= 0 ? 400 : std::clamp(f.weight, 1, 1000);
  q.setWeight(QFont::Weight(weight));
  q.setItalic(f.italic);
  q.setUnderline(f.underline);
  q.setStrikeOut(f.strike_out);
  const int32_t cell = f.height == 0 ? 16 : f.height;
  if (cell < 0) {
    q.setPixelSize(std::clamp(-int64_t(cell), int64_t(1), int64_t(4096)));
  } else {
    const int want = int(std::clamp<int64_t>(cell, 1, 4096));
    q.setPixelSize(want);
    const int got = QFontMetrics(q).height();
    if (got > 0 && got != want) q.setPixelSize(std::max(1, int((int64_t(want) * want + got / 2) / got)));
  }
  if (cache.size() > 256) cache.clear();  // a bound for programs that make many sizes
  return cache.emplace(key, q).first->second;
}

class qt_text_measurer_ : public text_measurer_ {
 public:
  font_metrics_ metrics_(const font_& font) override {
    QFontMetrics fm(qfont_of_(font));
    return {fm.height(), fm.ascent(), fm.descent()};
  }
  int32_t width_(const font_& font, std::string_view text) override {
    return QFontMetrics(qfont_of_(font)).horizontalAdvance(QString::fromUtf8(text.data(), qsizetype(text.size())));
  }
};

std::shared_ptr<text_measurer_>& installed_() {
  static std::shared_ptr<text_measurer_> m;
  return m;
}

QColor qcolour_(uint32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

}  // namespace

const QFont& qfont_for_(const font_& f) { return qfont_of_(f); }

std::string interface_font_family_() {
  static const std::string family = resolve_interface_family_();
  return family;
}

text_measurer_& text_measurer_in_use_() {
  static qt_text_measurer_ real;
  return installed_() ? *installed_() : real;
}

std::shared_ptr<text_measurer_> set_text_measurer_(std::shared_ptr<text_measurer_> measurer) {
  return std::exchange(installed_(), std::move(measurer));
}

font_metrics_ dc_::text_metrics_() const { return text_measurer_in_use_().metrics_(st_.font); }

pixel_size_ dc_::text_extent_(std::string_view text) const {
  text_measurer_& m = text_measurer_in_use_();
  return {m.width_(st_.font, text), m.metrics_(st_.font).height};
}

// Draws one line with its cell's top-left at logical (x, y), turned by the escapement.
void dc_::draw_text_line_(const text_line_& line, int32_t x, int32_t y, const font_metrics_& m) {
  refresh_clip_();
  if (target_px_->empty_() || st_.clip.empty_()) return;
  QImage image = qimage_of_(*target_px_);
  QPainter p(&image);
  p.setClipRegion(qregion_of_(st_.clip));
  p.translate(double(int64_t(x) + st_.origin.x), double(int64_t(y) + st_.origin.y));
  if (st_.font.escapement != 0) p.rotate(-st_.font.escapement / 10.0);
  if (st_.bk_mode == bk_mode_::opaque_) p.fillRect(0, 0, line.width, m.height, qcolour_(st_.bk_colour));
  p.setFont(qfont_of_(st_.font));
  p.setPen(qcolour_(st_.text_colour));
  p.drawText(QPointF(0, m.ascent), QString::fromStdString(line.text));
  if (line.underline_from >= 0 && line.underline_to > line.underline_from)
    p.fillRect(line.underline_from - line.x, m.ascent + 1, line.underline_to - line.underline_from, 1,
               qcolour_(st_.text_colour));
}

void dc_::text_out_(int32_t x, int32_t y, std::string_view text) {
  if (text.empty()) return;
  text_line_ line;
  line.text = std::string(text);
  line.width = text_measurer_in_use_().width_(st_.font, text);
  line.x = x;
  line.y = y;
  draw_text_line_(line, x, y, text_metrics_());
}

int32_t dc_::draw_text_(std::string_view text, pixel_rect_& r, uint32_t format) {
  const text_layout_ layout = layout_text_(st_.font, text, r, format);
  if (format & text_calc_rect_) {
    r.right = layout.bounds.right;
    r.bottom = layout.bounds.bottom;
    if (format & (text_center_ | text_right_)) r.left = layout.bounds.left;
    return layout.height;
  }
  const font_metrics_ m = text_metrics_();
  const int32_t saved = save_();
  if (!(format & text_no_clip_)) intersect_clip_rect_(r);
  for (const text_line_& line : layout.lines)
    if (!line.text.empty()) draw_text_line_(line, line.x, line.y, m);
  restore_(saved);
  return layout.height;
}
