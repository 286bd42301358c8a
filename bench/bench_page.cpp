// Parsing one product page. A realistic 300 KB page (scripts, navigation,
// the item block with a 60-name author block, a long description, related
// items with cover images) is timed against a single memchr pass over the
// same bytes; a 5 MB page that is one line and a page of 100,000 short lines
// must cost no more per byte than the 300 KB page, within a factor of 2. The
// figures are printed after the benchmarks.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "page/parse_product_page.h"
#include "platform/files.h"
#include "plugin/record.h"
#include "plugin/run_state.h"

namespace bk {
namespace {

using bench::Median;

constexpr char kImagePrefix[] = "https://img.bookstore.example/images/syoseki/ac/";

// Random kanji and hiragana of code page 932.
std::string JapaneseText(std::mt19937& random, std::size_t bytes) {
  std::string out;
  while (out.size() < bytes) {
    if (random() % 3 == 0) {
      out += '\x82';
      out += static_cast<char>(0x9F + random() % 0x53);  // hiragana
    } else {
      out += static_cast<char>(0x88 + random() % 24);
      int trail = 0x40 + static_cast<int>(random() % 0xBD);
      if (trail == 0x7F) ++trail;
      out += static_cast<char>(trail);
    }
  }
  return out;
}

std::string Line(std::string text) { return text + "\r\n"; }

// A product page of about `size` bytes built around the site's markers.
std::string ProductPage(std::size_t size) {
  std::mt19937 random(42);
  std::string head;
  head += Line("<!DOCTYPE html>");
  head += Line("<html lang=\"ja\"><head>");
  head += Line("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">");
  head += Line("<meta property=\"og:description\" content=\"" + JapaneseText(random, 300) + "\">");
  for (int i = 0; i < 30; ++i) {
    head += Line("<link rel=\"stylesheet\" href=\"/css/common" + std::to_string(i) + ".css\" type=\"text/css\">");
  }
  std::string nav;
  for (int i = 0; i < 300; ++i) {
    nav += Line("<li class=\"nav\"><a href=\"/bec/SA/Genre?cat=" + std::to_string(1000 + i) + "&amp;sort=new\">" +
                JapaneseText(random, 12) + "</a></li>");
  }
  std::string item;
  item += Line("<div class=\"item\">");
  item += Line("<p class=\"itemTitle\">" + JapaneseText(random, 20) + "\x81@\x82R</p>");
  item += Line("<div class=\"series\">");
  item += Line("<font size=\"2\">" + JapaneseText(random, 8) + "\x95\xb6\x8c\xc9 " + JapaneseText(random, 10) + " 3</font>");
  item += Line("</div>");
  item += Line("<div class=\"label\"><font size=\"1\">" + JapaneseText(random, 10) + "</font></div>");
  item += Line("<ul class=\"AuthorsName\">");
  item += Line("<li>");
  std::string authors;
  for (int i = 0; i < 60; ++i) {
    if (i > 0) authors += "\x81@";                                        // 　
    authors += JapaneseText(random, 6) + (i % 3 == 0 ? "\x81^\x92\x98" : "\x81^\x96\xf3");  // ／著, ／訳
  }
  item += Line(authors + "</li>");
  item += Line("</ul>");
  item += Line("<img src=\"" + std::string(kImagePrefix) + "9784991234507.jpg\" alt=\"\">");
  item += Line("<table class=\"details\">");
  item += Line("<tr><th>\x8fo\x94\xc5\x8e\xd0\x96\xbc</th>");  // 出版社名
  item += Line("<td>" + JapaneseText(random, 8) + "</td></tr>");
  item += Line("<tr><th>\x8fo\x94\xc5\x94N\x8c\x8e</th>");  // 出版年月
  item += Line("<td>2024\x94N3\x8c\x8e</td></tr>");
  item += Line("<tr><th>\x90\xc5\x8d\x9e\x89\xbf\x8ai</th>");  // 税込価格
  item += Line("<td>1,980\x89~</td></tr>");
  item += Line("<tr><th>\x95\xc5\x90\x94\x81" "E\x8f" "c</th>");  // 頁数・縦
  item += Line("<td>320P 19cm</td></tr>");
  item += Line("<tr><th>\x95\xaa\x97\xde</th>");  // 分類
  item += Line("<td>" + JapaneseText(random, 10) + "\x81^" + JapaneseText(random, 10) + "</td></tr></font>");
  item += Line("</table></div>");
  item += Line("<section class=\"contents\"><h2>\x8f\xa4\x95i\x93\xe0\x97" "e</h2>");  // 商品内容
  for (int i = 0; i < 24; ++i) item += Line("<p>" + JapaneseText(random, 1500) + "<br>");
  item += Line("</section>");
  std::string related;
  for (int i = 0; i < 150; ++i) {
    related += Line("<div class=\"related\">");
    related += Line("<a href=\"/bec/SA/Detail?isbn=97849912" + std::to_string(10000 + i) + "\">");
    related += Line("<img src=\"" + std::string(kImagePrefix) + "97849912" + std::to_string(10000 + i) +
                    ".jpg\" alt=\"" + JapaneseText(random, 20) + "\"></a>");
    related += Line("<p class=\"name\">" + JapaneseText(random, 24) + "</p></div>");
  }
  std::string tail = Line("<div class=\"footer\">bookstore.example</div>") + Line("</body></html>");
  for (int i = 0; i < 5; ++i) tail += Line("");
  // Scripts fill the page up to its size.
  std::string script = Line("<script type=\"text/javascript\">");
  const std::size_t fixed = head.size() + nav.size() + item.size() + related.size() + tail.size();
  for (int i = 0; fixed + script.size() < size; ++i) {
    script += Line("  var el" + std::to_string(i) + " = document.getElementById('menu" + std::to_string(i) +
                   "'); if (el" + std::to_string(i) + " && el" + std::to_string(i) +
                   ".className) { el.className = 'open'; }");
  }
  script += Line("</script></head><body>");
  return head + script + nav + item + related + tail;
}

// The same page content on a single line.
std::string OneLinePage(std::size_t size) {
  std::string page = ProductPage(size);
  page.erase(std::remove_if(page.begin(), page.end(), [](char c) { return c == '\r' || c == '\n'; }),
             page.end());
  return page;
}

// 100,000 short lines: a title block, then list items.
std::string ShortLinesPage(int lines) {
  std::string page = Line("<p class=\"itemTitle\">T</p>");
  for (int i = 1; i < lines; ++i) page += Line(i % 2 ? "<li>abc</li>" : "<li>d&amp;e</li>");
  return page;
}

struct Pages {
  std::filesystem::path dir;
  std::string realistic, one_line, short_lines;
  std::size_t realistic_bytes = 0, one_line_bytes = 0, short_lines_bytes = 0;
  std::string realistic_text;
};

const Pages& ThePages() {
  static const Pages pages = [] {
    Pages p;
    p.dir = bench::MakeFolder("bk_bench_page");
    WorkDir = p.dir.string() + static_cast<char>(std::filesystem::path::preferred_separator);
    p.realistic_text = ProductPage(300 * 1024);
    p.realistic = bench::WriteFile(p.dir / "Temp.html", p.realistic_text);
    p.realistic_bytes = p.realistic_text.size();
    const std::string one_line = OneLinePage(5 * 1024 * 1024);
    p.one_line = bench::WriteFile(p.dir / "OneLine.html", one_line);
    p.one_line_bytes = one_line.size();
    const std::string short_lines = ShortLinesPage(100000);
    p.short_lines = bench::WriteFile(p.dir / "ShortLines.html", short_lines);
    p.short_lines_bytes = short_lines.size();
    return p;
  }();
  return pages;
}

bool ParseOnce(const std::string& path) {
  Book.Clear();
  return ParseProductPage(path, kImagePrefix);
}

std::size_t MemchrPass(const std::string& bytes) {
  // A byte the page does not hold, so the pass runs to the end.
  const void* hit = std::memchr(bytes.data(), '\0', bytes.size());
  benchmark::DoNotOptimize(hit);
  return bytes.size();
}

void Run(benchmark::State& state, const std::string& path, std::size_t bytes) {
  for (auto _ : state) benchmark::DoNotOptimize(ParseOnce(path));
  bench::Finish(state, bytes);
}

void BM_ParseRealisticPage(benchmark::State& state) {
  Run(state, ThePages().realistic, ThePages().realistic_bytes);
}
void BM_MemchrRealisticPage(benchmark::State& state) {
  const std::string& text = ThePages().realistic_text;
  for (auto _ : state) benchmark::DoNotOptimize(MemchrPass(text));
  bench::Finish(state, text.size());
}
void BM_ParseOneLinePage(benchmark::State& state) {
  Run(state, ThePages().one_line, ThePages().one_line_bytes);
}
void BM_ParseShortLinesPage(benchmark::State& state) {
  Run(state, ThePages().short_lines, ThePages().short_lines_bytes);
}

BENCHMARK(BM_ParseRealisticPage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MemchrRealisticPage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParseOneLinePage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseShortLinesPage)->Unit(benchmark::kMillisecond);

double Microseconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

// Medians of rounds that time everything in turn, so that other load on the
// machine weighs on all alike.
void PrintFigures() {
  const Pages& pages = ThePages();
  std::vector<double> parse, scan, read, one_line, short_lines;
  for (int round = 0; round < 41; ++round) {
    parse.push_back(Microseconds([&] { ParseOnce(pages.realistic); }));
    scan.push_back(Microseconds([&] {
      for (int k = 0; k < 100; ++k) MemchrPass(pages.realistic_text);
    }) / 100);
    read.push_back(Microseconds([&] { benchmark::DoNotOptimize(platform::ReadWholeFile(pages.realistic)); }));
    one_line.push_back(Microseconds([&] { ParseOnce(pages.one_line); }));
    short_lines.push_back(Microseconds([&] { ParseOnce(pages.short_lines); }));
  }
  const double parse_us = Median(parse);
  const double per_byte = parse_us / pages.realistic_bytes;
  const double one_line_per_byte = Median(one_line) / pages.one_line_bytes;
  const double short_per_byte = Median(short_lines) / pages.short_lines_bytes;
  std::printf("realistic page: %zu bytes, parse %.1f us, memchr pass %.2f us, ratio %.1f (aim below 20); "
              "reading the file alone %.1f us\n",
              pages.realistic_bytes, parse_us, Median(scan), parse_us / Median(scan), Median(read));
  std::printf("one-line page: %zu bytes, %.0f us, per byte %.2f x the realistic page (limit 2)\n",
              pages.one_line_bytes, Median(one_line), one_line_per_byte / per_byte);
  std::printf("short-lines page: %zu bytes, %.0f us, per byte %.2f x the realistic page (limit 2)\n",
              pages.short_lines_bytes, Median(short_lines), short_per_byte / per_byte);
}

}  // namespace
}  // namespace bk

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  bk::PrintFigures();
  benchmark::Shutdown();
  std::filesystem::remove_all(bk::ThePages().dir);
  return 0;
}
