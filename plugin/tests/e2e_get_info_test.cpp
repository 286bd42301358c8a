// funcGetInfo of the real DLL, called as the host calls it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "e2e_harness.h"
#include "testsupport/sjis.h"

namespace bk::e2e {
namespace {

using GetInfoFn = void(__stdcall*)(std::uint32_t, char*, char*, char*, char*, char*, std::uint32_t);

class GetInfo : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryA(WindowsPath(BK_PLUGIN_DLL).c_str());
    ASSERT_NE(module_, nullptr);
    get_info_ = reinterpret_cast<GetInfoFn>(reinterpret_cast<void*>(GetProcAddress(module_, "funcGetInfo")));
    ASSERT_NE(get_info_, nullptr);
  }
  void TearDown() override {
    if (module_ != nullptr) FreeLibrary(module_);
  }

  struct Buffers {
    char text[5][64];
  };
  Buffers Call(std::uint32_t size) {
    Buffers b;
    std::memset(&b, '#', sizeof b);
    get_info_(0, b.text[0], b.text[1], b.text[2], b.text[3], b.text[4], size);
    return b;
  }

  HMODULE module_ = nullptr;
  GetInfoFn get_info_ = nullptr;
};

TEST_F(GetInfo, CutsEachTextAtSizeMinusOneBytes) {
  const std::string description = test::Sjis("ISBN検索 bookstore.example");
  const struct {
    std::uint32_t size;
    const char* name;
    std::string description;
    const char* version;
    const char* kind;
  } cases[] = {
      {1, "", "", "", ""},
      {5, "Down", "ISBN", "1.2.", "3"},
      {8, "Downlao", description.substr(0, 7), "1.2.3", "3"},  // ends on the lead byte of 索
      {0xABCD0005, "Down", "ISBN", "1.2.", "3"},               // the upper half is ignored
      {64, "DownlaodFunc", description, "1.2.3", "3"},
  };
  for (const auto& c : cases) {
    const Buffers b = Call(c.size);
    EXPECT_STREQ(b.text[0], c.name) << c.size;
    EXPECT_EQ(std::string(b.text[1]), c.description) << c.size;
    EXPECT_STREQ(b.text[3], c.version) << c.size;
    EXPECT_STREQ(b.text[4], c.kind) << c.size;
    EXPECT_LT(std::strlen(b.text[2]), std::max<std::size_t>(c.size & 0xFFFF, 1)) << c.size;
    EXPECT_EQ(b.text[0][std::strlen(c.name) + 1], '#') << "wrote past the cut at size " << c.size;
  }
}

TEST_F(GetInfo, WritesNothingWhenTheSizesLowHalfIsZeroOrABufferIsNull) {
  const Buffers b = Call(0x00010000);
  for (const auto& text : b.text) EXPECT_EQ(text[0], '#');
  char version[16];
  get_info_(0, nullptr, nullptr, nullptr, version, nullptr, sizeof version);
  EXPECT_STREQ(version, "1.2.3");
}

}  // namespace
}  // namespace bk::e2e
