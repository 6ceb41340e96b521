#pragma once
#include "platform/XmlDom.h"

namespace kalvora::platform::sim {

// The XML DOM of the native build, on libxml2. The network is never used and
// entities are never substituted; a document type declaration stops the
// parser before its content is read.
class LibXmlDom final : public XmlDom {
 public:
  std::optional<XmlElement> Parse(std::string_view fileBytes) override;
  std::optional<std::string> Serialize(const XmlElement& root) override;
};

}  // namespace kalvora::platform::sim
