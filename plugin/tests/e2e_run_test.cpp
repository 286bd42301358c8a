// The lookup run end to end: the real plug-in DLL in the stand-in host under
// Wine, its dialogs read from the real windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e_harness.h"
#include "testsupport/sjis.h"

namespace bk::e2e {
namespace {

const std::string kBookA = "9784991234507";
const std::string kBookB = "9784991234606";
const std::string kBookC = "9784991234705";
const std::string kBookD = "9784991234804";  // its page has no price

std::string TestName() { return ::testing::UnitTest::GetInstance()->current_test_info()->name(); }

void ExpectRunMessage(const Dialog& dialog, const std::string& utf8) {
  EXPECT_EQ(test::Utf8(dialog.text), utf8);
  EXPECT_FALSE(dialog.has_icon);
  EXPECT_EQ(dialog.buttons, 1);
}

void ExpectBindingMessage(const Dialog& dialog, const std::string& sjis) {
  EXPECT_EQ(test::Utf8(dialog.text), test::Utf8(sjis));
  EXPECT_TRUE(dialog.has_icon);
}

const char kTooOldUtf8[] =
    "関数がありません。Kuraloq、または、プラグインのバージョンが古い可能性があります。";

TEST(LookupRun, EmptyCodesTextRemovesTheOldResultAndShowsItsMessage) {
  Sandbox box(TestName());
  WriteFileBytes(box.result_path(), "old result\r\n");
  const HostRun run = RunHost(box, {}, {});
  ASSERT_EQ(run.dialogs.size(), 1u);
  ExpectRunMessage(run.dialogs[0], "検索するISBNを取得できませんでした");
  EXPECT_FALSE(FileExists(box.result_path()));
  EXPECT_EQ(run.Calls("ISBNChkFunc"), 0);
  EXPECT_TRUE(run.counters.empty()) << "the wait window belongs to runs that bind the host";
}

TEST(LookupRun, HostTooOldFailsTheBindingAndLeavesNoResult) {
  Sandbox box(TestName(), BK_OLD_HOST_EXE);
  WriteFileBytes(box.result_path(), "old result\r\n");
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
  EXPECT_TRUE(FileExists(box.result_path()));
  // The page file of the last code stays in the working directory.
  EXPECT_EQ(ReadFileBytes(box.work_dir + "Temp.html"),
            ReadFileBytes(WindowsPath(std::string(BK_SOURCE_DIR) + "/sample-site/" + kBookA + ".html")));
}

TEST(LookupRun, SingleLineBreakAsksTheHostWithAnEmptyCodeAndWritesAnEmptyResult) {
  Sandbox box(TestName());
  const std::string codes = box.dir + "codes.txt";
  WriteFileBytes(codes, "\r\n");
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
  EXPECT_TRUE(FileExists(box.result_path()));
}

TEST(LookupRun, MissingPageSkipsTheCodeAndDoesNotReuseThePreviousPage) {
  Sandbox box(TestName());
  box.AddSamplePage(kBookA);  // no page for B
  const HostRun run = RunHost(box, {"--pages", box.pages_dir}, {kBookA, kBookB});
  EXPECT_TRUE(run.dialogs.empty());
  EXPECT_EQ(run.Calls("HTTPDownloadFunc"), 3);  // A twice, B once
  EXPECT_FALSE(FileExists(box.work_dir + "Temp.html")) << "A's page would be read as B's";
  EXPECT_TRUE(FileExists(box.result_path()));
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
  EXPECT_EQ(run.Calls("ISBNChkFunc " + kBookC), 0);
  EXPECT_EQ(run.Calls("HTTPDownloadFunc"), 4);
  EXPECT_TRUE(FileExists(box.result_path()));
}

TEST(LookupRun, SecondCallDuringARunIsRefusedWithoutTouchingAnything) {
  Sandbox box(TestName());
  for (const std::string& code : {kBookA, kBookB, kBookC}) box.AddSamplePage(code);
  const std::string nested_result = box.work_dir + "nested.txt";
  WriteFileBytes(nested_result, "keep\r\n");
  const HostRun run = RunHost(box, {"--pages", box.pages_dir, "--delay", "200", "--nested-call", nested_result},
                              {kBookA, kBookB, kBookC});
  EXPECT_NE(run.output.find("nested DownlaodFunc returned"), std::string::npos) << run.output;
  EXPECT_EQ(ReadFileBytes(nested_result), "keep\r\n");
  EXPECT_EQ(run.Calls("ISBNChkFunc nested"), 0);
  EXPECT_EQ(run.Calls("HTTPDownloadFunc"), 6);
  EXPECT_TRUE(run.dialogs.empty());
  EXPECT_TRUE(FileExists(box.result_path()));
}

}  // namespace
}  // namespace bk::e2e
