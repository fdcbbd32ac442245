// linkfold: the window program.
#include <QApplication>
#include <iostream>
#include <string_view>

#include "app/CommandLine.h"
#include "frame/Program.h"

int main(int argc, char** argv) {
  // Answered before Qt looks for a display.
  if (argc == 2 && std::string_view(argv[1]) == "--version") {
    std::cout << "Linkfold 1.5\n";
    return 0;
  }
  if (linkfold::asksForHelp(std::vector<std::string>(argv + 1, argv + argc))) {
    std::cout << linkfold::kUsage;
    return 0;
  }
  QApplication application(argc, argv);
  linkfold::gui::Program::setApplicationIdentity();
  std::vector<std::string> arguments;
  for (const QString& argument : QApplication::arguments().mid(1))
    arguments.push_back(argument.toLocal8Bit().toStdString());
  linkfold::gui::Program program(std::move(arguments));
  if (!program.start()) return program.exitCode();
  return QApplication::exec();
}
