#include "rtf/rtf_table_assembler.h"

#include <algorithm>

namespace rtf {

namespace {

// Deeper nesting than this is shown at this depth; no document a person reads goes further.
constexpr int kDeepestTable = 16;

} // namespace

std::vector<Block> &TableAssembler::container(std::size_t level)
{
    return level == 0 ? document : open[level - 1].cell.blocks;
}

void TableAssembler::openTo(int level)
{
    auto wanted = static_cast<std::size_t>(std::clamp(level, 0, kDeepestTable));
    while (open.size() > wanted) {
        closeInnermost();
    }
    while (open.size() < wanted) {
        open.emplace_back();
    }
}

void TableAssembler::closeInnermost()
{
    OpenTable last = std::move(open.back());
    open.pop_back();
    if (!last.cell.blocks.empty()) {
        last.row.cells.push_back(std::move(last.cell));
    }
    if (!last.row.cells.empty()) {
        last.table.rows.push_back(std::move(last.row));
    }
    if (!last.table.rows.empty()) {
        container(open.size()).emplace_back(std::move(last.table));
    }
}

void TableAssembler::addParagraph(int level, Paragraph paragraph)
{
    openTo(level);
    container(open.size()).emplace_back(std::move(paragraph));
}

void TableAssembler::endCell(int level, Paragraph paragraph)
{
    openTo(std::max(level, 1));
    Cell &cell = open.back().cell;
    if (!paragraph.inlines.empty() || cell.blocks.empty()) {
        cell.blocks.emplace_back(std::move(paragraph));
    }
    open.back().row.cells.push_back(std::move(cell));
    cell = Cell();
}

void TableAssembler::endRow(int level)
{
    openTo(std::max(level, 1));
    OpenTable &table = open.back();
    if (!table.cell.blocks.empty()) {
        table.row.cells.push_back(std::move(table.cell));
        table.cell = Cell();
    }
    table.table.rows.push_back(std::move(table.row));
    table.row = Row();
}

} // namespace rtf
