#include "framework/core/HelpChain.h"

namespace qv {

int NearestHelpContext(const HelpNode* node) {
    for (; node; node = node->parent) {
        if (node->helpContext != 0)
            return node->helpContext;
    }
    return 0;
}

} // namespace qv
