// Renders the scalable program icon into the PNG sizes some desktops need, at build time:
//   linkfold-render-icon ICON.svg OUTDIR SIZE...
// writes OUTDIR/<SIZE>x<SIZE>/apps/<name of ICON>.png for every size.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: linkfold-render-icon ICON.svg OUTDIR SIZE...\n");
    return 2;
  }
  // No display is needed: the offscreen platform draws into memory.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QString source = QString::fromLocal8Bit(argv[1]);
  QSvgRenderer renderer(source);
  if (!renderer.isValid()) {
    std::fprintf(stderr, "linkfold-render-icon: cannot read %s\n", argv[1]);
    return 1;
  }
  const QString name = QFileInfo(source).completeBaseName() + ".png";
  for (int i = 3; i < argc; ++i) {
    const int size = QByteArray(argv[i]).toInt();
    if (size <= 0) {
      std::fprintf(stderr, "linkfold-render-icon: not a size: %s\n", argv[i]);
      return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    const QString folder = QString("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
    if (!QDir().mkpath(folder) || !image.save(folder + "/" + name)) {
      std::fprintf(stderr, "linkfold-render-icon: cannot write %s\n",
                   qPrintable(folder + "/" + name));
      return 1;
    }
  }
  return 0;
}
