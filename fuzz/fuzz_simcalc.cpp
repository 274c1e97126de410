// The calculator model against hostile input: object files put by XModem (checked, cut,
// stored, listed, decompiled) and command lines (compiled and run). Nothing may crash.
#include "sim/calc/SimCalculator.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    using namespace lw::sim;
    static std::unique_ptr<ISimCalculator> calc;
    if (!calc) calc = CreateSampleCalculator(TModel::KB);
    const std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
    if (data[0] % 2 == 0) {
        // An object file under a fixed name, then everything that reads it back.
        auto c = CreateEmptyCalculator(data[0] % 4 ? TModel::KA : TModel::KB);
        if (c->PutVariable("V", "ZQZQKB-C" + input)) {
            std::string file;
            if (!c->GetVariable("V", file)) __builtin_trap();
            c->Listing();
            c->RunScript("V V \x8DSTR 'V' RCL EVAL DEPTH \x8DLIST");
            c->StackText();
            c->ScreenRows();
            c->FreeMemoryText();
        }
    } else {
        calc->RunScript(input);
        calc->StackText();
        calc->ScreenRows();
        calc->Listing();
        calc->RunScript("CLEAR");
    }
    return 0;
}
