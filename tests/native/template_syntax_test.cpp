#include "basic_character_set.h"
#include "lx_core.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace lx {
namespace {

TemplatePiece Literal(const char16_t* text) { return {false, text}; }
TemplatePiece Placeholder(const char16_t* text) { return {true, text}; }

struct SplitTemplateCase {
    const char* name;
    const char16_t* text;
    std::vector<TemplatePiece> pieces;
    friend void PrintTo(const SplitTemplateCase& c, std::ostream* out) { *out << c.name; }
};

class SplitTemplateTest : public testing::TestWithParam<SplitTemplateCase> {};

TEST_P(SplitTemplateTest, SplitsIntoPiecesThatJoinBack) {
    const std::vector<TemplatePiece> pieces = SplitTemplate(GetParam().text);
    EXPECT_EQ(pieces, GetParam().pieces);
    Text joined;
    for (const TemplatePiece& piece : pieces)
        joined += piece.text;
    EXPECT_EQ(joined, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Templates, SplitTemplateTest,
    testing::Values(
        SplitTemplateCase{"EmptyTextGivesOneEmptyPiece", u"", {Literal(u"")}},
        SplitTemplateCase{"NoPlaceholder", u"a { b } c", {Literal(u"a { b } c")}},
        SplitTemplateCase{"LiteralsAroundPlaceholder", u"a{{sel}}b", {Literal(u"a"), Placeholder(u"{{sel}}"), Literal(u"b")}},
        SplitTemplateCase{"FinalEmptyPieceAfterPlaceholders",
                          u"{{a}}{{}}",
                          {Placeholder(u"{{a}}"), Placeholder(u"{{}}"), Literal(u"")}},
        SplitTemplateCase{"NestedPlaceholderIsOnePiece", u"{{a({{sel}})}}", {Placeholder(u"{{a({{sel}})}}"), Literal(u"")}},
        SplitTemplateCase{"NestingPairsEachOpening",
                          u"x{{a({{b({{c}})}};{{d}})}}y{{e}}",
                          {Literal(u"x"), Placeholder(u"{{a({{b({{c}})}};{{d}})}}"), Literal(u"y"), Placeholder(u"{{e}}"),
                           Literal(u"")}},
        SplitTemplateCase{"UnclosedOpeningIsLiteral", u"text {{name", {Literal(u"text "), Literal(u"{{name")}},
        SplitTemplateCase{"NestedOpeningLeavesOuterUnclosed", u"{{sel}}{{a{{b}}", {Placeholder(u"{{sel}}"), Literal(u"{{a{{b}}")}},
        SplitTemplateCase{"StrayClosingIsText", u"a}}b{{c}}", {Literal(u"a}}b"), Placeholder(u"{{c}}"), Literal(u"")}},
        SplitTemplateCase{"ThirdBraceBelongsToExpression", u"{{{x}}}", {Placeholder(u"{{{x}}"), Literal(u"}")}}),
    [](const testing::TestParamInfo<SplitTemplateCase>& info) { return info.param.name; });

struct ParseExpressionCase {
    const char* name;
    const char16_t* expression;
    std::vector<TemplateItem> items;
    friend void PrintTo(const ParseExpressionCase& c, std::ostream* out) { *out << c.name; }
};

class ParseExpressionTest : public testing::TestWithParam<ParseExpressionCase> {};

TEST_P(ParseExpressionTest, ParsesItems) {
    EXPECT_EQ(ParseExpression(GetParam().expression, test::BasicCharacterSet()), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Expressions, ParseExpressionTest,
    testing::Values(
        ParseExpressionCase{"EmptyGivesNoItems", u"", {}},
        ParseExpressionCase{"WhiteSpaceOnlyGivesEmptyName", u" ", {{u"", u""}}},
        ParseExpressionCase{"SpacesAroundNames", u" sel : ucwords ", {{u"sel", u""}, {u"ucwords", u""}}},
        ParseExpressionCase{"PlatformWhiteSpace", u"\u00A0\tsel\u00A0x", {{u"sel", u""}}},
        ParseExpressionCase{"TrailingWordsIgnored", u"sel extra words:f", {{u"sel", u""}, {u"f", u""}}},
        ParseExpressionCase{"ArgumentsKeepSpacesAndSemicolons", u"f(a; b):g", {{u"f", u"a; b"}, {u"g", u""}}},
        ParseExpressionCase{"ArgumentAfterSpace", u"f (x)", {{u"f", u"x"}}},
        ParseExpressionCase{"BalancedParenthesesAndColonsCollected", u"f(a:(b)c)d:g", {{u"f", u"a:(b)c"}, {u"g", u""}}},
        ParseExpressionCase{"UnbalancedCloseEndsArgument", u"f(a)b);c", {{u"f", u"a"}}},
        ParseExpressionCase{"UnterminatedArgumentKeepsWhatWasCollected", u"f(a(b", {{u"f", u"a(b"}}},
        ParseExpressionCase{"EmptyItemBetweenColons", u"sel::x:", {{u"sel", u""}, {u"", u""}, {u"x", u""}}},
        ParseExpressionCase{"BraceEndsNameAndRestUpToColonIsSkipped", u"a}b(c):d", {{u"a", u""}, {u"d", u""}}},
        ParseExpressionCase{"NestedPlaceholderInArgument", u"a({{sel:f(1)}})", {{u"a", u"{{sel:f(1)}}"}}}),
    [](const testing::TestParamInfo<ParseExpressionCase>& info) { return info.param.name; });

struct SplitArgumentsCase {
    const char* name;
    const char16_t* argumentText;
    std::vector<Text> arguments;
    friend void PrintTo(const SplitArgumentsCase& c, std::ostream* out) { *out << c.name; }
};

class SplitArgumentsTest : public testing::TestWithParam<SplitArgumentsCase> {};

TEST_P(SplitArgumentsTest, SplitsAtTopLevelSemicolons) {
    EXPECT_EQ(SplitArguments(GetParam().argumentText), GetParam().arguments);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, SplitArgumentsTest,
    testing::Values(SplitArgumentsCase{"EmptyGivesNone", u"", {}},
                    SplitArgumentsCase{"WhiteSpaceKept", u" a; b ", {u" a", u" b "}},
                    SplitArgumentsCase{"EmptyBetweenSemicolons", u"a;;b", {u"a", u"", u"b"}},
                    SplitArgumentsCase{"NoTrailingEmpty", u"a;", {u"a"}},
                    SplitArgumentsCase{"LoneSemicolonGivesOneEmpty", u";", {u""}},
                    SplitArgumentsCase{"SemicolonInsideBracesKept", u"{{f(x;y)}};z", {u"{{f(x;y)}}", u"z"}},
                    SplitArgumentsCase{"UnmatchedCloseBraceKeepsDepthNegative", u"}a;b", {u"}a;b"}}),
    [](const testing::TestParamInfo<SplitArgumentsCase>& info) { return info.param.name; });

}  // namespace
}  // namespace lx
