// What a PC file is, told from its first bytes and its size, before it goes where only one kind
// of file belongs: a backup archive to a restore, an operating-system image to a calculator
// in ROM-loading mode. A refusal says what the file is instead.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lw {

// How much of a file's beginning the checks look at.
constexpr size_t FileKindHeadSize = 512;

// The largest operating-system image sent to a calculator. No calculator of the series has
// more than 4 MiB of flash for its system, so a larger file cannot be an image of it (a disk
// image or a video picked by mistake), while every real image fits with room to spare.
constexpr uint64_t MaxRomImageSize = uint64_t(4) << 20;

// Why a file is no backup archive of the connected model, or "" when it is one: a binary
// header, a backup object behind it (its prolog as the object length walk knows it), the
// model code of the connected calculator (any, when `modelCode` is empty), and the whole
// object inside the file. `head`: the file's first FileKindHeadSize bytes (all of a shorter
// file); `size`: the file's size. The text names the file: "notes.txt is a text file, not a
// backup archive".
std::string BackupArchiveRefusal(const std::string& fileName, std::string_view head, uint64_t size,
                                 std::string_view modelCode);

// Why a file cannot be an operating-system image, or "" when it may be one: it is empty, it
// begins with a calculator file header (binary or text), or it is larger than
// MaxRomImageSize.
std::string RomImageRefusal(const std::string& fileName, std::string_view head, uint64_t size);

} // namespace lw
