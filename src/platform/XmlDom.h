#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kalvora::platform {

// One element of a document: its attributes in document order and its child
// elements. Text, comments and processing instructions are not kept.
struct XmlElement {
  std::wstring name;
  std::vector<std::pair<std::wstring, std::wstring>> attributes;
  std::vector<XmlElement> children;

  // The value of the attribute, or nullptr when the element has none so named.
  const std::wstring* Attribute(std::wstring_view attributeName) const {
    for (const auto& [key, value] : attributes) {
      if (key == attributeName) return &value;
    }
    return nullptr;
  }

  bool operator==(const XmlElement&) const = default;
};

// The system's XML DOM. Neither side ever resolves a DTD or an external
// entity: a document that carries a document type declaration is refused.
class XmlDom {
 public:
  // Larger inputs are refused rather than handed to the parser.
  static constexpr std::size_t kMaxDocumentBytes = std::size_t{256} * 1024 * 1024;
  // Nesting deeper than this is refused on reading and on writing.
  static constexpr int kMaxDepth = 256;

  virtual ~XmlDom() = default;
  // The root element of the document in `fileBytes`, read in the encoding the
  // document declares (UTF-8 when it declares none; UTF-16 with its byte-order
  // mark); nullopt when the bytes are not a well-formed document, carry a
  // document type declaration, are in a four-byte encoding or are too large.
  virtual std::optional<XmlElement> Parse(std::string_view fileBytes) = 0;
  // The bytes of a UTF-8 document holding `root`, with an XML declaration and
  // without indentation; nullopt when an element or attribute name is not a
  // usable XML name, an element repeats an attribute or the tree nests too
  // deeply. Characters that XML cannot carry (most control characters, lone
  // surrogates) are written as U+FFFD, so the document always reads back.
  virtual std::optional<std::string> Serialize(const XmlElement& root) = 0;
};

namespace xml {

// Whether `name` is a plain ASCII XML name: a letter or '_' first, then also
// digits, '-' and '.'. The system's own names are all of this kind; prefixes
// (':') are not accepted, as it never writes namespaces.
inline bool IsPlainName(std::wstring_view name) {
  if (name.empty()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const wchar_t c = name[i];
    const bool letter = (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || c == L'_';
    const bool other = (c >= L'0' && c <= L'9') || c == L'-' || c == L'.';
    if (!(letter || (i > 0 && other))) return false;
  }
  return true;
}

// `text` with every character that XML 1.0 cannot hold replaced by U+FFFD.
// wchar_t is UTF-16 on Windows and UTF-32 elsewhere; both are handled.
inline std::wstring XmlSafeText(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<std::uint32_t>(text[i]);
    const bool high = c >= 0xD800 && c <= 0xDBFF;
    const bool low = c >= 0xDC00 && c <= 0xDFFF;
    if (high && sizeof(wchar_t) == 2 && i + 1 < text.size()) {
      const auto next = static_cast<std::uint32_t>(text[i + 1]);
      if (next >= 0xDC00 && next <= 0xDFFF) {
        out.push_back(text[i]);
        out.push_back(text[++i]);
        continue;
      }
    }
    const bool allowed = c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
                         (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
    out.push_back(allowed && !high && !low ? text[i] : static_cast<wchar_t>(0xFFFD));
  }
  return out;
}

// Whether the document's first bytes show a four-byte encoding (UCS-4).
// Records never use one, and both sides refuse it alike.
inline bool StartsInFourByteEncoding(std::string_view bytes) {
  const auto byte = [&](std::size_t i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0x100u; };
  return (byte(0) == 0 && byte(1) == 0) || (byte(0) != 0 && byte(2) == 0 && byte(3) == 0);
}

// Whether every name in the tree is a plain name, no element repeats an
// attribute and the tree nests no deeper than XmlDom::kMaxDepth.
inline bool CanWrite(const XmlElement& element, int depth = 1) {
  if (depth > XmlDom::kMaxDepth || !IsPlainName(element.name)) return false;
  for (std::size_t i = 0; i < element.attributes.size(); ++i) {
    if (!IsPlainName(element.attributes[i].first)) return false;
    for (std::size_t j = 0; j < i; ++j) {
      if (element.attributes[j].first == element.attributes[i].first) return false;
    }
  }
  for (const auto& child : element.children) {
    if (!CanWrite(child, depth + 1)) return false;
  }
  return true;
}

}  // namespace xml
}  // namespace kalvora::platform
