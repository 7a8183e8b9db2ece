#pragma once

#include <string>
#include <string_view>

namespace torvalet {

class TextCodec;

// The textboard's day files are rich text. The textboard keeps plain text: the writer makes a
// small rich text document of it, the reader takes the text out of any rich text document
// (groups of fonts, colours, styles and other destinations skipped).

// A rich text document holding `text` (UTF-8); characters beyond ASCII are written as \uN escapes.
std::string plainTextToRichText(std::string_view text);
// The plain text of a rich text document. Its 8-bit text is decoded in the code page of the font's
// character set (\fcharset), else the one the document declares (\ansicpg), else `codec`. Escapes
// that cannot be read are dropped: reading never fails. A text that is no rich text document is
// returned decoded with `codec`, as it stands.
std::string richTextToPlainText(std::string_view rtf, const TextCodec& codec);

}  // namespace torvalet
