#include "sim/link/SimProtocol.h"

#include "link/CalcNames.h"
#include "link/TraceLine.h"
#include "link/XModemCodec.h"

#include <chrono>

namespace lw::sim {
namespace {

using TClock = std::chrono::steady_clock;

uint32_t MsLeft(TSimSession& s, TClock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - s.Wire.Now());
    return left.count() > 0 ? uint32_t(left.count()) : 0;
}

// A packet's data for the log: the display form of its first 60 bytes.
std::string Shown(std::string_view data) {
    std::string s = NameToFile(data.substr(0, 60), false);
    return " '" + s + (data.size() > 60 ? "...'" : "'");
}

std::string Hex(int b) {
    return "0x" + Hex2(static_cast<unsigned char>(b));
}

void WriteByte(TSimSession& s, uint8_t b) {
    s.Wire.Write(std::string(1, char(b)));
}

void SendNak(TSimSession& s) {
    s.Stats.Update([](TSimStats& st) { ++st.NaksSent; });
    WriteByte(s, NAK);
}

// The reply to a good packet or block: ACK, unless a fault asks for a NAK.
bool AcceptOrNak(TSimSession& s) {
    if (s.Faults.NakNext > 0) {
        --s.Faults.NakNext;
        s.Wire.Log("fault: NAK to a good packet or block");
        SendNak(s);
        return false;
    }
    return true;
}

} // namespace

bool SendPacket(TSimSession& s, std::string_view data) {
    std::string packet;
    packet += char(data.size() >> 8);
    packet += char(data.size() & 0xFF);
    packet += data;
    const uint8_t check = Checksum(data);
    for (uint32_t resends = 0;; ++resends) {
        uint8_t sent = check;
        if (s.Faults.BadChecksumNext) {
            s.Faults.BadChecksumNext = false;
            sent = uint8_t(check + 1);
            s.Wire.Log("fault: bad checksum on this packet");
        }
        // Counted before the write, so that whoever sees the bytes sees the count.
        s.Stats.Update([&](TSimStats& st) {
            ++st.PacketsSent;
            if (resends) ++st.PacketResends;
        });
        s.Wire.Write(packet + char(sent));
        s.Wire.Log("> packet of " + std::to_string(data.size()) + " bytes" + Shown(data));
        auto deadline = s.Wire.Now() + std::chrono::milliseconds(TSimLimits::PacketAckMs);
        int reply = -1;
        // Other bytes (polls the PC sent before it saw the packet) are not answered.
        while ((reply = s.Wire.ReadByte(MsLeft(s, deadline))) >= 0 && reply != ACK &&
               reply != NAK) {}
        if (reply == ACK) return true;
        if (reply < 0) {
            s.Wire.Log("no reply to the packet");
            return false;
        }
        s.Stats.Update([](TSimStats& st) { ++st.NaksReceived; });
        if (resends + 1 > TSimLimits::PacketResends) {
            s.Wire.Log("packet refused too often, giving up");
            return false;
        }
    }
}

bool ReceivePacket(TSimSession& s, std::string& data, uint32_t firstByteMs) {
    for (uint32_t tries = 0; tries < TSimLimits::PacketTries; ++tries) {
        int hi = s.Wire.ReadByte(tries == 0 ? firstByteMs : TSimLimits::PacketByteMs);
        if (hi < 0) {
            s.Wire.Log("no packet came");
            return false;
        }
        int lo = s.Wire.ReadByte(TSimLimits::PacketByteMs);
        bool good = false;
        if (lo >= 0) {
            size_t length = size_t(hi) * 256 + size_t(lo);
            data = s.Wire.Read(length, TSimLimits::PacketByteMs + uint32_t(length / 10));
            int check = data.size() == length ? s.Wire.ReadByte(TSimLimits::PacketByteMs) : -1;
            good = check >= 0 && uint8_t(check) == Checksum(data);
        }
        if (!good) {
            s.Wire.Log("< bad packet, NAK");
            s.Wire.Drain(50, 1000);
            SendNak(s);
            continue;
        }
        if (!AcceptOrNak(s)) continue;
        if (s.Faults.ZeroBeforeAck > 0) {
            --s.Faults.ZeroBeforeAck;
            s.Wire.Log("fault: 0x00 before the ACK");
            WriteByte(s, 0);
        }
        s.Stats.Update([](TSimStats& st) { ++st.PacketsReceived; });
        WriteByte(s, ACK);
        s.Wire.Log("< packet of " + std::to_string(data.size()) + " bytes" + Shown(data) + ", ACK");
        return true;
    }
    s.Wire.Log("packet failed too often, giving up");
    return false;
}

bool XModemSend(TSimSession& s, const std::string& data, int start, uint32_t waitMs,
                std::string& why) {
    TCheckMethod method{};
    auto deadline = s.Wire.Now() + std::chrono::milliseconds(waitMs);
    while (start < 0 || !CheckMethodOfStartByte(uint8_t(start), method)) {
        if (start == CAN) {
            why = "cancelled by the PC";
            return false;
        }
        uint32_t left = MsLeft(s, deadline);
        start = left ? s.Wire.ReadByte(left) : -1;
        if (start < 0 && MsLeft(s, deadline) == 0) {
            why = "no start byte from the PC";
            return false;
        }
    }
    s.Stats.Update([&](TSimStats& st) { st.StartBytes += char(start); });
    s.Wire.Log("XModem send of " + std::to_string(data.size()) + " bytes, start byte " +
               Hex(start));

    size_t pos = 0;
    for (uint32_t number = 1; pos < data.size(); ++number) {
        size_t size = data.size() - pos >= 1024 ? 1024 : 128;
        std::string chunk = data.substr(pos, size);
        chunk.resize(size, '\0');
        const std::string block = BuildBlock(number, chunk, method);
        for (uint32_t resends = 0;; ++resends) {
            if (resends > TSimLimits::BlockResends) {
                s.Wire.Write(std::string(3, char(CAN)));
                why = "block " + std::to_string(number) + " refused too often";
                return false;
            }
            uint64_t index = ++s.BlocksOut;
            if (s.Faults.CancelNext) {
                s.Faults.CancelNext = false;
                s.Wire.Write(std::string(3, char(CAN)));
                why = "cancelled (fault)";
                return false;
            }
            s.Stats.Update([&](TSimStats& st) {
                ++st.BlocksSent;
                if (resends) ++st.BlockResends;
            });
            if (index == s.Faults.DelayBlockAt) {
                s.Faults.DelayBlockAt = 0;
                s.Wire.Log("fault: delaying block " + std::to_string(number));
                s.Wire.Pause(s.Faults.DelayBlockMs);
            }
            if (index == s.Faults.DropBlockAt) {
                s.Faults.DropBlockAt = 0;
                s.Wire.Log("fault: dropping block " + std::to_string(number));
            } else if (index == s.Faults.CorruptBlockAt) {
                s.Faults.CorruptBlockAt = 0;
                s.Wire.Log("fault: corrupting block " + std::to_string(number));
                std::string bad = block;
                bad[3] = char(uint8_t(bad[3]) ^ 0x5A);
                s.Wire.Write(bad);
            } else {
                s.Wire.Write(block);
            }
            auto replyBy = s.Wire.Now() + std::chrono::milliseconds(TSimLimits::BlockReplyMs);
            int reply;
            while ((reply = s.Wire.ReadByte(MsLeft(s, replyBy))) >= 0 && reply != ACK &&
                   reply != NAK && reply != CAN) {}
            if (reply == ACK) break;
            if (reply == CAN) {
                why = "cancelled by the PC";
                return false;
            }
            if (reply == NAK) s.Stats.Update([](TSimStats& st) { ++st.NaksReceived; });
            s.Wire.Log(reply == NAK ? "block NAKed, sending again" : "no reply, sending again");
        }
        pos += size;
    }
    for (uint32_t tries = 0; tries < TSimLimits::BlockResends; ++tries) {
        s.Wire.Write(std::string(1, char(EOT)));
        int reply = s.Wire.ReadByte(3000);
        if (reply == ACK) {
            s.Wire.Log("XModem send done");
            return true;
        }
        if (reply == CAN) {
            why = "cancelled by the PC";
            return false;
        }
    }
    why = "EOT not acknowledged";
    return false;
}

bool XModemReceive(TSimSession& s, uint8_t startByte, uint32_t repeatMs, uint32_t waitMs,
                   std::string& data, std::string& why) {
    TCheckMethod method{};
    CheckMethodOfStartByte(startByte, method);
    data.clear();
    s.Stats.Update([&](TSimStats& st) { st.StartBytes += char(startByte); });
    s.Wire.Log("XModem receive, start byte " + Hex(startByte));
    auto giveUpAt = s.Wire.Now() + std::chrono::milliseconds(waitMs);
    bool first = true;
    uint32_t expected = 1, errors = 0;
    auto fail = [&](const std::string& reason) {
        why = reason;
        s.Wire.Log("XModem receive failed: " + reason);
        return false;
    };
    // The reply to a block, unless a fault cancels the transfer there.
    auto reply = [&](uint8_t b) {
        if (s.Faults.CancelNext) {
            s.Faults.CancelNext = false;
            s.Wire.Write(std::string(3, char(CAN)));
            return false;
        }
        if (b == NAK)
            SendNak(s);
        else
            WriteByte(s, b);
        return true;
    };
    WriteByte(s, startByte);
    for (;;) {
        int header =
            s.Wire.ReadByte(first ? std::min(repeatMs, std::max<uint32_t>(1, MsLeft(s, giveUpAt)))
                                  : TSimLimits::BlockWaitMs);
        if (header < 0) {
            if (first) {
                if (MsLeft(s, giveUpAt) == 0) return fail("no block came");
                WriteByte(s, startByte);
                continue;
            }
            if (++errors > TSimLimits::BlockErrors) return fail("the sender went quiet");
            if (!reply(NAK)) return fail("cancelled (fault)");
            continue;
        }
        if (header == EOT) {
            if (!reply(ACK)) return fail("cancelled (fault)");
            s.Wire.Log("XModem receive done: " + std::to_string(data.size()) + " bytes");
            return true;
        }
        if (header == CAN) return fail("cancelled by the PC");
        if (header != SOH && header != STX) {
            if (first) continue; // leftovers from before the transfer
            if (++errors > TSimLimits::BlockErrors) return fail("too many bad blocks");
            s.Wire.Drain(50, 1000);
            if (!reply(NAK)) return fail("cancelled (fault)");
            continue;
        }
        first = false;
        const size_t size = header == STX ? 1024 : 128;
        std::string rest = s.Wire.Read(2 + size + CheckFieldSize(method), TSimLimits::BlockWaitMs);
        if (CheckBlock(rest, expected, size, method)) {
            if (!AcceptOrNak(s)) continue;
            s.Stats.Update([](TSimStats& st) { ++st.BlocksReceived; });
            if (!reply(ACK)) return fail("cancelled (fault)");
            data += rest.substr(2, size);
            ++expected;
            errors = 0;
        } else if (expected > 1 && CheckBlock(rest, expected - 1, size, method)) {
            s.Wire.Log("repeat of the previous block, ACK");
            if (!reply(ACK)) return fail("cancelled (fault)");
        } else {
            s.Wire.Log("bad block, NAK");
            if (++errors > TSimLimits::BlockErrors) return fail("too many bad blocks");
            s.Wire.Drain(50, 1000);
            if (!reply(NAK)) return fail("cancelled (fault)");
        }
    }
}

} // namespace lw::sim
