// linkfold: the window program.
#include <QApplication>

#include "frame/Program.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  linkfold::gui::Program::setApplicationIdentity();
  std::vector<std::string> arguments;
  for (const QString& argument : QApplication::arguments().mid(1))
    arguments.push_back(argument.toLocal8Bit().toStdString());
  linkfold::gui::Program program(std::move(arguments));
  if (!program.start()) return program.exitCode();
  return QApplication::exec();
}
