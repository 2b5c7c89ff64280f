#include "import_run.h"

#include <gtest/gtest.h>

#include "data_locations.h"
#include "import_fixture.h"
#include "import_package.h"
#include "signals.h"
#include "unique_handle.h"
#include "xui_engine.h"

namespace lx {
namespace {

using test::Deflated;
using test::ImportFixture;
using test::WriteUtf8File;

struct Message {
    std::wstring text;
    std::wstring caption;
    UINT icon;
};

class RecordingUi : public ImportUi {
public:
    void ShowMessage(const std::wstring& text, const std::wstring& caption, UINT icon) override {
        messages.push_back({text, caption, icon});
    }
    bool ConfirmImport(const CImportPackage& package, const std::wstring& packagePath, const std::wstring&) override {
        summaries.push_back(ImportSummary(package, packagePath));
        return accept;
    }
    bool accept = true;
    std::vector<Message> messages;
    std::vector<std::wstring> summaries;
};

constexpr char kAccelerators[] = R"(<accelerators>
  <accelerator id="a" name="A">a</accelerator>
  <group id="g" name="G"><accelerator id="1">1</accelerator><accelerator id="2">2</accelerator></group>
</accelerators>)";

class ImportRun : public ImportFixture {
protected:
    void Run(const std::wstring& arguments) {
        RunImport(arguments, {engine, ui, [this](const wchar_t* name) { signals.push_back(name); }, program.path()});
    }
    std::wstring Package() {
        return WritePackage({Deflated("accelerators.xml", kAccelerators),
                             Deflated("scripts/upper.lxscript", "<lxscript/>"),
                             Deflated("scripts/lib/util.js", "x")},
                            L"my package.lxpack");
    }
    static std::vector<std::wstring> ImportSignals() {
        return {EVT_RELOAD_ACCELERATORS, EVT_REGISTER_HOTKEYS, EVT_ACCELERATORS_IMPORTED};
    }
    CXUIEngine engine{nullptr};
    RecordingUi ui;
    std::vector<std::wstring> signals;
};

TEST_F(ImportRun, ReportsUsageAndOpenFailuresWithThePathAndChangesNothing) {
    WriteUtf8File(packages / L"text.lxpack", "not an archive");
    const std::wstring empty = WritePackage({}, L"empty.lxpack");
    struct Case { std::wstring arguments; std::wstring text; UINT icon; } cases[] = {
        {L"", L"Use import.exe <filename> to import the Lexorant package.", MB_ICONINFORMATION},
        {L"/S", L"The file is not exists:\r\n", MB_ICONERROR},
        {L"/S \"" + (packages / L"missing file.lxpack") + L"\"", L"The file is not exists:\r\n" + (packages / L"missing file.lxpack"),
         MB_ICONERROR},
        {packages / L"text.lxpack", L"The file format is invalid:\r\n" + (packages / L"text.lxpack"), MB_ICONERROR},
        {L"/s " + empty, L"Impossible to unzip the package:\r\n" + empty, MB_ICONERROR},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        Run(c.arguments);
        ASSERT_EQ(ui.messages.size(), 1u) << c.arguments;
        EXPECT_EQ(ui.messages[0].text, c.text);
        EXPECT_EQ(ui.messages[0].caption, L"Lexorant");
        EXPECT_EQ(ui.messages[0].icon, c.icon);
    }
    EXPECT_TRUE(ui.summaries.empty());
    EXPECT_TRUE(signals.empty());
    EXPECT_FALSE(PathExists(AcceleratorFile()));
    EXPECT_TRUE(ExtractionFoldersLeft().empty());
}

TEST_F(ImportRun, MessagesComeFromTheStringTable) {
    engine.AddString(L"appname", std::nullopt, L"Lexorant Portable");
    engine.AddString(L"XUI_STR_IMPORT_NOTFILE", std::nullopt, L"Datei fehlt:");
    Run(L"/S missing.lxpack");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, L"Datei fehlt:\r\nmissing.lxpack");
    EXPECT_EQ(ui.messages[0].caption, L"Lexorant Portable");
}

TEST_F(ImportRun, SilentRunMergesWithoutAskingAndSignalsInOrder) {
    Run(L"/S \"" + Package() + L"\"");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(ui.summaries.empty());
    EXPECT_EQ(signals, ImportSignals());
    EXPECT_TRUE(PathExists(AcceleratorFile()));
    EXPECT_TRUE(PathExists(ScriptsFolder() + L"upper.lxscript"));
    EXPECT_TRUE(PathExists(ScriptsFolder() + L"lib\\util.js"));
    EXPECT_TRUE(ExtractionFoldersLeft().empty());
}

TEST_F(ImportRun, PathsAndNamesOutsideAnyCodePageSurvive) {
    constexpr std::uint16_t kUtf8Names = 0x0800;
    const std::wstring path = WritePackage({Deflated("accelerators.xml", kAccelerators),
                                            Deflated("scripts/\xc3\xa9t\xc3\xa9.lxscript", "<lxscript/>").Flags(kUtf8Names),
                                            Deflated("scripts/\xe5\x90\x8d/na\xc3\xafve.js", "x").Flags(kUtf8Names)},
                                           L"\u043f\u0430\u043a\u0435\u0442 \u540d.lxpack");
    Run(L"/S \"" + path + L"\"");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(signals, ImportSignals());
    EXPECT_TRUE(PathExists(AcceleratorFile()));
    EXPECT_TRUE(PathExists(ScriptsFolder() + L"\u00e9t\u00e9.lxscript"));
    EXPECT_TRUE(PathExists(ScriptsFolder() + L"\u540d\\na\u00efve.js"));
}

TEST_F(ImportRun, ConfirmedRunShowsWhatWillBeInstalledThenMerges) {
    WriteUtf8File(ScriptsFolderFor(program.path()) + L"upper.lxscript", "<lxscript/>");
    const std::wstring path = Package();
    Run(L"\"" + path + L"\"");
    ASSERT_EQ(ui.summaries.size(), 1u);
    const std::wstring& summary = ui.summaries[0];
    EXPECT_NE(summary.find(path), std::wstring::npos) << summary;
    EXPECT_NE(summary.find(L"Accelerators: 3\r\nGroups: 1\r\n"), std::wstring::npos) << summary;
    EXPECT_NE(summary.find(L"Modifiers: 0 (1 already installed, kept)"), std::wstring::npos) << summary;
    EXPECT_NE(summary.find(L"Files: 1\r\n"), std::wstring::npos) << summary;
    EXPECT_EQ(signals, ImportSignals());
    EXPECT_TRUE(PathExists(AcceleratorFile()));
}

TEST_F(ImportRun, CancelledRunLeavesTheDataAloneAndSignalsNothing) {
    ui.accept = false;
    Run(L"\"" + Package() + L"\"");
    EXPECT_EQ(ui.summaries.size(), 1u);
    EXPECT_TRUE(signals.empty());
    EXPECT_FALSE(PathExists(AcceleratorFile()));
    EXPECT_FALSE(PathExists(ScriptsFolder() + L"lib"));
    EXPECT_TRUE(ExtractionFoldersLeft().empty());
}


TEST_F(ImportRun, UnwritableAcceleratorFileIsReportedAndNothingIsInstalled) {
    ASSERT_TRUE(::CreateDirectoryW(AcceleratorFile().c_str(), nullptr));
    Run(L"/S \"" + Package() + L"\"");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, L"The accelerators could not be saved:\r\n" + AcceleratorFile());
    EXPECT_EQ(ui.messages[0].icon, static_cast<UINT>(MB_ICONERROR));
    EXPECT_TRUE(signals.empty());
    EXPECT_FALSE(PathExists(ScriptsFolder() + L"upper.lxscript"));
    EXPECT_TRUE(ExtractionFoldersLeft().empty());
}
// The real named events, held here as the loader would hold them.
class ImportEvents : public ImportRun {
protected:
    void SetUp() override {
        ImportRun::SetUp();
        for (const std::wstring& name : ImportSignals())
            events.emplace_back(::CreateEventW(nullptr, FALSE, FALSE, name.c_str()));
    }
    void RunSignalling(const std::wstring& arguments) {
        RunImport(arguments, {engine, ui, SignalEvent, program.path()});
    }
    std::vector<bool> Signalled() const {
        std::vector<bool> signalled;
        for (const UniqueHandle& event : events)
            signalled.push_back(::WaitForSingleObject(event.get(), 0) == WAIT_OBJECT_0);
        return signalled;
    }
    std::vector<UniqueHandle> events;
};

TEST_F(ImportEvents, AMergeSetsAllThreeAndAFailedOpenNone) {
    RunSignalling(L"/S missing.lxpack");
    EXPECT_EQ(Signalled(), (std::vector<bool>{false, false, false}));
    RunSignalling(L"/S \"" + Package() + L"\"");
    EXPECT_EQ(Signalled(), (std::vector<bool>{true, true, true}));
}

}  // namespace
}  // namespace lx
