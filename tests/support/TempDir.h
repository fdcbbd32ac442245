#pragma once
// A fresh directory for one test, removed with everything in it afterwards.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace linkfold::test {

class TempDir {
 public:
  TempDir() : path_((std::filesystem::temp_directory_path() / "linkfold-test-XXXXXX").string()) {
    if (!mkdtemp(path_.data())) throw std::runtime_error("cannot create a temporary directory");
  }
  ~TempDir() {
    std::error_code error;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(path_, error);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  // A name as case files write it: within this directory ("~" is the directory itself), or
  // as it is when absolute.
  std::string local(const std::string& name) const {
    return name == "~" ? path_ : name.starts_with("/") ? name : file(name);
  }
  // The text with this directory's path written as `mark`, as case files expect it.
  std::string masked(std::string text, const std::string& mark = "~") const {
    for (std::size_t at; (at = text.find(path_)) != std::string::npos;)
      text.replace(at, path_.size(), mark);
    return text;
  }
  // Writes the file, making the folders on its way.
  void write(const std::string& name, const std::string& bytes) const {
    std::error_code error;  // a test may mean the write to fail
    std::filesystem::create_directories(std::filesystem::path(file(name)).parent_path(), error);
    std::ofstream(file(name), std::ios::binary) << bytes;
  }
  std::string read(const std::string& name) const {
    std::ostringstream content;
    content << std::ifstream(file(name), std::ios::binary).rdbuf();
    return content.str();
  }

 private:
  std::string path_;
};

}  // namespace linkfold::test
