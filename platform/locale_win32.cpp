// The locale operations through the Windows calls of the user's locale.
#include <windows.h>

#include <climits>
#include <cstring>
#include <vector>

#include "platform/locale.h"

namespace bk::platform {
namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t expected");

const wchar_t* Wide(const char16_t* s) { return reinterpret_cast<const wchar_t*>(s); }
wchar_t* Wide(char16_t* s) { return reinterpret_cast<wchar_t*>(s); }

// The Windows calls take int lengths; longer texts do not occur in a run.
int Length(std::size_t n) { return n > INT_MAX ? INT_MAX : static_cast<int>(n); }

struct LeadBytes {
  bool lead[256] = {};
  LeadBytes() {
    for (unsigned b = 0; b < 256; ++b) lead[b] = IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(b)) != 0;
  }
};

bool IsLeadByte(unsigned char byte) {
  static const LeadBytes table;
  return table.lead[byte];
}

std::u16string AnsiToWide(std::string_view text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), Length(text.size()), nullptr, 0);
  if (n <= 0) return {};
  std::u16string out(static_cast<std::size_t>(n), u'\0');
  const int written = MultiByteToWideChar(CP_ACP, 0, text.data(), Length(text.size()), Wide(out.data()), n);
  out.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
  return out;
}

std::string WideToAnsi(std::u16string_view text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_ACP, 0, Wide(text.data()), Length(text.size()), nullptr, 0, nullptr, nullptr);
  if (n <= 0) return {};
  std::string out(static_cast<std::size_t>(n), '\0');
  const int written = WideCharToMultiByte(CP_ACP, 0, Wide(text.data()), Length(text.size()), out.data(), n,
                                          nullptr, nullptr);
  out.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
  return out;
}

// LCMapStringW reports the length including the terminator when asked with -1;
// the buffer must have that full length or the second call fails.
std::optional<std::u16string> MapWide(std::u16string_view text, std::uint32_t flags) {
  const std::u16string source(text);
  const int n = LCMapStringW(LOCALE_USER_DEFAULT, flags, Wide(source.c_str()), -1, nullptr, 0);
  if (n <= 0) return std::nullopt;
  std::u16string out(static_cast<std::size_t>(n), u'\0');
  if (LCMapStringW(LOCALE_USER_DEFAULT, flags, Wide(source.c_str()), -1, Wide(out.data()), n) != n) {
    return std::nullopt;
  }
  out.resize(static_cast<std::size_t>(n) - 1);
  return out;
}

// Sized by a first call on the whole text: the result is not zero-terminated
// and may be longer than the source.
std::optional<std::string> MapAnsi(std::string_view text, std::uint32_t flags) {
  if (text.empty()) return std::string();
  const LCID lcid = GetUserDefaultLCID();
  const int n = LCMapStringA(lcid, flags, text.data(), Length(text.size()), nullptr, 0);
  if (n <= 0) return std::nullopt;
  std::string out(static_cast<std::size_t>(n), '\0');
  const int written = LCMapStringA(lcid, flags, text.data(), Length(text.size()), out.data(), n);
  if (written <= 0) return std::nullopt;
  out.resize(static_cast<std::size_t>(written));
  return out;
}

std::string UpperAnsi(std::string_view text) {
  std::string out(text);
  if (!out.empty()) CharUpperBuffA(out.data(), static_cast<DWORD>(out.size()));
  return out;
}

int CompareIgnoreCase(std::string_view a, std::string_view b) {
  const int r = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), Length(a.size()), b.data(),
                               Length(b.size()));
  // A failed call must not make different names equal (a sorted list would
  // drop one of them): byte order then.
  if (r == 0) return a.compare(b);
  return r - CSTR_EQUAL;
}

std::string ReadProfileString(std::string_view path, std::string_view section, std::string_view key,
                              std::string_view default_value) {
  const std::string p(path), s(section), k(key), d(default_value);
  std::vector<char> buffer(2048, '\0');
  const DWORD n = GetPrivateProfileStringA(s.c_str(), k.c_str(), d.c_str(), buffer.data(),
                                           static_cast<DWORD>(buffer.size()), p.c_str());
  // When the last character of a cut value does not fit, the call still
  // reports 2047 bytes and leaves that byte unwritten: the value ends at the
  // first zero.
  return std::string(buffer.data(), strnlen(buffer.data(), n));
}

}  // namespace

const LocaleOps& Win32Locale() {
  static const LocaleOps ops{"win32",   IsLeadByte, AnsiToWide,        WideToAnsi,       MapWide,
                             MapAnsi,   UpperAnsi,  CompareIgnoreCase, ReadProfileString};
  return ops;
}

}  // namespace bk::platform
