#pragma once
// Plays the loader's event sounds through the platform's media control
// string commands, one sound at a time.
#include <windows.h>

#include <functional>
#include <string>

#include "vn_wnd.h"

namespace lx {

class CMCIPlayer : public CVnWnd {
public:
    // Sends one command string, with the window to notify (or null); returns
    // the platform's error code, 0 on success.
    using CommandSender = std::function<DWORD(const std::wstring& command, HWND notify)>;

    explicit CMCIPlayer(HINSTANCE instance, CommandSender sender = SendMciCommand);
    ~CMCIPlayer() override = default;

    // Stops whatever plays and starts `path`; false when the device refuses
    // the file or the play command.
    [[nodiscard]] bool Play(const wchar_t* path);
    void CloseDevice();
    bool IsPlaying() const { return playing_; }

    static DWORD SendMciCommand(const std::wstring& command, HWND notify);

protected:
    LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void OnPlayComplete() {}

private:
    std::wstring Alias() const { return L"media" + std::to_wstring(deviceNumber_); }

    CommandSender sender_;
    int deviceNumber_ = 0;
    bool playing_ = false;
};

}  // namespace lx
