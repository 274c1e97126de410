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

TXPObject* TXPObject::FindChild(const std::string& name) const {
    for (const auto& child : Children)
        if (child && child->Name == name) return child.get();
    return nullptr;
}

TXPObject* TXPObject::FindDir(const std::string& path) {
    TXPObject* dir = this;
    size_t at = path.find(' ');
    if (path.substr(0, at) != Name) return nullptr;
    while (dir && at != std::string::npos) {
        const size_t next = path.find(' ', at + 1);
        dir = dir->FindChild(path.substr(at + 1, next == std::string::npos ? next : next - at - 1));
        if (dir && !dir->IsDirectory()) dir = nullptr;
        at = next;
    }
    return dir;
}

int32_t TXPObject::GetSize() const {
    if (Parent) return SizeBytes;
    int64_t size = 100;
    for (const auto& child : Children) size += child->SizeBytes;
    return static_cast<int32_t>(std::min<int64_t>(size, INT32_MAX));
}

} // namespace lw
