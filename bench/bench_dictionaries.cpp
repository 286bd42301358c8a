// Per book, the run reloads the three dictionaries and places the credited
// people through the author dictionary. With an AuthDB.dat of 100,000 lines
// (about 5 MB) that work must stay within 3x of the time it takes just to
// read the same bytes into memory. After the two benchmarks the "ratio" is
// printed from rounds that time both in turn.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "contributors/author_dictionary.h"
#include "contributors/contributor_list.h"
#include "contributors/label_dictionary.h"
#include "contributors/publisher_dictionary.h"
#include "plugin/record.h"

namespace bk {
namespace {

using bench::Median;

constexpr int kAuthorLines = 100000;

// A kanji of code page 932 from the lead bytes 0x88-0x9F; names that must
// not be in the dictionary take theirs from 0xE0-0xEA instead.
std::string Kanji(std::mt19937& random, bool outside) {
  const int lead = outside ? 0xE0 + static_cast<int>(random() % 11) : 0x88 + static_cast<int>(random() % 24);
  int trail = 0x40 + static_cast<int>(random() % 0xBD);
  if (trail == 0x7F) ++trail;
  return {static_cast<char>(lead), static_cast<char>(trail)};
}

// Two to four kanji, or more with extra.
std::string Name(std::mt19937& random, bool outside, int extra = 0) {
  std::string name;
  for (int n = 2 + extra + static_cast<int>(random() % 3); n > 0; --n) name += Kanji(random, outside);
  return name;
}

// Full-width katakana.
std::string Reading(std::mt19937& random) {
  std::string reading;
  for (int n = 9 + static_cast<int>(random() % 5); n > 0; --n) {
    reading += '\x83';
    reading += static_cast<char>(0x40 + random() % 0x3F);
  }
  return reading;
}

// The working folder with the three dictionaries, and the credits of one
// book: four people that the author dictionary knows (keyed at 10 %, 40 %,
// 70 % and 95 % of the file) and six that it does not.
struct Fixture {
  std::filesystem::path dir;
  std::string work_dir;
  std::vector<std::string> credits;

  Fixture() {
    dir = bench::MakeFolder("bk_bench_dictionaries");
    work_dir = dir.string() + static_cast<char>(std::filesystem::path::preferred_separator);
    std::mt19937 random(11);
    const std::map<int, std::string> known = {
        {kAuthorLines / 10, "1"}, {kAuthorLines * 4 / 10, "1"},
        {kAuthorLines * 7 / 10, "2"}, {kAuthorLines * 95 / 100, "4"}};
    std::string authors;
    for (int line = 0; line < kAuthorLines; ++line) {
      const std::string key = Name(random, false);
      authors += "|" + key + "|" + Name(random, false, 1) + "|" + Reading(random) + "|" +
                 (line % 2 == 0 ? "note" + std::to_string(line) : "") + "|\r\n";
      if (const auto it = known.find(line); it != known.end()) credits.push_back(it->second + key);
    }
    for (const char* role : {"0", "1", "2", "3", "5", "9"}) credits.push_back(role + Name(random, true));
    credits.back() += " [\x89\xf0\x90\xe0]";  // [解説]
    bench::WriteFile(dir / "AuthDB.dat", authors);

    std::string publishers;
    std::string labels;
    for (int i = 0; i < 200; ++i) {
      publishers += "|" + std::to_string(10 + i) + "|" + Name(random, false) + "\r\n";
      labels += "|" + Name(random, false) + "|" + Name(random, false) + "|" + Name(random, false) + "\r\n";
    }
    bench::WriteFile(dir / "PubDB.dat", publishers);
    bench::WriteFile(dir / "LabelsDB.dat", labels);
  }
  ~Fixture() {
    FreeAuthorDictionary();
    FreeLabelDictionary();
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }
};

const Fixture& TheFixture() {
  static const Fixture fixture;
  return fixture;
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::FILE* f = std::fopen(path.string().c_str(), "rb");
  std::fseek(f, 0, SEEK_END);
  std::string bytes(static_cast<std::size_t>(std::ftell(f)), '\0');
  std::fseek(f, 0, SEEK_SET);
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), f));
  std::fclose(f);
  return bytes;
}

// Only reading the three files into memory.
void ReadTheDictionaries(const Fixture& fixture) {
  for (const char* name : {"AuthDB.dat", "PubDB.dat", "LabelsDB.dat"}) {
    benchmark::DoNotOptimize(ReadBytes(fixture.dir / name));
  }
}

void BM_ReadDictionaryBytes(benchmark::State& state) {
  const Fixture& fixture = TheFixture();
  for (auto _ : state) ReadTheDictionaries(fixture);
}
BENCHMARK(BM_ReadDictionaryBytes)->Unit(benchmark::kMillisecond);

// What the run does with the dictionaries for one book.
void DictionariesOfOneBook(const Fixture& fixture, const ContributorList& list) {
  Book.Clear();
  Book[field::Isbn] = "9784150123456";
  LoadAuthorDictionary(fixture.work_dir);
  LookupPublisher(fixture.work_dir);
  LoadLabelDictionary(fixture.work_dir);
  AssignContributors(list, true, true, true, "");
  Book[field::Label] = "\x95\xb6\x8c\xc9";  // 文庫
  LookupLabel();
  benchmark::DoNotOptimize(Book[field::OtherContributors].data());
}

ContributorList CreditsOfOneBook(const Fixture& fixture) {
  ContributorList list;
  for (const std::string& credit : fixture.credits) list.Add(credit);
  return list;
}

void BM_DictionariesPerBook(benchmark::State& state) {
  const Fixture& fixture = TheFixture();
  const ContributorList list = CreditsOfOneBook(fixture);
  for (auto _ : state) DictionariesOfOneBook(fixture, list);
}
BENCHMARK(BM_DictionariesPerBook)->Unit(benchmark::kMillisecond);

double Milliseconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// The ratio from rounds that time both in turn, so that other load on the
// machine weighs on both alike.
void PrintRatio() {
  const Fixture& fixture = TheFixture();
  const ContributorList list = CreditsOfOneBook(fixture);
  std::vector<double> read;
  std::vector<double> book;
  for (int round = 0; round < 400; ++round) {
    const auto start = std::chrono::steady_clock::now();
    ReadTheDictionaries(fixture);
    const auto between = std::chrono::steady_clock::now();
    DictionariesOfOneBook(fixture, list);
    const auto end = std::chrono::steady_clock::now();
    read.push_back(Milliseconds(between - start));
    book.push_back(Milliseconds(end - between));
  }
  std::uintmax_t bytes = 0;
  for (const char* name : {"AuthDB.dat", "PubDB.dat", "LabelsDB.dat"}) {
    bytes += std::filesystem::file_size(fixture.dir / name);
  }
  const double read_ms = Median(read);
  const double book_ms = Median(book);
  std::printf("%ju bytes, medians of 400 rounds: per book %.3f ms, reading the bytes %.3f ms, "
              "ratio %.2f (limit 3)\n",
              bytes, book_ms, read_ms, book_ms / read_ms);
}

}  // namespace
}  // namespace bk

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  bk::PrintRatio();
  benchmark::Shutdown();
  return 0;
}
