#include "tests/load/JsonLite.h"

#include <cmath>
#include <cstdlib>

namespace velmora::load {

namespace {

constexpr int kMaxDepth = 64;  // the tool nests four deep; anything far deeper is a fault

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    JsonParse run() {
        JsonParse parse;
        JsonValue value;
        skipBlanks();
        if (readValue(value, 0)) {
            skipBlanks();
            if (at_ == text_.size()) {
                parse.value = std::move(value);
                return parse;
            }
            fail("text after the value");
        }
        parse.problem = problem_ + " at byte " + std::to_string(at_);
        return parse;
    }

private:
    bool fail(const char* what) {
        if (problem_.empty()) problem_ = what;
        return false;
    }
    bool more() const { return at_ < text_.size(); }
    char peek() const { return more() ? text_[at_] : '\0'; }
    void skipBlanks() {
        while (more() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r')) ++at_;
    }
    bool take(char c) {
        if (peek() != c) return false;
        ++at_;
        return true;
    }
    bool literal(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) return fail("unknown word");
        at_ += word.size();
        return true;
    }

    bool readValue(JsonValue& value, int depth) {
        if (depth > kMaxDepth) return fail("nested too deep");
        switch (peek()) {
            case '{': return readObject(value, depth);
            case '[': return readArray(value, depth);
            case '"': value.kind = JsonValue::Kind::String; return readString(value.text);
            case 't': value.kind = JsonValue::Kind::Bool; value.boolean = true; return literal("true");
            case 'f': value.kind = JsonValue::Kind::Bool; return literal("false");
            case 'n': return literal("null");
            default: return readNumber(value);
        }
    }

    bool readObject(JsonValue& value, int depth) {
        value.kind = JsonValue::Kind::Object;
        ++at_;
        skipBlanks();
        if (take('}')) return true;
        for (;;) {
            skipBlanks();
            std::string key;
            if (peek() != '"' || !readString(key)) return fail("expected a key");
            skipBlanks();
            if (!take(':')) return fail("expected ':'");
            skipBlanks();
            value.keys.push_back(std::move(key));
            value.items.emplace_back();
            if (!readValue(value.items.back(), depth + 1)) return false;
            skipBlanks();
            if (take('}')) return true;
            if (!take(',')) return fail("expected ',' or '}'");
        }
    }

    bool readArray(JsonValue& value, int depth) {
        value.kind = JsonValue::Kind::Array;
        ++at_;
        skipBlanks();
        if (take(']')) return true;
        for (;;) {
            skipBlanks();
            value.items.emplace_back();
            if (!readValue(value.items.back(), depth + 1)) return false;
            skipBlanks();
            if (take(']')) return true;
            if (!take(',')) return fail("expected ',' or ']'");
        }
    }

    bool readNumber(JsonValue& value) {
        const std::size_t start = at_;
        take('-');
        if (take('0')) {
        } else if (peek() >= '1' && peek() <= '9') {
            while (peek() >= '0' && peek() <= '9') ++at_;
        } else {
            return fail("expected a value");
        }
        if (take('.') && !digits()) return fail("expected digits after '.'");
        if (take('e') || take('E')) {
            if (!take('+')) take('-');
            if (!digits()) return fail("expected exponent digits");
        }
        value.kind = JsonValue::Kind::Number;
        value.number = std::strtod(std::string(text_.substr(start, at_ - start)).c_str(), nullptr);
        return true;
    }
    bool digits() {
        const std::size_t start = at_;
        while (peek() >= '0' && peek() <= '9') ++at_;
        return at_ > start;
    }

    bool readString(std::string& out) {
        ++at_;  // the opening quote
        for (;;) {
            if (!more()) return fail("unterminated string");
            const auto byte = static_cast<unsigned char>(text_[at_]);
            if (byte == '"') {
                ++at_;
                return true;
            }
            if (byte < 0x20) return fail("control character in a string");
            if (byte == '\\') {
                if (!readEscape(out)) return false;
            } else if (!readUtf8(out)) {
                return false;
            }
        }
    }

    bool readEscape(std::string& out) {
        ++at_;
        const char c = peek();
        ++at_;
        switch (c) {
            case '"': out += '"'; return true;
            case '\\': out += '\\'; return true;
            case '/': out += '/'; return true;
            case 'b': out += '\b'; return true;
            case 'f': out += '\f'; return true;
            case 'n': out += '\n'; return true;
            case 'r': out += '\r'; return true;
            case 't': out += '\t'; return true;
            case 'u': return readUnicodeEscape(out);
            default: return fail("bad escape");
        }
    }

    bool hex4(unsigned& code) {
        if (at_ + 4 > text_.size()) return fail("short \\u escape");
        code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[at_++];
            const int digit = (c >= '0' && c <= '9') ? c - '0'
                              : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                              : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                                       : -1;
            if (digit < 0) return fail("bad \\u escape");
            code = code * 16 + static_cast<unsigned>(digit);
        }
        return true;
    }

    bool readUnicodeEscape(std::string& out) {
        unsigned code = 0;
        if (!hex4(code)) return false;
        if (code >= 0xDC00 && code <= 0xDFFF) return fail("lone low surrogate");
        if (code >= 0xD800 && code <= 0xDBFF) {
            unsigned low = 0;
            if (!take('\\') || !take('u') || !hex4(low) || low < 0xDC00 || low > 0xDFFF)
                return fail("high surrogate without its low half");
            code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(code, out);
        return true;
    }

    static void AppendUtf8(unsigned code, std::string& out) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    // One UTF-8 character, checked: no overlong forms, no surrogates, nothing above U+10FFFF.
    bool readUtf8(std::string& out) {
        const auto lead = static_cast<unsigned char>(text_[at_]);
        int length = 0;
        unsigned code = 0;
        if (lead < 0x80) { length = 1; code = lead; }
        else if (lead >= 0xC2 && lead <= 0xDF) { length = 2; code = lead & 0x1Fu; }
        else if (lead >= 0xE0 && lead <= 0xEF) { length = 3; code = lead & 0x0Fu; }
        else if (lead >= 0xF0 && lead <= 0xF4) { length = 4; code = lead & 0x07u; }
        else return fail("not UTF-8");
        if (at_ + static_cast<std::size_t>(length) > text_.size()) return fail("UTF-8 cut short");
        for (int i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text_[at_ + static_cast<std::size_t>(i)]);
            if ((next & 0xC0) != 0x80) return fail("not UTF-8");
            code = (code << 6) | (next & 0x3Fu);
        }
        if ((length == 3 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) ||
            (length == 4 && (code < 0x10000 || code > 0x10FFFF)))
            return fail("not UTF-8");
        out.append(text_.substr(at_, static_cast<std::size_t>(length)));
        at_ += static_cast<std::size_t>(length);
        return true;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::string problem_;
};

}  // namespace

const JsonValue* JsonValue::find(std::string_view key) const {
    if (kind != Kind::Object) return nullptr;
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (keys[i] == key) return &items[i];
    return nullptr;
}

std::optional<int> JsonValue::integer() const {
    if (kind != Kind::Number || number != std::floor(number) || std::fabs(number) > 1e9) return std::nullopt;
    return static_cast<int>(number);
}

JsonParse ParseJson(std::string_view text) { return Reader(text).run(); }

}  // namespace velmora::load
