#include <gtest/gtest.h>

#include "document/Windows1252.h"

namespace tessmoor {

TEST(Windows1252, EveryByteSurvivesTheTripThroughUnicode) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  const std::optional<std::string> back = Utf8ToWindows1252(Windows1252ToUtf8(all));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(all, *back);
}

TEST(Windows1252, MapsTheSpecialBlockAndLatin1) {
  EXPECT_EQ("T\xC3\xBCre", Windows1252ToUtf8("T\xFCre"));  // ü
  EXPECT_EQ("\xE2\x82\xAC", Windows1252ToUtf8("\x80"));    // €
  EXPECT_EQ(std::string("\x80"), *Utf8ToWindows1252("\xE2\x82\xAC"));
}

TEST(Windows1252, RefusesWhatItCannotStore) {
  EXPECT_FALSE(Utf8ToWindows1252("\xE2\x9C\x93").has_value());      // ✓
  EXPECT_FALSE(Utf8ToWindows1252("\xF0\x9F\x98\x80").has_value());  // an emoji
  EXPECT_FALSE(Utf8ToWindows1252("\xC3").has_value());              // cut-short sequence
  EXPECT_FALSE(Utf8ToWindows1252("\xFF").has_value());              // not UTF-8 at all
  EXPECT_TRUE(
      IsWindows1252Representable("Stra\xC3\x9F"
                                 "e"));  // ß
}

}  // namespace tessmoor
