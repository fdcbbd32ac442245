// Writes the installed desktop entry, MIME type and scalable icon with the code that writes the
// per-user ones at every start, so that the two never differ but for the program they name:
//   linkfold-install-shell-files DATADIR PROGRAM ICON.svg
#include <cstdio>
#include <string>

#include "app/ShellRegistration.h"
#include "platform/Files.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: linkfold-install-shell-files DATADIR PROGRAM ICON.svg\n");
    return 2;
  }
  const auto icon = linkfold::readWholeFile(argv[3]);
  if (!icon) {
    std::fprintf(stderr, "linkfold-install-shell-files: cannot read %s\n", argv[3]);
    return 1;
  }
  if (linkfold::writeShellRegistration(argv[1], argv[2], *icon).failed) {
    std::fprintf(stderr, "linkfold-install-shell-files: cannot write below %s\n", argv[1]);
    return 1;
  }
  return 0;
}
