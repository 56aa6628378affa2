#include "model/data_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "model/number_text.h"
#include "model/text.h"

namespace rc {
namespace {

// A whole file as the program writes it, with texts that need care: a comma, a blank
// inside, blanks at the edges, a "#", an empty answer and a third-stage value.
DataFile Awkward() {
  DataFile f;
  f.answers = {{"name", u"  петров #2 "}, {"x0", u"0"},  {"y0", u"0,0"}, {"x1", u"1 e-1"},
               {"y1", u"\"0.2"},          {"xw", u""},   {"xf", u"0,44"}, {"p19", u"2,5"},
               {"p34", u"1"},             {"p41", u"7"}};
  f.bubbleCap = false;
  f.variant = 12;
  return f;
}

TEST(DataFile, WhatIsWrittenReadsBackAsTyped) {
  const std::string text = WriteDataFile(Awkward(), "rectification 1.0");
  EXPECT_EQ(text.substr(0, 20), "# rectification 1.0\n");
  EXPECT_NE(text.find("\nname = \"  петров #2 \"\nvariant = 12\nx0 = "), std::string::npos) << text;
  DataFile back;
  const auto error = ReadDataFile(text, back);
  ASSERT_FALSE(error) << text;
  EXPECT_EQ(back, Awkward()) << text;

  // A pasted line break cannot break the file.
  DataFile pasted = Awkward();
  pasted.answers["p20"] = u"2\n\r\x01";
  ASSERT_FALSE(ReadDataFile(WriteDataFile(pasted, "r"), back));
  EXPECT_EQ(back.Answer("p20"), u"2   ");
}

// The teacher's variant number: a whole number 1..99999 in digits, given once; a file
// without it has none.
TEST(DataFile, VariantIsAWholeNumberFromOneGivenOnce) {
  const struct {
    const char* line;
    int variant;  // 0: refused
    DataFileFault fault;
  } cases[] = {
      {"", 0, {}},
      {"variant = 1\n", 1, {}},
      {"variant = 99999  # the last\n", 99999, {}},
      {"variant = 0\n", 0, DataFileFault::BadVariant},
      {"variant = 100000\n", 0, DataFileFault::BadVariant},
      {"variant = 3.0\n", 0, DataFileFault::BadVariant},
      {"variant = +3\n", 0, DataFileFault::BadVariant},
      {"variant = \n", 0, DataFileFault::BadVariant},
      {"variant = 3\nvariant = 3\n", 0, DataFileFault::RepeatedKey},
  };
  for (const auto& c : cases) {
    DataFile file;
    const auto error = ReadDataFile(std::string("trays = no-caps\n") + c.line, file);
    const bool refused = c.variant == 0 && *c.line;
    ASSERT_EQ(error.has_value(), refused) << c.line;
    if (refused) {
      EXPECT_EQ(error->fault, c.fault) << c.line;
      EXPECT_EQ(error->key, "variant") << c.line;
    } else {
      EXPECT_EQ(file.variant, c.variant) << c.line;
    }
  }
}

// The feed's thermal condition follows the bypass in the file. A file written before q
// was asked, like an empty answer, holds a boiling feed; a typed 0 stays a saturated vapour.
TEST(DataFile, AFileWithoutQHoldsABoilingFeed) {
  DataFile f = Awkward();
  f.answers["p40"] = u"0,1";
  f.answers["p57"] = u"1,37";
  const std::string text = WriteDataFile(f, "r");
  EXPECT_NE(text.find("p40 = 0,1\np57 = 1,37\np41 = 7\n"), std::string::npos) << text;

  const std::pair<const char16_t*, float> answers[] = {{u"1,37", 1.37f}, {u"", 1.0f}, {u"0", 0.0f}};
  for (const auto& [answer, q] : answers) {
    f.answers["p57"] = answer;
    DesignData d;
    PrepareForEntry(d);
    d.ParamValue[kParamFeedCondition] = 0.5f;  // from an earlier entry
    EnterDataFile(f, d);
    EXPECT_EQ(d.ParamValue[kParamFeedCondition], q) << text;
  }
  f.answers.erase("p57");
  DataFile old;
  ASSERT_FALSE(ReadDataFile(WriteDataFile(f, "before q"), old));
  DesignData d;
  PrepareForEntry(d);
  EnterDataFile(old, d);
  EXPECT_EQ(d.ParamText[kParamFeedCondition], u"1");
  EXPECT_EQ(d.ParamValue[kParamFeedCondition], 1.0f);
  EXPECT_EQ(d.ParamValue[40], 0.1f);
}

// The operating window's inputs follow p56. A third stage written before they were asked
// holds their usual values and is complete, as a Cancel would have left it; a file
// without any third stage does not begin one.
TEST(DataFile, AnOldThirdStageHoldsTheUsualApronClearanceAndMinimumLoad) {
  DataFile f = Awkward();
  f.answers["p56"] = u"5";
  f.answers["p58"] = u"0,05";
  f.answers["p59"] = u"";
  const std::string text = WriteDataFile(f, "r");
  EXPECT_NE(text.find("p41 = 7\np56 = 5\np58 = 0,05\np59 = \n"), std::string::npos) << text;
  DesignData typed;
  PrepareForEntry(typed);
  EnterDataFile(f, typed);
  EXPECT_EQ(typed.ParamValue[kParamApronClearance], 0.05f);
  EXPECT_EQ(typed.ParamValue[kParamMinimumLoad], 0.7f);

  for (const std::string& key : ThirdStageKeys()) f.answers[key] = u"1";
  f.answers.erase("p58");
  f.answers.erase("p59");
  DesignData old;
  PrepareForEntry(old);
  EnterDataFile(f, old);
  EXPECT_EQ(old.ParamText[kParamApronClearance], u"0.04");
  EXPECT_EQ(old.ParamValue[kParamApronClearance], 0.04f);
  EXPECT_EQ(old.ParamText[kParamMinimumLoad], u"0.7");
  EXPECT_EQ(old.ParamValue[kParamMinimumLoad], 0.7f);
  EXPECT_EQ(old.Typed.Param.at(kParamMinimumLoad), u"");  // written back as a Cancel
  EXPECT_TRUE(HasThirdStageTexts(old));

  for (const std::string& key : ThirdStageKeys()) f.answers.erase(key);
  DesignData none;
  PrepareForEntry(none);
  EnterDataFile(f, none);
  EXPECT_FALSE(HasThirdStageTexts(none));
  EXPECT_EQ(none.Typed.Param.count(kParamApronClearance), 0u);
}

// Random and mutated files: none crashes the reader; every file it accepts is written
// back to the same data, and each value entered is the reading of its text.
class FileFuzzer {
 public:
  explicit FileFuzzer(unsigned seed) : rng_(seed) {}

  std::string Next() {
    return Pick(4) == 0 ? Random() : Mutated(WriteDataFile(Awkward(), "fuzz"));
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  char AnyByte() { return static_cast<char>(Pick(256)); }
  char Structural() {
    static constexpr std::string_view kChars = "= #\"\n\t\r,.-e0123456789xyp";
    return Pick(3) == 0 ? AnyByte() : kChars[static_cast<std::size_t>(Pick(kChars.size()))];
  }
  std::string Random() {
    std::string s(static_cast<std::size_t>(Pick(200)), ' ');
    for (char& c : s) c = Structural();
    return s;
  }
  std::string Mutated(std::string s) {
    static const std::string kLines[] = {"trays = no-caps\n", "p41 = 1,5\n", "x3 = 1e999\n",
                                         "y2 = -0\n", "name = \xD0\x96\n", "xw = \"a#\"\n"};
    for (int k = 1 + Pick(4); k > 0 && !s.empty(); --k) {
      const auto at = static_cast<std::size_t>(Pick(static_cast<int>(s.size())));
      switch (Pick(5)) {
        case 0: s[at] = Structural(); break;
        case 1: s.insert(at, 1, Structural()); break;
        case 2: s.erase(at, static_cast<std::size_t>(Pick(30))); break;
        case 3: s.insert(s.find('\n', at) == std::string::npos ? s.size() : s.find('\n', at) + 1,
                         kLines[Pick(6)]); break;
        default: s.resize(at); break;
      }
    }
    return s;
  }
  std::mt19937 rng_;
};

TEST(DataFile, RandomAndMutatedFilesAreReadSafely) {
  FileFuzzer fuzzer(20261209);
  int accepted = 0;
  for (int run = 0; run < 100000; ++run) {
    const std::string text = fuzzer.Next();
    DataFile f;
    if (ReadDataFile(text, f)) continue;
    ++accepted;
    DataFile back;
    ASSERT_FALSE(ReadDataFile(WriteDataFile(f, "again"), back)) << text;
    ASSERT_EQ(back, f) << text;

    DesignData d;
    PrepareForEntry(d);
    EnterDataFile(f, d);
    for (int n = kParamXW; n <= kParamFeedCondition; ++n) {
      if (n == kParamTrayTypeSlot || (n > kParamBypass && n < kParamFeedCondition)) continue;
      const std::u16string answer = NormalizeNumberText(ParameterAnswerText(n, d.Typed.Param[n]));
      const float read = ReadNumber(answer);
      ASSERT_FALSE(std::isnan(d.ParamValue[n])) << text;
      if (d.ParamText[n] != kRejectedText) {
        ASSERT_EQ(d.ParamValue[n], read) << text;
        ASSERT_EQ(d.ParamText[n], answer) << text;
      } else {
        ASSERT_EQ(d.ParamValue[n], 0.0f) << text;
        ASSERT_TRUE(IsOutsideUnitRange(read)) << text;
      }
    }
    for (std::size_t i = 0; i < 8; ++i) {
      if (d.EqXText[i] != kRejectedText) {
        ASSERT_EQ(d.EqX[i], ReadNumber(NormalizeNumberText(d.Typed.EqX[i]))) << text;
      }
      if (i > 0) {
        ASSERT_LE(d.EqX[i - 1], d.EqX[i]) << text;
      }
    }
  }
  // Both kinds of file reach the checks behind the reader.
  EXPECT_GT(accepted, 5000);
  EXPECT_LT(accepted, 90000);
}

}  // namespace
}  // namespace rc
