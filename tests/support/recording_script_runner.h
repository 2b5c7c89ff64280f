#pragma once
// A script runner for tests: records every call and answers through a
// configurable function (no script by default).
#include "lx_core.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <vector>

namespace lx::test {

struct ScriptCall {
    Text name;
    std::optional<Text> input;  // empty for a source
    std::vector<Text> arguments;
    bool operator==(const ScriptCall&) const = default;
};

inline void PrintTo(const ScriptCall& call, std::ostream* out) {
    *out << testing::PrintToString(call.name) << " input " << testing::PrintToString(call.input) << " arguments "
         << testing::PrintToString(call.arguments);
}

class RecordingScriptRunner final : public IScriptRunner {
public:
    using Respond = std::function<std::optional<Text>(const ScriptCall&)>;

    explicit RecordingScriptRunner(Respond respond = {}) : respond_(std::move(respond)) {}

    std::optional<Text> RunScript(TextView name, const Text* input, const std::vector<Text>& arguments) override {
        ScriptCall call{Text(name), input ? std::optional<Text>(*input) : std::nullopt, arguments};
        calls.push_back(call);
        return respond_ ? respond_(call) : std::nullopt;
    }

    std::vector<ScriptCall> calls;

private:
    Respond respond_;
};

}  // namespace lx::test
