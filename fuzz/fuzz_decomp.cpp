// The object length walk on arbitrary data. The first byte picks the header put in front of
// the rest: none, a KA header or a KB header.
#include "objects/DecompLength.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (size == 0) return 0;
    static const char* const headers[] = {"", "ZQZQKA-R", "ZQZQKB-C"};
    const std::string original =
        headers[bytes[0] % 3] + std::string(reinterpret_cast<const char*>(bytes + 1), size - 1);
    std::string data = original;
    bool odd = true;
    if (!lw::DecompLength(data, odd)) {
        if (data != original || odd) std::abort(); // a failed walk leaves the data alone
        return 0;
    }
    // The object is a prefix of the data; only a half-used last byte loses its high nibble.
    if (data.size() < 8 || data.size() > original.size()) std::abort();
    const size_t whole = odd ? data.size() - 1 : data.size();
    if (original.compare(0, whole, data, 0, whole) != 0) std::abort();
    if (odd && (data.back() != (original[data.size() - 1] & 0x0F))) std::abort();
    return 0;
}
