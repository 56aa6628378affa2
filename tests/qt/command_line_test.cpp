#include "qt/command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace rc {
namespace {

std::string Unknown(std::vector<const char*> args) {
  args.insert(args.begin(), "rectification");
  return UnknownOption(static_cast<int>(args.size()), args.data());
}

TEST(CommandLine, OnlyOptionsNeitherOursNorQtsAreUnknown) {
  struct Case {
    std::vector<const char*> args;
    std::string unknown;
  };
  const Case cases[] = {
      {{}, ""},
      {{"--bogus"}, "--bogus"},
      {{"--versio"}, "--versio"},
      {{"-x"}, "-x"},
      {{"--help"}, ""},
      {{"-platform", "offscreen"}, ""},
      {{"--platform=offscreen", "-reverse"}, ""},
      // The value of a Qt option is not taken for an option of its own.
      {{"-style", "-fusion"}, ""},
      {{"-display", ":1", "--verbose"}, "--verbose"},
      // Files are not options, nor is anything after "--".
      {{"variant.rcol", "-"}, ""},
      {{"--", "-odd-name.rcol"}, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Unknown(c.args), c.unknown) << (c.args.empty() ? "" : c.args[0]);
  }
  // The refusal names the option and shows the usage.
  const std::string text = UnknownOptionText("--bogus");
  EXPECT_NE(text.find("«--bogus»"), std::string::npos);
  EXPECT_NE(text.find("Usage: rectification"), std::string::npos);
}

}  // namespace
}  // namespace rc
