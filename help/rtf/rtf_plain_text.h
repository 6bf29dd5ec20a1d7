#pragma once

#include "rtf/rtf_document.h"

#include <string>

namespace rtf {

// The document's text: each paragraph and each table row on a line of its own, the cells of a row
// separated by a tab. Pictures leave no text.
std::string plainText(const Document &document);

} // namespace rtf
