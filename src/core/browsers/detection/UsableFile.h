#pragma once
// The test a Netscape profile's bookmark file must pass before it is offered.

#include <string>

namespace linkfold {

// The file can be opened for reading and, after closing, for reading and writing, each time
// holding it exclusively (a non-blocking exclusive lock): a file that another program has
// locked is not usable. Only a regular file is usable.
bool profileFileIsUsable(const std::string& path);

}  // namespace linkfold
