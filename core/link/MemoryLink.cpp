// The in-memory link: its shared state, the PC end's backend and the registry OpenPort asks.
#include "link/MemoryLink.h"

#include "link/PortBackend.h"

#include <algorithm>
#include <map>
#include <mutex>

namespace lw {

// Guarded by the clock's lock (changed only through its Change, read in its waits or under
// Change as well).
struct TMemoryLink::TState {
    TState(TMemoryLinkOptions options, IClock& clock) : Options(std::move(options)), Time(clock) {}
    const TMemoryLinkOptions Options;
    IClock& Time;
    std::string ToPc, ToFar;
    bool HungUp = false;
    bool PcOpen = false;
    uint64_t PcCloses = 0;
    uint32_t Baud = 0;

    template <class F> auto Locked(F&& f) {
        decltype(f()) result{};
        Time.Change([&] { result = f(); });
        return result;
    }
};

namespace {

TLineTraits LinkTraits(const TMemoryLinkOptions& options) {
    return options.Usb ? TLineTraits{false, true} : TLineTraits{true, false};
}

class TMemoryBackend : public IPortBackend {
public:
    explicit TMemoryBackend(std::shared_ptr<TMemoryLink::TState> state) : S(std::move(state)) {
        S->Time.Change([&] {
            S->PcOpen = true;
            S->ToPc.clear(); // what was sent while nobody listened is gone
        });
    }
    ~TMemoryBackend() override {
        S->Time.Change([&] {
            S->PcOpen = false;
            ++S->PcCloses;
            S->ToPc.clear(); // what the PC left unread is lost, as on a real cable
        });
    }
    TMemoryBackend(const TMemoryBackend&) = delete;
    TMemoryBackend& operator=(const TMemoryBackend&) = delete;

    std::string Name() const override { return S->Options.Name; }
    TLineTraits Traits() const override { return LinkTraits(S->Options); }
    long Read(char* buf, size_t n, uint32_t waitMs) override {
        if (n == 0) return 0;
        const TClockPoint deadline = waitMs == UINT32_MAX
                                         ? TClockPoint::max()
                                         : S->Time.Now() + std::chrono::milliseconds(waitMs);
        long got = 0;
        S->Time.WaitUntil(deadline, [&] {
            if (S->ToPc.empty()) {
                if (S->HungUp) got = -1;
                return S->HungUp;
            }
            got = static_cast<long>(std::min(n, S->ToPc.size()));
            std::copy_n(S->ToPc.begin(), got, buf);
            S->ToPc.erase(0, static_cast<size_t>(got));
            return true;
        });
        return got;
    }
    long Write(const char* data, size_t n, uint32_t) override {
        bool up = false;
        S->Time.Change([&] {
            up = !S->HungUp;
            if (up) S->ToFar.append(data, n);
        });
        return up ? static_cast<long>(n) : -1;
    }
    void Purge() override {
        S->Time.Change([&] { S->ToPc.clear(); });
    }
    bool SetSpeed(int speed) override {
        if (speed <= 0) return false;
        S->Time.Change([&] { S->Baud = static_cast<uint32_t>(speed); });
        return true;
    }
    bool Present() override {
        return !S->Locked([&] { return S->HungUp; });
    }
    std::string LastError() const override { return "the line hung up"; }

private:
    std::shared_ptr<TMemoryLink::TState> S;
};

// The links of this process by name; OpenPort asks it first.
class TRegistry : public IPortProvider {
public:
    void Add(const std::string& name, std::shared_ptr<TMemoryLink::TState> state) {
        std::lock_guard lock(FMutex);
        FLinks[name] = std::move(state);
        SetPortProvider(this);
    }
    void Remove(const std::string& name, const TMemoryLink::TState* state) {
        std::lock_guard lock(FMutex);
        auto it = FLinks.find(name);
        if (it != FLinks.end() && it->second.get() == state) FLinks.erase(it);
    }
    std::unique_ptr<IPortBackend> OpenByName(const std::string& name) override {
        std::shared_ptr<TMemoryLink::TState> state;
        {
            std::lock_guard lock(FMutex);
            auto it = FLinks.find(name);
            if (it == FLinks.end()) return nullptr;
            state = it->second;
        }
        // A hung-up line opens no more, like a device that went away.
        if (state->Locked([&] { return state->HungUp; })) return nullptr;
        return std::make_unique<TMemoryBackend>(std::move(state));
    }
    bool Knows(const std::string& name, TLineTraits& traits) override {
        std::lock_guard lock(FMutex);
        auto it = FLinks.find(name);
        if (it == FLinks.end()) return false;
        traits = LinkTraits(it->second->Options);
        return true;
    }

private:
    std::mutex FMutex;
    std::map<std::string, std::shared_ptr<TMemoryLink::TState>> FLinks;
};

TRegistry& Registry() {
    static TRegistry registry;
    return registry;
}

} // namespace

TMemoryLink::TMemoryLink(TMemoryLinkOptions options, IClock& clock)
    : FState(std::make_shared<TState>(std::move(options), clock)) {
    if (FState->Options.Usb) FState->Baud = 0;
    Registry().Add(FState->Options.Name, FState);
}

TMemoryLink::~TMemoryLink() {
    Registry().Remove(FState->Options.Name, FState.get());
    HangUp();
}

const std::string& TMemoryLink::Name() const {
    return FState->Options.Name;
}

bool TMemoryLink::IsUsb() const {
    return FState->Options.Usb;
}

IClock& TMemoryLink::LinkClock() const {
    return FState->Time;
}

std::string TMemoryLink::Take(size_t n) {
    return FState->Locked([&] {
        std::string out = FState->ToFar.substr(0, n);
        FState->ToFar.erase(0, out.size());
        return out;
    });
}

bool TMemoryLink::Wait(TClockPoint deadline, bool forBytes, const std::function<bool()>& more) {
    return FState->Time.WaitUntil(deadline, [&] {
        return (forBytes && (!FState->ToFar.empty() || FState->HungUp)) || (more && more());
    });
}

void TMemoryLink::Send(std::string_view data) {
    FState->Time.Change([&] {
        if (!FState->HungUp) FState->ToPc.append(data);
    });
}

void TMemoryLink::HangUp() {
    FState->Time.Change([&] {
        FState->HungUp = true;
        FState->ToPc.clear();
        FState->ToFar.clear();
    });
}

bool TMemoryLink::IsHungUp() const {
    return FState->Locked([&] { return FState->HungUp; });
}

bool TMemoryLink::PcHasOpen() const {
    return FState->Locked([&] { return FState->PcOpen; });
}

uint64_t TMemoryLink::PcCloses() const {
    return FState->Locked([&] { return FState->PcCloses; });
}

uint32_t TMemoryLink::PcBaud() const {
    return FState->Locked([&] { return FState->Baud; });
}

} // namespace lw
