#pragma once
// The reading panel of the main window: two pages of rules, two of presentation
// and one about the author, shown one at a time. The caption under the text is
// the page state; it survives between runs in the settings file.
#include <string>

namespace zelvo::rules_pages {

// The captions, one a page; page 5 has two ("> 5" continuing is the one an older
// settings file may hold: it shows nothing new and leads to page 1).
extern const char* const CAPTION[6];              // 1..5: "Clicca qui per continuare > 1" ... "ritornare > 5"
extern const char* const CAPTION_5_CONTINUE;    // "Clicca qui per continuare > 5"

extern const char* const RULES_TITLE;           // " REGOLE DEL GIOCO DELLA BRISCOLA"
extern const char* const PRESENTATION_TITLE;
extern const char* const AUTHOR_TITLE;

// The caption after a click; one the panel does not know stays as it is.
std::string nextCaption(const std::string& caption);

// The page a caption shows: 1..4 for a caption ending "> 1" ... "> 4", 5 for the
// returning caption of page 5, 0 (nothing new) for any other.
int page(const std::string& caption);

// The body of page n (1..5): its paragraphs, each starting with a blank, one a line.
const std::string& body(int n);

}  // namespace zelvo::rules_pages
