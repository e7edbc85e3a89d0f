#pragma once

#include <string>
#include <string_view>

#include "vcl/RichText.h"

namespace vcl {

// Reads the rich text our help documents are written in: groups, character formatting (font, size,
// bold, italic, underline, colour), paragraphs, line breaks, tabs, named special characters, \'hh
// bytes and \u characters. Bytes are taken as code page 1252 whatever \ansicpg says. The font and
// colour tables are read; every other destination is skipped and unknown control words are ignored.
//
// Malformed input never throws (short of std::bad_alloc) and never hangs: the reader keeps what it
// could read. Groups nested deeper than 256 levels are skipped. When `error` is given it receives
// the first problem found, or stays empty for well-formed input.
TRichTextDocument ParseRtf(std::string_view rtf, std::string* error = nullptr);

} // namespace vcl
