#include "mci_player.h"

#include <mmsystem.h>

namespace lx {

CMCIPlayer::CMCIPlayer(HINSTANCE instance, CommandSender sender) : sender_(std::move(sender)) {
    // The window exists from construction on: it receives the end-of-play
    // notification.
    (void)Create(instance, nullptr, 0, 0, 0);
}

DWORD CMCIPlayer::SendMciCommand(const std::wstring& command, HWND notify) {
    return ::mciSendStringW(command.c_str(), nullptr, 0, notify);
}

bool CMCIPlayer::Play(const wchar_t* path) {
    if (!path)
        return false;
    CloseDevice();
    // The command is built without a fixed buffer, so long paths are not cut.
    if (sender_(L"open \"" + std::wstring(path) + L"\" type mpegvideo alias " + Alias(), nullptr) != 0)
        return false;
    if (sender_(L"play " + Alias() + L" notify", Handle()) != 0)
        return false;
    playing_ = true;
    return true;
}

void CMCIPlayer::CloseDevice() { (void)sender_(L"close " + Alias(), nullptr); }

LRESULT CMCIPlayer::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == MM_MCINOTIFY) {
        playing_ = false;
        OnPlayComplete();
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace lx
