#pragma once
// The built-in help: a window over the program's HTML pages, opened at a topic's page, with
// Contents, Back, Forward and Close (Escape closes it too).

#include <QPointer>
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

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QTextBrowser* browser_;
};

// Shows the topic in `window`, made anew when missing. Asked while a modal dialog is open, the
// window belongs to that dialog, so that the dialog's modality does not block it, and goes with
// it; otherwise it belongs to `owner` (none: a window of its own).
void showHelpTopic(QPointer<HelpWindow>& window, QWidget* owner, std::uint32_t topic);

}  // namespace linkfold::gui
