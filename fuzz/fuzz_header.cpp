// The header check of a file about to be sent. Input: one byte choosing the connected model
// code, up to 8 bytes of file head, then the file name.
#include "objects/BadFile.h"
#include "objects/FileHeaders.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (size == 0) return 0;
    static const char* const models[] = {"", "KA", "KB"};
    const std::string_view model = models[bytes[0] % 3];
    const std::string rest(reinterpret_cast<const char*>(bytes + 1), size - 1);
    const std::string head = rest.substr(0, 8);
    const std::string fileName = rest.size() > 8 ? rest.substr(8) : "";
    const lw::THeaderCheck check = lw::ClassifyHeader(head, model, fileName);
    const bool binary = head.rfind("ZQZQ", 0) == 0;
    if (check.IsText && !check.Matches) std::abort();
    if (check.Matches && !check.IsText && !binary) std::abort();
    if (!check.Matches) {
        if (check.Kind.empty() || check.AllowText == binary) std::abort();
        if (binary && check.Kind.size() != 4) std::abort();
        const std::string q = lw::BadFileQuestion(fileName, check.Kind, check.AllowText);
        if (q.compare(0, fileName.size(), fileName) != 0) std::abort();
    }
    return 0;
}
