#include "dom_document.h"

#include <objbase.h>

#include "com_variant.h"

__CRT_UUID_DECL(IXMLDOMDocument2, 0x2933BF95, 0x7B36, 0x11D2, 0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60)

namespace lx {

using Microsoft::WRL::ComPtr;

namespace {

// The free-threaded DOM document and its document interface.
constexpr CLSID kFreeThreadedDomDocument = {0x2933BF91, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
constexpr IID kDomDocumentInterface = {0x2933BF81, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

HRESULT Instantiate(ComPtr<IXMLDOMDocument>& document) {
    return ::CoCreateInstance(kFreeThreadedDomDocument, nullptr, CLSCTX_INPROC_SERVER, kDomDocumentInterface,
                              reinterpret_cast<void**>(document.ReleaseAndGetAddressOf()));
}

}  // namespace

ComPtr<IXMLDOMDocument> CreateDomDocument() {
    ComPtr<IXMLDOMDocument> document;
    if (FAILED(Instantiate(document))) {
        // The caller may not have initialised COM on this thread.
        ::CoInitialize(nullptr);
        if (FAILED(Instantiate(document)))
            return nullptr;
    }
    document->put_async(VARIANT_FALSE);
    document->put_resolveExternals(VARIANT_FALSE);
    document->put_validateOnParse(VARIANT_FALSE);
    // Data files have no use for a DTD; refusing them keeps entity expansion
    // and anything a DTD could fetch out of reach of a crafted file. Where the
    // DOM ignores the property, its parser's own entity limits still apply.
    ComPtr<IXMLDOMDocument2> document2;
    if (SUCCEEDED(document.As(&document2)))
        document2->setProperty(Bstr(L"ProhibitDTD").get(), Variant::Boolean(true).get());
    return document;
}

}  // namespace lx
