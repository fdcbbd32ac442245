#pragma once
// The built-in help: a window over the program's HTML pages, opened at a topic's page, with
// Contents, Back and Forward.

#include <QWidget>
#include <cstdint>

class QTextBrowser;

namespace linkfold::gui {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows the window at the topic's page and brings it to the front.
  void showTopic(std::uint32_t topic);
  // The page shown, as a path within the help ("introduction.html").
  QString currentPage() const;

 private:
  QTextBrowser* browser_;
};

}  // namespace linkfold::gui
