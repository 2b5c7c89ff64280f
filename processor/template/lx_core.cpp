#include "lx_core.h"

#include "template_syntax.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace lx {
namespace {

constexpr TextView kSelection = u"sel";
constexpr TextView kClipboard = u"clp";
constexpr TextView kUpperCaseWords = u"ucwords";

// Raises the first unit of every run of alphanumeric units and lowers
// nothing. The character set is asked a chunk at a time, with the word starts
// of a chunk gathered for one case mapping call.
void UpperCaseWords(Text& text, const ICharacterSet& characters) {
    constexpr std::size_t kChunk = CLXCore::kCaseChunk;
    bool isAlphaNumeric[kChunk];
    std::uint16_t startOffsets[kChunk];
    char16_t starts[kChunk];
    bool previousIsAlphaNumeric = false;
    for (std::size_t begin = 0; begin < text.size(); begin += kChunk) {
        const std::span<char16_t> chunk(text.data() + begin, std::min(kChunk, text.size() - begin));
        characters.ClassifyAlphaNumeric(TextView(chunk.data(), chunk.size()), isAlphaNumeric);

        // Every offset is written and only word starts are kept, by counting
        // them: a branch on word starts would mispredict throughout prose.
        std::size_t count = 0;
        for (std::size_t i = 0; i < chunk.size(); ++i) {
            startOffsets[count] = static_cast<std::uint16_t>(i);
            count += isAlphaNumeric[i] && !previousIsAlphaNumeric;
            previousIsAlphaNumeric = isAlphaNumeric[i];
        }
        if (count == 0)
            continue;

        for (std::size_t k = 0; k < count; ++k)
            starts[k] = chunk[startOffsets[k]];
        characters.ToUpper(std::span<char16_t>(starts, count));
        for (std::size_t k = 0; k < count; ++k)
            chunk[startOffsets[k]] = starts[k];
    }
}

class DepthLevel {
public:
    explicit DepthLevel(int& depth) : depth_(++depth) {}
    ~DepthLevel() { --depth_; }
    DepthLevel(const DepthLevel&) = delete;
    DepthLevel& operator=(const DepthLevel&) = delete;

private:
    int& depth_;
};

}  // namespace

CLXCore::CLXCore(const ICharacterSet& characters, IScriptRunner& scripts)
    : characters_(characters), isSpace_(characters), scripts_(scripts) {}

void CLXCore::SetInputs(const Text* selection, const Text* clipboard) {
    selection_ = selection ? *selection : Text();
    clipboard_ = clipboard ? *clipboard : Text();
}

void CLXCore::Expand(Text& text) {
    if (text.find(syntax::kOpening) != Text::npos)
        text = Expanded(text);
}

Text CLXCore::Expanded(TextView body) {
    if (body.find(syntax::kOpening) == TextView::npos)
        return Text(body);
    DepthLevel level(depth_);
    Text result;
    // Only the outermost body: arguments lie inside it, and reserving at every
    // level would hold its size once per level.
    if (depth_ == 1)
        result.reserve(body.size());
    syntax::VisitPieces(body, [&](bool isPlaceholder, TextView piece) {
        if (isPlaceholder)
            AppendExpression(piece.substr(2, piece.size() - 4), result);
        else
            result += piece;
    });
    return result;
}

void CLXCore::AppendExpression(TextView expression, Text& result) {
    // The commonest placeholders, {{sel}} and {{clp}}, append the captured
    // text without a copy in between.
    if (const Text* captured = Captured(expression)) {
        result += *captured;
        return;
    }
    Text value;
    bool source = true;
    syntax::VisitItems(expression, isSpace_, [&](TextView name, TextView argumentText) {
        if (source) {
            value = RunSource(name, argumentText);
            source = false;
        } else {
            value = RunModifier(name, argumentText, std::move(value));
        }
    });
    if (result.empty())
        result = std::move(value);  // a lone placeholder's text is not copied again
    else
        result += value;
}

Text CLXCore::EvaluateExpression(TextView expression) {
    Text result;
    AppendExpression(expression, result);
    return result;
}

Text CLXCore::EvaluateSource(const TemplateItem& item) { return RunSource(item.name, item.argumentText); }

Text CLXCore::ApplyModifier(const TemplateItem& item, Text text) {
    return RunModifier(item.name, item.argumentText, std::move(text));
}

bool CLXCore::ExpandArguments(TextView argumentText, std::vector<Text>& arguments) {
    // A non-empty argument text always yields at least one argument.
    if (argumentText.empty())
        return true;
    if (depth_ >= kMaxNestingDepth)
        return false;
    syntax::VisitArguments(argumentText, [&](TextView argument) { arguments.push_back(Expanded(argument)); });
    return true;
}

Text CLXCore::RunSource(TextView name, TextView argumentText) {
    std::vector<Text> arguments;
    if (!ExpandArguments(argumentText, arguments))
        return Text();
    if (const Text* captured = Captured(name))
        return *captured;
    return scripts_.RunScript(name, nullptr, arguments).value_or(Text());
}

const Text* CLXCore::Captured(TextView name) const {
    if (name == kSelection)
        return &selection_;
    if (name == kClipboard)
        return &clipboard_;
    return nullptr;
}

Text CLXCore::RunModifier(TextView name, TextView argumentText, Text text) {
    std::vector<Text> arguments;
    if (!ExpandArguments(argumentText, arguments))
        return text;
    if (name == kUpperCaseWords) {
        UpperCaseWords(text, characters_);
        return text;
    }
    if (std::optional<Text> result = scripts_.RunScript(name, &text, arguments))
        return std::move(*result);
    return text;
}

}  // namespace lx
