#pragma once

#include <string>
#include <string_view>

// A file written to a temporary file beside path, flushed to disk and renamed over path by
// Commit, so that readers see either the old or the new file, never a truncated one. Without
// Commit (a failed write, an exception on the way) the temporary file is removed and path is
// left as it was. Errors throw std::runtime_error naming path. The permissions of a file
// that is replaced are kept.
class TAtomicFile {
public:
    explicit TAtomicFile(const std::string& path);
    ~TAtomicFile();
    TAtomicFile(const TAtomicFile&) = delete;
    TAtomicFile& operator=(const TAtomicFile&) = delete;

    void Write(std::string_view bytes);
    void Commit();

private:
    [[noreturn]] void Abandon(int error);

    std::string m_path;
    std::string m_temp;
    int m_fd = -1;
};
