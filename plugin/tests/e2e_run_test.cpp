// The lookup run end to end: the real plug-in DLL in the stand-in host under
// Wine, its dialogs read from the real windows.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "e2e_harness.h"
#include "plugin/record.h"
#include "plugin/result_line.h"
#include "testsupport/sjis.h"
#include "testsupport/temp_dir.h"

namespace bk::e2e {
namespace {

const std::string kBookA = "9784991234507";
const std::string kBookB = "9784991234606";
const std::string kBookC = "9784991234705";
const std::string kBookD = "9784991234804";  // its page has no price

std::vector<std::string> Isbns(const std::vector<std::string>& lines) {
  std::vector<std::string> isbns;
  for (const std::string& line : lines) isbns.push_back(FieldOf(line, field::Isbn));
  return isbns;
}

std::string TestName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

void ExpectRunMessage(const Dialog& dialog, const std::string& utf8) {
  EXPECT_EQ(test::Utf8(dialog.text), utf8);
  EXPECT_FALSE(dialog.has_icon);
  EXPECT_EQ(dialog.buttons, 1);
  EXPECT_TRUE(dialog.centred);
}

void ExpectBindingMessage(const Dialog& dialog, const std::string& sjis) {
  EXPECT_EQ(test::Utf8(dialog.text), test::Utf8(sjis));
  EXPECT_TRUE(dialog.has_icon);
}

const char kTooOldUtf8[] =
    "関数がありません。Kuraloq、または、プラグインのバージョンが古い可能性があります。";

TEST(LookupRun, EmptyCodesTextRemovesTheOldResultAndShowsItsMessage) {
  Sandbox box(TestName());
  test::WriteFileBytes(box.result_path(), "old result\r\n");
  const HostRun run = RunHost(box, {}, {});
  ASSERT_EQ(run.dialogs.size(), 1u);
  ExpectRunMessage(run.dialogs[0], "検索するISBNを取得できませんでした");
  EXPECT_FALSE(FileExists(box.result_path()));
  EXPECT_EQ(run.Calls("ISBNChkFunc"), 0);
  EXPECT_TRUE(run.counters.empty()) << "the wait window belongs to runs that bind the host";
}

TEST(LookupRun, HostTooOldFailsTheBindingAndLeavesNoResult) {
  Sandbox box(TestName(), BK_OLD_HOST_EXE);
  test::WriteFileBytes(box.result_path(), "old result\r\n");
  box.AddSamplePage(kBookA);
  const HostRun run = RunHost(box, {"--pages", box.pages_dir}, {kBookA});
  ASSERT_EQ(run.dialogs.size(), 1u);
  ExpectBindingMessage(run.dialogs[0], test::Sjis(kTooOldUtf8));
  EXPECT_FALSE(FileExists(box.result_path()));
  EXPECT_EQ(run.Calls("ISBNChkFunc"), 0);
}

TEST(LookupRun, MissingHostFileIsShownThenTheRunningExecutableServes) {
  // Not named kuraloq.exe, so loading the host file fails; the lookups then
  // search the running executable, which exports the services.
  Sandbox box(TestName(), BK_HOST_EXE, "renamed-host.exe");
  const HostRun run = RunHost(box, {"--pages", box.pages_dir}, {kBookA});
  ASSERT_EQ(run.dialogs.size(), 1u);
  ExpectBindingMessage(run.dialogs[0], box.dir + "kuraloq.exe" + test::Sjis("がありません。"));
  EXPECT_EQ(run.Calls("ISBNChkFunc " + kBookA), 1);
  EXPECT_TRUE(FileExists(box.result_path()));
}

TEST(LookupRun, MissingHostFileAndTooOldExecutableShowBothMessages) {
  Sandbox box(TestName(), BK_OLD_HOST_EXE, "renamed-host.exe");
  const HostRun run = RunHost(box, {"--pages", box.pages_dir}, {kBookA});
  ASSERT_EQ(run.dialogs.size(), 2u);
  ExpectBindingMessage(run.dialogs[0], box.dir + "kuraloq.exe" + test::Sjis("がありません。"));
  ExpectBindingMessage(run.dialogs[1], test::Sjis(kTooOldUtf8));
  EXPECT_FALSE(FileExists(box.result_path()));
}

TEST(LookupRun, CodesTheHostRejectsAreSkippedAndTheOthersLookedUp) {
  Sandbox box(TestName());
  box.AddSamplePage(kBookA);
  const HostRun run = RunHost(box, {"--pages", box.pages_dir}, {"12345", kBookA});
  EXPECT_TRUE(run.dialogs.empty());
  EXPECT_EQ(run.Calls("ISBNChkFunc 12345 -> \n"), 0);
  EXPECT_EQ(run.Calls("ISBNChkFunc 12345 -> "), 1);
  EXPECT_EQ(run.Calls("InternetConnectFunc"), 1);  // only for the valid code
  EXPECT_EQ(run.Calls("HTTPDownloadFunc"), 2);     // its page, twice
  EXPECT_EQ(Isbns(ResultLines(box.result_path())), std::vector<std::string>{kBookA});
  // The page file of the last code stays in the working directory.
  EXPECT_EQ(ReadFileBytes(box.work_dir + "Temp.html"),
            ReadFileBytes(WindowsPath(std::string(BK_SOURCE_DIR) + "/sample-site/" + kBookA + ".html")));
}

TEST(LookupRun, SingleLineBreakAsksTheHostWithAnEmptyCodeAndWritesAnEmptyResult) {
  Sandbox box(TestName());
  const std::string codes = box.dir + "codes.txt";
  test::WriteFileBytes(codes, "\r\n");
  const HostRun run = RunHost(box, {"--codes", codes}, {});
  EXPECT_TRUE(run.dialogs.empty());
  EXPECT_EQ(run.Calls("ISBNChkFunc  -> "), 1);
  ASSERT_TRUE(FileExists(box.result_path()));
  EXPECT_EQ(ReadFileBytes(box.result_path()), "");
}

TEST(LookupRun, NoConnectionAtTheFirstCodeShowsItsMessageAndWritesAnEmptyResult) {
  Sandbox box(TestName());
  box.AddSamplePage(kBookA);
  box.AddSamplePage(kBookB);
  const HostRun run = RunHost(box, {"--pages", box.pages_dir, "--offline-from", "1"}, {kBookA, kBookB});
  ASSERT_EQ(run.dialogs.size(), 1u);
  ExpectRunMessage(run.dialogs[0], "インターネットに接続されていません");
  EXPECT_EQ(run.Calls("InternetConnectFunc"), 1);  // the loop ended there
  EXPECT_EQ(run.Calls("HTTPDownloadFunc"), 0);
  ASSERT_TRUE(FileExists(box.result_path()));
  EXPECT_EQ(ReadFileBytes(box.result_path()), "");
}

TEST(LookupRun, NoConnectionAtTheThirdCodeKeepsTheLinesOfTheFirstTwo) {
  Sandbox box(TestName());
  for (const std::string& code : {kBookA, kBookB, kBookC}) box.AddSamplePage(code);
  const HostRun run =
      RunHost(box, {"--pages", box.pages_dir, "--offline-from", "3"}, {kBookA, kBookB, kBookC});
  ASSERT_EQ(run.dialogs.size(), 1u);
  ExpectRunMessage(run.dialogs[0], "インターネットに接続されていません");
  EXPECT_EQ(run.Calls("HTTPDownloadFunc"), 4);
  EXPECT_EQ(run.Calls("HTTPDownloadFunc https://www.bookstore.example/bec/SA/Forward?button=btnKodawari&mode="
                      "kodawari&isbn=" + kBookC),
            0);
  EXPECT_EQ(Isbns(ResultLines(box.result_path())), (std::vector<std::string>{kBookA, kBookB}));
}

TEST(LookupRun, MissingPageSkipsTheCodeAndDoesNotReuseThePreviousPage) {
  Sandbox box(TestName());
  box.AddSamplePage(kBookA);  // no page for B
  const HostRun run = RunHost(box, {"--pages", box.pages_dir}, {kBookA, kBookB});
  EXPECT_TRUE(run.dialogs.empty());
  EXPECT_EQ(run.Calls("HTTPDownloadFunc"), 3);  // A twice, B once
  EXPECT_FALSE(FileExists(box.work_dir + "Temp.html")) << "A's page would be read as B's";
  EXPECT_EQ(Isbns(ResultLines(box.result_path())), std::vector<std::string>{kBookA});
}

TEST(LookupRun, EighteenByteLinesAskTheHostWithTheIsbnOnly) {
  Sandbox box(TestName());
  const HostRun run = RunHost(box, {"--pages", box.pages_dir},
                              {"499123470001931650", "49912347000193165", "4991234700019316501"});
  EXPECT_EQ(run.Calls("ISBNChkFunc 4991234700 -> 9784991234705"), 1);
  EXPECT_EQ(run.Calls("ISBNChkFunc 49912347000193165 -> "), 1);    // 17 bytes: whole
  EXPECT_EQ(run.Calls("ISBNChkFunc 4991234700019316501 -> "), 1);  // 19 bytes: whole
}

TEST(LookupRun, StopButtonEndsTheRunAfterTheCurrentCode) {
  Sandbox box(TestName());
  for (const std::string& code : {kBookA, kBookB, kBookC, kBookD}) box.AddSamplePage(code);
  RunControl control;
  control.stop_at_counter = "2/4";
  const HostRun run =
      RunHost(box, {"--pages", box.pages_dir, "--delay", "400"}, {kBookA, kBookB, kBookC, kBookD}, control);
  EXPECT_EQ(run.counters, (std::vector<std::string>{"1/4", "2/4"}));
  EXPECT_EQ(run.wait_client_width, 219);
  EXPECT_EQ(run.wait_client_height, 98);
  EXPECT_TRUE(run.wait_topmost);
  EXPECT_TRUE(run.wait_centred);
  EXPECT_EQ(run.Calls("ISBNChkFunc " + kBookC), 0);
  EXPECT_EQ(run.Calls("HTTPDownloadFunc"), 4);
  EXPECT_EQ(Isbns(ResultLines(box.result_path())), (std::vector<std::string>{kBookA, kBookB}));
}

TEST(LookupRun, StopEndsOnlyTheRunItWasPressedIn) {
  Sandbox box(TestName());
  for (const std::string& code : {kBookA, kBookB, kBookC}) box.AddSamplePage(code);
  RunControl control;
  control.stop_at_counter = "2/3";
  const HostRun run =
      RunHost(box, {"--pages", box.pages_dir, "--delay", "300", "--runs", "2"}, {kBookA, kBookB, kBookC}, control);
  EXPECT_EQ(run.counters, (std::vector<std::string>{"1/3", "2/3", "1/3", "2/3", "3/3"}));
  EXPECT_EQ(run.Calls("ISBNChkFunc " + kBookC), 3);  // the second run only: one check, two after the parse
  EXPECT_EQ(ResultLines(box.result_path()).size(), 3u);
}

TEST(LookupRun, QuitRequestSurvivesTheRunsMessageProcessing) {
  Sandbox box(TestName());
  box.AddSamplePage(kBookA);
  const HostRun run = RunHost(box, {"--pages", box.pages_dir, "--post-quit"}, {kBookA, kBookB});
  EXPECT_NE(run.output.find("The quit request is still queued."), std::string::npos) << run.output;
  EXPECT_EQ(ResultLines(box.result_path()).size(), 1u);
}

TEST(LookupRun, SecondCallDuringARunIsRefusedWithoutTouchingAnything) {
  Sandbox box(TestName());
  for (const std::string& code : {kBookA, kBookB, kBookC}) box.AddSamplePage(code);
  const std::string nested_result = box.work_dir + "nested.txt";
  test::WriteFileBytes(nested_result, "keep\r\n");
  const HostRun run = RunHost(box, {"--pages", box.pages_dir, "--delay", "200", "--nested-call", nested_result},
                              {kBookA, kBookB, kBookC});
  EXPECT_NE(run.output.find("nested DownlaodFunc returned"), std::string::npos) << run.output;
  EXPECT_EQ(ReadFileBytes(nested_result), "keep\r\n");
  EXPECT_EQ(run.Calls("ISBNChkFunc nested"), 0);
  EXPECT_EQ(run.Calls("HTTPDownloadFunc"), 6);
  EXPECT_TRUE(run.dialogs.empty());
  EXPECT_EQ(ResultLines(box.result_path()).size(), 3u);
}

TEST(LookupRun, ErrorInsideTheRunIsShownAndLeavesNoResult) {
  Sandbox box(TestName());
  box.AddSamplePage(kBookA);
  // The result file cannot be written: its folder does not exist.
  const std::string result = box.dir + "missing-folder\\result.txt";
  const HostRun run = RunHost(box, {"--pages", box.pages_dir, "--result", result}, {kBookA});
  EXPECT_EQ(run.exit_code, 0) << "the error must not reach the host";
  ASSERT_EQ(run.dialogs.size(), 1u);
  EXPECT_FALSE(run.dialogs[0].text.empty());
  EXPECT_FALSE(run.dialogs[0].has_icon);
  EXPECT_FALSE(FileExists(result));
  EXPECT_NE(run.output.find("No result file."), std::string::npos);
}

// Every book of the sample site, looked up as run.sh does: the codes file
// names each one in another form of code.
TEST(LookupRun, SampleBooksGiveTheirResultLines) {
  const std::string page = "https://www.bookstore.example/bec/SA/Forward?button=btnKodawari&mode=kodawari&isbn=";
  const std::string cover = "https://img.bookstore.example/images/syoseki/ac/";
  const std::string read_state_to_end = ",,,,,,,,,既読" + std::string(21, ',');
  const struct {
    const char* code;      // the line of codes.txt
    std::string expected;  // UTF-8
  } books[] = {
      // Two credits: the author, then the illustrator as second author. The
      // meta description keeps the attribute's closing quote, as the site's
      // pages are read; the body's line break becomes "$$".
      {"9784991234507",
       "9784991234507,月夜の図書館,,,,水野千歳,,高田ゆう,,,,,青空書房,あおぞら文庫,,15," + page + "9784991234507"
       ",,,,購入,770,0,,0,2024,03,,,,,,,,,320,"
       "夜だけ開く図書館で、司書見習いの少女が本の迷子を探す物語。”$$真夜中にだけ灯りがともる町外れの図書館。"
       "$$見習い司書のミナは、持ち主を探す本たちの声を聞く。," +
           cover + "9784991234507.jpg" + read_state_to_end},
      // An ISBN-10 with hyphens: the record keeps the input line, the page
      // comes from its 13-digit form. Date with dots, price with a comma.
      {"4-9912346-0-3",
       "4-9912346-0-3,港町の天気図,,,,佐伯遼,,,,,,,潮見社,潮見ブックス,,19," + page + "9784991234606"
       ",,,,購入,1980,0,,0,2023,11,05,,,,,,,,256,"
       "小さな港町の観測所から見た、空と海の一年。”$$観測所の記録と漁師たちの言い伝えから、港町の一年の天気を読み解く。," +
           cover + "9784991234606.jpg" + read_state_to_end},
      // An 18-byte line: ISBN-10, classification and price from the line. No
      // series on the page (no label) and no description body.
      {"499123470001931650",
       "4991234700,山小屋のスープ帖,,,,森葉子,,,,,0193,,みどり舎,,,21," + page + "9784991234705"
       ",,,,購入,1650,0,,0,2022,07,,,,,,,,,128,"
       "山小屋で出される季節のスープ四十品。”," +
           cover + "9784991234705.jpg" + read_state_to_end},
      // A 26-byte line on a page without a price: classification 0044 and
      // price 01000 from the line. Date with slashes and a day.
      {"97849912348041920044010003",
       "9784991234804,はじめての星座,,,,星野光,,,,,0044,,青空書房,あおぞら文庫,,18," + page + "9784991234804"
       ",,,,購入,1000,0,,0,2021,04,01,,,,,,,,96,"
       "夜空の見つけ方を、季節ごとにやさしく案内する入門書。”," +
           cover + "9784991234804.jpg" + read_state_to_end},
  };
  Sandbox box(TestName());
  const std::string site = WindowsPath(std::string(BK_SOURCE_DIR) + "/sample-site");
  std::string codes;
  for (const auto& book : books) codes += std::string(book.code) + "\r\n";
  EXPECT_EQ(ReadFileBytes(site + "\\codes.txt"), codes) << "the table follows the codes file";
  const HostRun run = RunHost(box, {"--pages", site, "--codes", site + "\\codes.txt"}, {});
  EXPECT_TRUE(run.dialogs.empty());
  const std::vector<std::string> lines = ResultLines(box.result_path());
  ASSERT_EQ(lines.size(), std::size(books));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(test::Utf8(lines[i]), books[i].expected) << books[i].code;
    EXPECT_EQ(SplitResultLine(lines[i]).size(), static_cast<std::size_t>(kColumnCount)) << books[i].code;
  }
}

TEST(LookupRun, CodeLinesCarryClassificationAndPrice) {
  Sandbox box(TestName());
  box.AddSamplePage(kBookA);
  box.AddSamplePage(kBookC);
  box.AddSamplePage(kBookD);
  box.AddSamplePage(kBookD, "9784101092058");  // a page without a price
  const HostRun run = RunHost(box, {"--pages", box.pages_dir},
                              {"499123470001931200",            // 18: the line's price stands
                               "97849912348041920044010003",    // 26: page without price
                               "97841010920581920193005905",    // 26: 00590, check digit 5
                               "97849912345071920193005905"});  // 26: the page's price stands
  const std::vector<std::string> lines = ResultLines(box.result_path());
  ASSERT_EQ(lines.size(), 4u);
  const struct {
    const char* isbn;
    const char* ccode;
    const char* price;
  } expected[] = {
      {"4991234700", "0193", "1200"},
      {"9784991234804", "0044", "1000"},
      {"9784101092058", "0193", "590"},  // the same price as its 18-byte form 410109205201930590
      {"9784991234507", "0193", "770"},
  };
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(FieldOf(lines[i], field::Isbn), expected[i].isbn) << i;
    EXPECT_EQ(FieldOf(lines[i], field::CCode), expected[i].ccode) << i;
    EXPECT_EQ(FieldOf(lines[i], field::Price), expected[i].price) << i;
  }
}

TEST(LookupRun, StatusFieldsComeFromTheHostsSettingsOrTheirDefaults) {
  const struct {
    const char* name;
    std::string settings;  // empty: no Setting.ini
    const char* purchase;
    const char* tax;
    const char* read;
  } cases[] = {
      {"WithoutSettings", "", "購入", "0", "既読"},
      {"WithSettings", "[Entry]\r\nPurachaseSet=未購入\r\nTaxSet=1\r\nReadSet=未読\r\n", "未購入", "1", "未読"},
      {"WithOtherSection", "[Other]\r\nTaxSet=5\r\n", "購入", "0", "既読"},
  };
  for (const auto& c : cases) {
    Sandbox box(TestName() + c.name);
    if (!c.settings.empty()) test::WriteFileBytes(box.dir + "Setting.ini", test::Sjis(c.settings));
    box.AddSamplePage(kBookA);
    RunHost(box, {"--pages", box.pages_dir}, {kBookA});
    const std::vector<std::string> lines = ResultLines(box.result_path());
    ASSERT_EQ(lines.size(), 1u) << c.name;
    EXPECT_EQ(test::Utf8(FieldOf(lines[0], field::PurchaseState)), c.purchase) << c.name;
    EXPECT_EQ(FieldOf(lines[0], field::TaxMode), c.tax) << c.name;
    EXPECT_EQ(FieldOf(lines[0], field::TaxMode2), c.tax) << c.name;
    EXPECT_EQ(test::Utf8(FieldOf(lines[0], field::ReadState)), c.read) << c.name;
  }
}

}  // namespace
}  // namespace bk::e2e
