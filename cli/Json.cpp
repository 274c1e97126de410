#include "cli/Json.h"

namespace lw::cli {

std::string JsonString(const std::string& text) {
    static const char* const Hex = "0123456789abcdef";
    std::string out = "\"";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c >= 32 && c <= 126) {
            out += ch;
        } else {
            out += "\\u00";
            out += Hex[c >> 4];
            out += Hex[c & 15];
        }
    }
    return out + '"';
}

void TJsonWriter::BeforeValue() {
    if (!FAfterKey && !FFirst) FText += ',';
    FAfterKey = false;
    FFirst = false;
}

TJsonWriter& TJsonWriter::Open(char c) {
    BeforeValue();
    FText += c;
    FFirst = true;
    return *this;
}

TJsonWriter& TJsonWriter::Close(char c) {
    FText += c;
    FFirst = false;
    return *this;
}

TJsonWriter& TJsonWriter::Key(const std::string& key) {
    BeforeValue();
    FText += JsonString(key) + ':';
    FAfterKey = true;
    return *this;
}

TJsonWriter& TJsonWriter::Document(const std::string& json) {
    BeforeValue();
    FText += json;
    return *this;
}

TJsonWriter& TJsonWriter::String(const std::string& text) {
    BeforeValue();
    FText += JsonString(text);
    return *this;
}

TJsonWriter& TJsonWriter::Number(int64_t value) {
    BeforeValue();
    FText += std::to_string(value);
    return *this;
}

TJsonWriter& TJsonWriter::Bool(bool value) {
    BeforeValue();
    FText += value ? "true" : "false";
    return *this;
}

} // namespace lw::cli
