#pragma once

#include "rtf/rtf_document.h"

#include <string_view>

namespace rtf {

// Reads a document in the published Rich Text Format. Any input gives a document: broken or
// truncated files give what could be read, never a crash or a hang.
Document read(std::string_view input);

} // namespace rtf
