#include "sim/link/SimCapture.h"

namespace lw::sim {
namespace {

constexpr int Width = 131, Height = 64, RowBytes = 17;

bool Pixel(const std::string& rows, int x, int y) {
    size_t i = size_t(y) * RowBytes + size_t(x / 8);
    return i < rows.size() && (uint8_t(rows[i]) >> (x % 8)) & 1;
}

std::string ScreenRows(const std::string& rows, int height) {
    std::string r = rows.substr(0, size_t(Height) * RowBytes);
    r.resize(size_t(Height) * RowBytes, '\0');
    r.resize(size_t(height) * RowBytes, '\0'); // rows below the screen are blank
    return r;
}

char ToChar(uint32_t v) {
    return char(v + 32);
}

} // namespace

bool ParseCaptureLayout(const std::string& name, TCaptureLayout& layout) {
    static const struct {
        const char* Name;
        TCaptureLayout Layout;
    } names[] = {{"band", TCaptureLayout::Band},
                 {"w", TCaptureLayout::W},
                 {"g", TCaptureLayout::G},
                 {"header", TCaptureLayout::Header},
                 {"planes2", TCaptureLayout::TwoPlanes},
                 {"oversize", TCaptureLayout::Oversize}};
    for (const auto& n : names)
        if (name == n.Name) {
            layout = n.Layout;
            return true;
        }
    return false;
}

std::string CaptureStream(TCaptureLayout layout, const std::string& rows) {
    switch (layout) {
    case TCaptureLayout::Band: {
        // The print-out: every band starts with ESC and a column count, then one byte per
        // column (bit k = pixel row 8 * band + k), then CR LF.
        std::string s(1 + 1080, '\0');
        for (int band = 0; band < 8; ++band) {
            size_t base = size_t(band) * 135;
            s[base] = 27;
            s[base + 1] = char(Width);
            for (int x = 0; x < Width; ++x) {
                uint8_t column = 0;
                for (int k = 0; k < 8; ++k)
                    if (Pixel(rows, x, band * 8 + k)) column |= uint8_t(1 << k);
                s[base + 2 + size_t(x)] = char(column);
            }
            s[base + 133] = '\r';
            s[base + 134] = '\n';
        }
        return s;
    }
    case TCaptureLayout::W:
    case TCaptureLayout::G:
        return std::string(1, '\0') + (layout == TCaptureLayout::W ? 'W' : 'G') +
               ScreenRows(rows, Height);
    case TCaptureLayout::Header:
    case TCaptureLayout::TwoPlanes:
    case TCaptureLayout::Oversize: {
        int planes = layout == TCaptureLayout::Header ? 1 : 2;
        int height = layout == TCaptureLayout::Oversize ? 80 : Height;
        std::string s = {'\0', '\0', '\0', char(planes), char(height), char(Width)};
        for (int p = 0; p < planes; ++p) s += ScreenRows(rows, height);
        return s;
    }
    }
    return "";
}

std::string KermitIdlePacket(uint32_t seq) {
    std::string body = {ToChar(3), ToChar(seq % 64), 'N'};
    uint32_t sum = 0;
    for (char c : body) sum += uint8_t(c);
    char check = ToChar((sum + ((sum & 192) >> 6)) & 63);
    return "\x01" + body + check + "\r";
}

} // namespace lw::sim
