// Sets the user's guide (resources/help/guide.txt) as an A4 PDF through the platform's printing
// to a file, in the program's own default stroke font, so the guide needs nothing the program
// does not already carry. A guide or font that cannot be read stops the build with a message.
//
// Usage: make_help <guide.txt> <stroke font> <output.pdf>
//
// The guide is plain text: "# " starts a heading, "- " a bullet item, a blank line ends a
// paragraph; the lines of a paragraph are joined.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/fonts/font_file.h"
#include "platform/core/codepage.h"
#include "platform/core/file_io.h"
#include "platform/gdiplus/graphics.h"
#include "platform/services/printer.h"
#include "platform/services/printer_pdf.h"
#include "platform/window/event_loop.h"

namespace {

[[noreturn]] void fail(const std::string& what) {
  std::fprintf(stderr, "make_help: %s\n", what.c_str());
  std::exit(1);
}

enum class kind_ { title, heading, paragraph, bullet };

struct block {
  kind_ kind;
  std::string text;  // Windows-1250, as the stroke font's glyph codes
};

std::vector<block> parse(const std::string& utf8, const std::string& source) {
  std::vector<block> out;
  std::istringstream in(utf8);
  std::string line;
  block* open = nullptr;
  int line_no = 0;
  while (std::getline(in, line)) {
    ++line_no;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string cp = utf8_to_cp1250_(line);
    if (cp.find('?') != std::string::npos && line.find('?') == std::string::npos)
      fail(source + ":" + std::to_string(line_no) + ": a character outside Windows-1250");
    if (line.find_first_not_of(' ') == std::string::npos) {
      open = nullptr;
      continue;
    }
    if (line.rfind("# ", 0) == 0) {
      out.push_back({out.empty() ? kind_::title : kind_::heading, cp.substr(2)});
      open = nullptr;
    } else if (line.rfind("- ", 0) == 0) {
      out.push_back({kind_::bullet, cp.substr(2)});
      open = &out.back();
    } else if (open) {
      open->text += " " + cp;
    } else {
      out.push_back({kind_::paragraph, cp});
      open = &out.back();
    }
  }
  if (out.empty() || out[0].kind != kind_::title) fail(source + ": the guide must start with a '# ' title");
  return out;
}

// Text setting in millimetres on the sheet; y grows downwards, baselines at y.
class typesetter {
 public:
  typesetter(printer_& p, const font_rec_& font) : printer_ref(p), font_ref(font) {}

  double width(const std::string& s, double h) const {
    double w = 0;
    for (unsigned char c : s) w += advance(c);
    return w * h / font_ref.height;
  }

  void text(const std::string& s, double x, double y, double h, double pen, uint32_t argb) {
    const double k = h / font_ref.height;
    gp_pen_ p;
    p.argb = argb;
    p.width = float(pen);
    p.join = gp_join_::round_;
    for (unsigned char c : s) {
      for (const glyph_contour_rec_& contour : font_ref.glyphs[c].contours) {
        std::vector<gp_point_> pts;
        for (const glyph_point_rec_& q : contour.points)
          pts.push_back({float(x - left_mm + q.x * k), float(y - top_mm - q.y * k)});
        if (pts.size() == 1) pts.push_back(pts[0]);
        g->draw_lines_(p, pts.data(), pts.size());
      }
      x += advance(c) * k;
    }
  }

  void line(double x1, double y1, double x2, double y2, double pen, uint32_t argb) {
    gp_pen_ p;
    p.argb = argb;
    p.width = float(pen);
    g->draw_line_(p, float(x1 - left_mm), float(y1 - top_mm), float(x2 - left_mm), float(y2 - top_mm));
  }

  void begin_page() {
    if (g) {
      g.reset();
      if (!printer_ref.new_page_()) fail("cannot start a page");
    }
    g = printer_page_graphics_(printer_ref);
    if (!g) fail("no graphics on the page");
    g->set_smoothing_(true);
    g->set_page_unit_(gp_unit_::millimetre_);
    left_mm = printer_ref.margin_left_px_() * 25.4 / printer_ref.dpi_x_();
    top_mm = printer_ref.margin_top_px_() * 25.4 / printer_ref.dpi_y_();
  }
  void end() { g.reset(); }

 private:
  double advance(unsigned char c) const {
    const glyph_rec_& gl = font_ref.glyphs[c];
    if (c == ' ' && gl.advance_x <= 0) return font_ref.glyphs['X'].box_width;
    return gl.advance_x;
  }
  printer_& printer_ref;
  const font_rec_& font_ref;
  std::unique_ptr<graphics_> g;
  double left_mm = 0, top_mm = 0;  // of the printable area on the sheet
};

// Breaks text into lines no wider than width at height h.
std::vector<std::string> wrap(const typesetter& t, const std::string& text, double width, double h) {
  std::vector<std::string> lines;
  std::istringstream words(text);
  std::string word, current;
  while (words >> word) {
    const std::string tried = current.empty() ? word : current + " " + word;
    if (!current.empty() && t.width(tried, h) > width) {
      lines.push_back(current);
      current = word;
    } else {
      current = tried;
    }
  }
  if (!current.empty()) lines.push_back(current);
  return lines;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: make_help <guide.txt> <stroke font> <output.pdf>\n");
    return 2;
  }
  const std::optional<std::string> text = read_file_bytes_(argv[1], 1u << 20);
  if (!text) fail(std::string("cannot read ") + argv[1]);
  const std::vector<block> blocks = parse(*text, argv[1]);
  font_rec_ font;
  if (!load_stroke_font_(argv[2], font) || font.height <= 0) fail(std::string("cannot read the font ") + argv[2]);

  ensure_application_();
  const std::string out = argv[3], part = out + ".part";
  std::filesystem::create_directories(std::filesystem::path(out).parent_path());
  printer_ printer;
  printer.set_output_file_(part);
  printer.set_resolution_(600);
  if (!printer.set_paper_mm_(210, 297)) fail("A4 refused");
  if (!printer.begin_document_("Arvex user's guide")) fail("cannot write " + part);

  constexpr double left = 22, right = 188, top = 24, bottom = 275;
  constexpr uint32_t ink = 0xFF263238u, accent = 0xFF1565C0u, rule = 0xFF90A4AEu;
  typesetter t(printer, font);
  int page = 1;
  double y = top;
  t.begin_page();
  auto footer = [&] {
    const std::string n = std::to_string(page);
    t.text(n, 105 - t.width(n, 2.6) / 2, 287, 2.6, 0.2, rule);
  };
  auto room_for = [&](double needed) {
    if (y + needed <= bottom) return;
    footer();
    t.begin_page();
    ++page;
    y = top;
  };
  for (const block& b : blocks) {
    switch (b.kind) {
      case kind_::title:
        y += 8;
        t.text(b.text, left, y, 8, 0.6, accent);
        y += 5;
        t.line(left, y, right, y, 0.4, accent);
        y += 6;
        break;
      case kind_::heading:
        room_for(24);  // a heading never ends a page alone
        y += 9;
        t.text(b.text, left, y, 5, 0.45, accent);
        y += 5;
        break;
      case kind_::paragraph:
      case kind_::bullet: {
        const double h = 2.9, indent = b.kind == kind_::bullet ? 5 : 0;
        const std::vector<std::string> lines = wrap(t, b.text, right - left - indent, h);
        for (size_t i = 0; i < lines.size(); ++i) {
          room_for(h * 1.9);
          y += h * 1.9;
          if (i == 0 && b.kind == kind_::bullet) t.line(left + 1, y - h / 2, left + 2.6, y - h / 2, 0.5, accent);
          t.text(lines[i], left + indent, y, h, 0.25, ink);
        }
        y += h * 0.9;
        break;
      }
    }
  }
  footer();
  t.end();
  if (!printer.end_document_()) fail("cannot finish " + part);
  std::error_code ec;
  std::filesystem::rename(part, out, ec);
  if (ec) fail("cannot write " + out);
  return 0;
}
