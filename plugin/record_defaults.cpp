#include "plugin/record_defaults.h"

#include "platform/locale.h"
#include "plugin/record.h"

namespace bk {
namespace {

struct StatusDefault {
  int field;
  const char* key;
  const char* fallback;
};

// In this order; both tax fields come from the one "TaxSet" key.
constexpr StatusDefault kDefaults[] = {
    {field::PurchaseState, "PurachaseSet", "\x8dw\x93\xfc"},  // 購入
    {field::TaxMode, "TaxSet", "0"},
    {field::TaxMode2, "TaxSet", "0"},
    {field::ReadState, "ReadSet", "\x8a\xf9\x93\xc7"},  // 既読
};

}  // namespace

void FillRecordDefaults(std::string_view settings_path) {
  for (const StatusDefault& d : kDefaults) {
    if (!Book[d.field].empty()) continue;
    Book[d.field] = platform::Locale().read_profile_string(settings_path, "Entry", d.key, d.fallback);
  }
}

}  // namespace bk
