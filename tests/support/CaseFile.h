#pragma once
// Tables of test cases kept in files under tests/data, where inputs and expected outputs longer
// than a line read better than as string literals.
//
// A case opens with a line "=== what". A line "--- key value" sets a field to the rest of the
// line; "--- key" alone sets it to the lines that follow up to the next "---" or "===" line, each
// ended by a line feed. Lines before the first case are comments. In values, \n \r \t \\ and \xHH
// are escapes, \c ends the value there (a block without its last line feed), \{N:text} is text N
// times; any other backslash stays as written.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace linkfold::test {

inline std::string decodeCaseValue(const std::string& raw) {
  std::string out;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    const char next = i + 1 < raw.size() ? raw[i + 1] : '\0';
    if (raw[i] != '\\' || std::string("nrt\\xc{").find(next) == std::string::npos) {
      out += raw[i];
    } else if (next == 'c') {
      break;
    } else if (next == 'x') {
      out += static_cast<char>(std::stoi(raw.substr(i + 2, 2), nullptr, 16));
      i += 3;
    } else if (next == '{') {
      const std::size_t colon = raw.find(':', i), close = raw.find('}', colon);
      if (close == std::string::npos) throw std::invalid_argument("no \\{N:text} in " + raw);
      for (int n = std::stoi(raw.substr(i + 2, colon - i - 2)); n > 0; --n)
        out += raw.substr(colon + 1, close - colon - 1);
      i = close;
    } else {
      out += next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : '\\';
      ++i;
    }
  }
  return out;
}

// One case: its fields as written, decoded when asked for.
struct TestCase {
  std::string what;
  std::map<std::string, std::string> fields;
  // The field, or "" when the case does not set it.
  std::string operator[](const std::string& key) const {
    const auto it = fields.find(key);
    return it == fields.end() ? "" : decodeCaseValue(it->second);
  }
  // The field's lines, each decoded on its own (so that \n may stand within one).
  std::vector<std::string> lines(const std::string& key) const {
    std::vector<std::string> out;
    std::istringstream text(fields.count(key) ? fields.at(key) : "");
    for (std::string line; std::getline(text, line);) out.push_back(decodeCaseValue(line));
    return out;
  }
  // Fails for a field that is none of `known`: a misspelt key must not leave its value unchecked.
  void expectFieldsAmong(const std::set<std::string>& known) const {
    for (const auto& field : fields)
      EXPECT_TRUE(known.count(field.first)) << what << ": " << field.first;
  }
};

// The cases of tests/data/<name>.
inline std::vector<TestCase> readCases(const std::string& name) {
  std::ifstream in(std::string(LINKFOLD_TEST_DATA_DIR) + "/" + name, std::ios::binary);
  EXPECT_TRUE(in) << "no test data " << name;
  std::vector<TestCase> cases;
  std::string* block = nullptr;  // the field that the lines read now belong to
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with("=== ")) {
      cases.push_back({line.substr(4), {}});
      block = nullptr;
    } else if (!cases.empty() && line.starts_with("--- ")) {
      const std::size_t space = line.find(' ', 4);
      std::string& field = cases.back().fields[line.substr(4, space - 4)];
      field = space == std::string::npos ? "" : line.substr(space + 1);
      block = space == std::string::npos ? &field : nullptr;
    } else if (block) {
      *block += line + "\n";
    }
  }
  EXPECT_FALSE(cases.empty()) << name;
  return cases;
}

// The text with each {strerror ENOENT} (or another of the codes below) as the C library words it,
// so that expected texts in case files hold no one C library's wording.
inline std::string withErrorTexts(std::string text) {
  static const std::map<std::string, int> codes{{"ENOENT", ENOENT},
                                                {"EISDIR", EISDIR},
                                                {"ENOTDIR", ENOTDIR},
                                                {"EFBIG", EFBIG},
                                                {"ENOSPC", ENOSPC}};
  for (std::size_t at; (at = text.find("{strerror ")) != std::string::npos;) {
    const std::size_t close = text.find('}', at);
    text.replace(at, close + 1 - at,
                 std::strerror(codes.at(text.substr(at + 10, close - at - 10))));
  }
  return text;
}

// The path of the seed input `name` of the fuzz target `target`, for a test that reads it too.
inline std::string fuzzSeed(const std::string& target, const std::string& name) {
  return std::string(LINKFOLD_TEST_DATA_DIR) + "/../fuzz/corpus/" + target + "/" + name;
}

}  // namespace linkfold::test
