#include "frame/CMainFrame.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWhatsThis>

#include "app/HelpTopics.h"
#include "app/MainMenu.h"
#include "dialogs/AboutBox.h"
#include "dialogs/QtRect.h"
#include "frame/CommandActions.h"
#include "frame/CoreText.h"
#include "frame/HelpWindow.h"
#include "frame/StatusPanes.h"
#include "platform/Settings.h"
#include "tree/FilterBox.h"
#include "tree/LibraryTreeWidget.h"
#include "view/CLFView.h"

namespace linkfold::gui {

namespace {

constexpr const char* kUriListType = "text/uri-list";

// The first dropped local file that is a library, if any.
QString droppedLibrary(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls())
    if (url.isLocalFile() && url.toLocalFile().endsWith(".bml", Qt::CaseInsensitive))
      return url.toLocalFile();
  return {};
}

}  // namespace

CMainFrame::CMainFrame(AppSession& session, CLFView& view, Finder& finder, ExportCommands& exports,
                       RecentFileList& recentFiles, SettingsStore& settings)
    : settings_(settings),
      recentFiles_(recentFiles),
      view_(view),
      commands_(
          std::make_unique<MainCommands>(session, view, finder, exports, recentFiles, *this)) {
  setObjectName("mainFrame");
  setWindowIcon(QIcon(":/icons/linkfold.svg"));
  setMinimumSize(kMainWindowMinimum.width, kMainWindowMinimum.height);
  setAcceptDrops(true);

  actions_ = new CommandActions(*this, [this](std::uint32_t id) { return commands_->update(id); });
  connect(actions_, &CommandActions::triggered, this, &CMainFrame::runCommand);

  tree_ = new LibraryTreeWidget(view, this);
  tree_->setObjectName("libraryTree");
  tree_->setWhatsThis(fromCore(kTreeWhatsThis));
  setCentralWidget(buildFilteredTree());
  connect(tree_, &LibraryTreeWidget::commandRequested, this, &CMainFrame::runCommand);
  QAbstractItemModel* model = tree_->model();
  connect(model, &QAbstractItemModel::modelReset, this, &CMainFrame::scheduleRefresh);
  connect(model, &QAbstractItemModel::layoutChanged, this, &CMainFrame::scheduleRefresh);
  connect(model, &QAbstractItemModel::rowsInserted, this, &CMainFrame::scheduleRefresh);
  connect(model, &QAbstractItemModel::rowsRemoved, this, &CMainFrame::scheduleRefresh);
  connect(model, &QAbstractItemModel::dataChanged, this, &CMainFrame::scheduleRefresh);
  connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &CMainFrame::scheduleRefresh);

  buildMenus();
  buildToolbar();
  panes_ = new StatusPanes(*statusBar());
  placeAsSaved();
  documentChanged();
}

CMainFrame::~CMainFrame() = default;

QWidget* CMainFrame::buildFilteredTree() {
  filter_ = new FilterBox(view_);
  filter_->setObjectName("filterBox");
  filter_->setToolTip(fromCore(linkfold::toolTip(kCmdFilter)) + " (Ctrl+L; Escape clears it)");
  connect(filter_, &FilterBox::filtered, this, &CMainFrame::showFilterCount);
  connect(filter_, &FilterBox::leave, tree_, qOverload<>(&QWidget::setFocus));
  auto* holder = new QWidget;
  auto* layout = new QVBoxLayout(holder);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(filter_);
  layout->addWidget(tree_);
  return holder;
}

void CMainFrame::showFilterCount() {
  if (!view_.isFiltering()) {
    statusBar()->clearMessage();
    return;
  }
  const QString shown = QLocale().toString(qulonglong{view_.filterShownCount()});
  const QString matching = QLocale().toString(qulonglong{view_.filterMatchCount()});
  statusBar()->showMessage(view_.filterShownCount() < view_.filterMatchCount()
                               ? shown + " of " + matching +
                                     " matching bookmarks shown; type more to narrow"
                               : matching + " matching bookmarks");
}

void CMainFrame::buildMenus() {
  for (const auto& definition : mainMenus()) {
    QMenu* menu = menuBar()->addMenu(fromCore(definition.title));
    const QString name = fromCore(definition.title).remove('&').toLower();
    menu->setObjectName(name + "Menu");
    bool recentBefore = false;
    for (const auto& item : definition.items) {
      if (item.id == kCmdRecentFile1) {
        fileMenu_ = menu;
        recentBefore = true;
      } else if (item.id == kCmdSeparator) {
        QAction* separator = menu->addSeparator();
        if (std::exchange(recentBefore, false)) afterRecentFiles_ = separator;
      } else {
        menu->addAction(actions_->action(item.id));
      }
    }
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
      if (menu == fileMenu_) rebuildRecentFiles();
      for (QAction* action : menu->actions())
        if (!action->isSeparator()) actions_->refresh(*action);
    });
  }
  rebuildRecentFiles();
}

void CMainFrame::rebuildRecentFiles() {
  for (QAction* old : recentActions_) actions_->discardAction(old);
  recentActions_.clear();
  for (const auto& entry : recentFiles_.menuEntries(QDir::currentPath().toStdString())) {
    QAction* action = actions_->makeAction(entry.id, QString::fromStdString(entry.text));
    fileMenu_->insertAction(afterRecentFiles_, action);
    recentActions_.push_back(action);
  }
}

void CMainFrame::buildToolbar() {
  toolbar_ = addToolBar("Toolbar");
  toolbar_->setObjectName("toolbar");
  toolbar_->setIconSize(QSize(16, 16));
  toolbar_->setAllowedAreas(Qt::AllToolBarAreas);
  for (const auto& button : toolbarButtons()) {
    if (button.command == kCmdSeparator)
      toolbar_->addSeparator();
    else
      toolbar_->addAction(actions_->action(button.command));
  }
}

void CMainFrame::runCommand(std::uint32_t command) {
  commands_->run(command);
  documentChanged();
}

void CMainFrame::documentChanged() {
  setWindowTitle(QString::fromStdString(commands_->windowTitle()));
  scheduleRefresh();
}

void CMainFrame::scheduleRefresh() {
  if (std::exchange(refreshPending_, true)) return;
  QTimer::singleShot(0, this, &CMainFrame::refreshNow);
}

void CMainFrame::refreshNow() {
  refreshPending_ = false;
  setWindowModified(commands_->libraryModified());
  actions_->refreshAll();
}

// ---- Placement -----------------------------------------------------------------------------

void CMainFrame::placeAsSaved() {
  if (const auto saved = parseMainWindowPos(settings_.read(setting::kMainWindowPos))) {
    const QPoint corner(saved->rect.left, saved->rect.top);
    QScreen* screen = QGuiApplication::screenAt(corner);
    if (!screen) screen = QGuiApplication::primaryScreen();
    const Rect placed = PlaceWindowInWorkArea(toRect(screen->availableGeometry()), saved->rect,
                                              kMainWindowMinimum);
    setGeometry(toQRect(placed));
    // The program has no start-up show command of its own: it starts normal.
    firstShowState_ = firstShowCommand(kShowNormal, saved->showState);
  } else {
    setGeometry(toQRect(firstStartRect(toRect(screen()->availableGeometry()))));
  }
}

void CMainFrame::showAsSaved() {
  switch (firstShowState_) {
    case kShowMaximized: showMaximized(); break;
    case kShowMinimized: showMinimized(); break;
    default: show();
  }
  // The first window after the profile question and the status window: take the keyboard.
  activateWindow();
  tree_->setFocus();
}

void CMainFrame::savePlacement() {
  const bool minimized = isMinimized();
  const bool maximized = isMaximized();
  const QRect restored = minimized || maximized ? normalGeometry() : geometry();
  const MainWindowPos pos{closingShowState(minimized, maximized), toRect(restored)};
  settings_.write(setting::kMainWindowPos, formatMainWindowPos(pos));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  savePlacement();
  if (!commands_->canClose()) {
    event->ignore();
    return;
  }
  if (help_) help_->close();
  event->accept();
}

// ---- Dropped files -------------------------------------------------------------------------

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (!droppedLibrary(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
  const QString path = droppedLibrary(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  // Opened once the drop is over: the open may ask questions.
  QTimer::singleShot(0, this, [this, path] {
    activateWindow();
    commands_->openFile(path.toStdString());
    documentChanged();
  });
}

// ---- FrameControls -------------------------------------------------------------------------

bool CMainFrame::isBarVisible(FrameBar bar) const {
  return bar == FrameBar::Toolbar ? !toolbar_->isHidden() : !statusBar()->isHidden();
}

void CMainFrame::setBarVisible(FrameBar bar, bool visible) {
  if (bar == FrameBar::Toolbar)
    toolbar_->setVisible(visible);
  else
    statusBar()->setVisible(visible);
}

void CMainFrame::showAbout() {
  showAboutBox(this);
}

void CMainFrame::closeWindow() {
  // After the command has finished, as the window's own close would.
  QTimer::singleShot(0, this, &QWidget::close);
}

void CMainFrame::showHelp(std::uint32_t topic) {
  showHelpTopic(help_, this, topic);
}

void CMainFrame::showHelpContents() {
  showHelp(kHelpTopicContents);
}

void CMainFrame::showContextHelp() {
  // Over an open menu, Qt's menu answers F1 itself with the item's What's This text (its prompt).
  showHelp(kHelpBaseResource + kMainWindowResource);
}

void CMainFrame::enterContextHelpMode() {
  QWhatsThis::enterWhatsThisMode();
}

void CMainFrame::setClipboard(const ClipboardData& content) {
  auto* mime = new QMimeData;
  mime->setText(QString::fromStdString(content.text));
  mime->setData(kUriListType, QByteArray::fromStdString(content.uriList));
  mime->setHtml(QString::fromStdString(content.html));
  QGuiApplication::clipboard()->setMimeData(mime);
}

ClipboardData CMainFrame::clipboard() const {
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  if (!mime) return {};
  return {mime->text().toStdString(), mime->data(kUriListType).toStdString(),
          mime->hasHtml() ? mime->html().toStdString() : std::string()};
}

void CMainFrame::focusFilter() {
  filter_->setFocus(Qt::ShortcutFocusReason);
  filter_->selectAll();
}

}  // namespace linkfold::gui
