// The cable inside the process: the far end of an in-memory link.
#include "link/MemoryLink.h"
#include "sim/link/SimTransport.h"

namespace lw::sim {
namespace {

class TMemoryTransport : public ISimTransport {
public:
    explicit TMemoryTransport(TMemoryLink& link) : FLink(link) {}

    int ReadFd() const override { return -1; }
    int WriteFd() const override { return -1; }
    int NotifyFd() const override { return -1; }
    void ServiceNotify() override {}
    bool PcHasOpen() const override { return FLink.PcHasOpen(); }
    std::string PcPath() const override { return FLink.Name(); }
    bool IsUsb() const override { return FLink.IsUsb(); }
    uint32_t PcBaud() const override { return FLink.PcBaud(); }
    void KeepRaw() override {}
    void HangUp() override { FLink.HangUp(); }
    bool IsHungUp() const override { return FLink.IsHungUp(); }
    TMemoryLink* Memory() const override { return &FLink; }
    IClock& LineClock() const override { return FLink.LinkClock(); }

private:
    TMemoryLink& FLink;
};

} // namespace

std::unique_ptr<ISimTransport> CreateMemoryTransport(TMemoryLink& link) {
    return std::make_unique<TMemoryTransport>(link);
}

} // namespace lw::sim
