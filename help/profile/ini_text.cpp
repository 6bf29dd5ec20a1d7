#include "profile/ini_text.h"

#include <algorithm>
#include <cctype>

namespace profile {

namespace {

bool endsWithNewline(const std::string &line)
{
    return !line.empty() && line.back() == '\n';
}

std::string_view withoutNewline(std::string_view line)
{
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    return line;
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

IniText::IniText(std::string_view content)
{
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        end = end == std::string_view::npos ? content.size() : end + 1;
        lines_.emplace_back(content.substr(start, end - start));
        start = end;
    }
    auto firstEnding = std::find_if(lines_.begin(), lines_.end(), endsWithNewline);
    if (firstEnding != lines_.end() && firstEnding->size() >= 2 && (*firstEnding)[firstEnding->size() - 2] == '\r') {
        newline_ = "\r\n";
    }
    parse();
}

void IniText::parse()
{
    sections_.clear();
    firstSectionNamed_.clear();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string_view line = trimBlanks(withoutNewline(lines_[i]));
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            std::size_t close = line.find(']');
            if (close != std::string_view::npos) {
                sections_.push_back({std::string(trimBlanks(line.substr(1, close - 1))), i, {}});
                firstSectionNamed_.emplace(lowerCase(sections_.back().name), sections_.size() - 1);
            }
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
    auto found = firstSectionNamed_.find(lowerCase(trimBlanks(name)));
    return found == firstSectionNamed_.end() ? nullptr : &sections_[found->second];
}

const IniText::Entry *IniText::findEntry(const Section &section, std::string_view key)
{
    key = trimBlanks(key);
    for (const Entry &entry : section.entries) {
        if (equalsIgnoringCase(entry.key, key)) {
            return &entry;
        }
    }
    return nullptr;
}

std::size_t IniText::sectionEnd(const Section &section) const
{
    auto next = std::find_if(sections_.begin(), sections_.end(),
                             [&](const Section &other) { return other.header > section.header; });
    return next == sections_.end() ? lines_.size() : next->header;
}

void IniText::insertLine(std::size_t at, std::string content)
{
    if (at > 0 && !endsWithNewline(lines_[at - 1])) {
        lines_[at - 1] += newline_;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), content + newline_);
}

std::size_t IniText::appendSection(std::string_view section)
{
    if (!lines_.empty() && !trimBlanks(lines_.back()).empty()) {
        insertLine(lines_.size(), "");
    }
    insertLine(lines_.size(), "[" + std::string(trimBlanks(section)) + "]");
    parse();
    return sections_.size() - 1;
}

bool IniText::setValue(std::string_view sectionName, std::string_view key, std::string_view value)
{
    const Section *section = findSection(sectionName);
    std::size_t index = section ? static_cast<std::size_t>(section - sections_.data()) : appendSection(sectionName);
    const Section &target = sections_[index];
    std::string line = std::string(trimBlanks(key)) + "=" + std::string(value);
    if (const Entry *entry = findEntry(target, key)) {
        if (entry->hasEquals && entry->value == trimBlanks(value)) {
            return false;
        }
        std::string &old = lines_[entry->line];
        std::string ending = old.substr(withoutNewline(old).size());
        old = std::string(trimBlanks(entry->key)) + "=" + std::string(value) + ending;
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
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(section->header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(sectionEnd(*section)));
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
        insertLine(at++, std::string(trimBlanks(entry)));
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
