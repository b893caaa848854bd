#include "AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
    throw std::runtime_error("Cannot save \"" + path + "\": " + reason + ".");
}

} // namespace

TAtomicFile::TAtomicFile(const std::string& path) : m_path(path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_directory(fs::path(path), ec)) {
        Fail(path, "it is a folder");
    }

    // Keep the permissions of a file that is replaced.
    mode_t mode = 0666;
    struct stat existing {};
    const bool replacing = ::stat(path.c_str(), &existing) == 0;
    if (replacing) {
        mode = existing.st_mode & 07777;
    }

    std::random_device random;
    for (int attempt = 0; attempt < 16 && m_fd < 0; ++attempt) {
        m_temp = path + ".tmp" + std::to_string(random() % 1000000);
        m_fd = ::open(m_temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (m_fd < 0 && errno != EEXIST) {
            Fail(path, std::strerror(errno));
        }
    }
    if (m_fd < 0) {
        Fail(path, "no temporary file could be created");
    }
    if (replacing && ::fchmod(m_fd, mode) != 0) {
        Abandon(errno);
    }
}

TAtomicFile::~TAtomicFile() {
    if (m_fd >= 0) {
        ::close(m_fd);
        ::unlink(m_temp.c_str());
    }
}

void TAtomicFile::Abandon(int error) {
    ::close(m_fd);
    m_fd = -1;
    ::unlink(m_temp.c_str());
    Fail(m_path, std::strerror(error));
}

void TAtomicFile::Write(std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(m_fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            Abandon(errno);
        }
        written += static_cast<std::size_t>(n);
    }
}

void TAtomicFile::Commit() {
    if (::fsync(m_fd) != 0) {
        Abandon(errno);
    }
    const int fd = std::exchange(m_fd, -1);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(m_temp.c_str());
        Fail(m_path, std::strerror(error));
    }
    if (::rename(m_temp.c_str(), m_path.c_str()) != 0) {
        const int error = errno;
        ::unlink(m_temp.c_str());
        Fail(m_path, std::strerror(error));
    }
}
