#include "profile_service.h"

#include "profile/ini_store.h"

#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace profile {

namespace {

std::mutex &serviceLock()
{
    static std::mutex lock;
    return lock;
}

// One string, cut to the buffer and closed by a NUL; the count excludes the NUL.
std::uint32_t copyString(std::string_view text, char *buffer, std::uint32_t size)
{
    std::size_t count = std::min<std::size_t>(text.size(), size - 1);
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<std::uint32_t>(count);
}

// Strings each closed by a NUL and one more NUL after the last. Nothing is written past size. When
// they do not fit, even exactly, the last string that is begun is cut, two NULs close the buffer and
// the result is size - 2.
std::uint32_t copyList(const std::vector<std::string> &items, char *buffer, std::uint32_t size)
{
    if (size < 2) {
        buffer[0] = '\0';
        return 0;
    }
    std::size_t used = 0; // never above size - 2
    for (const std::string &item : items) {
        if (used + item.size() + 1 > size - 2) {
            std::size_t room = size - 2 - used;
            std::memcpy(buffer + used, item.data(), std::min(room, item.size()));
            buffer[size - 2] = '\0';
            buffer[size - 1] = '\0';
            return size - 2;
        }
        std::memcpy(buffer + used, item.c_str(), item.size() + 1);
        used += item.size() + 1;
    }
    buffer[used] = '\0';
    if (used == 0) {
        buffer[1] = '\0';
    }
    return static_cast<std::uint32_t>(used);
}

// What a list read leaves when the file does not exist: one NUL, as Windows leaves it.
std::uint32_t noList(char *buffer)
{
    buffer[0] = '\0';
    return 0;
}

std::string_view withoutQuotes(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// Windows drops trailing spaces from a default, but not TABs.
std::string_view withoutTrailingSpaces(std::string_view text)
{
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

// Text that would end a line would let a value write new sections and keys into the file.
bool fitsOnOneLine(const char *text)
{
    return !text || std::strpbrk(text, "\r\n") == nullptr;
}

std::vector<std::string> sectionNames(const IniText &text)
{
    std::vector<std::string> names;
    for (const auto &section : text.sections()) {
        names.push_back(section.name);
    }
    return names;
}

std::vector<std::string> keyNames(const IniText::Section *section)
{
    std::vector<std::string> keys;
    if (section) {
        for (const auto &entry : section->entries) {
            if (entry.hasEquals) {
                keys.push_back(entry.key);
            }
        }
    }
    return keys;
}

std::vector<std::string> entryLines(const IniText::Section *section)
{
    std::vector<std::string> lines;
    if (section) {
        for (const auto &entry : section->entries) {
            lines.push_back(entry.hasEquals ? entry.key + "=" + entry.value : entry.key);
        }
    }
    return lines;
}

// An unreadable file reads as an empty one.
store::Loaded readable(const std::string &path)
{
    store::Loaded loaded = store::load(path);
    if (loaded.status == store::ReadStatus::Unreadable) {
        loaded.text = std::make_shared<IniText>();
    }
    return loaded;
}

// Reads, edits and writes back one file; an unreadable file is never replaced.
template<typename Edit> bool editFile(const char *fileName, Edit edit)
{
    std::string path = store::resolve(fileName);
    std::lock_guard<std::mutex> guard(serviceLock());
    store::Loaded loaded = store::load(path);
    if (loaded.status == store::ReadStatus::Unreadable) {
        return false;
    }
    IniText text = *loaded.text;
    if (!edit(text)) {
        return true;
    }
    return store::save(path, text);
}

// Reads the leading whole number as the Windows service does: blanks, a sign, then decimal
// digits or 0x and hex digits; the result wraps to 32 bits.
std::uint32_t leadingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    unsigned base = 10;
    if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    std::uint32_t value = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        unsigned digit;
        if (c >= '0' && c <= '9') {
            digit = static_cast<unsigned>(c - '0');
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = static_cast<unsigned>(c - 'a' + 10);
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = static_cast<unsigned>(c - 'A' + 10);
        } else {
            break;
        }
        value = value * base + digit;
    }
    return negative ? 0u - value : value;
}

} // namespace

std::uint32_t GetPrivateProfileStringA(const char *section, const char *key, const char *defaultValue, char *buffer,
                                       std::uint32_t size, const char *fileName)
{
    if (!buffer || size == 0) {
        return 0;
    }
    std::string path = store::resolve(fileName);
    std::lock_guard<std::mutex> guard(serviceLock());
    store::Loaded file = readable(path);
    if (!key && file.status == store::ReadStatus::Missing) {
        return noList(buffer);
    }
    if (!section) {
        return copyList(sectionNames(*file.text), buffer, size);
    }
    const IniText::Section *found = file.text->findSection(section);
    if (!key) {
        return copyList(keyNames(found), buffer, size);
    }
    const IniText::Entry *entry = found ? IniText::findEntry(*found, key) : nullptr;
    if (entry) {
        return copyString(withoutQuotes(entry->value), buffer, size);
    }
    return copyString(withoutTrailingSpaces(defaultValue ? defaultValue : ""), buffer, size);
}

std::uint32_t GetPrivateProfileIntA(const char *section, const char *key, std::int32_t defaultValue,
                                    const char *fileName)
{
    if (!section && !fileName) {
        return 0; // WIN.INI without a section gives 0 whatever the default
    }
    if (!section || !key) {
        return static_cast<std::uint32_t>(defaultValue);
    }
    char value[256];
    if (GetPrivateProfileStringA(section, key, "", value, sizeof value, fileName) == 0) {
        return static_cast<std::uint32_t>(defaultValue);
    }
    return leadingNumber(value);
}

std::uint32_t GetPrivateProfileSectionA(const char *section, char *buffer, std::uint32_t size, const char *fileName)
{
    if (!buffer || size == 0) {
        return 0;
    }
    std::string path = store::resolve(fileName);
    std::lock_guard<std::mutex> guard(serviceLock());
    store::Loaded file = readable(path);
    if (file.status == store::ReadStatus::Missing) {
        return noList(buffer);
    }
    return copyList(entryLines(section ? file.text->findSection(section) : nullptr), buffer, size);
}

bool WritePrivateProfileStringA(const char *section, const char *key, const char *value, const char *fileName)
{
    if (!section) {
        return false; // with no section and no key this asks to flush; nothing is ever held back
    }
    if (!fitsOnOneLine(section) || !fitsOnOneLine(key) || !fitsOnOneLine(value) || std::strchr(section, ']')
        || (key && std::strchr(key, '='))) {
        return false;
    }
    return editFile(fileName, [&](IniText &text) {
        if (!key) {
            return text.removeSection(section);
        }
        if (!value) {
            return text.removeKey(section, key);
        }
        return text.setValue(section, key, value);
    });
}

bool WritePrivateProfileSectionA(const char *section, const char *entries, const char *fileName)
{
    if (!section || !fitsOnOneLine(section) || std::strchr(section, ']')) {
        return false;
    }
    std::vector<std::string> lines;
    for (const char *entry = entries; entry && *entry; entry += std::strlen(entry) + 1) {
        if (!fitsOnOneLine(entry)) {
            return false;
        }
        lines.emplace_back(entry);
    }
    return editFile(fileName, [&](IniText &text) {
        return entries ? text.replaceEntries(section, lines) : text.removeSection(section);
    });
}

std::uint32_t GetProfileStringA(const char *section, const char *key, const char *defaultValue, char *buffer,
                                std::uint32_t size)
{
    return GetPrivateProfileStringA(section, key, defaultValue, buffer, size, nullptr);
}

std::uint32_t GetProfileIntA(const char *section, const char *key, std::int32_t defaultValue)
{
    return GetPrivateProfileIntA(section, key, defaultValue, nullptr);
}

std::uint32_t GetProfileSectionA(const char *section, char *buffer, std::uint32_t size)
{
    return GetPrivateProfileSectionA(section, buffer, size, nullptr);
}

bool WriteProfileStringA(const char *section, const char *key, const char *value)
{
    return WritePrivateProfileStringA(section, key, value, nullptr);
}

bool WriteProfileSectionA(const char *section, const char *entries)
{
    return WritePrivateProfileSectionA(section, entries, nullptr);
}

std::uint32_t GetWindowsDirectoryA(char *buffer, std::uint32_t size)
{
    std::string folder = store::windowsDirectory();
    if (!buffer || size <= folder.size()) {
        return static_cast<std::uint32_t>(folder.size() + 1);
    }
    return copyString(folder, buffer, size);
}

} // namespace profile
