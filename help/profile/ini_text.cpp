#include "profile/ini_text.h"

#include <algorithm>
#include <cctype>

namespace profile {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool endsWithNewline(const std::string &line)
{
    return !line.empty() && (line.back() == '\n' || line.back() == '\r');
}

std::string_view withoutNewline(std::string_view line)
{
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    return line;
}

// The text of a line as the service sees it: a NUL ends it, as it ends every C string.
std::string_view visibleText(std::string_view line)
{
    return trimBlanks(withoutNewline(line.substr(0, line.find('\0'))));
}

// The end of the line that starts at start: after CR LF, LF or a lone CR.
std::size_t lineEnd(std::string_view content, std::size_t start)
{
    std::size_t end = content.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
        return content.size();
    }
    if (content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n') {
        ++end;
    }
    return end + 1;
}

std::string lowerCase(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

} // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view trimBlanks(std::string_view text)
{
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view trimSpaces(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

IniText::IniText(std::string_view content)
{
    for (std::size_t start = 0; start < content.size();) {
        std::size_t end = lineEnd(content, start);
        lines_.emplace_back(content.substr(start, end - start));
        start = end;
    }
    parse();
}

void IniText::parse()
{
    sections_.clear();
    firstSectionNamed_.clear();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string_view line = visibleText(lines_[i]);
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            // A missing ']' still makes a header; whatever follows the ']' is ignored.
            std::string_view name = line.substr(1, line.find(']') - 1);
            sections_.push_back({std::string(trimBlanks(name)), i, {}});
            firstSectionNamed_.emplace(lowerCase(sections_.back().name), sections_.size() - 1);
            continue;
        }
        if (sections_.empty()) {
            continue; // lines before the first section belong to no section
        }
        Entry entry;
        entry.line = i;
        std::size_t equals = line.find('=');
        entry.hasEquals = equals != std::string_view::npos;
        entry.key = std::string(trimBlanks(line.substr(0, equals)));
        if (entry.hasEquals) {
            entry.value = std::string(trimBlanks(line.substr(equals + 1)));
        }
        sections_.back().entries.push_back(std::move(entry));
    }
}

const IniText::Section *IniText::findSection(std::string_view name) const
{
    auto found = firstSectionNamed_.find(lowerCase(trimSpaces(name)));
    return found == firstSectionNamed_.end() ? nullptr : &sections_[found->second];
}

const IniText::Entry *IniText::findEntry(const Section &section, std::string_view key)
{
    key = trimSpaces(key);
    for (const Entry &entry : section.entries) {
        if (entry.hasEquals && equalsIgnoringCase(entry.key, key)) {
            return &entry;
        }
    }
    return nullptr;
}

void IniText::insertLine(std::size_t at, std::string content)
{
    if (at > 0 && !endsWithNewline(lines_[at - 1])) {
        lines_[at - 1] += kLineEnd;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), content.append(kLineEnd));
}

std::size_t IniText::appendSection(std::string_view section)
{
    insertLine(lines_.size(), "[" + std::string(trimSpaces(section)) + "]");
    parse();
    return sections_.size() - 1;
}

bool IniText::setValue(std::string_view sectionName, std::string_view key, std::string_view value)
{
    const Section *section = findSection(sectionName);
    std::size_t index = section ? static_cast<std::size_t>(section - sections_.data()) : appendSection(sectionName);
    const Section &target = sections_[index];
    std::string line = std::string(trimSpaces(key)) + "=" + std::string(value);
    if (const Entry *entry = findEntry(target, key)) {
        if (entry->value == trimBlanks(value)) {
            return false;
        }
        std::string &old = lines_[entry->line];
        std::string ending = old.substr(withoutNewline(old).size());
        old = entry->key + "=" + std::string(value) + (ending.empty() ? std::string(kLineEnd) : ending);
    } else {
        std::size_t after = target.entries.empty() ? target.header : target.entries.back().line;
        insertLine(after + 1, line);
    }
    parse();
    return true;
}

bool IniText::removeKey(std::string_view sectionName, std::string_view key)
{
    const Section *section = findSection(sectionName);
    const Entry *entry = section ? findEntry(*section, key) : nullptr;
    if (!entry) {
        return false;
    }
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(entry->line));
    parse();
    return true;
}

bool IniText::removeSection(std::string_view sectionName)
{
    const Section *section = findSection(sectionName);
    if (!section) {
        return false;
    }
    // The header and the entries go; comments and blank lines inside the section stay.
    std::vector<std::size_t> doomed {section->header};
    for (const Entry &entry : section->entries) {
        doomed.push_back(entry.line);
    }
    for (auto line = doomed.rbegin(); line != doomed.rend(); ++line) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*line));
    }
    parse();
    return true;
}

bool IniText::replaceEntries(std::string_view sectionName, const std::vector<std::string> &entries)
{
    const Section *section = findSection(sectionName);
    std::size_t index = section ? static_cast<std::size_t>(section - sections_.data()) : appendSection(sectionName);
    std::vector<Entry> old = sections_[index].entries;
    for (auto entry = old.rbegin(); entry != old.rend(); ++entry) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(entry->line));
    }
    std::size_t at = sections_[index].header + 1;
    for (const std::string &entry : entries) {
        insertLine(at++, std::string(trimSpaces(entry)));
    }
    parse();
    return true;
}

std::string IniText::text() const
{
    std::string all;
    for (const std::string &line : lines_) {
        all += line;
    }
    return all;
}

} // namespace profile
