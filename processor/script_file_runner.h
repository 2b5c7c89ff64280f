#pragma once
// Runs the templates' script items from the .lxscript files of a folder, one
// fresh engine per item.
#include <string>

#include "lx_core.h"

namespace lx {

class ScriptFileRunner final : public IScriptRunner {
public:
    explicit ScriptFileRunner(std::wstring scriptsFolder) : scriptsFolder_(std::move(scriptsFolder)) {}

    std::optional<Text> RunScript(TextView name, const Text* input, const std::vector<Text>& arguments) override;

    std::wstring ScriptPath(TextView name) const;

private:
    std::wstring scriptsFolder_;
};

}  // namespace lx
