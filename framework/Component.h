#pragma once
#include <functional>
#include <string>
#include <utility>

namespace qv {

// Anything with a name that can raise events: windows, controls, menu items, timers.
// Every event handler receives the component that raised it.
class Component {
public:
    Component() = default;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;
    virtual ~Component() = default;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

private:
    std::string name_;
};

using NotifyEvent = std::function<void(Component& sender)>;

// Binds a member function of a window to an event: Bind(this, &Tf1::minChange).
template <class Owner, class... Args>
auto Bind(Owner* owner, void (Owner::*handler)(Args...)) {
    return [owner, handler](Args... args) { (owner->*handler)(std::forward<Args>(args)...); };
}

} // namespace qv
