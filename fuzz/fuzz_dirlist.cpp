// The directory listing parser on arbitrary listings: the record tree it builds must be
// consistent, and walking and freeing it must be safe.
#include "server/XModemServer.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    static lw::TCalcState state;
    static lw::TXModemServer server(state);
    const std::string list(reinterpret_cast<const char*>(bytes), size);
    lw::TXPObject& root = server.Root();
    root.ClearChildren();
    size_t pos = 0;
    server.ParseDirList(root, list, pos);
    if (pos > list.size()) std::abort();
    std::vector<const lw::TXPObject*> pending{&root};
    size_t records = 0;
    while (!pending.empty()) {
        const lw::TXPObject* o = pending.back();
        pending.pop_back();
        for (const auto& c : o->Children) {
            if (c->Parent != o || c->Server != &server || !c->Listed) std::abort();
            if (!c->IsDirectory() && !c->Children.empty()) std::abort();
            if (c->SizeBytes < 0 || c->SizeBytes > 0x80000) std::abort();
            pending.push_back(c.get());
            ++records;
        }
        if (o->GetPath().empty()) std::abort();
    }
    // Every record needs at least 9 bytes of listing.
    if (records * 9 > list.size()) std::abort();
    if (root.GetSize() < 100) std::abort();
    root.ClearChildren();
    return 0;
}
