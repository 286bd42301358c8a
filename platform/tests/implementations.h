// The locale implementations a platform test runs against: on Windows both,
// so that the portable tables are held to the real calls.
#pragma once

#include <vector>

#include "platform/locale.h"

namespace bk::platform {

inline std::vector<const LocaleOps*> Implementations() {
#ifdef _WIN32
  return {&PortableLocale(), &Win32Locale()};
#else
  return {&PortableLocale()};
#endif
}

}  // namespace bk::platform
