// import.exe as the loader runs it: silent, from a portable folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "data_locations.h"
#include "import_fixture.h"
#include "named_mutex_lock.h"
#include "signals.h"
#include "xml_props.h"

namespace lx {
namespace {

using test::Deflated;
using test::ImportFixture;
using test::ReadBytes;
using test::RunProcess;
using test::WriteUtf8File;

constexpr char kAccelerators[] = R"(<accelerators>
  <accelerator id="a" name="Upper" hotkey="66113">{{sel:upper}}</accelerator>
  <group id="g" name="G" hotkey="578"><accelerator id="1" hotkey="65">1</accelerator></group>
</accelerators>)";

int CountTopLevelEntries(const std::wstring& path) {
    CXMLProps props;
    int count = 0;
    if (props.Open(path, L"accelerators") && props.FirstChild())
        do
            ++count;
        while (props.NextSibling());
    return count;
}

class ImportProgram : public ImportFixture {
protected:
    void SetUp() override {
        ImportFixture::SetUp();
        ASSERT_TRUE(::CopyFileW((test::TestProgramFolder() + L"import.exe").c_str(), (program / L"import.exe").c_str(), FALSE));
        package = WritePackage({Deflated("accelerators.xml", kAccelerators),
                                Deflated("scripts/upper.lxscript", "<lxscript function=\"f\"/>"),
                                Deflated("scripts/lib/util.js", "util")},
                               L"with space.lxpack");
    }
    test::ProcessResult RunSilent() { return RunProcess(L"\"" + (program / L"import.exe") + L"\" /S \"" + package + L"\""); }
    std::wstring package;
};

TEST_F(ImportProgram, SilentRunInstallsIntoThePortableFolder) {
    const test::ProcessResult result = RunSilent();
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(CountTopLevelEntries(AcceleratorFile()), 2);
    EXPECT_NE(ReadBytes(AcceleratorFile()).find("hotkey=\"577\""), std::string::npos);
    EXPECT_TRUE(PathExists(ScriptsFolder() + L"upper.lxscript"));
    EXPECT_EQ(ReadBytes(ScriptsFolder() + L"lib\\util.js"), "util");
    EXPECT_TRUE(ExtractionFoldersLeft().empty());
}

// The confirmation the program shows until the dialog exists: its text, and
// Cancel or OK pressed on it.
class ImportProgramConfirmation : public ImportProgram {
protected:
    // Runs the program without /S, answers its box with `command` and returns
    // the box's text.
    std::wstring RunAnswering(int command) {
        std::wstring text;
        test::ProcessResult result;
        result.exitCode = 99;
        std::thread run([&] {
            try {
                result = RunProcess(L"\"" + (program / L"import.exe") + L"\" \"" + package + L"\"");
            } catch (const std::exception&) {
            }
        });
        HWND box = nullptr;
        for (int attempt = 0; attempt < 200 && !box; ++attempt) {
            ::Sleep(50);
            box = ::FindWindowW(L"#32770", L"Lexorant");
        }
        if (box) {
            wchar_t buffer[1024] = L"";
            ::GetDlgItemTextW(box, 0xFFFF, buffer, static_cast<int>(std::size(buffer)));
            text = buffer;
            ::PostMessageW(box, WM_COMMAND, command, 0);
        }
        run.join();
        EXPECT_EQ(result.exitCode, 0u);
        return text;
    }
};

TEST_F(ImportProgramConfirmation, CancelLeavesTheDataAloneAndOkImports) {
    const std::wstring question = RunAnswering(IDCANCEL);
    EXPECT_NE(question.find(L"Accelerators: 2\r\nGroups: 1\r\nModifiers: 1\r\nFiles: 1"), std::wstring::npos)
        << testing::PrintToString(question);
    EXPECT_FALSE(PathExists(AcceleratorFile()));
    EXPECT_FALSE(PathExists(ScriptsFolder() + L"upper.lxscript"));

    EXPECT_FALSE(RunAnswering(IDOK).empty());
    EXPECT_EQ(CountTopLevelEntries(AcceleratorFile()), 2);
    EXPECT_TRUE(PathExists(ScriptsFolder() + L"upper.lxscript"));
    EXPECT_TRUE(ExtractionFoldersLeft().empty());
}

TEST_F(ImportProgram, RunsAtTheSameTimeKeepEveryonesEntries) {
    constexpr int kRuns = 4;
    std::vector<std::thread> runs;
    std::vector<unsigned long> exitCodes(kRuns, 99);
    for (int i = 0; i < kRuns; ++i)
        runs.emplace_back([&, i] {
            try {
                exitCodes[i] = RunSilent().exitCode;
            } catch (const std::exception&) {
            }
        });
    for (std::thread& run : runs)
        run.join();
    EXPECT_EQ(exitCodes, std::vector<unsigned long>(kRuns, 0));
    EXPECT_EQ(CountTopLevelEntries(AcceleratorFile()), 2 * kRuns);
    EXPECT_TRUE(ExtractionFoldersLeft().empty());
}

TEST_F(ImportProgram, WaitsWhileAnotherHoldsTheAcceleratorFile) {
    auto lock = std::make_unique<NamedMutexLock>(MUTEX_ACCELERATOR_FILE);
    ASSERT_TRUE(lock->owned());
    test::ProcessResult result;
    result.exitCode = 99;
    std::thread run([&] {
        try {
            result = RunSilent();
        } catch (const std::exception&) {
        }
    });
    ::Sleep(2000);
    EXPECT_FALSE(PathExists(AcceleratorFile())) << "the import wrote while the lock was held";
    lock.reset();
    run.join();
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_EQ(CountTopLevelEntries(AcceleratorFile()), 2);
}

}  // namespace
}  // namespace lx
