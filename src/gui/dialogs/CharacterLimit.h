#pragma once
// Limits an edit to a number of characters as the core counts them (one per code point), where
// QLineEdit's own limit counts UTF-16 units and would cut a text of emoji short, or in half.
// Like the platform's limit it stops typing, not a longer text put there by the program: the
// core's check on OK refuses that one with its message.

#include <QValidator>

class QLineEdit;

namespace linkfold::gui {

class CharacterLimit : public QValidator {
  Q_OBJECT

 public:
  CharacterLimit(qsizetype maxChars, QObject* parent);
  State validate(QString& text, int& position) const override;

  static qsizetype characterCount(QStringView text);

 private:
  qsizetype maxChars_;
};

void limitCharacters(QLineEdit& edit, std::size_t maxChars);

}  // namespace linkfold::gui
