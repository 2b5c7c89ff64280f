#pragma once
#include "lx_core.h"

namespace lx {

// The platform's own Unicode classes and case mapping, the same on every
// locale (the C runtime's would leave é unchanged in the default locale).
class PlatformCharacterSet final : public ICharacterSet {
public:
    bool IsSpace(char16_t c) const override;
    void ClassifyAlphaNumeric(TextView units, bool* isAlphaNumeric) const override;
    void ToUpper(std::span<char16_t> units) const override;
};

}  // namespace lx
