// libFuzzer target for the registry-file reader: any bytes must parse without a crash, and
// every key the registry then holds must answer its queries (sub-keys that can be opened,
// values of the types the file can give).

#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "browsers/detection/RegistryFile.h"

namespace {

using namespace linkfold;

using fuzz::require;

// Walks the hive breadth-first, bounded by the input's size: there cannot be more keys than
// bytes in the file.
void checkHive(const Registry& registry, RegistryHive hive, std::size_t inputSize) {
  std::vector<std::string> pending{""};
  std::size_t visited = 0;
  while (!pending.empty()) {
    const std::string path = std::move(pending.back());
    pending.pop_back();
    require(++visited <= inputSize + 1, "more keys than bytes in the file");
    const auto names = registry.subKeyNames(hive, path);
    require(names.has_value(), "a listed key cannot be opened");
    for (const std::string& name : *names) {
      require(!name.empty() && name.find('\\') == std::string::npos, "a malformed key name");
      pending.push_back(path.empty() ? name : path + "\\" + name);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  InMemoryRegistry registry;
  if (const auto error = parseRegistryFile(bytes, registry)) {
    require(error->line >= 1 && error->line <= size + 1, "a damage line outside the file");
    require(!error->reason.empty(), "a damage without a reason");
  }
  checkHive(registry, RegistryHive::CurrentUser, size);
  checkHive(registry, RegistryHive::LocalMachine, size);
  return 0;
}
