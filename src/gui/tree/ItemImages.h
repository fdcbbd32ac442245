#pragma once
// The pictures of the library tree's items, shared by the tree widget and the Weed dialog's
// list: the normal images (what an item is) and the state images (its check box). They are
// drawn from SVG at the device pixel ratio asked for, so they stay sharp on high-DPI screens.

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace linkfold::gui {

class ItemImages {
 public:
  // Normal images by index: the tree's image numbers.
  enum Normal { kFolder = 0, kBookmark = 1, kLockedFolder = 2, kBar = 3, kNormalCount = 4 };
  // State images by index: the folder's selection state, and the letters of the Weed list.
  enum State {
    kBlank = 0,
    kUnchecked = 1,
    kChecked = 2,
    kPartlyChecked = 3,  // checked on grey
    kUrlLetters = 4,
    kStateCount = 5
  };

  // The size of every image in device-independent pixels.
  static QSize size() { return {16, 16}; }

  // An index out of range, and the blank state image, give a transparent picture.
  static QPixmap normalPixmap(int index, qreal devicePixelRatio = 1.0);
  static QPixmap statePixmap(int index, qreal devicePixelRatio = 1.0);
  // Icons that draw afresh at whatever size and ratio a view asks for.
  static QIcon normalIcon(int index);
  static QIcon stateIcon(int index);
};

}  // namespace linkfold::gui
