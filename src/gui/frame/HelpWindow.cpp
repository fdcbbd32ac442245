#include "frame/HelpWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/HelpTopics.h"

namespace linkfold::gui {

namespace {

constexpr const char* kHelpRoot = "qrc:/help/";

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser) {
  setObjectName("helpWindow");
  setWindowTitle("Linkfold Help");
  browser_->setOpenExternalLinks(true);
  auto* contents = new QPushButton("&Contents");
  auto* back = new QPushButton("&Back");
  auto* forward = new QPushButton("&Forward");
  auto* close = new QPushButton("C&lose");
  close->setObjectName("closeButton");
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(contents, &QPushButton::clicked, this, [this] { showTopic(kHelpTopicContents); });
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
  connect(close, &QPushButton::clicked, this, &QWidget::close);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addWidget(back);
  buttons->addWidget(forward);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_);
  resize(620, 520);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void HelpWindow::showTopic(std::uint32_t topic) {
  browser_->setSource(QUrl(kHelpRoot + QString::fromStdString(helpPageFor(topic))));
  show();
  raise();
  activateWindow();
}

QString HelpWindow::currentPage() const {
  QString page = browser_->source().toString();
  if (page.startsWith(kHelpRoot)) page.remove(0, static_cast<qsizetype>(qstrlen(kHelpRoot)));
  return page;
}

void showHelpTopic(QPointer<HelpWindow>& window, QWidget* owner, std::uint32_t topic) {
  if (QWidget* modal = QApplication::activeModalWidget()) owner = modal;
  if (window && window->parentWidget() != owner) delete window;
  if (!window) window = new HelpWindow(owner);
  window->showTopic(topic);
}

}  // namespace linkfold::gui
