#pragma once
// The template grammar as visitors over views of the text, so that expansion
// neither copies pieces nor allocates per piece. The public SplitTemplate,
// ParseExpression and SplitArguments are thin copies over these.
#include "lx_core.h"

#include <cstddef>

namespace lx::syntax {

inline constexpr TextView kOpening = u"{{";
inline constexpr TextView kClosing = u"}}";

// Calls visit(isPlaceholder, piece) for each piece of `text`, in order.
template <class Visit>
void VisitPieces(TextView text, Visit&& visit) {
    constexpr auto npos = TextView::npos;
    std::size_t last = 0;
    std::size_t opening = text.find(kOpening);
    for (;;) {
        if (opening == npos) {
            visit(false, text.substr(last));
            return;
        }
        if (opening > last)
            visit(false, text.substr(last, opening - last));

        // Each "{{" met before the current closing pushes the closing to the
        // next "}}", pairing nested placeholders.
        std::size_t end = text.find(kClosing, opening);
        std::size_t inner = text.find(kOpening, opening + 2);
        while (end != npos && inner != npos && inner <= end) {
            end = text.find(kClosing, end + 2);
            inner = text.find(kOpening, inner + 2);
        }
        if (end == npos) {
            visit(false, text.substr(opening));
            return;
        }
        visit(true, text.substr(opening, end + 2 - opening));
        last = end + 2;
        // The first "{{" past this closing: the search for `inner` has passed
        // every position before it.
        opening = inner;
    }
}

// Calls visit(name, argumentText) for each item of `expression`, in order.
template <class Visit>
void VisitItems(TextView expression, const WhiteSpace& isSpace, Visit&& visit) {
    const std::size_t size = expression.size();
    std::size_t i = 0;
    while (i < size) {
        while (i < size && isSpace(expression[i]))
            ++i;

        const std::size_t nameStart = i;
        while (i < size) {
            const char16_t c = expression[i];
            if (c == u'(' || c == u':' || c == u'}' || isSpace(c))
                break;
            ++i;
        }
        const TextView name = expression.substr(nameStart, i - nameStart);

        while (i < size && expression[i] != u'(' && expression[i] != u':' && expression[i] != u'}')
            ++i;

        TextView argumentText;
        if (i < size && expression[i] == u'(') {
            const std::size_t argumentStart = ++i;
            std::size_t depth = 0;
            while (i < size) {
                const char16_t c = expression[i];
                if (c == u'(') {
                    ++depth;
                } else if (c == u')') {
                    if (depth == 0)
                        break;
                    --depth;
                }
                ++i;
            }
            argumentText = expression.substr(argumentStart, i - argumentStart);
        }

        visit(name, argumentText);

        while (i < size && expression[i] != u':')
            ++i;
        if (i < size)
            ++i;
    }
}

// Calls visit(argument) for each argument of `argumentText`, in order.
template <class Visit>
void VisitArguments(TextView argumentText, Visit&& visit) {
    std::size_t start = 0;
    std::ptrdiff_t depth = 0;
    for (std::size_t i = 0; i < argumentText.size(); ++i) {
        const char16_t c = argumentText[i];
        if (c == u';' && depth == 0) {
            visit(argumentText.substr(start, i - start));
            start = i + 1;
        } else if (c == u'{') {
            ++depth;
        } else if (c == u'}') {
            --depth;
        }
    }
    if (start < argumentText.size())
        visit(argumentText.substr(start));
}

}  // namespace lx::syntax
