#include "server/XPObject.h"

#include <algorithm>

namespace lw {

TXPObject::~TXPObject() {
    ClearChildren();
}

void TXPObject::ClearChildren() {
    // Detach the subtree level by level so that no destructor recurses.
    TItemList pending = std::move(Children);
    Children.clear();
    while (!pending.empty()) {
        std::unique_ptr<TXPObject> item = std::move(pending.back());
        pending.pop_back();
        for (auto& child : item->Children) pending.push_back(std::move(child));
        item->Children.clear();
    }
    Listed = false;
}

TItemList& TXPObject::GetChildren() {
    Listed = true;
    return Children;
}

std::string TXPObject::GetPath() const {
    std::vector<const TXPObject*> chain;
    for (const TXPObject* o = this; o; o = o->Parent) chain.push_back(o);
    std::string path;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        if (!path.empty()) path += ' ';
        path += (*it)->Name;
    }
    return path;
}

int32_t TXPObject::GetSize() const {
    if (Parent) return SizeBytes;
    int64_t size = 100;
    for (const auto& child : Children) size += child->SizeBytes;
    return static_cast<int32_t>(std::min<int64_t>(size, INT32_MAX));
}

} // namespace lw
