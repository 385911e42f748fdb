#pragma once
// The copy as HTML, for the clipboard's "HTML Format": the same document as
// the Rich Text (Quran font family, sizes, colours of the text and of each
// sign, brackets, opening formulas, citation), right to left, in UTF-8 with
// the format's header of byte offsets in front.
#include <string>

struct TCopiedText;

// The fragment: one right-to-left <div> holding the whole copy.
std::string CopiedHtmlFragment(const TCopiedText& copy);

// The clipboard document: "Version:0.9" and the offsets StartHTML, EndHTML,
// StartFragment and EndFragment (ten digits each, counted in bytes from the
// start of the header), then an HTML page whose body holds the fragment
// between the comments <!--StartFragment--> and <!--EndFragment-->.
std::string CopiedHtml(const TCopiedText& copy);
