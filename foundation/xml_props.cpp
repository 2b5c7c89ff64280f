#include "xml_props.h"

#include <objbase.h>

#include "dom_document.h"

// The SDK headers name this interface without binding its identifier.
__CRT_UUID_DECL(IXMLDOMElement, 0x2933BF86, 0x7B36, 0x11D2, 0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60)

namespace lx {

using Microsoft::WRL::ComPtr;

namespace {

constexpr DWORD kArchiveOnly = FILE_ATTRIBUTE_ARCHIVE;
constexpr DWORD kArchiveHidden = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN;

std::optional<std::wstring> TakeString(HRESULT hr, const Bstr& text) {
    if (FAILED(hr))
        return std::nullopt;
    return text.str();
}

}  // namespace

CXMLProps::CXMLProps() : document_(CreateDomDocument()) {}

CXMLProps::~CXMLProps() = default;

bool CXMLProps::Open(std::wstring_view path, std::wstring_view rootName) {
    if (!document_)
        return false;
    VARIANT_BOOL loaded = VARIANT_FALSE;
    const Variant source(path);
    if (document_->load(source.get(), &loaded) != S_OK || loaded != VARIANT_TRUE)
        return false;
    ComPtr<IXMLDOMNode> root;
    if (document_->selectSingleNode(Bstr(rootName).get(), &root) != S_OK || !root)
        return false;
    Push(std::move(root));
    path_ = std::wstring(path);
    return true;
}

bool CXMLProps::Create(std::optional<std::wstring_view> path, std::wstring_view rootName) {
    if (!document_)
        return false;
    ComPtr<IXMLDOMProcessingInstruction> declaration;
    ComPtr<IXMLDOMNode> appended;
    if (FAILED(document_->createProcessingInstruction(Bstr(L"xml").get(),
                                                      Bstr(L"version=\"1.0\" encoding=\"UTF-8\"").get(),
                                                      &declaration)) ||
        FAILED(document_->appendChild(declaration.Get(), &appended)))
        return false;
    ComPtr<IXMLDOMElement> root;
    ComPtr<IXMLDOMNode> rootNode;
    if (FAILED(document_->createElement(Bstr(rootName).get(), &root)) ||
        FAILED(document_->appendChild(root.Get(), &rootNode)))
        return false;
    Push(std::move(rootNode));
    path_ = path ? std::optional<std::wstring>(*path) : std::nullopt;
    return true;
}

bool CXMLProps::Save(std::optional<std::wstring_view> path) {
    if (!document_)
        return false;
    const std::optional<std::wstring> target = path ? std::optional<std::wstring>(*path) : path_;
    if (!target)
        return false;
    // A hidden or read-only file cannot be overwritten; clear both first.
    ::SetFileAttributesW(target->c_str(), kArchiveOnly);
    const HRESULT hr = document_->save(Variant(*target).get());
    ::SetFileAttributesW(target->c_str(), kArchiveHidden);
    return SUCCEEDED(hr);
}

bool CXMLProps::SelectChild(std::wstring_view query) {
    IXMLDOMNode* current = Current();
    if (!current)
        return false;
    ComPtr<IXMLDOMNode> found;
    if (current->selectSingleNode(Bstr(query).get(), &found) != S_OK || !found)
        return false;
    Push(std::move(found));
    return true;
}

bool CXMLProps::FirstChild() {
    IXMLDOMNode* current = Current();
    if (!current)
        return false;
    ComPtr<IXMLDOMNode> child;
    if (current->get_firstChild(&child) != S_OK || !child)
        return false;
    Push(std::move(child));
    return true;
}

bool CXMLProps::NextSibling() {
    IXMLDOMNode* current = Current();
    if (!current)
        return false;
    ComPtr<IXMLDOMNode> sibling;
    if (current->get_nextSibling(&sibling) != S_OK || !sibling)
        return false;
    nodes_.back() = std::move(sibling);
    return true;
}

void CXMLProps::Up() {
    if (!nodes_.empty())
        nodes_.pop_back();
}

std::optional<std::wstring> CXMLProps::GetName() const {
    IXMLDOMNode* current = Current();
    if (!current)
        return std::nullopt;
    Bstr name;
    return TakeString(current->get_nodeName(name.put()), name);
}

std::optional<std::wstring> CXMLProps::GetText() const {
    IXMLDOMNode* current = Current();
    if (!current)
        return std::nullopt;
    Bstr text;
    return TakeString(current->get_text(text.put()), text);
}

std::optional<std::wstring> CXMLProps::GetChildText(std::wstring_view name) {
    if (!SelectChild(name))
        return std::nullopt;
    std::optional<std::wstring> text = GetText();
    Up();
    return text;
}

ComPtr<IXMLDOMElement> CXMLProps::CurrentElement() const {
    ComPtr<IXMLDOMElement> element;
    if (IXMLDOMNode* current = Current())
        current->QueryInterface(IID_PPV_ARGS(&element));
    return element;
}

bool CXMLProps::GetAttribute(std::wstring_view name, Variant& value) const {
    const ComPtr<IXMLDOMElement> element = CurrentElement();
    if (!element)
        return false;
    // A missing attribute is S_FALSE, not an error.
    return element->getAttribute(Bstr(name).get(), value.put()) == S_OK && value.get().vt != VT_NULL;
}

std::uint32_t CXMLProps::GetIntAttribute(std::wstring_view name, std::uint32_t defaultValue) const {
    Variant raw;
    if (!GetAttribute(name, raw))
        return defaultValue;
    Variant number;
    if (FAILED(::VariantChangeType(number.put(), &raw.get(), 0, VT_UINT)))
        return defaultValue;
    return number.get().uintVal;
}

std::optional<std::wstring> CXMLProps::GetStringAttribute(std::wstring_view name,
                                                          std::optional<std::wstring_view> defaultValue) const {
    const auto fallback = [&] { return defaultValue ? std::optional<std::wstring>(*defaultValue) : std::nullopt; };
    Variant raw;
    if (!GetAttribute(name, raw))
        return fallback();
    Variant text;
    if (FAILED(::VariantChangeType(text.put(), &raw.get(), 0, VT_BSTR)))
        return fallback();
    const BSTR value = text.get().bstrVal;
    return value ? std::wstring(value, ::SysStringLen(value)) : std::wstring();
}

bool CXMLProps::AppendChild(std::wstring_view name, std::optional<std::wstring_view> text) {
    IXMLDOMNode* current = Current();
    if (!current || !document_)
        return false;
    ComPtr<IXMLDOMElement> element;
    ComPtr<IXMLDOMNode> appended;
    if (FAILED(document_->createElement(Bstr(name).get(), &element)) ||
        FAILED(current->appendChild(element.Get(), &appended)))
        return false;
    Push(appended);
    if (text && FAILED(appended->put_text(Bstr(*text).get())))
        return false;
    return true;
}

bool CXMLProps::SetAttribute(std::wstring_view name, const Variant& value) {
    const ComPtr<IXMLDOMElement> element = CurrentElement();
    return element && SUCCEEDED(element->setAttribute(Bstr(name).get(), value.get()));
}

bool CXMLProps::SetStringAttribute(std::wstring_view name, std::wstring_view text) {
    return SetAttribute(name, Variant(text));
}

bool CXMLProps::SetIntAttribute(std::wstring_view name, std::int32_t number) {
    return SetAttribute(name, Variant(static_cast<LONG>(number)));
}

}  // namespace lx
