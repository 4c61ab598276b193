#pragma once
#include <string_view>

#include "Surface.h"

namespace kelra {

// The three ways a classical cycle is commented on.
enum class CommentSection { none, high, critical, low };

// The cycles of the comments page, in page order.
enum class CommentCycle { physical = 0, emotional = 1, intellectual = 2 };

// "High"/"Pick", "Critical", "Low"/"Bottom"; anything else (an empty state
// of a range without today) has no section. Case matters.
CommentSection SectionOf(std::string_view state);

// Heading ("Physical High:") and paragraph; null for CommentSection::none.
// Paragraphs hold tab runs, which the page removes before wrapping.
const char* CommentHeading(CommentCycle cycle, CommentSection section);
const char* CommentParagraph(CommentCycle cycle, CommentSection section);

Rgb HeadingColour(CommentSection section);

}  // namespace kelra
