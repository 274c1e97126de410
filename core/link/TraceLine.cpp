#include "link/TraceLine.h"

#include <atomic>
#include <cstdio>
#include <memory>
#include <mutex>

namespace lw {
namespace {

std::mutex sinkMutex;
std::shared_ptr<const TTraceSink> currentSink;
std::atomic<bool> haveSink{false};

} // namespace

void TraceLine(const std::string& text) {
    if (!haveSink.load(std::memory_order_acquire)) return;
    std::shared_ptr<const TTraceSink> sink;
    {
        std::lock_guard lock(sinkMutex);
        sink = currentSink;
    }
    if (sink && *sink) (*sink)(text);
}

void SetTraceSink(TTraceSink sink) {
    std::lock_guard lock(sinkMutex);
    const bool have = static_cast<bool>(sink);
    currentSink = have ? std::make_shared<const TTraceSink>(std::move(sink)) : nullptr;
    haveSink.store(have, std::memory_order_release);
}

std::string Hex2(unsigned char byte) {
    char text[3];
    std::snprintf(text, sizeof text, "%02X", byte);
    return text;
}

} // namespace lw
