#pragma once
// A platform-free stand-in for the platform's character classes, for tests,
// fuzzing and benchmarks: ASCII plus the Latin-1 letters.
//   space:        tab, line feed, vertical tab, form feed, carriage return,
//                 space, U+0085 and the no-break space U+00A0
//   alphanumeric: 0-9, A-Z, a-z, ª µ º, and U+00C0-U+00FF except × and ÷
//   upper case:   a-z, à-þ (except ÷) and ÿ → Ÿ; ß, µ, ª, º have no single
//                 Latin-1 upper case here and stay as they are
// Everything else is neither space nor alphanumeric and never changes case.
#include "lx_core.h"

#include <cstddef>
#include <span>

namespace lx::test {

class BasicCharacterSet final : public ICharacterSet {
public:
    bool IsSpace(char16_t c) const override {
        return (c >= u'\t' && c <= u'\r') || c == u' ' || c == u'\u0085' || c == u'\u00A0';
    }

    void ClassifyAlphaNumeric(TextView units, bool* isAlphaNumeric) const override {
        for (std::size_t i = 0; i < units.size(); ++i)
            isAlphaNumeric[i] = IsAlphaNumericUnit(units[i]);
    }

    void ToUpper(std::span<char16_t> units) const override {
        for (char16_t& c : units)
            c = UpperUnit(c);
    }

private:
    // Bitwise rather than short-circuit operators, so that the compiler can
    // classify several units at once.
    static bool IsAlphaNumericUnit(char16_t c) {
        const bool digit = InRange(c, u'0', u'9');
        const bool upper = InRange(c, u'A', u'Z');
        const bool lower = InRange(c, u'a', u'z');
        const bool ordinal = (c == u'\u00AA') | (c == u'\u00B5') | (c == u'\u00BA');
        const bool latin1Letter = InRange(c, u'\u00C0', u'\u00FF') & (c != u'\u00D7') & (c != u'\u00F7');
        return digit | upper | lower | ordinal | latin1Letter;
    }

    static bool InRange(char16_t c, char16_t first, char16_t last) {
        return static_cast<char16_t>(c - first) <= static_cast<char16_t>(last - first);
    }

    static char16_t UpperUnit(char16_t c) {
        if (c >= u'a' && c <= u'z')
            return static_cast<char16_t>(c - 0x20);
        if (c >= u'\u00E0' && c <= u'\u00FE' && c != u'\u00F7')
            return static_cast<char16_t>(c - 0x20);
        if (c == u'\u00FF')
            return u'\u0178';
        return c;
    }
};

}  // namespace lx::test
