#include "document/Font.h"

namespace doc {

QString FixedAuthorField(const QString& text) {
  return text.left(AuthorFieldLength).leftJustified(AuthorFieldLength, QLatin1Char(' '));
}

}  // namespace doc
