#pragma once

#include "profile/ini_text.h"

#include <memory>
#include <string>

namespace profile {

// Where INI files are found and how they are read and written. Not thread-safe by itself: the
// profile service calls it under one lock.
namespace store {

// The per-user folder that stands in for the Windows directory (no trailing separator).
std::string windowsDirectory();

// A null name means WIN.INI; a bare name lies in the Windows directory; anything else is a path.
std::string resolve(const char *fileName);

enum class ReadStatus
{
    Read,
    Missing,
    Unreadable
};

struct Loaded
{
    ReadStatus status = ReadStatus::Missing;
    std::shared_ptr<const IniText> text; // set when Read, empty text when Missing
};

// The parsed file, taken from the cache while the file's modification time and size are unchanged.
Loaded load(const std::string &path);

// Replaces the file in one step (a new file renamed over the old one). False when that failed.
bool save(const std::string &path, const IniText &text);

} // namespace store
} // namespace profile
