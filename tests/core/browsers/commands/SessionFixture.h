#pragma once
// A session over a scripted UI and a temporary directory: the browsers it "detected" are files
// and a Favorites folder in that directory, and the import log is written there too.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "browsers/commands/AppSession.h"
#include "browsers/commands/ImportRun.h"
#include "library/CLFDoc.h"
#include "library/DocumentCommands.h"
#include "platform/Settings.h"
#include "support/FakeUi.h"
#include "support/NetscapeFile.h"
#include "support/TempDir.h"

namespace linkfold::test {

struct SessionFixture {
  // The three sources, in the temporary directory: ns3.htm, ns4.htm and Favorites/.
  BrowserDetection browsers(bool netscape3, bool netscape4, bool msie) const {
    const std::string favorites = msie ? temp.file("Favorites/") : "";
    return {msie,     netscape3, netscape4, favorites, temp.file("ns3.htm"), temp.file("ns4.htm"),
            "default"};
  }
  void start(BrowserDetection found, std::string logPath = {}) {
    session = std::make_unique<AppSession>(ui, settings, std::move(found),
                                           logPath.empty() ? temp.file("IMPLOG.TXT") : logPath);
    session->setDocumentChanged([this] { ++refills; });
  }
  void shortcut(const std::string& relative, const std::string& url) {
    temp.write("Favorites/" + relative, "[InternetShortcut]\r\nURL=" + url + "\r\n");
  }
  CLFDoc& doc() { return session->document(); }
  // The log after its header, with LF line ends.
  std::string log() const {
    std::string text = temp.read("IMPLOG.TXT");
    std::string out;
    for (std::size_t i = text.find("\r\n\r\n") + 4; i < text.size(); ++i)
      if (text.compare(i, 2, "\r\n") != 0) out += text[i];
    return out;
  }
  // Each bookmark as its folder path (none for the root) and name, in table order.
  std::string bookmarks() const {
    std::string out;
    for (const auto& b : session->document().bookmarks())
      out += (out.empty() ? "" : " ") +
             (b.folder == 0 ? "" : session->document().folder(b.folder).path) + b.name;
    return out;
  }

  TempDir temp;
  FakeUi ui;
  InMemorySettings settings;
  std::unique_ptr<AppSession> session;
  int refills = 0;
};

}  // namespace linkfold::test
