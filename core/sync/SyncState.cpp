// The sync state file: a small JSON document, written and read here without a library.
#include "sync/SyncState.h"

#include "util/Files.h"
#include "util/SysFiles.h"

#include <cctype>
#include <cstdio>

namespace lw {
namespace {

void PutString(std::string& out, std::string_view s) {
    out += '"';
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20 || u >= 0x7f) {
            // Names are calculator bytes: every byte outside printable ASCII as \u00XX, so the
            // file is plain ASCII and each byte comes back as it was.
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", u);
            out += buf;
        } else {
            out += c;
        }
    }
    out += '"';
}

// A reader for exactly the shapes the state file uses: objects, strings, integers.
class TReader {
public:
    explicit TReader(std::string_view text) : FText(text) {}

    bool Done() {
        Blanks();
        return FPos == FText.size();
    }
    bool Take(char c) {
        Blanks();
        if (FPos < FText.size() && FText[FPos] == c) {
            ++FPos;
            return true;
        }
        return false;
    }
    bool Peek(char c) {
        Blanks();
        return FPos < FText.size() && FText[FPos] == c;
    }
    bool String(std::string& s) {
        s.clear();
        if (!Take('"')) return false;
        while (FPos < FText.size()) {
            const char c = FText[FPos++];
            if (c == '"') return true;
            if (c != '\\') {
                s += c;
                continue;
            }
            if (FPos >= FText.size()) return false;
            const char e = FText[FPos++];
            if (e == 'u') {
                if (FPos + 4 > FText.size()) return false;
                unsigned v = 0;
                for (int i = 0; i < 4; ++i) {
                    const char h = FText[FPos++];
                    if (!std::isxdigit(static_cast<unsigned char>(h))) return false;
                    v = v * 16 +
                        unsigned(std::isdigit(static_cast<unsigned char>(h))
                                     ? h - '0'
                                     : std::tolower(static_cast<unsigned char>(h)) - 'a' + 10);
                }
                if (v > 0xff) return false;
                s += static_cast<char>(v);
            } else if (e == '"' || e == '\\' || e == '/') {
                s += e;
            } else {
                return false;
            }
        }
        return false;
    }
    bool Integer(int64_t& v) {
        Blanks();
        const bool minus = FPos < FText.size() && FText[FPos] == '-';
        if (minus) ++FPos;
        const size_t start = FPos;
        v = 0;
        while (FPos < FText.size() && std::isdigit(static_cast<unsigned char>(FText[FPos])) &&
               FPos - start < 18)
            v = v * 10 + (FText[FPos++] - '0');
        if (FPos == start) return false;
        if (minus) v = -v;
        return true;
    }

private:
    void Blanks() {
        while (FPos < FText.size() && std::isspace(static_cast<unsigned char>(FText[FPos]))) ++FPos;
    }
    std::string_view FText;
    size_t FPos = 0;
};

// Calls `member(key)` for each member of an object; false on a malformed object.
template <class TMember> bool Members(TReader& r, TMember member) {
    if (!r.Take('{')) return false;
    if (r.Take('}')) return true;
    do {
        std::string key;
        if (!r.String(key) || !r.Take(':') || !member(key)) return false;
    } while (r.Take(','));
    return r.Take('}');
}

bool ReadEntry(TReader& r, TSyncEntry& e) {
    return Members(r, [&](const std::string& key) {
        if (key == "pc") return r.String(e.PcHash);
        if (key == "calc") return r.String(e.CalcHash);
        if (key == "calc-size") return r.Integer(e.CalcSize);
        return false;
    });
}

} // namespace

std::string SyncHash(std::string_view bytes) {
    uint64_t h = 14695981039346656037ull;
    for (const char c : bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(h));
    return buf;
}

std::string SyncStateToJson(const TSyncState& state) {
    std::string out = "{\n  \"version\": 1,\n  \"calc-dir\": ";
    PutString(out, state.CalcDir);
    out += ",\n  \"mode\": ";
    PutString(out, state.Mode);
    out += ",\n  \"entries\": {";
    bool first = true;
    for (const auto& [name, e] : state.Entries) {
        out += first ? "\n    " : ",\n    ";
        first = false;
        PutString(out, name);
        out += ": {\"pc\": ";
        PutString(out, e.PcHash);
        out += ", \"calc\": ";
        PutString(out, e.CalcHash);
        out += ", \"calc-size\": " + std::to_string(e.CalcSize) + "}";
    }
    out += first ? "}\n}\n" : "\n  }\n}\n";
    return out;
}

bool SyncStateFromJson(std::string_view json, TSyncState& state) {
    TSyncState read;
    TReader r(json);
    int64_t version = 0;
    const bool ok = Members(r,
                            [&](const std::string& key) {
                                if (key == "version") return r.Integer(version);
                                if (key == "calc-dir") return r.String(read.CalcDir);
                                if (key == "mode") return r.String(read.Mode);
                                if (key != "entries") return false;
                                return Members(r, [&](const std::string& name) {
                                    return ReadEntry(r, read.Entries[name]);
                                });
                            }) &&
                    r.Done() && version == 1;
    state = ok ? std::move(read) : TSyncState{};
    return ok;
}

TSyncState LoadSyncState(const std::string& pcDir, const std::string& calcDir,
                         const std::string& mode) {
    TSyncState state;
    const std::string path = pcDir + "/" + SyncStateFileName;
    if (sys::TargetKind(path) != sys::TPathKind::None) {
        std::string text;
        try {
            text = ReadFileToString(path);
        } catch (const EFileError&) {}
        if (!SyncStateFromJson(text, state)) state.Unreadable = true;
    }
    if (state.CalcDir != calcDir || state.Mode != mode) state.Entries.clear();
    state.CalcDir = calcDir;
    state.Mode = mode;
    return state;
}

void SaveSyncState(const std::string& pcDir, const TSyncState& state) {
    WriteStringToFile(SyncStateToJson(state), pcDir + "/" + SyncStateFileName);
}

} // namespace lw
