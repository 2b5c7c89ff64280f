#include "lx_core.h"

#include "template_syntax.h"

#include <utility>

namespace lx {
namespace {

constexpr TextView kSelection = u"sel";
constexpr TextView kClipboard = u"clp";
constexpr TextView kUpperCaseWords = u"ucwords";

void UpperCaseWords(Text& text, const ICharacterSet& characters) {
    bool wordStart = true;
    for (char16_t& c : text) {
        if (!characters.IsAlphaNumeric(c)) {
            wordStart = true;
        } else if (wordStart) {
            c = characters.ToUpper(c);
            wordStart = false;
        }
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

CLXCore::CLXCore(const ICharacterSet& characters, IScriptRunner& scripts) : characters_(characters), scripts_(scripts) {}

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
    syntax::VisitPieces(body, [&](bool isPlaceholder, TextView piece) {
        if (!isPlaceholder) {
            result += piece;
            return;
        }
        Text value = EvaluateExpression(piece.substr(2, piece.size() - 4));
        if (result.empty())
            result = std::move(value);  // a lone placeholder's text is not copied again
        else
            result += value;
    });
    return result;
}

Text CLXCore::EvaluateExpression(TextView expression) {
    Text result;
    bool source = true;
    syntax::VisitItems(expression, characters_, [&](TextView name, TextView argumentText) {
        if (source) {
            result = RunSource(name, argumentText);
            source = false;
        } else {
            result = RunModifier(name, argumentText, std::move(result));
        }
    });
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
    if (name == kSelection)
        return selection_;
    if (name == kClipboard)
        return clipboard_;
    return scripts_.RunScript(name, nullptr, arguments).value_or(Text());
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
