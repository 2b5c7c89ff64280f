#include "template_syntax.h"

namespace lx {

WhiteSpace::WhiteSpace(const ICharacterSet& characters) : characters_(characters) {
    for (char16_t c = 0; c < ascii_.size(); ++c)
        ascii_[c] = characters.IsSpace(c);
}

std::vector<TemplatePiece> SplitTemplate(TextView text) {
    std::vector<TemplatePiece> pieces;
    syntax::VisitPieces(text, [&](bool isPlaceholder, TextView piece) {
        pieces.push_back({isPlaceholder, Text(piece)});
    });
    return pieces;
}

std::vector<TemplateItem> ParseExpression(TextView expression, const ICharacterSet& characters) {
    std::vector<TemplateItem> items;
    syntax::VisitItems(expression, WhiteSpace(characters), [&](TextView name, TextView argumentText) {
        items.push_back({Text(name), Text(argumentText)});
    });
    return items;
}

std::vector<Text> SplitArguments(TextView argumentText) {
    std::vector<Text> arguments;
    syntax::VisitArguments(argumentText, [&](TextView argument) { arguments.emplace_back(argument); });
    return arguments;
}

}  // namespace lx
