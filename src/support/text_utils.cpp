// Quote stripping, quoted splitting, and file values and file names as
// messages show them.

#include "support/text_utils.h"

#include <cstdio>

namespace torvik {

std::string StripQuotes(std::string_view text, char quote)
{
    size_t first = text.find_first_not_of(quote);
    if (first == std::string_view::npos) return {};
    size_t last = text.find_last_not_of(quote);
    return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> SplitQuoted(std::string_view text, std::string_view separator)
{
    std::vector<std::string> items;
    std::string_view rest = text;
    while (!separator.empty() && rest.find(separator) != std::string_view::npos) {
        if (rest.substr(0, separator.size()) == separator) {
            rest.remove_prefix(1);
            continue;
        }
        if (rest.front() == '"') {
            rest.remove_prefix(1);
            size_t close = rest.find('"');
            if (close == std::string_view::npos) {
                items.emplace_back(rest);
                rest = {};
            } else {
                items.emplace_back(rest.substr(0, close));
                rest.remove_prefix(close + 1);
            }
            continue;
        }
        size_t at = rest.find(separator);
        items.emplace_back(rest.substr(0, at));
        rest.remove_prefix(at);
    }
    if (!rest.empty()) items.push_back(StripQuotes(rest, '"'));
    return items;
}

namespace {

// The length of the well-formed UTF-8 sequence at text[i] and its code
// point; 0 when the bytes there are not UTF-8 (overlong forms and
// surrogates included).
size_t Utf8Sequence(std::string_view text, size_t i, char32_t& code)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    // The sequence's length from its lead byte, and the least code point
    // that needs that many bytes.
    size_t length = 0;
    char32_t min = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        min = 0x80;
        code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        min = 0x800;
        code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        min = 0x10000;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

// Characters that move the cursor, end a line or turn the writing direction.
bool IsControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

void AppendHex(std::string& out, unsigned value, int digits)
{
    static const char kHex[] = "0123456789ABCDEF";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += kHex[(value >> shift) & 0xF];
}

// The character at text[i] as a message shows it, appended to out: itself,
// or its escape when it is a control character or a byte that is not
// UTF-8. Returns the number of bytes taken.
size_t AppendShown(std::string& out, std::string_view text, size_t i)
{
    char32_t code = 0;
    const size_t length = Utf8Sequence(text, i, code);
    if (length == 0) {
        out += "\\x";
        AppendHex(out, static_cast<unsigned char>(text[i]), 2);
        return 1;
    }
    if (code == '\t') {
        out += "\\t";
    } else if (code == '\r') {
        out += "\\r";
    } else if (code == '\n') {
        out += "\\n";
    } else if (IsControl(code)) {
        out += code < 0x80 ? "\\x" : "\\u";
        AppendHex(out, static_cast<unsigned>(code), code < 0x80 ? 2 : 4);
    } else {
        out.append(text.substr(i, length));
    }
    return length;
}

}  // namespace

std::string QuotedValue(std::string_view text, std::size_t aMaxChars)
{
    std::string out = "'";
    size_t i = 0;
    for (size_t chars = 0; i < text.size() && chars < aMaxChars; ++chars) i += AppendShown(out, text, i);
    if (i < text.size()) out += "...";
    out += "'";
    return out;
}

std::string ShownFileName(std::string_view aName, std::size_t aMaxChars)
{
    // Each character as shown, an escape as one piece, so that shortening
    // never cuts an escape or a character in two. An escape is as wide as
    // its text, any other character one.
    std::vector<std::string> pieces;
    std::size_t width = 0;
    const auto widthOf = [](const std::string& aPiece) { return aPiece.front() == '\\' ? aPiece.size() : 1; };
    for (size_t i = 0; i < aName.size();) {
        std::string piece;
        i += AppendShown(piece, aName, i);
        width += widthOf(piece);
        pieces.push_back(std::move(piece));
    }
    std::string out;
    if (width <= aMaxChars || aMaxChars < 2) {
        for (const std::string& piece : pieces) out += piece;
        return out;
    }
    // The start of the path and as much of its end, which names the file,
    // as fits beside the ellipsis.
    const std::size_t budget = aMaxChars - 1;
    std::size_t head = 0, headWidth = 0;
    while (head < pieces.size() && headWidth + widthOf(pieces[head]) <= budget * 2 / 5)
        headWidth += widthOf(pieces[head++]);
    std::size_t tail = pieces.size(), tailWidth = 0;
    while (tail > head && headWidth + tailWidth + widthOf(pieces[tail - 1]) <= budget)
        tailWidth += widthOf(pieces[--tail]);
    for (std::size_t k = 0; k < head; ++k) out += pieces[k];
    out += "\u2026";
    for (std::size_t k = tail; k < pieces.size(); ++k) out += pieces[k];
    return out;
}

std::string JsonString(const std::string& s) {
    std::string out = "\"";
    char buf[8];
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        char32_t code = 0;
        const std::size_t length = Utf8Sequence(s, i, code);
        if (length == 0) {
            // A byte that is not UTF-8 (a file name can hold any) as the
            // lone surrogate U+DC80 + byte: the JSON stays valid, and a
            // reader that decodes with surrogate escapes gets the byte back.
            std::snprintf(buf, sizeof buf, "\\udc%02x", c);
            out += buf;
            ++i;
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += s[i];
        } else if (c < 0x20) {
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out.append(s, i, length);
        }
        i += length;
    }
    return out + "\"";
}

std::string CsvField(const std::string& s) {
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string out = "\"";
    for (const char ch : s) {
        if (ch == '"') out += '"';
        out += ch;
    }
    return out + "\"";
}

std::optional<std::string> Utf16ToUtf8(std::string_view aBytes, bool aBigEndian)
{
    if (aBytes.size() % 2 != 0) return std::nullopt;
    const auto unit = [&](size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(aBytes[i]), b = static_cast<unsigned char>(aBytes[i + 1]);
        return aBigEndian ? (a << 8) | b : (b << 8) | a;
    };
    std::string out;
    out.reserve(aBytes.size() / 2 * 3 / 2);
    for (size_t i = 0; i < aBytes.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xDC00 && c <= 0xDFFF) return std::nullopt;  // a low surrogate first
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 2 >= aBytes.size()) return std::nullopt;
            const char32_t low = unit(i + 2);
            if (low < 0xDC00 || low > 0xDFFF) return std::nullopt;
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::optional<std::string> Utf8ToUtf16(std::string_view aText, bool aBigEndian)
{
    std::string out;
    out.reserve(aText.size() * 2);
    const auto put = [&](char32_t u) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += aBigEndian ? hi : lo;
        out += aBigEndian ? lo : hi;
    };
    for (size_t i = 0; i < aText.size();) {
        char32_t c = 0;
        const size_t length = Utf8Sequence(aText, i, c);
        if (length == 0) return std::nullopt;
        i += length;
        if (c < 0x10000) {
            put(c);
        } else {
            c -= 0x10000;
            put(0xD800 + (c >> 10));
            put(0xDC00 + (c & 0x3FF));
        }
    }
    return out;
}

}  // namespace torvik
