#pragma once
// Runs the function of one script file in a fresh Active Scripting engine.
#include <windows.h>
#include <activscp.h>
#include <wrl/client.h>

#include <optional>
#include <string>
#include <vector>

namespace lx {

struct ScriptError {
    unsigned long line = 0;  // one-based; 0 when the engine gave none
    std::wstring message;
};

class CScriptHost final : public IActiveScriptSite {
public:
    CScriptHost() = default;
    ~CScriptHost();
    CScriptHost(const CScriptHost&) = delete;
    CScriptHost& operator=(const CScriptHost&) = delete;

    [[nodiscard]] bool Load(const std::wstring& scriptPath);
    // On success `text` becomes the function's result; on failure it is left
    // as it was. `passText` puts `text` before `arguments`.
    [[nodiscard]] bool Call(std::wstring& text, const std::vector<std::wstring>& arguments, bool passText);

    // The engine's last reported error, for diagnostics; never shown by the
    // processor.
    const std::optional<ScriptError>& LastError() const { return lastError_; }

    // IActiveScriptSite. The host is owned by the code running the script,
    // not by the engine, so reference counting does nothing.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 0; }
    ULONG STDMETHODCALLTYPE Release() override { return 0; }
    HRESULT STDMETHODCALLTYPE GetLCID(LCID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetItemInfo(LPCOLESTR, DWORD, IUnknown**, ITypeInfo**) override {
        return TYPE_E_ELEMENTNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE GetDocVersionString(BSTR*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnScriptTerminate(const VARIANT*, const EXCEPINFO*) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnStateChange(SCRIPTSTATE) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnScriptError(IActiveScriptError* error) override;
    HRESULT STDMETHODCALLTYPE OnEnterScript() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnLeaveScript() override { return S_OK; }

private:
    void Unload();

    Microsoft::WRL::ComPtr<IActiveScript> engine_;
    std::optional<std::wstring> functionName_;
    std::optional<ScriptError> lastError_;
};

}  // namespace lx
