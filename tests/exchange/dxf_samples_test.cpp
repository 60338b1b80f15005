// Real DXF files of other programs: each is read or refused cleanly.
#include <gtest/gtest.h>

#include <string>

#include "engine/zaz_class.h"
#include "exchange_fixture.h"

namespace {

const std::string samples_ = "/work/shared/dxf-samples/";

struct sample_case_ {
  const char* file;
  bool read;
  int32_t min_objects;  // live objects of the import page at least
};

class dxf_samples_ : public ::testing::TestWithParam<sample_case_> {};

TEST_P(dxf_samples_, read_or_refused) {
  const sample_case_& c = GetParam();
  const std::string path = samples_ + c.file;
  if (!std::ifstream(path)) GTEST_SKIP() << "sample folder missing";
  zaz_class_ e;
  e.page_add_("before", 100, 100);
  const int32_t line_before = e.add_line_(1, 2, 3, 4);
  ASSERT_GT(line_before, 0);
  const bool ok = e.file_import_acdxf_(path);
  EXPECT_EQ(ok, c.read);
  if (!c.read) {
    // A refused file leaves the drawing as it was.
    EXPECT_EQ(e.pages_count_(), 1);
    EXPECT_EQ(e.page_title_(1), "before");
    EXPECT_EQ(e.store.counts[0], 1);
    return;
  }
  EXPECT_EQ(e.page_title_(e.page_active_()), "DXF");
  EXPECT_GE(live_objects_(e), c.min_objects);
  EXPECT_GE(e.layers_count_(), 1);
  EXPECT_GE(e.dimstyles_count_(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    files, dxf_samples_,
    ::testing::Values(sample_case_{"libredwg__r1.4_entities.dxf", false, 0},
                      sample_case_{"ezdxf__bin_dxf_r12.dxf", false, 0},
                      sample_case_{"openscad__nothing-decimal-comma-separated.dxf", true, 0},
                      sample_case_{"libredwg__r2.6_dim.dxf", true, 4},
                      sample_case_{"libredwg__r10_entities.dxf", true, 8},
                      sample_case_{"ezdxf__ASCII_R12.dxf", true, 3},
                      sample_case_{"ezdxf__Leica_Disto_S910.dxf", true, 32},
                      sample_case_{"ezdxf__cc_dxflib.dxf", true, 0},
                      sample_case_{"libredwg__example_r14.dxf", true, 30},
                      sample_case_{"ezdxf__duplicate_handles.dxf", true, 140},
                      sample_case_{"libredwg__2000_entities-2d.dxf", true, 8},
                      sample_case_{"ezdxf__text_alignments.dxf", true, 58},
                      sample_case_{"librecad__dim_sample.dxf", true, 20},
                      sample_case_{"qcad__entities.dxf", true, 29},
                      sample_case_{"qcad__flange.dxf", true, 200},
                      sample_case_{"ezdxf__dimension_in_block.dxf", true, 2},
                      sample_case_{"ezdxf__circle_radius_le_0.dxf", true, 1},
                      sample_case_{"ezdxf__hatches_2.dxf", true, 4},
                      sample_case_{"ezdxf__R12_with_trash_beyond_EOF.dxf", true, 1},
                      sample_case_{"ezdxf__recover01.dxf", true, 1504},
                      sample_case_{"ezdxf__Minimal_DXF_AC1009.dxf", true, 0},
                      sample_case_{"skymakerolof__openscad_export.dxf", true, 452}),
    [](const auto& info) {
      std::string n = info.param.file;
      for (char& ch : n)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return n;
    });

}  // namespace
