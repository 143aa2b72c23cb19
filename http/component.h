// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The non-visual component: an owner that destroys what it owns, and a "being destroyed"
// state that work running elsewhere can ask about before it calls back.

#include <atomic>
#include <memory>
#include <vector>

namespace quelmo {

class TComponent {
public:
    explicit TComponent(TComponent* owner = nullptr);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return mOwner; }
    // From the start of destruction on, for this component and everything it owns.
    bool IsDestroying() const { return mDestroying.load(std::memory_order_acquire); }
    // Expires when the component is gone: lets a wait that runs handlers learn that one of
    // them destroyed the component the wait belongs to.
    std::weak_ptr<const void> AliveToken() const { return mAlive; }

    // Called once the component's stored properties have been applied.
    virtual void Loaded() {}

protected:
    // Marks this component and what it owns as being destroyed. A class whose destructor
    // stops work in flight calls it first: C++ runs the derived destructors before this
    // base's, so the base cannot mark the state early enough by itself.
    void Destroying();

private:
    TComponent* mOwner;
    std::vector<TComponent*> mComponents;
    std::atomic<bool> mDestroying{false};
    std::shared_ptr<const void> mAlive;
};

} // namespace quelmo
