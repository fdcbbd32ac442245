// linkfold: the window program.
#include <QApplication>
#include <iostream>
#include <string_view>

#include "app/CommandLine.h"
#include "frame/Program.h"

int main(int argc, char** argv) {
  // Answered before Qt looks for a display.
  if (const char* text =
          linkfold::informationRequest(std::vector<std::string>(argv + 1, argv + argc))) {
    std::cout << text << std::flush;
    return std::cout ? 0 : 2;
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
