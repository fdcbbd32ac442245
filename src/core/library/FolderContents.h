#pragma once
// Which bookmark records each folder holds, for the writers that walk the library folder by
// folder.

#include <cstdint>
#include <vector>

namespace linkfold {

class CLFDoc;

// The record indexes of each folder, in table order: one pass over the bookmark table. A record
// of a folder that does not exist is in no list.
std::vector<std::vector<std::uint32_t>> bookmarksByFolder(const CLFDoc& doc);

}  // namespace linkfold
