// Feeds arbitrary bytes to the template engine as UTF-16 (little-endian code
// units): body, then selection and clipboard after the first two U+0000.
#include "basic_character_set.h"
#include "lx_core.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace {

using lx::Text;
using lx::TextView;

std::uint32_t Mix(std::uint32_t hash, TextView text) {
    for (char16_t c : text)
        hash = (hash ^ c) * 16777619u;
    return hash;
}

// Deterministic answers of every kind: none, empty, a short text, or the
// input or first argument back.
class FakeRunner final : public lx::IScriptRunner {
public:
    std::vector<lx::ScriptReference> calls;

    std::optional<Text> RunScript(TextView name, const Text* input, const std::vector<Text>& arguments) override {
        calls.push_back({Text(name), input != nullptr});
        std::uint32_t hash = Mix(2166136261u, name);
        for (const Text& argument : arguments)
            hash = Mix(hash, argument);
        switch (hash % 4) {
        case 0:
            return std::nullopt;
        case 1:
            return Text();
        case 2:
            return Text(name) + u"#" + static_cast<char16_t>(u'0' + arguments.size() % 10);
        default:
            if (input)
                return *input;
            return arguments.empty() ? Text(u"{{sel}}") : arguments.front();
        }
    }
};

// ucwords walked unit by unit, which the engine's chunks must agree with.
Text UpperCaseWordsUnitByUnit(Text text, const lx::ICharacterSet& characters) {
    const std::unique_ptr<bool[]> isAlphaNumeric(new bool[text.size()]);
    characters.ClassifyAlphaNumeric(text, isAlphaNumeric.get());
    bool wordStart = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!isAlphaNumeric[i]) {
            wordStart = true;
        } else if (wordStart) {
            characters.ToUpper(std::span<char16_t>(&text[i], 1));
            wordStart = false;
        }
    }
    return text;
}

void Check(bool condition) {
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Text units(size / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);

    std::vector<Text> parts{Text()};
    for (char16_t c : units) {
        if (c == u'\0' && parts.size() < 3)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    const Text body = parts[0];
    const Text* selection = parts.size() > 1 ? &parts[1] : nullptr;
    const Text* clipboard = parts.size() > 2 ? &parts[2] : nullptr;

    const lx::test::BasicCharacterSet characters;
    Text joined;
    for (const lx::TemplatePiece& piece : lx::SplitTemplate(body)) {
        if (piece.isPlaceholder)
            Check(piece.text.size() >= 4 && piece.text.starts_with(u"{{") && piece.text.ends_with(u"}}"));
        joined += piece.text;
    }
    Check(joined == body);

    FakeRunner runner;
    lx::CLXCore core(characters, runner);
    core.SetInputs(selection, clipboard);
    Text text = body;
    core.Expand(text);
    if (body.find(u"{{") == Text::npos)
        Check(text == body);

    // Script answers never change which scripts run.
    Check(lx::ScriptReferences(body, characters) == runner.calls);

    // The selection repeated past two chunks, so that words meet chunk
    // boundaries at every offset the inputs give.
    Text repeated;
    while (selection && !selection->empty() && repeated.size() <= 2 * lx::CLXCore::kCaseChunk)
        repeated += *selection;
    core.SetInputs(&repeated, nullptr);
    Text upper = u"{{sel:ucwords}}";
    core.Expand(upper);
    Check(upper == UpperCaseWordsUnitByUnit(repeated, characters));
    return 0;
}
