#pragma once

#include <string>

// The symbolic link "ttySIM<n>" in a folder that names the pseudo-terminal to the programming
// tool. The first number that no live link holds is taken; a link to a vanished device is
// replaced.
class PortLink {
public:
    PortLink(const std::string& folder, const std::string& target);
    ~PortLink();
    PortLink(const PortLink&) = delete;
    PortLink& operator=(const PortLink&) = delete;

    const std::string& name() const { return name_; }
    const std::string& path() const { return path_; }
    // Removes the link unless someone else has replaced it meanwhile.
    void remove();

private:
    std::string target_;
    std::string name_;
    std::string path_;
};

// Creates the folder, readable by its owner alone, unless it exists.
void ensurePrivateFolder(const std::string& folder);
