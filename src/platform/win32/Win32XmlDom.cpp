#include "platform/win32/Win32XmlDom.h"

#include <windows.h>
#include <msxml2.h>
#include <objbase.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <cstring>

#include "platform/win32/Handles.h"

namespace kalvora::platform::win32 {
namespace {

using Microsoft::WRL::ComPtr;

// The headers of some toolchains lack these, so they are spelled out here.
constexpr CLSID kDomDocument60 = {0x88d96a05, 0xf192, 0x11d4, {0xa6, 0x5f, 0x00, 0x40, 0x96, 0x32, 0x51, 0xe5}};
constexpr CLSID kDomDocument30 = {0xf5078f32, 0xc551, 0x11d3, {0x89, 0xb9, 0x00, 0x00, 0xf8, 0x1f, 0xe2, 0x21}};
constexpr IID kIidDocument2 = {0x2933bf95, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};
constexpr IID kIidElement = {0x2933bf86, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};

// Once per thread. An apartment the thread already has, of either kind,
// serves as well (MSXML documents live in both), and it is kept until the
// thread ends.
void EnsureCom() {
  thread_local bool initialised = false;
  if (!initialised) {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    initialised = true;
  }
}

class Bstr {
 public:
  explicit Bstr(const std::wstring& text) : b_(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
  Bstr() = default;
  ~Bstr() { ::SysFreeString(b_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR get() const { return b_; }
  BSTR* out() { return &b_; }
  std::wstring text() const { return b_ != nullptr ? std::wstring(b_, ::SysStringLen(b_)) : std::wstring(); }

 private:
  BSTR b_ = nullptr;
};

class Variant {
 public:
  Variant() { ::VariantInit(&v_); }
  ~Variant() { ::VariantClear(&v_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  VARIANT& get() { return v_; }

 private:
  VARIANT v_;
};

bool SetProperty(IXMLDOMDocument2* doc, const wchar_t* name, VARIANT value) {
  Bstr property{std::wstring(name)};
  return SUCCEEDED(doc->setProperty(property.get(), value));
}

// A new document that never reads a DTD or anything outside the given bytes;
// null when neither DOM version can promise that.
ComPtr<IXMLDOMDocument2> NewDocument() {
  EnsureCom();
  for (const CLSID& version : {kDomDocument60, kDomDocument30}) {
    ComPtr<IXMLDOMDocument2> doc;
    if (FAILED(::CoCreateInstance(version, nullptr, CLSCTX_INPROC_SERVER, kIidDocument2,
                                  reinterpret_cast<void**>(doc.GetAddressOf())))) {
      continue;
    }
    VARIANT yes;
    yes.vt = VT_BOOL;
    yes.boolVal = VARIANT_TRUE;
    if (!SetProperty(doc.Get(), L"ProhibitDTD", yes)) continue;
    VARIANT depth;
    depth.vt = VT_I4;
    depth.lVal = XmlDom::kMaxDepth;
    SetProperty(doc.Get(), L"MaxElementDepth", depth);
    doc->put_async(VARIANT_FALSE);
    doc->put_validateOnParse(VARIANT_FALSE);
    doc->put_resolveExternals(VARIANT_FALSE);
    return doc;
  }
  return nullptr;
}

// The document's characters as its first bytes show them: UTF-16 in either
// byte order, or an encoding in which ASCII characters are single bytes.
class LeadingUnits {
 public:
  explicit LeadingUnits(std::string_view bytes) : bytes_(bytes) {
    const auto byte = [&](std::size_t i) { return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0x100u; };
    if (byte(0) == 0xFF && byte(1) == 0xFE) {
      width_ = 2, start_ = 2;
    } else if (byte(0) == 0xFE && byte(1) == 0xFF) {
      width_ = 2, start_ = 2, bigEndian_ = true;
    } else if (byte(0) == '<' && byte(1) == 0) {
      width_ = 2;
    } else if (byte(0) == 0 && byte(1) == '<') {
      width_ = 2, bigEndian_ = true;
    } else if (byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF) {
      start_ = 3;
    }
  }
  std::size_t size() const { return (bytes_.size() - start_) / width_; }
  unsigned operator[](std::size_t i) const {
    const std::size_t at = start_ + i * width_;
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(bytes_[k]); };
    if (width_ == 1) return b(at);
    return bigEndian_ ? (b(at) << 8 | b(at + 1)) : (b(at + 1) << 8 | b(at));
  }
  bool At(std::size_t i, std::string_view ascii) const {
    if (i + ascii.size() > size()) return false;
    for (std::size_t k = 0; k < ascii.size(); ++k) {
      if ((*this)[i + k] != static_cast<unsigned char>(ascii[k])) return false;
    }
    return true;
  }
  // The position just after the next `ascii` from `i`, or size() when none.
  std::size_t After(std::size_t i, std::string_view ascii) const {
    for (; i < size(); ++i) {
      if (At(i, ascii)) return i + ascii.size();
    }
    return size();
  }

 private:
  std::string_view bytes_;
  std::size_t width_ = 1;
  std::size_t start_ = 0;
  bool bigEndian_ = false;
};

// Whether anything before the root element is a declaration other than a
// comment, i.e. a document type declaration. Some DOM versions parse the
// declaration, entities included, whatever the ProhibitDTD property says, so
// such a document never reaches the DOM.
bool HasDocumentTypeDeclaration(std::string_view bytes) {
  const LeadingUnits units(bytes);
  std::size_t i = 0;
  while (i < units.size()) {
    const unsigned c = units[i];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      ++i;
    } else if (units.At(i, "<?")) {
      i = units.After(i + 2, "?>");
    } else if (units.At(i, "<!--")) {
      i = units.After(i + 4, "-->");
    } else {
      return units.At(i, "<!");
    }
  }
  return false;
}

bool IsNamespaceDeclaration(const std::wstring& name) {
  return name == L"xmlns" || name.starts_with(L"xmlns:");
}

// False also when the element nests deeper than writing allows: whatever is
// read must be writable again, whether or not the DOM honours its own depth
// limit. The root is at depth 1.
bool ReadElement(IXMLDOMNode* node, XmlElement& element, int depth) {
  if (depth > XmlDom::kMaxDepth) return false;
  Bstr name;
  if (FAILED(node->get_nodeName(name.out()))) return false;
  element.name = name.text();
  ComPtr<IXMLDOMNamedNodeMap> attributes;
  long count = 0;
  if (node->get_attributes(attributes.GetAddressOf()) == S_OK && attributes != nullptr) {
    attributes->get_length(&count);
  }
  for (long i = 0; i < count; ++i) {
    ComPtr<IXMLDOMNode> attribute;
    Bstr attributeName;
    Bstr value;
    if (attributes->get_item(i, attribute.GetAddressOf()) != S_OK || FAILED(attribute->get_nodeName(attributeName.out())) ||
        FAILED(attribute->get_text(value.out()))) {
      return false;
    }
    // Namespace declarations are not attributes of the element.
    if (IsNamespaceDeclaration(attributeName.text())) continue;
    element.attributes.emplace_back(attributeName.text(), value.text());
  }
  // Sibling links rather than the child list, whose items may be found by
  // counting from the start.
  ComPtr<IXMLDOMNode> child;
  node->get_firstChild(child.GetAddressOf());
  while (child != nullptr) {
    DOMNodeType type = NODE_INVALID;
    child->get_nodeType(&type);
    if (type == NODE_ELEMENT) {
      element.children.emplace_back();
      if (!ReadElement(child.Get(), element.children.back(), depth + 1)) return false;
    }
    ComPtr<IXMLDOMNode> next;
    if (child->get_nextSibling(next.GetAddressOf()) != S_OK) break;
    child = next;
  }
  return true;
}

bool WriteElement(IXMLDOMDocument2* doc, IXMLDOMNode* parent, const XmlElement& element) {
  Bstr name(element.name);
  ComPtr<IXMLDOMElement> node;
  if (FAILED(doc->createElement(name.get(), node.GetAddressOf()))) return false;
  for (const auto& [attributeName, value] : element.attributes) {
    Bstr key(attributeName);
    Variant text;
    text.get().vt = VT_BSTR;
    const std::wstring safe = xml::XmlSafeText(value);
    text.get().bstrVal = ::SysAllocStringLen(safe.data(), static_cast<UINT>(safe.size()));
    if (FAILED(node->setAttribute(key.get(), text.get()))) return false;
  }
  for (const auto& child : element.children) {
    if (!WriteElement(doc, node.Get(), child)) return false;
  }
  return SUCCEEDED(parent->appendChild(node.Get(), nullptr));
}

// Not every DOM version writes tabs and line breaks inside attribute values
// as character references; a reader would turn raw ones into blanks. The
// document holds only tags (no text nodes), so every quote inside a tag opens
// or closes a value.
std::string EscapeRawWhitespaceInValues(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size());
  char quote = 0;
  bool inTag = false;
  for (const char c : bytes) {
    if (quote != 0) {
      if (c == quote) quote = 0;
      if (c == '\t') { out += "&#9;"; continue; }
      if (c == '\n') { out += "&#10;"; continue; }
      if (c == '\r') { out += "&#13;"; continue; }
    } else if (inTag && (c == '"' || c == '\'')) {
      quote = c;
    } else if (c == '<') {
      inTag = true;
    } else if (c == '>') {
      inTag = false;
    }
    out.push_back(c);
  }
  return out;
}

}  // namespace

std::optional<XmlElement> Win32XmlDom::Parse(std::string_view fileBytes) {
  if (fileBytes.empty() || fileBytes.size() > kMaxDocumentBytes ||
      xml::StartsInFourByteEncoding(fileBytes) || HasDocumentTypeDeclaration(fileBytes)) {
    return std::nullopt;
  }
  ComPtr<IXMLDOMDocument2> doc = NewDocument();
  if (doc == nullptr) return std::nullopt;

  // The raw bytes, so that the DOM reads the encoding the document declares.
  Variant source;
  SAFEARRAY* array = ::SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(fileBytes.size()));
  if (array == nullptr) return std::nullopt;
  void* data = nullptr;
  if (FAILED(::SafeArrayAccessData(array, &data))) {
    ::SafeArrayDestroy(array);
    return std::nullopt;
  }
  std::memcpy(data, fileBytes.data(), fileBytes.size());
  ::SafeArrayUnaccessData(array);
  source.get().vt = VT_ARRAY | VT_UI1;
  source.get().parray = array;

  VARIANT_BOOL loaded = VARIANT_FALSE;
  if (doc->load(source.get(), &loaded) != S_OK || loaded != VARIANT_TRUE) return std::nullopt;
  ComPtr<IXMLDOMDocumentType> doctype;
  if (doc->get_doctype(doctype.GetAddressOf()) == S_OK && doctype != nullptr) return std::nullopt;
  ComPtr<IXMLDOMElement> root;
  if (doc->get_documentElement(root.GetAddressOf()) != S_OK || root == nullptr) return std::nullopt;
  XmlElement element;
  if (!ReadElement(root.Get(), element, 1)) return std::nullopt;
  return element;
}

std::optional<std::string> Win32XmlDom::Serialize(const XmlElement& root) {
  if (!xml::CanWrite(root)) return std::nullopt;
  ComPtr<IXMLDOMDocument2> doc = NewDocument();
  if (doc == nullptr) return std::nullopt;
  // Without a declaration the DOM would choose the encoding itself; with it
  // the document is saved as UTF-8 and says so.
  Bstr target(L"xml");
  Bstr declaration(L"version=\"1.0\" encoding=\"UTF-8\"");
  ComPtr<IXMLDOMProcessingInstruction> instruction;
  if (FAILED(doc->createProcessingInstruction(target.get(), declaration.get(), instruction.GetAddressOf())) ||
      FAILED(doc->appendChild(instruction.Get(), nullptr)) || !WriteElement(doc.Get(), doc.Get(), root)) {
    return std::nullopt;
  }

  ComPtr<IStream> stream;
  if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.GetAddressOf()))) return std::nullopt;
  Variant destination;
  destination.get().vt = VT_UNKNOWN;
  destination.get().punkVal = stream.Get();
  stream->AddRef();
  if (FAILED(doc->save(destination.get()))) return std::nullopt;

  HGLOBAL memory = nullptr;
  STATSTG stat{};
  if (FAILED(::GetHGlobalFromStream(stream.Get(), &memory)) || FAILED(stream->Stat(&stat, STATFLAG_NONAME))) {
    return std::nullopt;
  }
  std::string out;
  {
    const auto* bytes = static_cast<const char*>(::GlobalLock(memory));
    if (bytes == nullptr) return std::nullopt;
    const OwnedGlobalLock locked(memory);
    out.assign(bytes, static_cast<std::size_t>(stat.cbSize.QuadPart));
  }
  return EscapeRawWhitespaceInValues(out);
}

}  // namespace kalvora::platform::win32
