// SPDX-License-Identifier: GPL-3.0-or-later
#include "http/component.h"

#include <algorithm>

namespace quelmo {

TComponent::TComponent(TComponent* owner) : mOwner(owner), mAlive(std::make_shared<char>()) {
    if (mOwner)
        mOwner->mComponents.push_back(this);
}

TComponent::~TComponent() {
    Destroying();
    // Last created first; each one takes itself out of the list.
    while (!mComponents.empty())
        delete mComponents.back();
    if (mOwner) {
        auto& siblings = mOwner->mComponents;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

void TComponent::Destroying() {
    if (mDestroying.exchange(true, std::memory_order_acq_rel))
        return;
    for (TComponent* owned : mComponents)
        owned->Destroying();
}

} // namespace quelmo
