#pragma once

#include "rtf/rtf_document.h"

namespace rtf {

// Puts finished paragraphs where they belong: into the document, or into the current cell of the
// table at their nesting level (1 for a plain table, 2 and more for tables inside cells). Tables
// open as their first paragraph arrives and close when a paragraph of a lower level follows.
class TableAssembler
{
public:
    explicit TableAssembler(std::vector<Block> &document)
        : document(document)
    { }

    void addParagraph(int level, Paragraph paragraph);
    // Ends the current cell of the table at that level; the paragraph is the cell's last.
    void endCell(int level, Paragraph paragraph);
    void endRow(int level);
    // Closes every open table.
    void finish() { openTo(0); }

private:
    struct OpenTable
    {
        Table table;
        Row row;
        Cell cell;
    };

    void openTo(int level);
    void closeInnermost();
    std::vector<Block> &container(std::size_t level);

    std::vector<Block> &document;
    std::vector<OpenTable> open;
};

} // namespace rtf
