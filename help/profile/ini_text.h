#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace profile {

// The text of one INI file: its lines exactly as read, and the sections and entries found in them.
// Edits touch only the lines they must, so comments, blank lines and line endings survive. Lines end
// at CR LF, LF or a lone CR; every line written ends with CR LF.
//
// Names read from the file lose all white space around them; names passed in by a caller lose only
// spaces, so a TAB or a line break in an argument is part of the name.
class IniText
{
public:
    struct Entry
    {
        std::string key;
        std::string value; // blanks around it removed, quotes kept
        bool hasEquals = false; // only key=value lines count as keys; the others are still section text
        std::size_t line = 0;
    };
    struct Section
    {
        std::string name;
        std::size_t header = 0;
        std::vector<Entry> entries;
    };

    explicit IniText(std::string_view content = {});

    const std::vector<Section> &sections() const { return sections_; }
    const Section *findSection(std::string_view name) const;
    static const Entry *findEntry(const Section &section, std::string_view key);

    // Each returns whether the text changed.
    bool setValue(std::string_view section, std::string_view key, std::string_view value);
    bool removeKey(std::string_view section, std::string_view key);
    bool removeSection(std::string_view section);
    bool replaceEntries(std::string_view section, const std::vector<std::string> &entries);

    std::string text() const;

private:
    void parse();
    std::size_t appendSection(std::string_view section);
    void insertLine(std::size_t at, std::string content);

    std::vector<std::string> lines_; // each with its own line ending, the last possibly without
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> firstSectionNamed_; // lower-case name to index
};

bool equalsIgnoringCase(std::string_view a, std::string_view b);
std::string_view trimBlanks(std::string_view text);
std::string_view trimSpaces(std::string_view text);

} // namespace profile
