// The services the host executable exports to its plug-ins: code checking,
// the connection check and downloads. The plug-in has no network code.
#pragma once

#include <windows.h>

namespace bk {

using InternetConnectFn = BOOL(__stdcall*)(const char* address);
using HttpDownloadFn = BOOL(__stdcall*)(const char* file_path, const char* address);
using IsbnCheckFn = const char*(__stdcall*)(const char* code);

struct HostServices {
  HMODULE module = nullptr;  // the host executable, loaded for one run
  InternetConnectFn InternetConnectFunc = nullptr;
  HttpDownloadFn HTTPDownloadFunc = nullptr;
  IsbnCheckFn ISBNChkFunc = nullptr;
};

// Loads kuraloq.exe from the executable's directory and looks up all the
// services the host offers, in order. A failed load or a missing name is
// shown in a system message box; a missing name fails the binding.
bool BindHostServices(HostServices& services);
// Frees the host module when it was loaded.
void ReleaseHostServices(HostServices& services);

}  // namespace bk
