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

namespace lx::test {

class BasicCharacterSet final : public ICharacterSet {
public:
    bool IsSpace(char16_t c) const override {
        return (c >= u'\t' && c <= u'\r') || c == u' ' || c == u'\u0085' || c == u'\u00A0';
    }

    bool IsAlphaNumeric(char16_t c) const override {
        if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'))
            return true;
        if (c == u'\u00AA' || c == u'\u00B5' || c == u'\u00BA')
            return true;
        return c >= u'\u00C0' && c <= u'\u00FF' && c != u'\u00D7' && c != u'\u00F7';
    }

    char16_t ToUpper(char16_t c) const override {
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
