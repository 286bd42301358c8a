#include "platform/locale.h"

namespace bk::platform {

const LocaleOps& Locale() {
#ifdef _WIN32
  return Win32Locale();
#else
  return PortableLocale();
#endif
}

}  // namespace bk::platform
