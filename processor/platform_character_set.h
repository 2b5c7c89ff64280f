#pragma once
#include "lx_core.h"

namespace lx {

// The platform's own Unicode classes and case mapping, the same on every
// locale (the C runtime's would leave é unchanged in the default locale).
class PlatformCharacterSet final : public ICharacterSet {
public:
    bool IsSpace(char16_t c) const override;
    bool IsAlphaNumeric(char16_t c) const override;
    char16_t ToUpper(char16_t c) const override;
};

}  // namespace lx
