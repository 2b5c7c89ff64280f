#include "xml_diagnosis.h"

#include <windows.h>
#include <msxml2.h>
#include <objbase.h>
#include <shlwapi.h>
#include <wrl/client.h>

#include "com_variant.h"
#include "dom_document.h"

__CRT_UUID_DECL(ISAXXMLReader, 0xA4F96ED0, 0xF829, 0x476E, 0x81, 0xC0, 0xCD, 0xC7, 0xBD, 0x2A, 0x08, 0x02)
__CRT_UUID_DECL(ISAXErrorHandler, 0xA60511C4, 0xCCF5, 0x479E, 0x98, 0xA3, 0xDC, 0x8D, 0xC5, 0x45, 0xB7, 0xD0)

namespace lx {

namespace {

using Microsoft::WRL::ComPtr;

std::wstring Trimmed(std::wstring text) {
    while (!text.empty() && iswspace(text.back()))
        text.pop_back();
    return text;
}

constexpr CLSID kSaxReader30 = {0x3124C396, 0xFB13, 0x4836, {0xA6, 0xAD, 0x13, 0x17, 0xF1, 0x71, 0x36, 0x88}};

// Lives on the caller's stack for the one parse; reference counting is moot.
class FirstErrorHandler final : public ISAXErrorHandler {
public:
    std::optional<XmlError> first;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == __uuidof(IUnknown) || iid == __uuidof(ISAXErrorHandler)) {
            *object = static_cast<ISAXErrorHandler*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE error(ISAXLocator* locator, const wchar_t* message, HRESULT) override {
        Record(locator, message);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE fatalError(ISAXLocator* locator, const wchar_t* message, HRESULT code) override {
        Record(locator, message);
        return code;
    }
    HRESULT STDMETHODCALLTYPE ignorableWarning(ISAXLocator*, const wchar_t*, HRESULT) override { return S_OK; }

private:
    void Record(ISAXLocator* locator, const wchar_t* message) {
        if (first)
            return;
        XmlError found;
        if (locator)
            locator->getLineNumber(&found.line);
        found.reason = Trimmed(message ? message : L"");
        first = std::move(found);
    }
};

std::optional<XmlError> DomParseError(const std::wstring& path) {
    const ComPtr<IXMLDOMDocument> document = CreateDomDocument();
    if (!document)
        return std::nullopt;
    VARIANT_BOOL loaded = VARIANT_FALSE;
    ComPtr<IXMLDOMParseError> parseError;
    long line = 0;
    Bstr reason;
    if (document->load(Variant(path).get(), &loaded) == S_OK && loaded == VARIANT_TRUE)
        return std::nullopt;
    if (FAILED(document->get_parseError(&parseError)) || !parseError || FAILED(parseError->get_line(&line)) ||
        line <= 0 || FAILED(parseError->get_reason(reason.put())))
        return std::nullopt;
    return XmlError{static_cast<int>(line), Trimmed(reason.str())};
}

std::optional<XmlError> SaxParseError(const std::wstring& path) {
    ComPtr<ISAXXMLReader> reader;
    if (FAILED(::CoCreateInstance(kSaxReader30, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&reader))))
        return std::nullopt;
    ComPtr<IStream> stream;
    if (FAILED(::SHCreateStreamOnFileEx(path.c_str(), STGM_READ | STGM_SHARE_DENY_WRITE, FILE_ATTRIBUTE_NORMAL,
                                        FALSE, nullptr, &stream)))
        return std::nullopt;
    FirstErrorHandler handler;
    reader->putErrorHandler(&handler);
    Variant input;
    input.get().vt = VT_UNKNOWN;
    input.get().punkVal = stream.Get();
    stream->AddRef();
    const HRESULT hr = reader->parse(input.get());
    reader->putErrorHandler(nullptr);
    if (!handler.first && FAILED(hr))
        return XmlError{0, L"the file is not well-formed XML"};
    return handler.first;
}

}  // namespace

std::optional<XmlError> DiagnoseXmlFile(const std::wstring& path) {
    if (auto error = DomParseError(path))
        return error;
    return SaxParseError(path);
}

}  // namespace lx
