#include "XmlEncoding.h"

#include "XmlError.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

namespace xml {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; unassigned codes keep their value.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string FromSingleByte(std::string_view bytes, bool cp1252) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (unsigned char c : bytes) {
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (cp1252 && c < 0xA0) {
            AppendUtf8(out, kCp1252High[c - 0x80]);
        } else {
            AppendUtf8(out, c);
        }
    }
    return out;
}

std::string FromUtf16(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](std::size_t i) -> char32_t {
        auto b0 = static_cast<unsigned char>(bytes[i]);
        auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (b0 << 8 | b1) : (b1 << 8 | b0);
    };
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        char32_t u = unit(i);
        if (u >= 0xD800 && u < 0xDC00 && i + 3 < bytes.size()) {
            char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        if (u >= 0xD800 && u < 0xE000) {
            throw EXmlParseError("invalid UTF-16 surrogate", static_cast<std::ptrdiff_t>(i));
        }
        AppendUtf8(out, u);
    }
    if (i < bytes.size()) {
        throw EXmlParseError("truncated UTF-16 text", static_cast<std::ptrdiff_t>(i));
    }
    return out;
}

// The value of encoding="..." in a leading XML declaration, lower-cased; empty if none.
std::string DeclaredEncoding(std::string_view text) {
    if (text.substr(0, 5) != "<?xml") {
        return {};
    }
    std::string_view decl = text.substr(0, text.find("?>"));
    std::size_t pos = decl.find("encoding");
    if (pos == std::string_view::npos) {
        return {};
    }
    pos = decl.find_first_of("\"'", pos);
    if (pos == std::string_view::npos) {
        return {};
    }
    std::size_t end = decl.find(decl[pos], pos + 1);
    if (end == std::string_view::npos) {
        return {};
    }
    std::string name(decl.substr(pos + 1, end - pos - 1));
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name;
}

// The length of the run of ASCII bytes at the start of text, read a word at a time.
std::size_t AsciiPrefix(std::string_view text) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    std::size_t pos = 0;
    for (std::uint64_t word; pos + sizeof word <= text.size(); pos += sizeof word) {
        std::memcpy(&word, text.data() + pos, sizeof word);
        if (word & kHighBits) {
            break;
        }
    }
    while (pos < text.size() && static_cast<unsigned char>(text[pos]) < 0x80) {
        ++pos;
    }
    return pos;
}

} // namespace

TTextBuffer TTextBuffer::Uninitialised(std::size_t size) {
    TTextBuffer buffer;
    buffer.m_storage = std::make_unique_for_overwrite<char[]>(size + 1);
    buffer.m_data = buffer.m_storage.get();
    buffer.m_size = size;
    buffer.m_data[size] = '\0';
    return buffer;
}

TTextBuffer TTextBuffer::Copy(std::string_view text) {
    TTextBuffer buffer = Uninitialised(text.size());
    std::memcpy(buffer.m_data, text.data(), text.size());
    return buffer;
}

void TTextBuffer::DropFront(std::size_t count) {
    count = std::min(count, m_size);
    m_data += count;
    m_size -= count;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

char32_t NextCodePoint(std::string_view text, std::size_t& pos) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char c = byte(pos);
    int extra = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if (c < 0x80) {
        ++pos;
        return c;
    } else if ((c & 0xE0) == 0xC0) {
        extra = 1, cp = c & 0x1F, min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        extra = 2, cp = c & 0x0F, min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        extra = 3, cp = c & 0x07, min = 0x10000;
    } else {
        ++pos;
        return c;
    }
    if (pos + extra >= text.size()) {
        ++pos;
        return c;
    }
    for (int k = 1; k <= extra; ++k) {
        if ((byte(pos + k) & 0xC0) != 0x80) {
            ++pos;
            return c;
        }
        cp = (cp << 6) | (byte(pos + k) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) {
        ++pos;
        return c;
    }
    pos += extra + 1;
    return cp;
}

bool IsValidUtf8(std::string_view text) {
    std::size_t pos = 0;
    const std::size_t n = text.size();
    while (pos < n) {
        // Skip ASCII quickly; it is nearly all of a media index.
        pos += AsciiPrefix(text.substr(pos));
        if (pos == n) {
            break;
        }
        std::size_t before = pos;
        char32_t cp = NextCodePoint(text, pos);
        if (pos == before + 1 && cp >= 0x80) {
            return false;
        }
    }
    return true;
}

TTextBuffer DecodeToUtf8(TTextBuffer input) {
    const std::string_view bytes = input.View();
    auto starts = [&](std::string_view prefix) { return bytes.substr(0, prefix.size()) == prefix; };
    if (starts("\xEF\xBB\xBF")) {
        if (!IsValidUtf8(bytes.substr(3))) {
            throw EXmlParseError("the text is marked as UTF-8 but is not valid UTF-8");
        }
        input.DropFront(3);
        return input;
    }
    if (starts(std::string_view("\xFF\xFE", 2))) {
        return TTextBuffer::Copy(FromUtf16(bytes.substr(2), false));
    }
    if (starts(std::string_view("\xFE\xFF", 2))) {
        return TTextBuffer::Copy(FromUtf16(bytes.substr(2), true));
    }
    if (starts(std::string_view("<\0?\0", 4))) {
        return TTextBuffer::Copy(FromUtf16(bytes, false));
    }
    if (starts(std::string_view("\0<\0?", 4))) {
        return TTextBuffer::Copy(FromUtf16(bytes, true));
    }
    const std::string encoding = DeclaredEncoding(bytes);
    if (encoding == "iso-8859-1" || encoding == "latin1" || encoding == "latin-1" ||
        encoding == "l1" || encoding == "iso_8859-1") {
        return TTextBuffer::Copy(FromSingleByte(bytes, false));
    }
    if (encoding == "windows-1252" || encoding == "cp1252" || encoding == "x-cp1252") {
        return TTextBuffer::Copy(FromSingleByte(bytes, true));
    }
    if (!encoding.empty() && encoding != "utf-8" && encoding != "utf8" && encoding != "us-ascii" &&
        encoding != "ascii") {
        throw EXmlParseError("unsupported encoding \"" + encoding + "\"");
    }
    if (IsValidUtf8(bytes)) {
        return input;
    }
    return TTextBuffer::Copy(FromSingleByte(bytes, true));
}

} // namespace xml
