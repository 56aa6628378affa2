#include "model/text.h"

#include <gtest/gtest.h>

#include "support/recording_toolkit.h"

namespace rc {
namespace {

TEST(ProperCase, CapitalisesEveryBlankSeparatedWord) {
  EXPECT_EQ(ProperCase(u"студент группы к-41"), u"Студент Группы К-41");
  EXPECT_EQ(ProperCase(u"ИВАНОВ  ХТ-21"), u"Иванов  Хт-21");
  // A hyphen joins words that keep their capitals.
  EXPECT_EQ(ProperCase(u"григорьева-оболенская ЯРОСЛАВА"), u"Григорьева-Оболенская Ярослава");
  EXPECT_EQ(ProperCase(u"ёлкин IVANOV"), u"Ёлкин Ivanov");
  EXPECT_EQ(ProperCase(u""), u"");
}

TEST(Utf8, RoundTripsCyrillicAndSurrogatesAndReplacesBadBytes) {
  const std::u16string text = u"Ввод XW \U0001F600";
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
  EXPECT_EQ(ToUtf8(u"ТАРЕЛКИ"), "ТАРЕЛКИ");
  EXPECT_EQ(FromUtf8("a\xff" "b"), u"a\uFFFDb");
  EXPECT_EQ(FromUtf8("\xd0"), u"\uFFFD");  // truncated sequence
}

TEST(DecimalText, WritesPlainDigits) {
  EXPECT_EQ(DecimalText(0), u"0");
  EXPECT_EQ(DecimalText(120), u"120");
  EXPECT_EQ(DecimalText(-3), u"-3");
}

}  // namespace
}  // namespace rc
