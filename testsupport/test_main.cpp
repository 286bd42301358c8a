// Entry point of every unit-test executable. Under Wine the locale must be
// Japanese with code page 932: with any other locale every width mapping and
// conversion silently changes, so the tests refuse to run instead.
#include <gtest/gtest.h>

#include <cstdio>

#ifdef _WIN32
#include <windows.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  const unsigned acp = GetACP();
  const unsigned long lcid = GetUserDefaultLCID();
  if (acp != 932 || lcid != 0x411) {
    std::fprintf(stderr, "wrong Wine locale: ANSI code page %u, user locale 0x%lx (need 932, 0x411)\n",
                 acp, lcid);
    return 1;
  }
#endif
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
