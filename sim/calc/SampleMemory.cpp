#include "sim/calc/SampleMemory.h"

#include "sim/calc/CalcText.h"

namespace lw::sim {

namespace {

// Stores in listing order (the memory puts a new variable first).
void StoreAll(TCalcMemory& mem, TDir& dir,
              std::initializer_list<std::pair<const char*, std::string>> vars) {
    std::vector<std::pair<const char*, std::string>> list(vars);
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        mem.Store(dir, it->first, CompileObject(it->second));
}

TDir& SubDir(TCalcMemory& mem, TDir& parent, const std::string& name) {
    mem.Store(parent, name, TCalcMemory::DirectoryObject(TDir{}));
    return *parent.Find(name)->Dir;
}

std::string BigText() {
    std::string text;
    const std::string line = "The quick brown fox jumps over the lazy dog. 0123456789\n";
    while (text.size() < 66000) text += line;
    return "\"" + text + "\"";
}

} // namespace

TNibs CompileObject(const std::string& text) {
    const auto items = CompileText(text, TTextMode{});
    if (items.size() != 1) throw ESyntax();
    const TNibs& o = items[0];
    if (PrologOf(o) == PrologAlgebraic) {
        const auto inner = CompositeItems(o);
        if (inner.size() == 1 && PrologOf(inner[0]) == PrologGlobal) return inner[0];
    }
    return o;
}

void FillSampleMemory(TCalcMemory& mem) {
    mem.Clear();
    TDir& home = mem.Home();
    // Directories first, so that they come last in HOME's listing.
    TDir& work = SubDir(mem, home, "WORK");
    SubDir(mem, home, "EMPTY");
    TDir& proj = SubDir(mem, work, "PROJ");
    TDir& old = SubDir(mem, proj, "OLD");
    StoreAll(mem, old, {{"V1", "1."}, {"NOTE", "\"kept for reference\""}});
    StoreAll(mem, proj, {{"DATA", "{ 1. 2. 3. 4. }"}, {"RUN", "\xAB DATA \xBB"}});
    StoreAll(mem, work, {{"TODO", "\"measure twice\""}, {"RATE", ".075"}});
    StoreAll(mem, home,
             {
                 {"IOPAR", "{ 9600. 0. 0. 0. 3. 1. }"},
                 {"X", "3.14159265359"},
                 {"N", "-42."},
                 {"SMALL", "1.5E-7"},
                 {"AVOG", "6.02214076E23"},
                 {"Z", "(1.5,-2.)"},
                 {"MSG", "\"Hello from the calculator!\""},
                 {"QUOT", "\"She said \\\"hi\\\" \\\\ then left\""},
                 {"\x8C", ".5"}, // alpha
                 {"\x80"
                  "ANG",
                  "\"\x80"
                  "30 \x8C\x8D\x85\""}, // angle sign
                 {"A\x8D"
                  "B",
                  "\xAB 1. + \xBB"}, // arrow
                 {"LST", "{ 1. \"two\" (3.,4.) { 5. X } 'A+B' # 1Fh }"},
                 {"EQ", "'A+B*2.'"},
                 {"TRIG", "'SIN(X)^2.+COS(X)^2.=1.'"},
                 {"NEST", "'-(A-(B+C))/(D*E)^-2.'"},
                 {"SQR", "\xAB DUP * \xBB"},
                 {"HYP", "\xAB \x8D a b \xAB a SQ b SQ + \x83 \xBB \xBB"},
                 {"SIGN", "\xAB IF DUP 0. == THEN DROP \"zero\" ELSE DROP \"nonzero\" END \xBB"},
                 {"SAFE", "\xAB IFERR 1. 0. / THEN \"caught\" END 'SQR' \xBB"},
                 {"B", "# 1F2Ah"},
                 {"PIC", "GROB 16 8 FFFF1008100810081008100810081FF8"},
                 {"TAG", ":Total:42."},
                 {"NAME", "'X'"},
                 {"BIG", BigText()},
             });
    mem.SetCurrent(home);
}

std::string ModelHeader(TModel model) {
    return model == TModel::KA ? "ZQZQKA-R" : "ZQZQKB-C";
}

std::string ArchiveProgramFile(TModel model) {
    return ObjectFile(ModelHeader(model),
                      CompileObject("\xAB \"Archive: sends the memory\" DROP SENDMEM \xBB"));
}

std::string ServerProgramFile() {
    return ObjectFile(ModelHeader(TModel::KA),
                      CompileObject("\xAB \"XModem server\" DROP XSERVER \xBB"));
}

} // namespace lw::sim
