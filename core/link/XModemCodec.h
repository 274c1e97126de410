// XModem block format: control bytes, the three check methods and block building/checking.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace lw {

constexpr uint8_t SOH = 0x01; // header of a 128-byte block
constexpr uint8_t STX = 0x02; // header of a 1024-byte block
constexpr uint8_t EOT = 0x04;
constexpr uint8_t ACK = 0x06;
constexpr uint8_t NAK = 0x15; // also the start byte asking for the 8-bit checksum
constexpr uint8_t CAN = 0x18;
constexpr uint8_t CRC_ARC_START = 'C';    // start byte asking for CRC-16/ARC
constexpr uint8_t CRC_KERMIT_START = 'D'; // start byte asking for CRC-16/KERMIT

enum class TCheckMethod { Checksum, CrcArc, CrcKermit };

// Sum of all bytes modulo 256 (0 for no bytes). Also the check of command packets.
uint8_t Checksum(std::string_view data);
// CRC-16/ARC (reflected 0x8005, table driven); `crc` is the initial value (always 0 here).
uint16_t TableCrc(uint16_t crc, std::string_view data);
// CRC-16/KERMIT (reflected 0x1021), computed a nibble at a time from a 16 x 16 table.
uint16_t NibbleCrc(std::string_view data);

// The method a receiver's start byte asks for; false for any other byte.
bool CheckMethodOfStartByte(uint8_t startByte, TCheckMethod& method);
// Length of the check field: 1 for the checksum, 2 for the CRCs.
size_t CheckFieldSize(TCheckMethod method);
// The check field over `data` in wire order (ARC low byte first, KERMIT high byte first).
std::string CheckField(TCheckMethod method, std::string_view data);

// A whole block: header (SOH for 128 data bytes, STX otherwise), block number mod 256, its
// complement, the data and the check field. `data` must be 128 or 1024 bytes.
std::string BuildBlock(uint32_t blockNumber, std::string_view data, TCheckMethod method);

// Checks the part of a block after its header byte: number, complement, `dataSize` data
// bytes and the check field. Good only when complete, numbered `blockNumber` mod 256 and
// carrying the right check.
bool CheckBlock(std::string_view afterHeader, uint32_t blockNumber, size_t dataSize,
                TCheckMethod method);

} // namespace lw
