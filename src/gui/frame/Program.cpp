#include "frame/Program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <iostream>

#include "app/CommandLine.h"
#include "app/ShellRegistration.h"
#include "app/Uninstall.h"
#include "browsers/commands/AppSession.h"
#include "browsers/commands/ExportCommands.h"
#include "browsers/sources/BrowserHome.h"
#include "dialogs/QtUi.h"
#include "frame/CMainFrame.h"
#include "frame/QtSettingsStore.h"
#include "library/CLFDoc.h"
#include "library/DocumentCommands.h"
#include "tools/Finder.h"
#include "view/CLFView.h"

// Q_INIT_RESOURCE may not stand inside a namespace.
static void initFrameResources() {
  Q_INIT_RESOURCE(frame);
}

namespace linkfold::gui {

namespace {

// The user's data directory (XDG_DATA_HOME), where desktop entries and MIME types live.
std::string desktopDataDirectory() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
}

// The desktop reads desktop entries and MIME types from caches: refreshes those that `changes`
// touched, with the tools that are installed.
void refreshDesktopCaches(const ShellChanges& changes, const std::string& dataDirectory) {
  for (const auto& command : cacheUpdateCommands(changes, dataDirectory)) {
    const QString tool = QStandardPaths::findExecutable(QString::fromStdString(command.front()));
    if (tool.isEmpty()) continue;
    QStringList arguments;
    for (auto argument = command.begin() + 1; argument != command.end(); ++argument)
      arguments << QString::fromStdString(*argument);
    QProcess::startDetached(tool, arguments);
  }
}

}  // namespace

Program::Program(std::vector<std::string> arguments)
    : arguments_(std::move(arguments)),
      ui_(std::make_unique<QtUi>()),
      settings_(std::make_unique<QtSettingsStore>()) {
  initFrameResources();
}

Program::~Program() {
  // The window and the view go first: the view writes its options as it ends.
  frame_.reset();
  delete startupHelp_;
  exports_.reset();
  finder_.reset();
  view_.reset();
  if (session_) settings_->writeRecentFiles(recentFiles_.entries());
}

void Program::setApplicationIdentity() {
  QCoreApplication::setOrganizationName("Quillmere");
  QCoreApplication::setApplicationName("Linkfold");
  QCoreApplication::setApplicationVersion("1.5");
}

std::string Program::importLogPath() {
  const QString directory = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  QDir().mkpath(directory);
  return (directory + "/IMPLOG.TXT").toStdString();
}

bool Program::start() {
  const StartupRequest request = parseCommandLine(arguments_);
  if (request.uninstall && uninstall()) return false;
  if (!request.error.empty()) {
    std::cerr << "linkfold: " << request.error << '\n' << kUsage;
    exitCode_ = 2;
    return false;
  }
  registerWithDesktop();
  recentFiles_.load(settings_->readRecentFiles());

  ui_->setHelpHandler([this](std::uint32_t topic) {
    if (frame_)
      frame_->showHelp(topic);
    else
      showHelpTopic(startupHelp_, nullptr, topic);
  });
  // Detection runs here, once, and may ask which Netscape 4.x profile to use.
  session_ = std::make_unique<AppSession>(*ui_, *settings_, request.registryFile, importLogPath());
  session_->findBrowserSources(BrowserHome::fromProcess(request.home));
  view_ = std::make_unique<CLFView>(session_->document(), *ui_, *settings_);
  finder_ = std::make_unique<Finder>(*view_);
  exports_ = std::make_unique<ExportCommands>(*view_);
  frame_ = std::make_unique<CMainFrame>(*session_, *view_, *finder_, *exports_, recentFiles_,
                                        *settings_);
  ui_->setParentWidget(frame_.get());
  session_->setDocumentChanged([this] {
    view_->OnUpdate();
    frame_->documentChanged();
  });

  // A library that cannot be opened was reported with its name and the reason; the window then
  // goes on with what the failed open left, which is at least what New makes.
  if (request.file) frame_->commands().openFile(*request.file);
  if (!session_->document().hasRoot() && !session_->documentCommands().fileNew()) {
    exitCode_ = 1;
    return false;
  }
  frame_->documentChanged();
  frame_->showAsSaved();
  return true;
}

bool Program::uninstall() {
  const std::string dataDirectory = desktopDataDirectory();
  ShellChanges removed;
  const bool ended = runUninstall(*ui_, {[this] { settings_->removeAll(); },
                                         [&] { removed |= removeDesktopEntry(dataDirectory); },
                                         [&] { removed |= removeMimeType(dataDirectory); }});
  refreshDesktopCaches(removed, dataDirectory);
  return ended;
}

void Program::registerWithDesktop() const {
  const std::string dataDirectory = desktopDataDirectory();
  if (dataDirectory.empty()) return;
  QFile icon(":/icons/linkfold.svg");
  const QByteArray svg = icon.open(QIODevice::ReadOnly) ? icon.readAll() : QByteArray();
  std::vector<std::string> searched;
  for (const QString& directory :
       QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
    searched.push_back(directory.toStdString());
  const std::string program =
      desktopEntryProgram(QCoreApplication::applicationFilePath().toStdString(), searched);
  refreshDesktopCaches(writeShellRegistration(
                           dataDirectory, program,
                           std::string_view(svg.constData(), static_cast<std::size_t>(svg.size()))),
                       dataDirectory);
}

}  // namespace linkfold::gui
