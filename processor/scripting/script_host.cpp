#include "script_host.h"

#include <oleauto.h>

#include <fstream>
#include <iterator>

#include "com_variant.h"
#include "data_locations.h"
#include "utf8.h"
#include "xml_props.h"

namespace lx {

using Microsoft::WRL::ComPtr;

namespace {

constexpr LCID kSystemDefaultLocale = 2048;
constexpr DWORD kAnyClassContext =
    CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;

std::optional<std::wstring> ReadUtf8File(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    if (!file)
        return std::nullopt;
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return FromUtf8(bytes);
}

// Errors reach the site's OnScriptError; no exception details are asked for.
HRESULT ParseText(IActiveScriptParse64& parser, const std::wstring& text) {
    return parser.ParseScriptText(text.c_str(), nullptr, nullptr, nullptr, 0, 0, SCRIPTTEXT_ISVISIBLE, nullptr,
                                  nullptr);
}

}  // namespace

CScriptHost::~CScriptHost() {
    if (engine_)
        engine_->Close();
}

void CScriptHost::Unload() {
    engine_.Reset();
    functionName_.reset();
}

HRESULT CScriptHost::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (iid == __uuidof(IActiveScriptSite)) {
        *object = static_cast<IActiveScriptSite*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT CScriptHost::OnScriptError(IActiveScriptError* error) {
    if (!error)
        return S_OK;
    ScriptError details;
    DWORD context = 0;
    ULONG line = 0;
    LONG column = 0;
    if (SUCCEEDED(error->GetSourcePosition(&context, &line, &column)))
        details.line = line + 1;
    EXCEPINFO exception{};
    if (SUCCEEDED(error->GetExceptionInfo(&exception))) {
        const Bstr source = Bstr::Adopt(exception.bstrSource), description = Bstr::Adopt(exception.bstrDescription),
                   help = Bstr::Adopt(exception.bstrHelpFile);
        details.message = description.str();
    }
    lastError_ = std::move(details);
    return S_OK;
}

bool CScriptHost::Load(const std::wstring& scriptPath) {
    Unload();
    lastError_.reset();
    CXMLProps props;
    if (!props.Open(scriptPath, L"lxscript"))
        return false;
    functionName_ = props.GetStringAttribute(L"function", std::nullopt);
    const std::optional<std::wstring> language = props.GetStringAttribute(L"language", L"JavaScript");
    const std::optional<std::wstring> scriptText = props.GetChildText(L"script");
    if (!functionName_ || !scriptText || !language)
        return false;

    CLSID engineClass{};
    if (FAILED(::CLSIDFromProgID(language->c_str(), &engineClass)))
        return false;
    ComPtr<IActiveScript> engine;
    if (FAILED(::CoCreateInstance(engineClass, nullptr, kAnyClassContext, IID_PPV_ARGS(&engine))))
        return false;
    ComPtr<IActiveScriptParse64> parser;
    if (FAILED(engine->SetScriptSite(this)) || FAILED(engine.As(&parser)) || FAILED(parser->InitNew()))
        return false;

    const std::wstring folder = FolderOf(scriptPath);
    if (props.FirstChild()) {
        do {
            if (props.GetName() != L"include")
                continue;
            const std::optional<std::wstring> file = props.GetStringAttribute(L"file", std::nullopt);
            if (!file)
                continue;
            const std::optional<std::wstring> source = ReadUtf8File(BoundedPath(folder + L"\\" + *file));
            // Missing, empty or broken includes are skipped; the script may not need them.
            if (source && !source->empty())
                (void)ParseText(*parser.Get(), *source);
        } while (props.NextSibling());
        props.Up();
    }

    if (FAILED(ParseText(*parser.Get(), *scriptText)) || FAILED(engine->SetScriptState(SCRIPTSTATE_CONNECTED)))
        return false;
    engine_ = std::move(engine);
    return true;
}

bool CScriptHost::Call(std::wstring& text, const std::vector<std::wstring>& arguments, bool passText) {
    if (!engine_ || !functionName_)
        return false;
    ComPtr<IDispatch> global;
    if (FAILED(engine_->GetScriptDispatch(nullptr, &global)) || !global)
        return false;
    DISPID function = DISPID_UNKNOWN;
    LPOLESTR name = functionName_->data();
    if (FAILED(global->GetIDsOfNames(IID_NULL, &name, 1, kSystemDefaultLocale, &function)))
        return false;

    // Automation passes arguments last first.
    std::vector<Variant> values;
    values.reserve(arguments.size() + 1);
    for (auto argument = arguments.rbegin(); argument != arguments.rend(); ++argument)
        values.emplace_back(*argument);
    if (passText)
        values.emplace_back(text);
    std::vector<VARIANT> raw;
    raw.reserve(values.size());
    for (Variant& value : values)
        raw.push_back(value.get());
    DISPPARAMS parameters{raw.data(), nullptr, static_cast<UINT>(raw.size()), 0};

    Variant result;
    if (FAILED(global->Invoke(function, IID_NULL, kSystemDefaultLocale, DISPATCH_METHOD, &parameters, result.put(),
                              nullptr, nullptr)))
        return false;

    // A result without a text form (null, undefined, an object) gives the
    // empty text.
    Variant converted;
    const VARIANT* textResult = &result.get();
    if (textResult->vt != VT_BSTR) {
        if (FAILED(::VariantChangeType(converted.put(), &result.get(), 0, VT_BSTR)))
            converted.put()->vt = VT_EMPTY;
        textResult = &converted.get();
    }
    std::wstring resultText;
    if (textResult->vt == VT_BSTR && textResult->bstrVal)
        resultText.assign(textResult->bstrVal, ::SysStringLen(textResult->bstrVal));
    text = resultText.substr(0, resultText.find(L'\0'));
    return true;
}

}  // namespace lx
