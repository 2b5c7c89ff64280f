// The accelerator-aware form of CLXCore::Expand, which needs the Windows model.
#include "accelerator.h"
#include "lx_core.h"
#include "wide_text.h"

namespace lx {

int CLXCore::Expand(Text& text, const CAccelerator* accelerator) {
    if (accelerator)
        text = ToText(accelerator->body.value_or(std::wstring()));
    Expand(text);
    return accelerator ? accelerator->output : 1;
}

}  // namespace lx
