#include "FileDialogFilters.h"

#include <QRegularExpression>

#include "QtText.h"

namespace linkfold::gui {

QStringList qtNameFilters(const std::vector<FileFilter>& filters) {
  static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
  QStringList result;
  for (const FileFilter& filter : filters) {
    QString description = toDisplay(filter.description);
    description.remove(trailingPatterns);
    QString patterns = toDisplay(filter.patterns);
    patterns.replace(u';', u' ');
    result << description + QStringLiteral(" (") + patterns.simplified() + u')';
  }
  return result;
}

}  // namespace linkfold::gui
