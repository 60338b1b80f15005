#include "engine/dimensions/format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/zaz_class.h"
#include "platform/core/codepage.h"

namespace {

const std::string deg_mark(dim_degree_mark_);
const std::string dia_mark(dim_diameter_mark_);

struct length_case {
  float value;
  uint8_t unit;
  uint8_t accuracy;
  const char* sep;
  std::string expected;
};

void PrintTo(const length_case& c, std::ostream* os) {
  *os << c.value << " unit " << int(c.unit) << " accuracy " << int(c.accuracy);
}

class LengthFormat : public testing::TestWithParam<length_case> {};

TEST_P(LengthFormat, WritesUnitAndAccuracy) {
  const length_case& c = GetParam();
  EXPECT_EQ(dim_format_length_(c.value, c.unit, c.accuracy, 0, c.sep), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Decimal, LengthFormat, testing::Values(
    length_case{12.345f, 1, 2, ".", "12.35"},
    length_case{12.0f, 1, 2, ".", "12.00"},
    length_case{12.345f, 1, 2, ",", "12,35"},
    length_case{2.5f, 1, 0, ".", "3"},
    length_case{-2.5f, 1, 0, ".", "-3"},
    length_case{2.675f, 1, 2, ".", "2.68"},       // the digits as typed, not the binary value
    length_case{-0.001f, 1, 2, ".", "0.00"},      // no sign on a value shown as zero
    length_case{0.0f, 1, 3, ".", "0.000"},
    length_case{0.004f, 1, 2, ".", "0.00"},
    length_case{99.996f, 1, 2, ".", "100.00"},
    length_case{1234567.0f, 1, 0, ".", "1234567"},
    length_case{0.1f, 1, 8, ".", "0.10000000"},
    length_case{1.25f, 5, 1, ".", "1.3"},
    length_case{0.5f, 1, 9, ".", "0.5"},          // beyond the templates: the general form
    length_case{1.5e-7f, 1, 9, ",", "0,00000015"}));

INSTANTIATE_TEST_SUITE_P(Scientific, LengthFormat, testing::Values(
    length_case{123.45f, 0, 2, ".", "1.23E+02"},
    length_case{0.00012345f, 0, 2, ".", "1.23E-04"},
    length_case{-123.45f, 0, 1, ",", "-1,2E+02"},
    length_case{0.0f, 0, 2, ".", "0.00E+00"},
    length_case{9.996f, 0, 2, ".", "1.00E+01"},
    length_case{5.0f, 0, 0, ".", "5E+00"},
    length_case{1e20f, 0, 0, ".", "1E+20"},
    length_case{3e-30f, 0, 1, ".", "3.0E-30"}));

INSTANTIATE_TEST_SUITE_P(FeetAndInches, LengthFormat, testing::Values(
    length_case{30.0f, 2, 1, ".", "2'-6.0\""},
    length_case{24.0f, 2, 1, ".", "2'-0.0\""},
    length_case{-30.0f, 2, 1, ".", "-2'-6.0\""},
    length_case{30.0f, 2, 1, ",", "2'-6,0\""},
    length_case{23.99f, 2, 1, ".", "2'-0.0\""},   // 11.99 inches round to a whole foot
    length_case{11.96f, 2, 1, ".", "1'-0.0\""},
    length_case{5.25f, 2, 0, ".", "0'-5\""},
    length_case{-0.01f, 2, 1, ".", "0'-0.0\""}));

INSTANTIATE_TEST_SUITE_P(FeetAndFractions, LengthFormat, testing::Values(
    length_case{30.5f, 3, 2, ".", "2'-6 1/2\""},
    length_case{30.9f, 3, 2, ".", "2'-7\""},
    length_case{23.9f, 3, 2, ".", "2'-0\""},      // 11 3.6/4 inches carry into the feet
    length_case{-30.5f, 3, 2, ".", "-2'-6 1/2\""},
    length_case{12.0f * 1000 + 0.0625f, 3, 4, ".", "1000'-0 1/16\""},
    length_case{36.75f, 3, 0, ".", "3'-1\""},
    length_case{0.0f, 3, 8, ".", "0'-0\""}));

INSTANTIATE_TEST_SUITE_P(Fractions, LengthFormat, testing::Values(
    length_case{5.375f, 4, 3, ".", "5 3/8\""},
    length_case{-5.375f, 4, 3, ".", "-5 3/8\""},
    length_case{0.0625f, 4, 3, ".", "0\""},       // 0.5 eighths rounds to the even 0
    length_case{0.1875f, 4, 3, ".", "0 1/4\""},   // 1.5 eighths rounds to the even 2
    length_case{4.6f, 4, 0, ".", "5\""},
    length_case{7.96875f, 4, 4, ".", "8\""},
    length_case{1.75f, 4, 9, ".", "2\""},         // no fraction text: whole inches
    length_case{-0.01f, 4, 3, ".", "0\""},
    length_case{3e9f, 4, 1, ".", "3000000000\""}));

TEST(LengthFormat, DiameterMarkGoesInFrontOfKnownUnitsOnly) {
  EXPECT_EQ(dim_format_length_(20.0f, 1, 1, -1), dia_mark + "20.0");
  EXPECT_EQ(dim_format_length_(5.375f, 4, 3, -1), dia_mark + "5 3/8\"");
  EXPECT_EQ(dim_format_length_(20.0f, 1, 1, 1), "20.0");
  EXPECT_EQ(dim_format_length_(20.0f, 6, 1, -1), "");
  EXPECT_EQ(dim_format_length_(20.0f, 255, 1, 0), "");
}

TEST(LengthFormat, NonFiniteValuesGiveNoDigits) {
  for (uint8_t unit = 0; unit <= 5; ++unit) {
    EXPECT_EQ(dim_format_length_(INFINITY, unit, 2, 0), "") << int(unit);
    EXPECT_EQ(dim_format_length_(NAN, unit, 2, 0), "") << int(unit);
  }
  for (uint8_t unit = 0; unit <= 3; ++unit) EXPECT_EQ(dim_format_angle_(NAN, unit, 2), "") << int(unit);
}

TEST(LengthFormat, HugeValuesKeepEveryWholeDigit) {
  EXPECT_EQ(dim_format_length_(3e9f, 1, 1, 0), "3000000000.0");
  EXPECT_EQ(dim_format_length_(-1e20f, 4, 2, 0), "-100000002004087734272\"");
  const std::string feet = dim_format_length_(3.4e38f, 3, 2, 0);
  EXPECT_EQ(feet.find("'-"), 38u) << feet;
  EXPECT_EQ(dim_format_length_(3.4e38f, 2, 2, 0).find("'-"), 38u);
}

TEST(LengthFormat, MarksAreTheGlyphCodesOfTheStrokeFonts) {
  EXPECT_EQ(utf8_to_cp1250_(dim_degree_mark_), "\xB0");
  EXPECT_EQ(utf8_to_cp1250_(dim_diameter_mark_), "\xB2");
  EXPECT_EQ(utf8_to_cp1250_(dim_format_angle_(45.0f, 0, 0)), "45\xB0");
}

struct angle_case {
  float value;
  uint8_t unit;
  uint8_t accuracy;
  std::string expected;
};

void PrintTo(const angle_case& c, std::ostream* os) {
  *os << c.value << " unit " << int(c.unit) << " accuracy " << int(c.accuracy);
}

class AngleFormat : public testing::TestWithParam<angle_case> {};

TEST_P(AngleFormat, WritesUnitAndAccuracy) {
  const angle_case& c = GetParam();
  EXPECT_EQ(dim_format_angle_(c.value, c.unit, c.accuracy), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Decimal, AngleFormat, testing::Values(
    angle_case{45.0f, 0, 1, "45.0" + deg_mark},
    angle_case{33.335f, 0, 2, "33.34" + deg_mark},
    angle_case{180.0f, 2, 4, "3.1416"},
    angle_case{90.0f, 2, 0, "2"},
    angle_case{90.0f, 3, 0, "100"},
    angle_case{45.0f, 3, 2, "50.00"},
    angle_case{45.0f, 4, 1, ""},
    angle_case{12.5f, 0, 5, "12.5" + deg_mark}));

INSTANTIATE_TEST_SUITE_P(DegreesMinutesSeconds, AngleFormat, testing::Values(
    angle_case{45.0f, 1, 0, "45" + deg_mark},
    angle_case{45.5f, 1, 0, "46" + deg_mark},
    angle_case{45.5f, 1, 1, "45" + deg_mark + "30'"},
    angle_case{45.2575f, 1, 2, "45" + deg_mark + "15'27\""},
    angle_case{45.2575f, 1, 3, "45" + deg_mark + "15'27.0\""},
    angle_case{12.3456f, 1, 4, "12" + deg_mark + "20'44.16\""},
    angle_case{10.99999f, 1, 1, "11" + deg_mark + "0'"},          // rounded minutes carry
    angle_case{59.99999f, 1, 2, "60" + deg_mark + "0'0\""},       // rounded seconds carry twice
    angle_case{-30.5f, 1, 1, "-30" + deg_mark + "30'"},
    angle_case{-0.0001f, 1, 2, "0" + deg_mark + "0'0\""},
    angle_case{0.1f, 1, 2, "0" + deg_mark + "6'0\""}));

struct sample_case {
  uint8_t type;
  uint8_t accuracy;
  std::string expected;
};

TEST(AccuracySample, ListsTheTemplateOfEachUnit) {
  const sample_case cases[] = {
      {0, 0, "0E+00"},      {0, 8, "0.00000000E+00"}, {1, 0, "0"},       {1, 3, "0.000"},
      {5, 8, "0.00000000"}, {2, 0, "0'-0\""},         {2, 2, "0'-0.00\""}, {3, 0, "0'-0\""},
      {3, 4, "0'-0 1/16\""}, {3, 8, "0'-0 1/256\""},  {4, 0, "0\""},     {4, 1, "0 1/2\""},
      {6, 0, ""},           {1, 9, ""},               {3, 9, ""},
  };
  const zaz_class_ engine;
  for (const sample_case& c : cases)
    EXPECT_EQ(engine.get_dim_acc_(c.type, c.accuracy), c.expected) << int(c.type) << "/" << int(c.accuracy);
}

TEST(TextSubstitute, PutsTheValueAtEveryPlaceholder) {
  const struct {
    std::string value, user, expected;
  } cases[] = {
      {"12.00", "", "12.00"},
      {"12.00", "    ", "12.00"},
      {"12.00", "<>", "12.00"},
      {"12.00", "  <>  ", "12.00"},
      {"12.00", "L=<> mm", "L=12.00 mm"},
      {"12.00", "<>x<>", "12.00x12.00"},
      {"12.00", "approx. 12", "approx. 12"},
      {"12.00", "%%c<>", dia_mark + "12.00"},
      {"<>", "a<>b<>", "a<>b<>"},  // the inserted text is not searched again
      {"5", "{\\fArial|b0;<>} H7", "5 H7"},  // text after the group is kept
  };
  for (const auto& c : cases) EXPECT_EQ(dim_text_substitute_(c.value, c.user), c.expected) << c.user;
}

TEST(StripCodes, RemovesInlineCodesAndReplacesSpecialOnes) {
  const struct {
    std::string in, expected;
  } cases[] = {
      {"  plain text  ", "plain text"},
      {"{\\fArial|b0|i0;Hello}", "Hello"},
      {"a;b", "a;b"},
      {"x\\\\y", "x\\y"},
      {"\\Lunder\\l", "under"},
      {"one\\Ptwo", "one\rtwo"},
      {"{\\cred;red} rest", "red rest"},
      {"45%%d", "45" + deg_mark},
      {"%%C20", dia_mark + "20"},
      {"\\U+0105\\U+017C", "\xC4\x85\xC5\xBC"},
      {"\\U+0104 \\U+015b", "\\U+0104 \\U+015b"},
      {"%%p", "%%p"},
      {"<>", "<>"},
  };
  for (const auto& c : cases) EXPECT_EQ(strip_mtext_codes_(c.in), c.expected) << c.in;
}

}  // namespace
