#pragma once
// An XML document over the platform DOM with a cursor: a stack of nodes whose
// top is the current node. Every program reads and writes its files through it.
#include <windows.h>
#include <msxml2.h>
#include <wrl/client.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "com_variant.h"

namespace lx {

class CXMLProps {
public:
    CXMLProps();
    virtual ~CXMLProps();
    CXMLProps(const CXMLProps&) = delete;
    CXMLProps& operator=(const CXMLProps&) = delete;

    // Loads the file and makes its root the current node; false when the file
    // is missing, malformed or its root element is not `rootName`.
    [[nodiscard]] bool Open(std::wstring_view path, std::wstring_view rootName);
    [[nodiscard]] bool Create(std::optional<std::wstring_view> path, std::wstring_view rootName);
    // Saves to `path`, or to the path given to Open/Create. The file is left
    // hidden, as every file this class writes.
    [[nodiscard]] bool Save(std::optional<std::wstring_view> path = std::nullopt);

    [[nodiscard]] bool SelectChild(std::wstring_view query);
    [[nodiscard]] bool FirstChild();
    [[nodiscard]] bool NextSibling();
    void Up();

    std::optional<std::wstring> GetName() const;
    std::optional<std::wstring> GetText() const;
    std::optional<std::wstring> GetChildText(std::wstring_view name);
    [[nodiscard]] bool GetAttribute(std::wstring_view name, Variant& value) const;
    std::uint32_t GetIntAttribute(std::wstring_view name, std::uint32_t defaultValue) const;
    std::optional<std::wstring> GetStringAttribute(std::wstring_view name,
                                                   std::optional<std::wstring_view> defaultValue) const;

    [[nodiscard]] bool AppendChild(std::wstring_view name, std::optional<std::wstring_view> text);
    [[nodiscard]] bool SetAttribute(std::wstring_view name, const Variant& value);
    [[nodiscard]] bool SetStringAttribute(std::wstring_view name, std::wstring_view text);
    [[nodiscard]] bool SetIntAttribute(std::wstring_view name, std::int32_t number);

    int Depth() const { return static_cast<int>(nodes_.size()); }

private:
    IXMLDOMNode* Current() const { return nodes_.empty() ? nullptr : nodes_.back().Get(); }
    Microsoft::WRL::ComPtr<IXMLDOMElement> CurrentElement() const;
    void Push(Microsoft::WRL::ComPtr<IXMLDOMNode> node) { nodes_.push_back(std::move(node)); }

    Microsoft::WRL::ComPtr<IXMLDOMDocument> document_;
    std::vector<Microsoft::WRL::ComPtr<IXMLDOMNode>> nodes_;
    std::optional<std::wstring> path_;
};

}  // namespace lx
