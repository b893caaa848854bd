#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace xml {

// A text that is not a readable XML document. Offset is the byte position in the
// UTF-8 text where the problem was found, when known.
class EXmlParseError : public std::runtime_error {
public:
    EXmlParseError(const std::string& message, std::ptrdiff_t offset = -1)
        : std::runtime_error(message), m_offset(offset) {}
    std::ptrdiff_t Offset() const { return m_offset; }

private:
    std::ptrdiff_t m_offset;
};

} // namespace xml
