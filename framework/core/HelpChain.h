#pragma once

namespace qv {

// Something that may carry a help context and sits inside an enclosing one (a control in its
// container in its form, a menu item in its submenu in its menu bar entry).
struct HelpNode {
    int helpContext;        // 0: none of its own
    const HelpNode* parent; // the enclosing node, or nullptr
};

// The help context F1 asks for: the node's own or, if it has none, that of the nearest
// enclosing node that has one; 0 when none has.
int NearestHelpContext(const HelpNode* node);

} // namespace qv
