#include "plugin/host_services.h"

#include <string>

#include "plugin/executable_dir.h"

namespace bk {
namespace {

// Every service the host exports; the plug-in needs all of them to be there,
// which is how it tells a host that is too old.
constexpr const char* kServiceNames[] = {
    "InternetConnectFunc", "HTTPDownloadFunc", "HTTPBinaryDownloadFunc", "HTTPFlagDownloadFunc",
    "RefreshFunc",         "ExportFunc",       "InportFunc",             "ISBNChkFunc",
    "JANChkFunc",          "ASINChkFunc",      "PluginListFunc",         "AcquireCDShow",
    "WaitWindowView",      "WaitBarView",      "WaitWindowClose",        "SelectExportFunc",
};

void ShowBindingError(const std::string& text) {
  MessageBoxA(nullptr, text.c_str(), nullptr, MB_ICONERROR);
}

}  // namespace

bool BindHostServices(HostServices& services) {
  const std::string host_path = ExecutableDirectory() + "kuraloq.exe";
  services.module = LoadLibraryA(host_path.c_str());
  if (services.module == nullptr) {
    ShowBindingError(host_path + "\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81" "B");  // がありません。
    // Goes on with the empty handle, which searches the running executable.
  }
  void* found[sizeof kServiceNames / sizeof kServiceNames[0]] = {};
  for (std::size_t i = 0; i < sizeof kServiceNames / sizeof kServiceNames[0]; ++i) {
    found[i] = reinterpret_cast<void*>(GetProcAddress(services.module, kServiceNames[i]));
    if (found[i] == nullptr) {
      // 関数がありません。Kuraloq、または、プラグインのバージョンが古い可能性があります。
      ShowBindingError(
          "\x8a\xd6\x90\x94\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81" "BKuraloq\x81"
          "A\x82\xdc\x82\xbd\x82\xcd\x81" "A\x83v\x83\x89\x83O\x83" "C\x83\x93\x82\xcc\x83o\x81["
          "\x83W\x83\x87\x83\x93\x82\xaa\x8c\xc3\x82\xa2\x89\xc2\x94\x5c\x90\xab\x82\xaa\x82\xa0"
          "\x82\xe8\x82\xdc\x82\xb7\x81" "B");
      return false;
    }
  }
  services.InternetConnectFunc = reinterpret_cast<InternetConnectFn>(found[0]);
  services.HTTPDownloadFunc = reinterpret_cast<HttpDownloadFn>(found[1]);
  services.ISBNChkFunc = reinterpret_cast<IsbnCheckFn>(found[7]);
  return true;
}

void ReleaseHostServices(HostServices& services) {
  if (services.module != nullptr) FreeLibrary(services.module);
  services = HostServices{};
}

}  // namespace bk
