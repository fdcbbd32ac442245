#include "CharacterLimit.h"

#include <QLineEdit>

namespace linkfold::gui {

CharacterLimit::CharacterLimit(qsizetype maxChars, QObject* parent)
    : QValidator(parent), maxChars_(maxChars) {}

QValidator::State CharacterLimit::validate(QString& text, int&) const {
  return characterCount(text) <= maxChars_ ? Acceptable : Invalid;
}

qsizetype CharacterLimit::characterCount(QStringView text) {
  qsizetype count = 0;
  for (const QChar c : text)
    if (!c.isLowSurrogate()) ++count;  // a surrogate pair is one character
  return count;
}

void limitCharacters(QLineEdit& edit, std::size_t maxChars) {
  edit.setValidator(new CharacterLimit(static_cast<qsizetype>(maxChars), &edit));
}

}  // namespace linkfold::gui
