// Portable upper-casing reads each character's result from tables built once;
// over long random texts (lone and zero-followed lead bytes, undecodable
// pairs, full-width letters, kana) it must still write what the Windows
// layer writes, shifts and kept tail included.
#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>

#include "platform/locale.h"

namespace bk::platform {
namespace {

TEST(UpperTables, LongRandomTextsAsWindows) {
  const char* const pool[] = {"a", "z", "A", "<br>", "</td>", "\x82\x81", "\x82\x9A", "\x82\x60", "\x83\x41",
                              "\x83\xBF", "\x84\x70", "\x87\x54", "\xFA\x40", "\xED\x40", "\x85\x40", "\x81\x30",
                              "\x81\x7F", "\x81\xFD", "\xB6", "\xDE", "\x80", "\xA0", "\xFD", "\xFF", "\x81", "\xE0"};
  std::mt19937 rng(3150);
  const LocaleOps& portable = PortableLocale();
  const LocaleOps& windows = Win32Locale();
  int differ = 0;
  for (int round = 0; round < 4000; ++round) {
    std::string text;
    for (unsigned k = rng() % 120; k > 0; --k) {
      if (rng() % 30 == 0) {
        text += '\0';
      } else if (rng() % 10 == 0) {
        text += static_cast<char>(rng() % 256);
      } else {
        text += pool[rng() % std::size(pool)];
      }
    }
    if (portable.upper_ansi(text) != windows.upper_ansi(text) && ++differ <= 5) {
      ADD_FAILURE() << "round " << round << ", " << text.size() << " bytes";
    }
  }
  EXPECT_EQ(differ, 0);
}

}  // namespace
}  // namespace bk::platform
