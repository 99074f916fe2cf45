#include "frame/drawn_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "frame/command_routing.h"

namespace foresta {
namespace {

// Palette shared by all drawings so the tool bar reads as one set.
const QColor kInk(0x33, 0x3b, 0x47);
const QColor kPaper(0xfb, 0xfc, 0xfe);
const QColor kBlue(0x2f, 0x6f, 0xd0);
const QColor kGreen(0x2e, 0x9a, 0x4f);
const QColor kOrange(0xe0, 0x7b, 0x1f);
const QColor kRed(0xc9, 0x3b, 0x3b);
const QColor kYellow(0xf2, 0xc1, 0x4e);
const QColor kGrey(0x9a, 0xa3, 0xae);

QPen InkPen(qreal width = 1.4, QColor color = kInk) {
  QPen pen(color, width);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

// A page with a folded corner, the base of several drawings.
void Page(QPainter& p, QRectF r = QRectF(5, 2.5, 14, 19)) {
  QPainterPath path;
  const qreal fold = 4.5;
  path.moveTo(r.left(), r.top());
  path.lineTo(r.right() - fold, r.top());
  path.lineTo(r.right(), r.top() + fold);
  path.lineTo(r.right(), r.bottom());
  path.lineTo(r.left(), r.bottom());
  path.closeSubpath();
  p.setPen(InkPen(1.2));
  p.setBrush(kPaper);
  p.drawPath(path);
  QPainterPath corner;
  corner.moveTo(r.right() - fold, r.top());
  corner.lineTo(r.right() - fold, r.top() + fold);
  corner.lineTo(r.right(), r.top() + fold);
  p.setBrush(Qt::NoBrush);
  p.drawPath(corner);
}

void TextLines(QPainter& p, qreal left, qreal top, qreal width, int count) {
  p.setPen(InkPen(1.1, kGrey));
  for (int i = 0; i < count; ++i) {
    const qreal y = top + i * 3;
    p.drawLine(QPointF(left, y), QPointF(left + width - (i % 2) * 3, y));
  }
}

// The small mark of the interval code: "+", "0" or "--".
void StyleBadge(QPainter& p, int style) {
  p.setPen(Qt::NoPen);
  p.setBrush(kBlue);
  p.drawEllipse(QRectF(13, 13, 10.5, 10.5));
  p.setPen(InkPen(1.6, Qt::white));
  p.setBrush(Qt::NoBrush);
  const QPointF c(18.25, 18.25);
  switch (style) {
    case 1:
      p.drawLine(c + QPointF(-3, 0), c + QPointF(3, 0));
      p.drawLine(c + QPointF(0, -3), c + QPointF(0, 3));
      break;
    case 2:
      p.drawLine(c + QPointF(-3, -1.4), c + QPointF(3, -1.4));
      p.drawLine(c + QPointF(-3, 1.4), c + QPointF(3, 1.4));
      break;
    default:
      p.drawEllipse(c, 2.2, 3);
      break;
  }
}

// A small chart: straight segments for linear, a curve for exponential.
void Chart(QPainter& p, bool exponential, int style) {
  p.setPen(InkPen(1.2));
  p.drawLine(QPointF(2.5, 2.5), QPointF(2.5, 20.5));
  p.drawLine(QPointF(2.5, 20.5), QPointF(20.5, 20.5));
  QPainterPath curve;
  if (exponential) {
    curve.moveTo(4, 18.5);
    curve.cubicTo(QPointF(10, 18), QPointF(14, 14), QPointF(17, 4));
  } else {
    curve.moveTo(4, 17.5);
    curve.lineTo(8, 12.5);
    curve.lineTo(11.5, 14);
    curve.lineTo(17, 5);
  }
  p.setPen(InkPen(2.0, exponential ? kOrange : kGreen));
  p.drawPath(curve);
  StyleBadge(p, style);
}

void DrawNew(QPainter& p) {
  Page(p);
  p.setPen(InkPen(1.8, kGreen));
  p.drawLine(QPointF(12, 10), QPointF(12, 17));
  p.drawLine(QPointF(8.5, 13.5), QPointF(15.5, 13.5));
}

void DrawOpen(QPainter& p) {
  QPainterPath back;
  back.moveTo(2.5, 6);
  back.lineTo(8.5, 6);
  back.lineTo(10.5, 8);
  back.lineTo(19.5, 8);
  back.lineTo(19.5, 19.5);
  back.lineTo(2.5, 19.5);
  back.closeSubpath();
  p.setPen(InkPen(1.2));
  p.setBrush(kYellow.darker(115));
  p.drawPath(back);
  QPainterPath front;
  front.moveTo(2.5, 19.5);
  front.lineTo(6, 11);
  front.lineTo(22.5, 11);
  front.lineTo(19.5, 19.5);
  front.closeSubpath();
  p.setBrush(kYellow);
  p.drawPath(front);
}

void DrawSave(QPainter& p) {
  p.setPen(InkPen(1.2));
  p.setBrush(kBlue);
  p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
  p.setBrush(kPaper);
  p.drawRect(QRectF(6.5, 3, 11, 6.5));
  p.setBrush(kGrey.lighter(130));
  p.drawRect(QRectF(6, 13, 12, 8));
  p.setPen(InkPen(1.2, kBlue.darker(120)));
  p.drawLine(QPointF(14.5, 4.5), QPointF(14.5, 8));
}

void DrawLink(QPainter& p) {
  p.setBrush(Qt::NoBrush);
  p.save();
  p.translate(12, 12);
  p.rotate(-45);
  p.setPen(InkPen(2.2, kBlue));
  p.drawRoundedRect(QRectF(-10, -3.5, 11, 7), 3.5, 3.5);
  p.setPen(InkPen(2.2, kGreen));
  p.drawRoundedRect(QRectF(-1, -3.5, 11, 7), 3.5, 3.5);
  p.restore();
}

void DrawInput(QPainter& p) {
  Page(p, QRectF(8, 2.5, 13.5, 19));
  p.setPen(InkPen(1.0, kGrey));
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 2; ++col) {
      const qreal x = 10.5 + col * 5;
      const qreal y = 9 + row * 3;
      p.drawLine(QPointF(x, y), QPointF(x + 3, y));
    }
  }
  p.setPen(InkPen(2.0, kGreen));
  p.drawLine(QPointF(1.5, 12), QPointF(9.5, 12));
  p.drawLine(QPointF(6.5, 9), QPointF(9.5, 12));
  p.drawLine(QPointF(6.5, 15), QPointF(9.5, 12));
}

void DrawOutput(QPainter& p) {
  Page(p, QRectF(2.5, 2.5, 15, 19));
  p.setPen(Qt::NoPen);
  p.setBrush(kBlue);
  p.drawRect(QRectF(5, 14, 2.5, 5));
  p.setBrush(kGreen);
  p.drawRect(QRectF(8.5, 10.5, 2.5, 8.5));
  p.setBrush(kOrange);
  p.drawRect(QRectF(12, 7.5, 2.5, 11.5));
  p.setPen(InkPen(2.0, kRed));
  p.drawLine(QPointF(16, 12), QPointF(22.5, 12));
  p.drawLine(QPointF(19.5, 9), QPointF(22.5, 12));
  p.drawLine(QPointF(19.5, 15), QPointF(22.5, 12));
}

void DrawCut(QPainter& p) {
  p.setPen(InkPen(1.5));
  p.drawLine(QPointF(8, 3), QPointF(15.5, 15));
  p.drawLine(QPointF(16, 3), QPointF(8.5, 15));
  p.setPen(InkPen(1.8, kRed));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(7, 18), 3.2, 3.2);
  p.drawEllipse(QPointF(17, 18), 3.2, 3.2);
}

void DrawCopy(QPainter& p) {
  p.setPen(InkPen(1.2));
  p.setBrush(kPaper.darker(104));
  p.drawRect(QRectF(3, 3, 11, 14));
  p.setBrush(kPaper);
  p.drawRect(QRectF(9.5, 7.5, 11, 14));
  TextLines(p, 11.5, 11, 7, 3);
}

void DrawPaste(QPainter& p) {
  p.setPen(InkPen(1.2));
  p.setBrush(kOrange.lighter(140));
  p.drawRoundedRect(QRectF(3.5, 4, 15, 17.5), 1.5, 1.5);
  p.setBrush(kGrey);
  p.drawRoundedRect(QRectF(7.5, 2, 7, 4), 1, 1);
  p.setBrush(kPaper);
  p.drawRect(QRectF(11, 10, 10, 12));
  TextLines(p, 13, 13.5, 6, 3);
}

void DrawUndo(QPainter& p) {
  QPainterPath arc;
  arc.moveTo(6, 10);
  arc.cubicTo(QPointF(10, 5.5), QPointF(19, 6), QPointF(19.5, 13));
  arc.cubicTo(QPointF(20, 17), QPointF(16, 19.5), QPointF(12.5, 19.5));
  p.setPen(InkPen(2.2, kBlue));
  p.setBrush(Qt::NoBrush);
  p.drawPath(arc);
  QPainterPath head;
  head.moveTo(3, 5);
  head.lineTo(10, 11.5);
  head.lineTo(3, 13);
  head.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(kBlue);
  p.drawPath(head);
}

// Undo's arrow, mirrored.
void DrawRedo(QPainter& p) {
  p.save();
  p.translate(24, 0);
  p.scale(-1, 1);
  DrawUndo(p);
  p.restore();
}

void DrawPrinter(QPainter& p) {
  p.setPen(InkPen(1.2));
  p.setBrush(kPaper);
  p.drawRect(QRectF(6.5, 2.5, 11, 7));
  p.setBrush(kGrey.lighter(120));
  p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
  p.setBrush(kPaper);
  p.drawRect(QRectF(6.5, 14, 11, 7.5));
  TextLines(p, 8.5, 16.5, 7, 2);
  p.setPen(Qt::NoPen);
  p.setBrush(kGreen);
  p.drawEllipse(QPointF(18.5, 11.5), 1, 1);
}

void DrawPreview(QPainter& p) {
  Page(p, QRectF(2.5, 2.5, 14, 19));
  TextLines(p, 5, 8, 8, 3);
  p.setPen(InkPen(1.8, kBlue));
  p.setBrush(QColor(255, 255, 255, 200));
  p.drawEllipse(QPointF(14, 14), 4.5, 4.5);
  p.setPen(InkPen(2.6, kInk));
  p.drawLine(QPointF(17.3, 17.3), QPointF(21.5, 21.5));
}

void DrawHelp(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(kBlue);
  p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
  QPainterPath mark;
  mark.moveTo(9, 9.5);
  mark.cubicTo(QPointF(9, 5.5), QPointF(15.5, 5.5), QPointF(15.2, 9.5));
  mark.cubicTo(QPointF(15, 12), QPointF(12, 12), QPointF(12, 14.8));
  p.setPen(InkPen(2.2, Qt::white));
  p.setBrush(Qt::NoBrush);
  p.drawPath(mark);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(12, 18), 1.4, 1.4);
}

// A small forest over a rising line: the program's own mark.
void DrawApplication(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xe8, 0xf1, 0xfb));
  p.drawRoundedRect(QRectF(0.5, 0.5, 23, 23), 4, 4);
  auto tree = [&p](qreal x, qreal base, qreal height, QColor color) {
    QPainterPath crown;
    crown.moveTo(x, base - height);
    crown.lineTo(x + height * 0.38, base - 2);
    crown.lineTo(x - height * 0.38, base - 2);
    crown.closeSubpath();
    p.setBrush(color);
    p.drawPath(crown);
    p.setBrush(kInk);
    p.drawRect(QRectF(x - 0.7, base - 2.2, 1.4, 2.2));
  };
  tree(7, 20.5, 11, kGreen.darker(110));
  tree(13.5, 20.5, 15, kGreen);
  p.setPen(InkPen(1.8, kOrange));
  p.drawLine(QPointF(15, 15), QPointF(18, 10));
  p.drawLine(QPointF(18, 10), QPointF(21.5, 5));
}

void DrawDocument(QPainter& p) {
  Page(p);
  TextLines(p, 7.5, 9, 9, 4);
}

// REQUIRES: HasDrawing(id).
void Draw(int id, QPainter& p) {
  switch (id) {
    case kCmFileNew: DrawNew(p); return;
    case kCmFileOpen: DrawOpen(p); return;
    case kCmFileSave: DrawSave(p); return;
    case 551: DrawLink(p); return;
    case 552: DrawInput(p); return;
    case 553: DrawOutput(p); return;
    case 555: Chart(p, false, 1); return;
    case 556: Chart(p, false, 2); return;
    case 557: Chart(p, false, 3); return;
    case 558: Chart(p, true, 1); return;
    case 559: Chart(p, true, 2); return;
    case 560: Chart(p, true, 3); return;
    case kCmEditCut: DrawCut(p); return;
    case kCmEditCopy: DrawCopy(p); return;
    case kCmEditPaste: DrawPaste(p); return;
    case kCmEditUndo: DrawUndo(p); return;
    case kCmEditRedo: DrawRedo(p); return;
    case kCmPrint: DrawPrinter(p); return;
    case kCmPrintPreview: DrawPreview(p); return;
    case kCmHelpContents: DrawHelp(p); return;
    case kApplicationIconId: DrawApplication(p); return;
    case kDocumentIconId: DrawDocument(p); return;
    default: return;
  }
}

bool HasDrawing(int id) {
  for (int drawn : {kCmFileNew, kCmFileOpen, kCmFileSave, 551, 552, 553, 555,
                    556, 557, 558, 559, 560, kCmEditCut, kCmEditCopy,
                    kCmEditPaste, kCmEditUndo, kCmEditRedo, kCmPrint, kCmPrintPreview,
                    kCmHelpContents, kApplicationIconId, kDocumentIconId}) {
    if (drawn == id) return true;
  }
  return false;
}

class DrawnIconEngine : public QIconEngine {
 public:
  explicit DrawnIconEngine(int id) : id_(id) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
             QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(rect.topLeft());
    // Every drawing is made on a 24 x 24 grid.
    painter->scale(rect.width() / 24.0, rect.height() / 24.0);
    if (mode == QIcon::Disabled) painter->setOpacity(0.35);
    Draw(id_, *painter);
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode,
                 QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }

  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    {
      QPainter painter(&pixmap);
      paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    }
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
  }

  QIconEngine* clone() const override { return new DrawnIconEngine(id_); }
  QString key() const override { return QStringLiteral("foresta-drawn"); }

 private:
  int id_;
};

}  // namespace

QIcon CommandIcon(int id) {
  if (!HasDrawing(id)) return QIcon();
  return QIcon(new DrawnIconEngine(id));
}

}  // namespace foresta
