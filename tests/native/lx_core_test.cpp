#include "basic_character_set.h"
#include "lx_core.h"
#include "recording_script_runner.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <vector>

namespace lx {

// Readable failure messages.
static void PrintTo(const ScriptReference& reference, std::ostream* out) {
    *out << testing::PrintToString(reference.name) << (reference.asModifier ? " as modifier" : " as source");
}

namespace {

using test::ScriptCall;

// Every script exists and describes its call, `name[input|arg,arg]`, except
// `missing` and `ucwords`, which fail.
std::optional<Text> DescribeCall(const ScriptCall& call) {
    if (call.name == u"missing" || call.name == u"ucwords")
        return std::nullopt;
    Text result = call.name + u"[";
    if (call.input)
        result += *call.input + u"|";
    for (std::size_t i = 0; i < call.arguments.size(); ++i)
        result += (i ? u"," : u"") + call.arguments[i];
    return result + u"]";
}

ScriptCall Source(const char16_t* name, std::vector<Text> arguments = {}) { return {name, std::nullopt, arguments}; }
ScriptCall Modifier(const char16_t* name, const char16_t* input, std::vector<Text> arguments = {}) {
    return {name, Text(input), arguments};
}

// The scripts a run asked for, as ScriptReferences reports them.
std::vector<ScriptReference> ReferencesOf(const std::vector<ScriptCall>& calls) {
    std::vector<ScriptReference> references;
    for (const ScriptCall& call : calls)
        references.push_back({call.name, call.input.has_value()});
    return references;
}

class Engine {
public:
    Engine(const char16_t* selection, const char16_t* clipboard) : runner_(DescribeCall), core_(characters_, runner_) {
        const Text selectionText = selection ? selection : u"";
        const Text clipboardText = clipboard ? clipboard : u"";
        core_.SetInputs(selection ? &selectionText : nullptr, clipboard ? &clipboardText : nullptr);
    }

    Text Expand(TextView body) {
        Text text(body);
        core_.Expand(text);
        return text;
    }

    CLXCore& core() { return core_; }
    const std::vector<ScriptCall>& calls() const { return runner_.calls; }
    const ICharacterSet& characters() const { return characters_; }

private:
    test::BasicCharacterSet characters_;
    test::RecordingScriptRunner runner_;
    CLXCore core_;
};

struct ExpandCase {
    const char* name;
    const char16_t* body;
    const char16_t* selection;  // null: nothing captured
    const char16_t* clipboard;
    const char16_t* expected;
    std::vector<ScriptCall> calls;
    friend void PrintTo(const ExpandCase& c, std::ostream* out) { *out << c.name; }
};

class ExpandTest : public testing::TestWithParam<ExpandCase> {};

TEST_P(ExpandTest, ExpandsBodyAndRunsScriptsInOrder) {
    const ExpandCase& c = GetParam();
    Engine engine(c.selection, c.clipboard);
    EXPECT_EQ(engine.Expand(c.body), c.expected);
    EXPECT_EQ(engine.calls(), c.calls);
    EXPECT_EQ(ScriptReferences(c.body, engine.characters()), ReferencesOf(c.calls));
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, ExpandTest,
    testing::Values(
        ExpandCase{"EmptyBody", u"", u"s", u"c", u"", {}},
        ExpandCase{"NoPlaceholders", u"a { b } c (d)", u"s", u"c", u"a { b } c (d)", {}},
        ExpandCase{"NothingCaptured", u"[{{sel}}|{{clp}}]", nullptr, nullptr, u"[|]", {}},
        ExpandCase{"EmptyPlaceholder", u"a{{}}b", u"s", u"c", u"ab", {}},
        ExpandCase{"SelectionAndClipboard", u"{{sel}}-{{clp}}", u"s", u"c", u"s-c", {}},
        ExpandCase{"SpacedChain", u"{{ sel : ucwords }}", u"hello world", nullptr, u"Hello World", {}},
        ExpandCase{"TrailingWordsIgnored", u"{{sel extra words}}", u"abc", nullptr, u"abc", {}},
        ExpandCase{"UcwordsDigitStartsWord", u"{{sel:ucwords}}", u"hello world-wide 2nd edition", nullptr,
                   u"Hello World-Wide 2nd Edition", {}},
        ExpandCase{"UcwordsLatin1NeverLowers", u"{{sel:ucwords}}", u"\u00e9lan \u00fcber stra\u00dfe mIxED", nullptr,
                   u"\u00c9lan \u00dcber Stra\u00dfe MIxED", {}},
        ExpandCase{"UcwordsAsSourceIsScript", u"[{{ucwords}}]", u"s", nullptr, u"[]", {Source(u"ucwords")}},
        ExpandCase{"ClpAsModifierIsScript", u"{{sel:clp}}", u"s", u"c", u"clp[s|]", {Modifier(u"clp", u"s")}},
        ExpandCase{"NamesAreCaseSensitive", u"{{SEL:UCWORDS}}", u"s", nullptr, u"UCWORDS[SEL[]|]",
                   {Source(u"SEL"), Modifier(u"UCWORDS", u"SEL[]")}},
        ExpandCase{"NestedArgumentExpandedFirst", u"{{wrap({{clp}};x)}}", nullptr, u"C", u"wrap[C,x]",
                   {Source(u"wrap", {u"C", u"x"})}},
        ExpandCase{"ArgumentsKeepSpaces", u"{{f(a; b)}}", nullptr, nullptr, u"f[a, b]", {Source(u"f", {u"a", u" b"})}},
        ExpandCase{"SemicolonsInNestedBracesDoNotSplit", u"{{f({{g(1;2)}};3)}}", nullptr, nullptr, u"f[g[1,2],3]",
                   {Source(u"g", {u"1", u"2"}), Source(u"f", {u"g[1,2]", u"3"})}},
        ExpandCase{"CloseParenthesisEndsArgumentUnlessBalanced", u"{{f(a)b)}}{{f((a)b)}}", nullptr, nullptr,
                   u"f[a]f[(a)b]", {Source(u"f", {u"a"}), Source(u"f", {u"(a)b"})}},
        ExpandCase{"UnclosedOpeningCopied", u"{{sel}} then {{f({{sel}}", u"S", nullptr, u"S then {{f({{sel}}", {}},
        ExpandCase{"StrayClosingIsText", u"a}} {{sel}} b}}", u"X", nullptr, u"a}} X b}}", {}},
        ExpandCase{"NestedPlaceholderIsOnePiece", u"{{a({{sel}})}}", u"S", nullptr, u"a[S]", {Source(u"a", {u"S"})}},
        ExpandCase{"ChainOfModifiers", u"{{sel:ucwords:wrap(1):wrap(2)}}", u"ab cd", nullptr,
                   u"wrap[wrap[Ab Cd|1]|2]", {Modifier(u"wrap", u"Ab Cd", {u"1"}), Modifier(u"wrap", u"wrap[Ab Cd|1]", {u"2"})}},
        ExpandCase{"FailingSourceGivesEmptyText", u"[{{missing(x):wrap}}]", nullptr, nullptr, u"[wrap[|]]",
                   {Source(u"missing", {u"x"}), Modifier(u"wrap", u"")}},
        ExpandCase{"FailingModifierLeavesTextUnchanged", u"[{{sel:missing(y):ucwords}}]", u"ab", nullptr, u"[Ab]",
                   {Modifier(u"missing", u"ab", {u"y"})}},
        ExpandCase{"BuiltInArgumentsEvaluatedThenIgnored", u"{{sel({{f}}):ucwords({{g}})}}", u"s", nullptr, u"S",
                   {Source(u"f"), Source(u"g")}}),
    [](const testing::TestParamInfo<ExpandCase>& info) { return info.param.name; });

TEST(CLXCoreSteps, EvaluateItemsDirectly) {
    Engine engine(u"sel text", u"clip");
    CLXCore& core = engine.core();
    EXPECT_EQ(core.EvaluateExpression(u"clp:wrap({{sel}})"), u"wrap[clip|sel text]");
    EXPECT_EQ(core.EvaluateSource({u"sel", u"ignored"}), u"sel text");
    EXPECT_EQ(core.EvaluateSource({u"missing", u""}), u"");
    EXPECT_EQ(core.ApplyModifier({u"ucwords", u""}, u"a b"), u"A B");
    EXPECT_EQ(core.ApplyModifier({u"missing", u"{{clp}}"}, u"kept"), u"kept");
    EXPECT_EQ(engine.calls(), (std::vector<ScriptCall>{Modifier(u"wrap", u"clip", {u"sel text"}), Source(u"missing"),
                                                       Modifier(u"missing", u"kept", {u"clip"})}));
}

// ucwords over a selection of "-" and then `filler` up to two and a bit chunks,
// with `piece` written at `position`: only `piece` may change, into `expected`.
struct ChunkCase {
    const char* name;
    char16_t filler;
    std::size_t position;
    const char16_t* piece;
    const char16_t* expected;
    friend void PrintTo(const ChunkCase& c, std::ostream* out) { *out << c.name; }
};

class UcwordsChunkTest : public testing::TestWithParam<ChunkCase> {};

TEST_P(UcwordsChunkTest, WordsAcrossChunkBoundariesAreRaisedOnce) {
    const ChunkCase& c = GetParam();
    Text selection = u"-" + Text(2 * CLXCore::kCaseChunk + 8, c.filler);
    Text expected = selection;
    selection.replace(c.position, TextView(c.piece).size(), c.piece);
    expected.replace(c.position, TextView(c.expected).size(), c.expected);
    Engine engine(selection.c_str(), nullptr);
    EXPECT_EQ(engine.Expand(u"{{sel:ucwords}}"), expected);
}

constexpr std::size_t kChunk = CLXCore::kCaseChunk;

INSTANTIATE_TEST_SUITE_P(
    Selections, UcwordsChunkTest,
    testing::Values(
        ChunkCase{"WordContinuingIntoNextChunk", u'-', kChunk - 2, u"abcd", u"Abcd"},
        ChunkCase{"WordStartingAtLastUnitOfChunk", u'-', kChunk - 1, u"ab", u"Ab"},
        ChunkCase{"WordStartingAtChunkBoundary", u'-', kChunk - 1, u" ab", u" Ab"},
        ChunkCase{"WordsEitherSideOfBoundary", u'-', kChunk - 2, u"ab-cd", u"Ab-Cd"},
        ChunkCase{"WordStartingAtSecondBoundary", u'-', 2 * kChunk, u"xyz", u"Xyz"},
        ChunkCase{"WordSpanningWholeChunks", u'a', 1, u"a", u"A"}),
    [](const testing::TestParamInfo<ChunkCase>& info) { return info.param.name; });

Text Repeat(TextView text, int count) {
    Text result;
    for (int i = 0; i < count; ++i)
        result += text;
    return result;
}

// A body nesting `depth` items, each holding the next in its argument:
// open^depth + innermost + close^depth.
struct DepthCase {
    const char* name;
    const char16_t* open;
    const char16_t* innermost;
    int depth;
    Text expected;
    friend void PrintTo(const DepthCase& c, std::ostream* out) { *out << c.name; }
};

class NestingDepthTest : public testing::TestWithParam<DepthCase> {};

TEST_P(NestingDepthTest, ItemsPastTheBoundFailWithoutRunning) {
    const DepthCase& c = GetParam();
    const Text body = Repeat(c.open, c.depth) + c.innermost + Repeat(u")}}", c.depth);
    Engine engine(u"s", nullptr);
    EXPECT_EQ(engine.Expand(body), c.expected);
    EXPECT_EQ(ScriptReferences(body, engine.characters()), ReferencesOf(engine.calls()));
}

constexpr int kBound = CLXCore::kMaxNestingDepth;

INSTANTIATE_TEST_SUITE_P(
    Bodies, NestingDepthTest,
    testing::Values(
        DepthCase{"SourcesUpToTheBoundRun", u"{{f(", u"x", kBound - 1,
                  Repeat(u"f[", kBound - 1) + u"x" + Repeat(u"]", kBound - 1)},
        DepthCase{"SourceNeedingOneMoreLevelIsEmpty", u"{{f(", u"x", kBound, Repeat(u"f[", kBound - 1) + Repeat(u"]", kBound - 1)},
        DepthCase{"ItemWithoutArgumentsRunsAtTheDeepestLevel", u"{{f(", u"{{g}}", kBound - 1,
                  Repeat(u"f[", kBound - 1) + u"g[]" + Repeat(u"]", kBound - 1)},
        DepthCase{"ModifiersUpToTheBoundRun", u"{{sel:m(", u"x", kBound - 1,
                  Repeat(u"m[s|", kBound - 1) + u"x" + Repeat(u"]", kBound - 1)},
        DepthCase{"ModifierNeedingOneMoreLevelLeavesText", u"{{sel:m(", u"x", kBound,
                  Repeat(u"m[s|", kBound - 1) + u"s" + Repeat(u"]", kBound - 1)},
        DepthCase{"HundredThousandLevels", u"{{f(", u"x", 100000, Repeat(u"f[", kBound - 1) + Repeat(u"]", kBound - 1)}),
    [](const testing::TestParamInfo<DepthCase>& info) { return info.param.name; });

struct ReferencesCase {
    const char* name;
    const char16_t* body;
    std::vector<ScriptReference> references;
    friend void PrintTo(const ReferencesCase& c, std::ostream* out) { *out << c.name; }
};

class ScriptReferencesTest : public testing::TestWithParam<ReferencesCase> {};

TEST_P(ScriptReferencesTest, ListsScriptsInEvaluationOrder) {
    EXPECT_EQ(ScriptReferences(GetParam().body, test::BasicCharacterSet()), GetParam().references);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, ScriptReferencesTest,
    testing::Values(
        ReferencesCase{"BuiltInsInTheirRolesExcluded", u"{{sel}}{{clp:ucwords}}{{}}", {}},
        ReferencesCase{"BuiltInNamesOutOfRole", u"{{ucwords:sel:clp}}", {{u"ucwords", false}, {u"sel", true}, {u"clp", true}}},
        ReferencesCase{"ArgumentsBeforeTheirItem", u"a {{w({{g({{h}})}};{{sel:k}}):m(x)}} {{h}}",
                       {{u"h", false}, {u"g", false}, {u"k", true}, {u"w", false}, {u"m", true}, {u"h", false}}},
        ReferencesCase{"BlankPlaceholderNamesEmptyScript", u"{{ }}", {{u"", false}}},
        ReferencesCase{"MalformedTextIsNotSearched", u"}} {{f({{g}}", {}}),
    [](const testing::TestParamInfo<ReferencesCase>& info) { return info.param.name; });

}  // namespace
}  // namespace lx
