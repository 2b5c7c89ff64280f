#include "lx_core.h"

namespace lx {
namespace {

// Records each script the engine asks for. Script results never change which
// scripts run (expanded text is not parsed again), so failing every script
// finds the same ones as a real run.
class ReferenceRecorder final : public IScriptRunner {
public:
    std::vector<ScriptReference> references;

    std::optional<Text> RunScript(TextView name, const Text* input, const std::vector<Text>&) override {
        references.push_back({Text(name), input != nullptr});
        return std::nullopt;
    }
};

}  // namespace

std::vector<ScriptReference> ScriptReferences(TextView body, const ICharacterSet& characters) {
    ReferenceRecorder recorder;
    CLXCore core(characters, recorder);
    Text text(body);
    core.Expand(text);
    return std::move(recorder.references);
}

}  // namespace lx
