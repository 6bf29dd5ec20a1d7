#pragma once

// A store of INI files that answers like the Windows profile service (ANSI calls), so that code
// written against that service reads and writes INI files the same way here.
//
// Files are parsed once and kept while their modification time and size stay the same. Writes edit
// the file in place, keep every other line byte for byte, and replace the file in one step so that
// a crash leaves either the old or the new file. A bare file name lives in GetWindowsDirectoryA's
// folder, a per-user folder of this program under the user's configuration directory.

#include <cstdint>

namespace profile {
std::uint32_t GetPrivateProfileStringA(const char *section, const char *key, const char *defaultValue, char *buffer,
                                       std::uint32_t size, const char *fileName);
std::uint32_t GetPrivateProfileIntA(const char *section, const char *key, std::int32_t defaultValue,
                                    const char *fileName);
std::uint32_t GetPrivateProfileSectionA(const char *section, char *buffer, std::uint32_t size, const char *fileName);
bool WritePrivateProfileStringA(const char *section, const char *key, const char *value, const char *fileName);
bool WritePrivateProfileSectionA(const char *section, const char *entries, const char *fileName);
std::uint32_t GetProfileStringA(const char *section, const char *key, const char *defaultValue, char *buffer,
                                std::uint32_t size);
std::uint32_t GetProfileIntA(const char *section, const char *key, std::int32_t defaultValue);
std::uint32_t GetProfileSectionA(const char *section, char *buffer, std::uint32_t size);
bool WriteProfileStringA(const char *section, const char *key, const char *value);
bool WriteProfileSectionA(const char *section, const char *entries);
std::uint32_t GetWindowsDirectoryA(char *buffer, std::uint32_t size);
} // namespace profile
