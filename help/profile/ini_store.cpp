#include "profile/ini_store.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace profile::store {

namespace {

// Larger files are not INI files a person wrote; refusing them keeps memory bounded.
constexpr std::uintmax_t kLargestFile = 16 * 1024 * 1024;

struct CachedFile
{
    struct timespec modified = {};
    off_t size = 0;
    std::shared_ptr<const IniText> text;

    bool describes(const struct stat &now) const
    {
        return modified.tv_sec == now.st_mtim.tv_sec && modified.tv_nsec == now.st_mtim.tv_nsec && size == now.st_size;
    }
};

std::map<std::string, CachedFile> &cache()
{
    static std::map<std::string, CachedFile> files;
    return files;
}

bool writeAll(int fd, const std::string &content)
{
    const char *data = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

void remember(const std::string &path, std::shared_ptr<const IniText> text)
{
    struct stat now;
    if (::stat(path.c_str(), &now) != 0) {
        cache().erase(path);
        return;
    }
    cache()[path] = {now.st_mtim, now.st_size, std::move(text)};
}

} // namespace

std::string windowsDirectory()
{
    const char *config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config == '/') {
        return std::string(config) + "/teeguide";
    }
    const char *home = std::getenv("HOME");
    if (home && *home == '/') {
        return std::string(home) + "/.config/teeguide";
    }
    return fs::temp_directory_path().string() + "/teeguide";
}

std::string resolve(const char *fileName)
{
    std::string name = fileName ? fileName : "WIN.INI";
    if (name.find('/') == std::string::npos) {
        return windowsDirectory() + "/" + name;
    }
    return name;
}

Loaded load(const std::string &path)
{
    // One stat per read: the help window reads thousands of values from one file.
    struct stat now;
    if (::stat(path.c_str(), &now) != 0) {
        cache().erase(path);
        return {errno == ENOENT ? ReadStatus::Missing : ReadStatus::Unreadable, std::make_shared<IniText>()};
    }
    if (!S_ISREG(now.st_mode) || static_cast<std::uintmax_t>(now.st_size) > kLargestFile) {
        return {ReadStatus::Unreadable, nullptr};
    }
    auto cached = cache().find(path);
    if (cached != cache().end() && cached->second.describes(now)) {
        return {ReadStatus::Read, cached->second.text};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {ReadStatus::Unreadable, nullptr};
    }
    std::ostringstream content;
    content << in.rdbuf();
    auto text = std::make_shared<const IniText>(content.str());
    cache()[path] = {now.st_mtim, now.st_size, text};
    return {ReadStatus::Read, text};
}

bool save(const std::string &path, const IniText &text)
{
    fs::path target(path);
    fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::error_code error;
    if (folder == fs::path(windowsDirectory())) {
        fs::create_directories(folder, error);
    }
    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return false;
    }
    struct stat old;
    ::fchmod(fd, ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);
    bool written = writeAll(fd, text.text()) && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    remember(path, std::make_shared<const IniText>(text));
    return true;
}

} // namespace profile::store
