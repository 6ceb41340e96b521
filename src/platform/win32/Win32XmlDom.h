#pragma once
#include "platform/XmlDom.h"

namespace kalvora::platform::win32 {

// The XML DOM of Windows: MSXML 6, or MSXML 3 where 6 is missing, always with
// document type declarations prohibited and external resources off. COM is
// initialised on the calling thread when it is not yet.
class Win32XmlDom final : public XmlDom {
 public:
  std::optional<XmlElement> Parse(std::string_view fileBytes) override;
  std::optional<std::string> Serialize(const XmlElement& root) override;
};

}  // namespace kalvora::platform::win32
