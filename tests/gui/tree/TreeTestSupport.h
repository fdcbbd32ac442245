#pragma once
// A small library with its view for the tree widget's tests, and a UI port that records the
// messages the core shows instead of opening message boxes.

#include <QApplication>
#include <QMouseEvent>
#include <string>
#include <vector>

#include "../../support/MessageRecorder.h"
#include "../../support/TreeItems.h"
#include "library/CLFDoc.h"
#include "platform/HeadlessUi.h"
#include "platform/Settings.h"
#include "view/CLFView.h"

namespace linkfold::test {

struct RecordingUi : HeadlessUi, MessageRecorder {
  Answer showMessage(const Message& message) override { return record(message); }
  bool runDialog(DialogModel&) override { return ++dialogs, false; }
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

  TreeItem item(const std::string& path) const { return itemAt(view.tree(), path); }

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
