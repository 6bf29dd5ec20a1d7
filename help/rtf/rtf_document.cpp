#include "rtf/rtf_document.h"

#include <algorithm>

namespace rtf {

Block::Block(Paragraph paragraph)
    : paragraph_(std::move(paragraph))
{ }

Block::Block(Table table)
    : table_(std::make_unique<Table>(std::move(table)))
{ }

Block::Block(const Block &other)
    : paragraph_(other.paragraph_)
    , table_(other.table_ ? std::make_unique<Table>(*other.table_) : nullptr)
{ }

Block::Block(Block &&other) noexcept = default;

Block &Block::operator=(Block other)
{
    paragraph_ = std::move(other.paragraph_);
    table_ = std::move(other.table_);
    return *this;
}

Block::~Block() = default;

std::size_t Table::columnCount() const
{
    std::size_t columns = 0;
    for (const Row &row : rows) {
        columns = std::max(columns, row.cells.size());
    }
    return columns;
}

} // namespace rtf
