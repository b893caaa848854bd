#pragma once

#include <string>
#include <string_view>

// Writes bytes to a temporary file beside path, flushes it to disk and renames it over path,
// so that readers see either the old or the new file, never a truncated one. Throws
// std::runtime_error naming path; the old file is then left as it was.
void WriteFileAtomically(const std::string& path, std::string_view bytes);
