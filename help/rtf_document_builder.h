#pragma once

#include "rtf/rtf_document.h"

class QTextDocument;

// Replaces the text document's content with what the RTF document shows.
void buildTextDocument(const rtf::Document &source, QTextDocument &target);
