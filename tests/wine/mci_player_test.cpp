#include "mci_player.h"

#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "test_files.h"

namespace lx {
namespace {

struct SentCommand {
    std::wstring text;
    bool notifies;
};

class CountingPlayer : public CMCIPlayer {
public:
    using CMCIPlayer::CMCIPlayer;
    int completions = 0;

protected:
    void OnPlayComplete() override { ++completions; }
};

TEST(MciPlayer, CommandsCloseThenOpenQuotedThenPlayWithNotify) {
    std::vector<SentCommand> sent;
    DWORD openResult = 0;
    CountingPlayer player(::GetModuleHandleW(nullptr), [&](const std::wstring& command, HWND notify) -> DWORD {
        sent.push_back({command, notify != nullptr});
        return command.starts_with(L"open") ? openResult : 0;
    });
    ASSERT_NE(player.Handle(), nullptr);
    EXPECT_FALSE(player.Play(nullptr));
    EXPECT_TRUE(sent.empty());

    ASSERT_TRUE(player.Play(L"C:\\My Sounds\\ding.wav"));
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[0].text, L"close media0");
    EXPECT_EQ(sent[1].text, L"open \"C:\\My Sounds\\ding.wav\" type mpegvideo alias media0");
    EXPECT_EQ(sent[2].text, L"play media0 notify");
    EXPECT_TRUE(sent[2].notifies);
    EXPECT_TRUE(player.IsPlaying());

    ::SendMessageW(player.Handle(), MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL, 0);
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(player.completions, 1);

    openResult = 275;  // the file cannot be found
    sent.clear();
    EXPECT_FALSE(player.Play(L"C:\\missing.wav"));
    ASSERT_EQ(sent.size(), 2u) << "no play after a failed open";
    EXPECT_FALSE(player.IsPlaying());
}

std::string SilentWav(std::uint32_t samples) {
    auto put32 = [](std::string& out, std::uint32_t v) { for (int i = 0; i < 4; ++i) out += static_cast<char>(v >> (8 * i)); };
    auto put16 = [](std::string& out, std::uint16_t v) { out += static_cast<char>(v); out += static_cast<char>(v >> 8); };
    std::string wav = "RIFF";
    put32(wav, 36 + samples * 2);
    wav += "WAVEfmt ";
    put32(wav, 16);
    put16(wav, 1);          // PCM
    put16(wav, 1);          // mono
    put32(wav, 8000);       // samples per second
    put32(wav, 16000);      // bytes per second
    put16(wav, 2);          // block align
    put16(wav, 16);         // bits per sample
    wav += "data";
    put32(wav, samples * 2);
    wav.append(samples * 2, '\0');
    return wav;
}

// The harness routes audio to ALSA's null device, so a real file plays and
// reports its end.
TEST(MciPlayer, PlaysARealFileAndReportsItsEnd) {
    test::TempFolder folder;
    const std::wstring path = folder / L"short sound.wav";
    test::WriteUtf8File(path, SilentWav(800));
    CountingPlayer player(::GetModuleHandleW(nullptr));
    ASSERT_TRUE(player.Play(path.c_str()));
    const ULONGLONG deadline = ::GetTickCount64() + 10000;
    MSG message;
    while (player.IsPlaying() && ::GetTickCount64() < deadline) {
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&message);
        ::Sleep(10);
    }
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(player.completions, 1);
    // Again from the start: the open device is closed first.
    EXPECT_TRUE(player.Play(path.c_str()));
    player.CloseDevice();
}

}  // namespace
}  // namespace lx
