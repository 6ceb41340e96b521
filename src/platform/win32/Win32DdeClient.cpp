#include "platform/win32/Win32DdeClient.h"

#include <windows.h>
#include <ddeml.h>

#include <string>

#include "platform/win32/Handles.h"

namespace kalvora::platform::win32 {
namespace {

HDDEDATA CALLBACK ClientCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

// A browser that is busy should not hold the window thread for long.
constexpr DWORD kRequestTimeoutMs = 5000;

OwnedDdeString MakeString(DWORD instance, const std::wstring& text) {
  return OwnedDdeString(::DdeCreateStringHandleW(instance, text.c_str(), CP_WINUNICODE), DdeStringTraits{instance});
}

std::wstring FromAnsi(const std::string& bytes) {
  if (bytes.empty()) return L"";
  const int length = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), length);
  return text;
}

}  // namespace

std::optional<std::wstring> Win32DdeClient::Request(const std::wstring& service, const std::wstring& topic,
                                                    const std::wstring& item) {
  if (!instance_) {
    DWORD instance = 0;
    if (::DdeInitializeW(&instance, ClientCallback, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) return std::nullopt;
    instance_.Attach(instance);
  }
  const DWORD instance = instance_.Get();
  const OwnedDdeString serviceName = MakeString(instance, service);
  const OwnedDdeString topicName = MakeString(instance, topic);
  const OwnedDdeString itemName = MakeString(instance, item);
  if (!serviceName || !topicName || !itemName) return std::nullopt;
  const OwnedDdeConversation conversation(::DdeConnect(instance, serviceName.Get(), topicName.Get(), nullptr));
  if (!conversation) return std::nullopt;
  std::optional<std::wstring> reply;
  const OwnedDdeData data(::DdeClientTransaction(nullptr, 0, conversation.Get(), itemName.Get(), CF_TEXT,
                                                 XTYP_REQUEST, kRequestTimeoutMs, nullptr));
  if (data) {
    const DWORD size = ::DdeGetData(data.Get(), nullptr, 0, 0);
    std::string bytes(size, '\0');
    if (size > 0) ::DdeGetData(data.Get(), reinterpret_cast<LPBYTE>(bytes.data()), size, 0);
    bytes.resize(std::char_traits<char>::length(bytes.c_str()));  // CF_TEXT ends at its first NUL
    reply = FromAnsi(bytes);
  }
  return reply;
}

}  // namespace kalvora::platform::win32
