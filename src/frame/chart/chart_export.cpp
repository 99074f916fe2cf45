#include "frame/chart/chart_export.h"

#include <QBuffer>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "frame/chart/chart_view.h"
#include "frame/chart/forecast_chart.h"
#include "state/message_codes.h"

namespace foresta {
namespace {

// Replaces `file` by `bytes` only when all of them were written.
ChartStatus Commit(const std::string& file, const QByteArray& bytes) {
  QSaveFile out(QString::fromLocal8Bit(file.c_str()));
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
    const std::string reason = out.errorString().toLocal8Bit().toStdString();
    return ChartRefusal(kMsgChartNotWritten, file + " (" + reason + ")");
  }
  return {};
}

}  // namespace

QImage ChartImage(ChartView& view) {
  QImage image(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  view.Paint(painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
  painter.end();
  return image;
}

ChartStatus SaveChartPng(ChartView& view, const std::string& file) {
  const QImage image = ChartImage(view);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) return ChartRefusal(kMsgChartNotWritten, file);
  return Commit(file, bytes);
}

ChartStatus SaveChartSvg(ChartView& view, const std::string& file) {
  const QSize size = view.viewport()->size();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  // The generator writes the title into the XML as it is given.
  svg.setTitle(QString::fromLocal8Bit(view.forecastChart()->content().series.title.c_str()).toHtmlEscaped());
  svg.setDescription(QStringLiteral("Foresta chart"));
  QPainter painter;
  if (!painter.begin(&svg)) return ChartRefusal(kMsgChartNotWritten, file);
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  view.Paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
  painter.end();
  // The generator states the size in millimetres; the picture's own units
  // are the pixels of the view, as its view box says.
  const qsizetype start = bytes.indexOf("<svg width=\"");
  const qsizetype end = start < 0 ? -1 : bytes.indexOf('\n', start);
  if (end > start) {
    bytes.replace(start, end - start,
                  QStringLiteral("<svg width=\"%1\" height=\"%2\"")
                      .arg(size.width())
                      .arg(size.height())
                      .toUtf8());
  }
  return Commit(file, bytes);
}

}  // namespace foresta
