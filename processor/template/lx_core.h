#pragma once
// The template engine: literal text with placeholders in double braces, each a
// chain of items `name(arg;arg):modifier(...)`. Platform-free: character tests
// and script runs reach the platform through the two interfaces below.
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lx {

using Text = std::u16string;
using TextView = std::u16string_view;

class CAccelerator;

// The platform's character classes and case mapping of UTF-16 units. Each
// unit is classified and mapped on its own; the batch forms only save a call
// per unit.
class ICharacterSet {
public:
    virtual ~ICharacterSet() = default;
    virtual bool IsSpace(char16_t c) const = 0;
    // Sets isAlphaNumeric[i] for each units[i].
    virtual void ClassifyAlphaNumeric(TextView units, bool* isAlphaNumeric) const = 0;
    // Upper-cases each unit in place, one unit to one unit.
    virtual void ToUpper(std::span<char16_t> units) const = 0;
};

// The character set's white space, with the ASCII answers asked for once:
// the parser tests most units of every placeholder.
class WhiteSpace {
public:
    explicit WhiteSpace(const ICharacterSet& characters);
    bool operator()(char16_t c) const { return c < ascii_.size() ? ascii_[c] : characters_.IsSpace(c); }

private:
    const ICharacterSet& characters_;
    std::array<bool, 128> ascii_{};
};

// Runs the script file called `name`. As a source `input` is null and the
// function receives only `arguments`; as a modifier it receives `*input`
// first. Nothing when there is no such script or it fails.
class IScriptRunner {
public:
    virtual ~IScriptRunner() = default;
    virtual std::optional<Text> RunScript(TextView name, const Text* input, const std::vector<Text>& arguments) = 0;
};

struct TemplatePiece {
    bool isPlaceholder = false;
    Text text;  // a placeholder keeps its braces
    bool operator==(const TemplatePiece&) const = default;
};

struct TemplateItem {
    Text name;
    Text argumentText;
    bool operator==(const TemplateItem&) const = default;
};

std::vector<TemplatePiece> SplitTemplate(TextView text);
std::vector<TemplateItem> ParseExpression(TextView expression, const ICharacterSet& characters);
std::vector<Text> SplitArguments(TextView argumentText);

// A script named by a template: its name and whether it runs as a modifier.
struct ScriptReference {
    Text name;
    bool asModifier = false;
    bool operator==(const ScriptReference&) const = default;
};
// Every script name `body` would run (built-ins excluded), arguments before
// their item, in evaluation order; nesting past the depth bound is not searched.
std::vector<ScriptReference> ScriptReferences(TextView body, const ICharacterSet& characters);

class CLXCore {
public:
    // Arguments are templates themselves; nesting deeper than this makes the
    // item fail instead of exhausting the stack.
    static constexpr int kMaxNestingDepth = 64;
    // ucwords hands the character set this many units at a time.
    static constexpr std::size_t kCaseChunk = 4096;

    CLXCore(const ICharacterSet& characters, IScriptRunner& scripts);
    virtual ~CLXCore() = default;

    void SetInputs(const Text* selection, const Text* clipboard);
    // Expands `text` in place.
    void Expand(Text& text);
    // Replaces `text` by the accelerator's body, expands it and returns its
    // `output` value; without an accelerator expands `text` and returns 1.
    // Defined with the Windows model.
    int Expand(Text& text, const CAccelerator* accelerator);

    Text EvaluateExpression(TextView expression);
    Text EvaluateSource(const TemplateItem& item);
    Text ApplyModifier(const TemplateItem& item, Text text);

private:
    // Expands `body` as one more level of nesting, reading pieces and
    // arguments as views into it.
    Text Expanded(TextView body);
    // Evaluates a placeholder's chain and appends its text to `result`.
    void AppendExpression(TextView expression, Text& result);
    // Splits and expands an item's arguments one level deeper; false when
    // that level is past the bound, which fails the item.
    bool ExpandArguments(TextView argumentText, std::vector<Text>& arguments);
    Text RunSource(TextView name, TextView argumentText);
    // The selection or clipboard text for their source names, else null.
    const Text* Captured(TextView name) const;
    Text RunModifier(TextView name, TextView argumentText, Text text);

    const ICharacterSet& characters_;
    const WhiteSpace isSpace_;
    IScriptRunner& scripts_;
    Text selection_;
    Text clipboard_;
    int depth_ = 0;
};

}  // namespace lx
