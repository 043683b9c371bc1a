#pragma once
// The order in which the previews draw the shaped codes of a text: the Unicode
// Bidirectional Algorithm (ICU) run on the text as typed, so that numbers and Latin words
// read left to right inside right-to-left text and Persian and Arabic words right to left
// inside left-to-right text.
#include <QString>
#include <vector>

#include "preview/Shaping.h"

namespace preview {

// The codes of `shaped` (Shape of `text`) in the order the pen draws them. Left to right,
// the pen moves rightwards, so the codes come in display order from the left; right to
// left (the paragraph runs right to left), the pen moves leftwards and they come from
// the right. A paired bracket or guillemet inside a right-to-left run takes the code of its
// mirrored partner, so that it points the way the run reads. A text of Persian letters
// alone keeps the order of the text right to left. Each code stands where its character
// stands in the whole text, so a direction mark keeps its effect though it draws nothing.
std::vector<int> DrawOrder(const CharTables& t, const QString& text, const std::vector<ShapedCode>& shaped,
                           bool rightToLeft);

}  // namespace preview
