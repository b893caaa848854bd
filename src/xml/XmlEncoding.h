#pragma once
// Turning the bytes of a file into UTF-8, and UTF-8 into code points.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace xml {

// Text in one allocation that is not zero-filled first (a file is read straight into it),
// with a NUL after its size bytes, as pugixml's in-place parse wants it.
class TTextBuffer {
public:
    TTextBuffer() = default;
    // size bytes to be filled by the caller.
    static TTextBuffer Uninitialised(std::size_t size);
    static TTextBuffer Copy(std::string_view text);

    char* Data() const { return m_data; }
    std::size_t Size() const { return m_size; }
    std::string_view View() const { return {m_data, m_size}; }
    // Drops count bytes at the front, such as a byte-order mark, without moving the rest.
    void DropFront(std::size_t count);

private:
    std::unique_ptr<char[]> m_storage;
    char* m_data = nullptr;
    std::size_t m_size = 0;
};

// Follows a byte-order mark or the encoding named by the XML declaration. Without either,
// the bytes are UTF-8 when they are valid UTF-8 and Windows-1252 otherwise (files edited
// by older tools). Throws EXmlParseError for an encoding it does not know.
// Valid UTF-8 is returned as it came, without a copy.
TTextBuffer DecodeToUtf8(TTextBuffer bytes);

bool IsValidUtf8(std::string_view text);

void AppendUtf8(std::string& out, char32_t codePoint);

// Reads one code point at pos and advances pos. A byte that does not start a valid
// sequence is taken on its own as its Latin-1 character.
char32_t NextCodePoint(std::string_view text, std::size_t& pos);

} // namespace xml
