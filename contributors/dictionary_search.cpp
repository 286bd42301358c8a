#include "contributors/dictionary_search.h"

#include <cstdint>

#if (defined(__x86_64__) || defined(__i386__)) && defined(__GNUC__)
#include <immintrin.h>
#define BK_KEY_FILTER_AVX2 1
#endif

namespace bk {
namespace {

// A dictionary of some megabytes is searched for every credited person of
// every book, and most names are not in it. So all keys are looked for in one
// walk: the keys fall into eight groups, and a position is a candidate for a
// group when its first three bytes could begin one of the group's keys. Each
// byte is tested by its two halves against sixteen-entry tables, which AVX2
// looks up for 32 positions at once; without it every position is tested in
// turn.
constexpr std::size_t kFingerprint = 3;
constexpr std::size_t kGroups = 8;

struct KeyFilter {
  // Per fingerprint byte and half-byte value: the groups that allow it.
  std::uint8_t low[kFingerprint][16] = {};
  std::uint8_t high[kFingerprint][16] = {};
};

std::uint8_t GroupOf(std::size_t key_index) {
  return static_cast<std::uint8_t>(1u << (key_index % kGroups));
}

KeyFilter BuildFilter(const std::vector<std::string>& keys) {
  KeyFilter filter;
  for (std::size_t k = 0; k < keys.size(); ++k) {
    for (std::size_t o = 0; o < kFingerprint; ++o) {
      // A key shorter than the fingerprint allows any byte after its end.
      for (unsigned half = 0; half < 16; ++half) {
        const bool beyond = o >= keys[k].size();
        const unsigned char c = beyond ? 0 : static_cast<unsigned char>(keys[k][o]);
        if (beyond || (c & 15) == half) filter.low[o][half] |= GroupOf(k);
        if (beyond || (c >> 4) == half) filter.high[o][half] |= GroupOf(k);
      }
    }
  }
  return filter;
}

// The groups that may start at position at; bytes past the end allow all.
std::uint8_t CandidateGroups(const KeyFilter& filter, std::string_view text, std::size_t at) {
  std::uint8_t groups = 0xFF;
  for (std::size_t o = 0; o < kFingerprint && at + o < text.size(); ++o) {
    const auto c = static_cast<unsigned char>(text[at + o]);
    groups &= filter.low[o][c & 15] & filter.high[o][c >> 4];
  }
  return groups;
}

class FirstPositions {
 public:
  FirstPositions(std::string_view text, const std::vector<std::string>& keys)
      : text_(text), keys_(keys), positions_(keys.size(), 0) {
    for (const std::string& key : keys) pending_ += key.empty() ? 0 : 1;
  }

  // Records the keys of the candidate groups that start at position at.
  void Check(std::size_t at, std::uint8_t groups) {
    for (std::size_t k = 0; k < keys_.size(); ++k) {
      if ((groups & GroupOf(k)) && positions_[k] == 0 && !keys_[k].empty() &&
          text_.compare(at, keys_[k].size(), keys_[k]) == 0) {
        positions_[k] = at + 1;
        --pending_;
      }
    }
  }
  bool done() const { return pending_ == 0; }
  std::vector<std::size_t> positions() && { return std::move(positions_); }

 private:
  std::string_view text_;
  const std::vector<std::string>& keys_;
  std::vector<std::size_t> positions_;
  std::size_t pending_ = 0;
};

#ifdef BK_KEY_FILTER_AVX2
// Checks the candidates of the positions from 0 on, 32 at a time, while all
// fingerprint bytes are inside the text; returns where it stopped.
__attribute__((target("avx2"))) std::size_t ScanBlocks(const KeyFilter& filter,
                                                       std::string_view text,
                                                       FirstPositions& found) {
  constexpr std::size_t kWidth = 32;
  const __m256i nibble = _mm256_set1_epi8(0x0F);
  __m256i low[kFingerprint];
  __m256i high[kFingerprint];
  for (std::size_t o = 0; o < kFingerprint; ++o) {
    low[o] = _mm256_broadcastsi128_si256(
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(filter.low[o])));
    high[o] = _mm256_broadcastsi128_si256(
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(filter.high[o])));
  }
  std::size_t i = 0;
  for (; i + kWidth + kFingerprint - 1 <= text.size() && !found.done(); i += kWidth) {
    __m256i groups = _mm256_set1_epi8(-1);
    for (std::size_t o = 0; o < kFingerprint; ++o) {
      const __m256i bytes =
          _mm256_loadu_si256(reinterpret_cast<const __m256i*>(text.data() + i + o));
      const __m256i lows = _mm256_shuffle_epi8(low[o], _mm256_and_si256(bytes, nibble));
      const __m256i highs =
          _mm256_shuffle_epi8(high[o], _mm256_and_si256(_mm256_srli_epi16(bytes, 4), nibble));
      groups = _mm256_and_si256(groups, _mm256_and_si256(lows, highs));
    }
    if (_mm256_movemask_epi8(_mm256_cmpeq_epi8(groups, _mm256_setzero_si256())) == -1) continue;
    std::uint8_t lanes[kWidth];
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(lanes), groups);
    for (std::size_t lane = 0; lane < kWidth; ++lane) {
      if (lanes[lane] != 0) found.Check(i + lane, lanes[lane]);
    }
  }
  return i;
}

std::size_t ScanFast(const KeyFilter& filter, std::string_view text, FirstPositions& found) {
  return __builtin_cpu_supports("avx2") ? ScanBlocks(filter, text, found) : 0;
}
#else
std::size_t ScanFast(const KeyFilter&, std::string_view, FirstPositions&) { return 0; }
#endif

}  // namespace

std::vector<std::size_t> FindEachFirst(std::string_view text, const std::vector<std::string>& keys) {
  const KeyFilter filter = BuildFilter(keys);
  FirstPositions found(text, keys);
  for (std::size_t at = ScanFast(filter, text, found); at < text.size() && !found.done(); ++at) {
    if (const std::uint8_t groups = CandidateGroups(filter, text, at)) found.Check(at, groups);
  }
  return std::move(found).positions();
}

}  // namespace bk
