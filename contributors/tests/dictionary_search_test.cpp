#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "contributors/dictionary_search.h"
#include "text/find.h"

namespace bk {
namespace {

std::vector<std::size_t> OneByOne(const std::string& text, const std::vector<std::string>& keys) {
  std::vector<std::size_t> positions;
  for (const std::string& key : keys) positions.push_back(FindBytes(key, text));
  return positions;
}

TEST(FindEachFirst, FindsWhatFindBytesFindsKeyByKey) {
  // Texts short enough to be tested position by position and long enough for
  // the 32-byte blocks, few different bytes so that keys do occur, and up to
  // twenty keys so that groups are shared; empty, short and repeated keys.
  std::mt19937 random(5);
  const char alphabet[] = {'|', '|', 'a', 'b', '\x83', '\x7c', '\r', '\n'};
  auto draw = [&](std::size_t length) {
    std::string s(length, ' ');
    for (char& c : s) c = alphabet[random() % sizeof alphabet];
    return s;
  };
  for (int round = 0; round < 4000; ++round) {
    const std::string text = draw(random() % 300);
    std::vector<std::string> keys(random() % 21);
    for (std::string& key : keys) {
      // Half of the keys are cut from the text, so most of them are found.
      const std::size_t length = random() % 7;
      key = (random() % 2 && text.size() > length) ? text.substr(random() % (text.size() - length), length)
                                                   : draw(length);
    }
    if (!keys.empty()) keys.push_back(keys.front());
    ASSERT_EQ(FindEachFirst(text, keys), OneByOne(text, keys))
        << testing::PrintToString(text) << " " << testing::PrintToString(keys);
  }
}

TEST(FindEachFirst, KeysAtTheEndsOfALongText) {
  std::string text(100000, 'x');
  text.replace(0, 3, "|a|");
  text.replace(50001, 4, "|bc|");
  text.replace(text.size() - 3, 3, "|d|");
  const std::vector<std::string> keys = {"|d|", "|bc|", "|a|", "|e|", "", "x|d|"};
  EXPECT_EQ(FindEachFirst(text, keys), (std::vector<std::size_t>{99998, 50002, 1, 0, 0, 99997}));
}

}  // namespace
}  // namespace bk
