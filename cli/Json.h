// A small JSON writer for linkwell-cli --json: one document built up value by value. Text is
// written as ASCII: control characters and bytes above 126 as \u00XX (a byte of calculator
// text is one character), so the document is valid whatever the calculator sent.
#pragma once
#include <cstdint>
#include <string>

namespace lw::cli {

class TJsonWriter {
public:
    TJsonWriter& BeginObject() { return Open('{'); }
    TJsonWriter& EndObject() { return Close('}'); }
    TJsonWriter& BeginArray() { return Open('['); }
    TJsonWriter& EndArray() { return Close(']'); }
    // The key of the next value inside an object.
    TJsonWriter& Key(const std::string& key);
    TJsonWriter& String(const std::string& text);
    TJsonWriter& Number(int64_t value);
    TJsonWriter& Bool(bool value);
    // A whole document written elsewhere, as the next value.
    TJsonWriter& Document(const std::string& json);
    // The document so far.
    const std::string& Text() const { return FText; }

private:
    TJsonWriter& Open(char c);
    TJsonWriter& Close(char c);
    void BeforeValue();
    std::string FText;
    bool FFirst = true;     // no value yet at the current level
    bool FAfterKey = false; // a key awaits its value
};

// `text` as a JSON string literal, quotes included.
std::string JsonString(const std::string& text);

} // namespace lw::cli
