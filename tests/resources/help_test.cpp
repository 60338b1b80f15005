// The user's guide that the build sets beside the program, where the help command opens it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "platform/core/file_io.h"
#include "platform/services/picture_file.h"

namespace fs = std::filesystem;

namespace {

const std::string help_pdf = std::string(ARVEX_BINARY_DIR) + "/bin/help/help.pdf";

// Page n of the guide rendered back at 50 dots per inch; empty when it cannot be.
picture_rec_ render_page(int n) {
  const fs::path dir = fs::temp_directory_path() / ("arvex_help_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string page = std::to_string(n);
  const std::string cmd = "pdftoppm -r 50 -png -singlefile -f " + page + " -l " + page + " '" + help_pdf + "' '" +
                          (dir / "page").string() + "' 2>/dev/null";
  picture_rec_ p;
  if (std::system(cmd.c_str()) == 0) load_picture_file_((dir / "page.png").string(), p);
  fs::remove_all(dir);
  return p;
}

// Share of dark pixels in a band of rows (fractions of the height).
double ink_share(const picture_image_rec_& im, double from, double to) {
  int dark = 0, all = 0;
  for (int y = int(from * im.height); y < int(to * im.height); ++y)
    for (int x = 0; x < im.width; ++x, ++all) {
      const uint32_t p = im.pixel_(x, y);
      dark += ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 450;
    }
  return all ? double(dark) / all : 0;
}

}  // namespace

TEST(HelpFile, IsAPdfBesideTheProgram) {
  const std::optional<std::string> bytes = read_file_bytes_(help_pdf);
  ASSERT_TRUE(bytes) << help_pdf;
  EXPECT_EQ(bytes->rfind("%PDF-", 0), 0u);
  // Nothing half-written is left beside it.
  EXPECT_FALSE(fs::exists(help_pdf + ".part"));
}

TEST(HelpFile, FirstPageRendersAsAnA4SheetOfText) {
  const picture_rec_ first = render_page(1);
  ASSERT_FALSE(first.empty_()) << "pdftoppm could not render " << help_pdf;
  const picture_image_rec_& im = first.images[0];
  // A4 portrait at 50 dpi: 413 x 585 pixels.
  EXPECT_NEAR(im.width, 413, 2);
  EXPECT_NEAR(im.height, 585, 2);
  // A white sheet with lines of text down the page and empty margins.
  EXPECT_GT(ink_share(im, 0.05, 0.12), 0.003) << "no title";
  for (int band = 0; band < 7; ++band)
    EXPECT_GT(ink_share(im, 0.15 + band * 0.1, 0.25 + band * 0.1), 0.003) << "band " << band;
  EXPECT_LT(ink_share(im, 0.0, 1.0), 0.2);
  for (int y = 0; y < im.height; ++y) EXPECT_EQ(im.pixel_(4, y) & 0xFFFFFFu, 0xFFFFFFu) << "left margin at " << y;
}

TEST(HelpFile, TheWholeGuideFollows) {
  // The guide runs over more than one page; the page after its last renders nothing.
  EXPECT_FALSE(render_page(2).empty_());
  int last = 2;
  while (last < 20 && !render_page(last + 1).empty_()) ++last;
  EXPECT_LT(last, 20);
  const picture_rec_ end = render_page(last);
  ASSERT_FALSE(end.empty_());
  EXPECT_GT(ink_share(end.images[0], 0.0, 0.5), 0.001);
}

TEST(BesideTheProgram, TemplatesFolderIsMade) {
  // The options dialog lists this folder.
  const fs::path templates = fs::path(ARVEX_BINARY_DIR) / "bin" / "templates";
  EXPECT_TRUE(fs::is_directory(templates));
}
