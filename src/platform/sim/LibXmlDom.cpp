#include "platform/sim/LibXmlDom.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <memory>

#include "common/WideText.h"

namespace kalvora::platform::sim {
namespace {

struct DocFree {
  void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
struct ContextFree {
  void operator()(xmlParserCtxt* context) const { xmlFreeParserCtxt(context); }
};
using DocPtr = std::unique_ptr<xmlDoc, DocFree>;

const char* Chars(const xmlChar* text) { return reinterpret_cast<const char*>(text); }
const xmlChar* XmlChars(const std::string& text) { return reinterpret_cast<const xmlChar*>(text.c_str()); }

// Called when the parser meets <!DOCTYPE ...>: nothing of the declaration's
// content, internal or external, is read after this.
void StopAtDocumentType(void* context, const xmlChar*, const xmlChar*, const xmlChar*) {
  auto* parser = static_cast<xmlParserCtxt*>(context);
  *static_cast<bool*>(parser->_private) = true;
  xmlStopParser(parser);
}

std::wstring QualifiedName(const xmlNs* ns, const xmlChar* name) {
  std::string text;
  if (ns != nullptr && ns->prefix != nullptr) text = std::string(Chars(ns->prefix)) + ":";
  text += Chars(name);
  return text::Utf8ToWide(text);
}

// nullopt when the element nests deeper than writing allows: whatever is
// read must be writable again. The root is at depth 1.
std::optional<XmlElement> ReadElement(xmlNode* node, int depth) {
  if (depth > XmlDom::kMaxDepth) return std::nullopt;
  XmlElement element;
  element.name = QualifiedName(node->ns, node->name);
  for (xmlAttr* attribute = node->properties; attribute != nullptr; attribute = attribute->next) {
    xmlChar* value = xmlNodeGetContent(reinterpret_cast<xmlNode*>(attribute));
    element.attributes.emplace_back(QualifiedName(attribute->ns, attribute->name),
                                    text::Utf8ToWide(value != nullptr ? Chars(value) : ""));
    xmlFree(value);
  }
  for (xmlNode* child = node->children; child != nullptr; child = child->next) {
    if (child->type != XML_ELEMENT_NODE) continue;
    std::optional<XmlElement> read = ReadElement(child, depth + 1);
    if (!read) return std::nullopt;
    element.children.push_back(std::move(*read));
  }
  return element;
}

void WriteElement(xmlNode* node, const XmlElement& element) {
  for (const auto& [name, value] : element.attributes) {
    xmlNewProp(node, XmlChars(text::WideToUtf8(name)), XmlChars(text::WideToUtf8(xml::XmlSafeText(value))));
  }
  for (const auto& child : element.children) {
    WriteElement(xmlNewChild(node, nullptr, XmlChars(text::WideToUtf8(child.name)), nullptr), child);
  }
}

}  // namespace

std::optional<XmlElement> LibXmlDom::Parse(std::string_view fileBytes) {
  if (fileBytes.empty() || fileBytes.size() > kMaxDocumentBytes || xml::StartsInFourByteEncoding(fileBytes)) {
    return std::nullopt;
  }
  std::unique_ptr<xmlParserCtxt, ContextFree> parser(xmlNewParserCtxt());
  if (parser == nullptr) return std::nullopt;
  bool sawDocumentType = false;
  parser->_private = &sawDocumentType;
  parser->sax->internalSubset = StopAtDocumentType;
  // No XML_PARSE_NOENT, XML_PARSE_DTDLOAD, XML_PARSE_DTDATTR or XML_PARSE_HUGE:
  // entities stay unexpanded and the parser keeps its size and depth limits.
  DocPtr doc(xmlCtxtReadMemory(parser.get(), fileBytes.data(), static_cast<int>(fileBytes.size()), nullptr,
                               nullptr, XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING));
  if (doc == nullptr || sawDocumentType || !parser->wellFormed || doc->intSubset != nullptr ||
      doc->extSubset != nullptr) {
    return std::nullopt;
  }
  xmlNode* root = xmlDocGetRootElement(doc.get());
  if (root == nullptr) return std::nullopt;
  return ReadElement(root, 1);
}

std::optional<std::string> LibXmlDom::Serialize(const XmlElement& root) {
  if (!xml::CanWrite(root)) return std::nullopt;
  DocPtr doc(xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0")));
  xmlNode* node = xmlNewDocNode(doc.get(), nullptr, XmlChars(text::WideToUtf8(root.name)), nullptr);
  xmlDocSetRootElement(doc.get(), node);
  WriteElement(node, root);
  xmlChar* bytes = nullptr;
  int size = 0;
  // Writes <?xml version="1.0" encoding="UTF-8"?> and a line break, then the
  // root element on one line; tabs and line breaks in attribute values come
  // out as character references.
  xmlDocDumpFormatMemoryEnc(doc.get(), &bytes, &size, "UTF-8", 0);
  if (bytes == nullptr) return std::nullopt;
  std::string out(Chars(bytes), static_cast<std::size_t>(size));
  xmlFree(bytes);
  return out;
}

}  // namespace kalvora::platform::sim
