#include "tree/ItemImages.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <cmath>

// Q_INIT_RESOURCE may not stand inside a namespace.
static void registerTreeIcons() {
  Q_INIT_RESOURCE(tree);
}

namespace linkfold::gui {
namespace {

// Indexes without a picture (the blank state image) draw nothing.
QString normalFile(int index) {
  switch (index) {
    case ItemImages::kFolder:
      return QStringLiteral(":/icons/folder.svg");
    case ItemImages::kBookmark:
      return QStringLiteral(":/icons/bookmark.svg");
    case ItemImages::kLockedFolder:
      return QStringLiteral(":/icons/locked-folder.svg");
    case ItemImages::kBar:
      return QStringLiteral(":/icons/bar.svg");
    default:
      return {};
  }
}

QString stateFile(int index) {
  switch (index) {
    case ItemImages::kUnchecked:
      return QStringLiteral(":/icons/check-empty.svg");
    case ItemImages::kChecked:
      return QStringLiteral(":/icons/check-checked.svg");
    case ItemImages::kPartlyChecked:
      return QStringLiteral(":/icons/check-partial.svg");
    case ItemImages::kUrlLetters:
      return QStringLiteral(":/icons/url.svg");
    default:
      return {};
  }
}

// Renders the drawing at `pixels` device pixels; the caller sets the pixmap's ratio.
QPixmap render(const QString& file, QSize pixels, bool disabled = false) {
  QPixmap pixmap(pixels);
  pixmap.fill(Qt::transparent);
  if (file.isEmpty()) return pixmap;
  static const bool registered = (registerTreeIcons(), true);
  (void)registered;
  QSvgRenderer renderer(file);
  QPainter painter(&pixmap);
  if (disabled) painter.setOpacity(0.4);
  renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
  return pixmap;
}

QPixmap cachedPixmap(const QString& file, qreal ratio) {
  const QString key = QStringLiteral("linkfold-item:%1@%2").arg(file).arg(ratio);
  QPixmap pixmap;
  if (QPixmapCache::find(key, &pixmap)) return pixmap;
  const QSize logical = ItemImages::size();
  pixmap = render(file, QSize(static_cast<int>(std::ceil(logical.width() * ratio)),
                              static_cast<int>(std::ceil(logical.height() * ratio))));
  pixmap.setDevicePixelRatio(ratio);
  QPixmapCache::insert(key, pixmap);
  return pixmap;
}

// An icon engine that draws the SVG afresh for each size, rather than scaling a bitmap.
class SvgImageEngine : public QIconEngine {
 public:
  explicit SvgImageEngine(QString file) : file_(std::move(file)) {}
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap pixmap = scaledPixmap(rect.size() * ratio, mode, state, ratio);
    pixmap.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect, pixmap);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }
  // QIcon asks for the size in device pixels and sets the ratio itself.
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal) override {
    return render(file_, size, mode == QIcon::Disabled);
  }
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
  QIconEngine* clone() const override { return new SvgImageEngine(file_); }
  bool isNull() override { return file_.isEmpty(); }

 private:
  QString file_;
};

}  // namespace

QPixmap ItemImages::normalPixmap(int index, qreal devicePixelRatio) {
  return cachedPixmap(normalFile(index), devicePixelRatio);
}

QPixmap ItemImages::statePixmap(int index, qreal devicePixelRatio) {
  return cachedPixmap(stateFile(index), devicePixelRatio);
}

QIcon ItemImages::normalIcon(int index) {
  return QIcon(new SvgImageEngine(normalFile(index)));
}

QIcon ItemImages::stateIcon(int index) {
  return QIcon(new SvgImageEngine(stateFile(index)));
}

}  // namespace linkfold::gui
