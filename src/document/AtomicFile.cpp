#include "AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
    throw std::runtime_error("Cannot save \"" + path + "\": " + reason + ".");
}

} // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    std::error_code ec;
    if (fs::is_directory(target, ec)) {
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
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temp = path + ".tmp" + std::to_string(random() % 1000000);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST) {
            Fail(path, std::strerror(errno));
        }
    }
    if (fd < 0) {
        Fail(path, "no temporary file could be created");
    }

    auto abandon = [&](int error) {
        ::close(fd);
        ::unlink(temp.c_str());
        Fail(path, std::strerror(error));
    };
    if (replacing && ::fchmod(fd, mode) != 0) {
        abandon(errno);
    }
    std::size_t written = 0;
    while (written < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            abandon(errno);
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) {
        abandon(errno);
    }
    if (::close(fd) != 0) {
        int error = errno;
        ::unlink(temp.c_str());
        Fail(path, std::strerror(error));
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        int error = errno;
        ::unlink(temp.c_str());
        Fail(path, std::strerror(error));
    }
}
