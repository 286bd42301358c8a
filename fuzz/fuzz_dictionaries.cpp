// Writes the three dictionary files from arbitrary bytes (any line endings,
// zero bytes, broken code page 932, stray bars), loads them and runs the
// lookups and an assignment: nothing may read or write out of bounds, the
// joined text must have the form the lookups rely on, and the one-walk key
// search must find what a search key by key finds.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "contributors/author_dictionary.h"
#include "contributors/contributor_list.h"
#include "contributors/dictionary_file.h"
#include "contributors/dictionary_search.h"
#include "contributors/label_dictionary.h"
#include "contributors/publisher_dictionary.h"
#include "fuzz/fuzz_support.h"
#include "plugin/record.h"
#include "text/find.h"
#include "text/lines.h"

namespace {

using bk::fuzz::Check;

const std::string& WorkDir() { return bk::fuzz::ScratchDir("bk_fuzz_dictionaries"); }

void WriteFile(const std::string& name, const std::string& bytes) {
  bk::fuzz::WriteFile(WorkDir() + name, bytes);
}

void CheckJoined(const std::string& raw) {
  const std::string joined = bk::JoinDictionaryLines(raw);
  std::string expected;
  const std::string content = raw.substr(0, raw.find('\0'));
  for (std::string_view line : bk::SplitLines(content)) {
    expected.append(line);
    expected += "\r\n";
  }
  Check(joined == expected);
}

void CheckSearch(const std::string& text, const std::vector<std::string>& keys) {
  const std::vector<std::size_t> found = bk::FindEachFirst(text, keys);
  Check(found.size() == keys.size());
  for (std::size_t k = 0; k < keys.size(); ++k) Check(found[k] == bk::FindBytes(keys[k], text));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  std::vector<std::string> entries(input.ConsumeIntegralInRange<int>(0, 12));
  for (std::string& entry : entries) entry = input.ConsumeRandomLengthString(24);
  const std::string isbn = input.ConsumeRandomLengthString(28);
  const std::string label = input.ConsumeRandomLengthString(16);
  const std::string publisher = input.ConsumeRandomLengthString(16);
  const std::string dictionary = input.ConsumeRemainingBytesAsString();

  CheckJoined(dictionary);
  std::vector<std::string> keys = entries;
  keys.push_back(label);
  CheckSearch(bk::JoinDictionaryLines(dictionary), keys);

  for (const char* name : {"AuthDB.dat", "PubDB.dat", "LabelsDB.dat"}) WriteFile(name, dictionary);
  bk::Book.Clear();
  bk::Book[bk::field::Isbn] = isbn;
  Check(bk::LoadAuthorDictionary(WorkDir()));
  Check(bk::LookupPublisher(WorkDir()));
  Check(bk::LoadLabelDictionary(WorkDir()));

  bk::ContributorList list;
  for (const std::string& entry : entries) list.Add(entry);
  bk::AssignContributors(list, true, true, true, "");
  const std::string& others = bk::Book[bk::field::OtherContributors];
  Check(others.empty() || (static_cast<unsigned char>(others.front()) > 0x20 &&
                           static_cast<unsigned char>(others.back()) > 0x20));

  if (!publisher.empty()) bk::Book[bk::field::Publisher] = publisher;
  bk::Book[bk::field::Label] = label;
  bk::LookupLabel();
  bk::FreeAuthorDictionary();
  bk::FreeLabelDictionary();
  return 0;
}
