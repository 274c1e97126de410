// The trace hook: the link and the server client pass their diagnostic lines here. Nothing is
// kept unless a sink is attached (the CLI's verbose mode attaches one that prints to stderr).
#pragma once
#include <functional>
#include <string>

namespace lw {

using TTraceSink = std::function<void(const std::string&)>;

void TraceLine(const std::string& text);
// Attaches (or, with an empty function, detaches) the sink. Safe from any thread.
void SetTraceSink(TTraceSink sink);

// A byte as two upper-case hex digits, as trace lines show received bytes.
std::string Hex2(unsigned char byte);

} // namespace lw
