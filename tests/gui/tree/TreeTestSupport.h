#pragma once
// A small library with its view for the tree widget's tests, and a UI port that records the
// messages the core shows instead of opening message boxes.

#include <QApplication>
#include <QMouseEvent>
#include <string>
#include <vector>

#include "library/CLFDoc.h"
#include "platform/HeadlessUi.h"
#include "platform/Settings.h"
#include "view/CLFView.h"

namespace linkfold::test {

class RecordingUi : public HeadlessUi {
 public:
  Answer showMessage(const Message& message) override {
    messages.push_back(message.text);
    return message.buttons == MessageButtons::Ok ? Answer::Ok : Answer::Yes;
  }
  bool runDialog(DialogModel&) override {
    ++dialogs;
    return false;
  }
  std::vector<std::string> messages;
  int dialogs = 0;
};

// Root Folder: A (Sub; alpha, beta), B (gamma), L (locked) and the bookmark top.
struct TreeLibrary {
  TreeLibrary() {
    doc.addFolder("\\", true);
    for (const char* path : {"A\\", "A\\Sub\\", "B\\"}) doc.addFolder(path, false);
    doc.addFolder("L\\", true);
    const std::pair<std::uint32_t, const char*> marks[] = {
        {1, "alpha"}, {1, "beta"}, {3, "gamma"}, {0, "top"}};
    for (const auto& [folder, name] : marks)
      doc.addBookmark(folder, name, std::string("http://") + name + "/", {}, 0, 0, 0);
    view.OnUpdate();
  }

  // The item reached from the root by labels separated by "/"; "" is the root.
  TreeItem item(const std::string& path) const {
    const CSortedTreeCtrl& tree = view.tree();
    TreeItem current = tree.root();
    std::size_t from = 0;
    while (current != kNoItem && from < path.size()) {
      const std::size_t slash = std::min(path.find('/', from), path.size());
      const std::string part = path.substr(from, slash - from);
      TreeItem found = kNoItem;
      for (TreeItem child : tree.children(current))
        if (tree.label(child) == part) found = child;
      current = found;
      from = slash + 1;
    }
    return current;
  }

  RecordingUi ui;
  InMemorySettings settings;
  CLFDoc doc{ui, settings, std::string()};
  CLFView view{doc, ui, settings};
};

// Sends a mouse event straight to a widget, with the buttons held after it.
inline void sendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                      Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, held,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

}  // namespace linkfold::test
