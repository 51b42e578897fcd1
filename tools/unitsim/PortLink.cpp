#include "tools/unitsim/PortLink.h"

#include <array>
#include <cerrno>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

bool isStaleLink(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode) &&
           stat(path.c_str(), &info) != 0 && errno == ENOENT;
}

std::string linkTarget(const std::string& path) {
    std::array<char, 4096> buffer{};
    const auto length = readlink(path.c_str(), buffer.data(), buffer.size());
    return length < 0 ? std::string() : std::string(buffer.data(), std::size_t(length));
}

} // namespace

PortLink::PortLink(const std::string& folder, const std::string& target) : target_(target) {
    for (unsigned number = 0;; ++number) {
        name_ = "ttySIM" + std::to_string(number);
        path_ = folder + "/" + name_;
        if (isStaleLink(path_))
            unlink(path_.c_str());
        if (symlink(target_.c_str(), path_.c_str()) == 0)
            return;
        if (errno != EEXIST)
            throw std::system_error(errno, std::generic_category(), "symlink " + path_);
    }
}

PortLink::~PortLink() {
    remove();
}

void PortLink::remove() {
    if (!path_.empty() && linkTarget(path_) == target_)
        unlink(path_.c_str());
    path_.clear();
}

void ensurePrivateFolder(const std::string& folder) {
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        throw std::system_error(errno, std::generic_category(), "mkdir " + folder);
}
