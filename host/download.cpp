#include "host/download.h"

#include <windows.h>
#include <wininet.h>

#include <string>

#include "platform/files.h"

namespace bk::host {
namespace {

constexpr DWORD kTimeoutMs = 30000;

// Closes a WinINet handle at scope end.
struct InternetHandle {
  HINTERNET handle;
  ~InternetHandle() {
    if (handle != nullptr) InternetCloseHandle(handle);
  }
};

void SetTimeouts(HINTERNET session) {
  DWORD timeout = kTimeoutMs;
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT,
                       INTERNET_OPTION_SEND_TIMEOUT}) {
    InternetSetOptionA(session, option, &timeout, sizeof timeout);
  }
}

bool ReadAll(HINTERNET request, std::string& body) {
  char buffer[16384];
  for (;;) {
    DWORD read = 0;
    if (!InternetReadFile(request, buffer, sizeof buffer, &read)) return false;
    if (read == 0) return true;
    body.append(buffer, read);
  }
}

// A failed write leaves no file: it goes beside path and is moved into place.
bool WriteWholeFile(std::string_view path, const std::string& bytes) {
  try {
    platform::WriteFileAtomically(path, bytes);
    return true;
  } catch (const platform::FileError&) {
    return false;
  }
}

}  // namespace

bool FetchAddress(std::string_view address, std::string_view path) {
  InternetHandle session{InternetOpenA("kuraloq", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0)};
  if (session.handle == nullptr) return false;
  SetTimeouts(session.handle);
  const std::string url(address);
  InternetHandle request{InternetOpenUrlA(session.handle, url.c_str(), nullptr, 0,
                                          INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                                              INTERNET_FLAG_NO_UI,
                                          0)};
  if (request.handle == nullptr) return false;
  DWORD status = 0;
  DWORD size = sizeof status;
  if (!HttpQueryInfoA(request.handle, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr) ||
      status != 200) {
    return false;
  }
  std::string body;
  return ReadAll(request.handle, body) && WriteWholeFile(path, body);
}

bool CopyLocalPage(std::string_view folder, std::string_view address, std::string_view path) {
  const auto key = address.rfind("isbn=");
  if (key == std::string_view::npos) return false;
  std::string source(folder);
  if (!source.empty() && source.back() != '\\' && source.back() != '/') source += '\\';
  source += std::string(address.substr(key + 5)) + ".html";
  const std::string target(path);
  return CopyFileA(source.c_str(), target.c_str(), FALSE) != 0;
}

std::string RedirectAddress(std::string_view address, std::string_view page_host, std::string_view base) {
  if (base.empty() || address.substr(0, page_host.size()) != page_host) return std::string(address);
  return std::string(base) + std::string(address.substr(page_host.size()));
}

}  // namespace bk::host
