// The directory listing: the whole memory in one packet, parsed into the record tree.
#include "link/CalcNames.h"
#include "link/Port.h"
#include "objects/ObjectTypes.h"
#include "server/XModemServer.h"
#include "util/MessageTexts.h"

#include <vector>

namespace lw {
namespace {

// Bytes of one entry besides its name: the count, the prolog (2) and the size (5).
constexpr size_t EntryOverhead = 8;

} // namespace

void TXModemServer::GetFileList() {
    CheckConnected();
    FRoot->ClearChildren();
    SetStatus(msg::GettingList.Text);
    SendCommand('l');
    SleepMs(LinkTiming.BeforeListing);
    std::string list;
    ReceiveCommandPacket(list);
    size_t pos = 0;
    ParseDirList(*FRoot, list, pos);
    SetStatus("");
}

// The entries of `dir` from `pos` up to their closing 0 byte (or the end of the data); a
// directory's own entries follow it at once. An entry cut off by the end of the data is
// dropped. Nesting is followed with a stack of its own, so any depth is safe.
void TXModemServer::ParseDirList(TXPObject& dir, const std::string& list, size_t& pos) {
    std::vector<TXPObject*> open{&dir};
    const auto byte = [&list](size_t at) { return static_cast<unsigned char>(list[at]); };
    while (pos < list.size()) {
        const size_t n = byte(pos);
        if (n == 0) {
            ++pos;
            open.pop_back();
            if (open.empty()) return;
            continue;
        }
        if (list.size() - pos < n + EntryOverhead) {
            pos = list.size();
            return;
        }
        TXPObject* parent = open.back();
        auto record = std::make_unique<TXPObject>();
        record->Server = this;
        record->Parent = parent;
        record->Listed = true;
        record->Name = NameToFile(std::string_view(list).substr(pos + 1, n), false);
        pos += n + 1;
        const uint32_t prolog = byte(pos) + 256u * byte(pos + 1);
        int row = -1;
        if (PrologName(prolog, row, record->TypeName))
            record->TypeIndex = row + TypeIndexOffset;
        else
            record->TypeIndex = UnknownTypeIndex;
        pos += 2;
        const uint32_t nibbles = byte(pos) + 256u * byte(pos + 1) + 65536u * (byte(pos + 2) & 0x0F);
        record->SizeBytes = static_cast<int32_t>((nibbles + 1) / 2);
        record->OddNibble = (byte(pos) & 1) != 0;
        pos += 5;
        TXPObject* added = record.get();
        parent->Children.push_back(std::move(record));
        if (added->IsDirectory()) open.push_back(added);
    }
}

void TXModemServer::ChangeDir(const std::string& path) {
    SetStatus(msg::Fill(msg::ChangingDir, {path}));
    Execute(path, false, true);
    SetStatus("");
}

void TXModemServer::GetFreeMemory(std::string& text) {
    SendCommand('M');
    ReceiveCommandPacket(text);
    const char mark = FState.CalcFlags.size() > 1 && FState.CalcFlags[1] == '1' ? ',' : '.';
    if (const auto at = text.find(mark); at != std::string::npos) text.resize(at);
}

} // namespace lw
