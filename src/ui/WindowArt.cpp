#include "ui/WindowArt.h"

#include "controls/Fonts.h"
#include "controls/Twips.h"
#include "ui/Layout.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace WindowArt {
namespace {

constexpr int kStripBottom = 25; // the drag strip's height in pixels
constexpr int kBandBottom = 136; // the green band ends just above the viewer's heading
const QColor kGrey(228, 232, 236);

void drawTitleStrip(QPainter& p)
{
    QLinearGradient g(0, 0, 0, kStripBottom);
    g.setColorAt(0.0, QColor(232, 244, 253));
    g.setColorAt(0.55, QColor(201, 228, 248));
    g.setColorAt(1.0, QColor(170, 210, 240));
    p.fillRect(QRect(0, 0, kWidth, kStripBottom), g);
    p.setPen(QColor(255, 255, 255, 200));
    p.drawLine(0, 0, kWidth, 0);
    p.setPen(QColor(96, 150, 190));
    p.drawLine(0, kStripBottom - 1, kWidth, kStripBottom - 1);

    // Small caps behind the "X" and "_" labels of the top-left corner.
    for (const QRectF& r : {QRectF(5.5, 3.5, 14, 16), QRectF(19.5, 3.5, 14, 16)}) {
        QLinearGradient cap(r.topLeft(), r.bottomLeft());
        cap.setColorAt(0.0, QColor(255, 255, 255));
        cap.setColorAt(1.0, QColor(208, 226, 242));
        p.setPen(QColor(110, 150, 185));
        p.setBrush(cap);
        p.drawRoundedRect(r, 3, 3);
    }
}

void drawBand(QPainter& p)
{
    const QRect band(0, kStripBottom, kWidth, kBandBottom - kStripBottom);
    QLinearGradient g(0, band.top(), 0, band.bottom());
    g.setColorAt(0.0, QColor(150, 222, 92));
    g.setColorAt(0.45, QColor(104, 196, 52));
    g.setColorAt(0.46, QColor(86, 182, 38));
    g.setColorAt(1.0, QColor(52, 142, 28));
    p.fillRect(band, g);
    // A soft sheen across the upper half.
    QLinearGradient sheen(0, band.top(), 0, band.top() + band.height() / 2);
    sheen.setColorAt(0.0, QColor(255, 255, 255, 70));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillRect(QRect(band.left(), band.top(), band.width(), band.height() / 2), sheen);
    p.setPen(QColor(36, 104, 20));
    p.drawLine(0, band.bottom(), kWidth, band.bottom());
    p.setPen(QColor(255, 255, 255, 90));
    p.drawLine(0, band.top(), kWidth, band.top());
}

void drawScales(QPainter& p, const QPointF& c)
{
    // A small pair of scales at the band's left end, the desk's emblem.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(QColor(255, 255, 255, 215), 2.0, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(c.x(), c.y() - 22), QPointF(c.x(), c.y() + 18));
    p.drawLine(QPointF(c.x() - 22, c.y() - 14), QPointF(c.x() + 22, c.y() - 14));
    p.drawLine(QPointF(c.x() - 10, c.y() + 18), QPointF(c.x() + 10, c.y() + 18));
    p.setBrush(QColor(255, 255, 255, 215));
    p.drawEllipse(QPointF(c.x(), c.y() - 24), 2.5, 2.5);
    for (int side : {-1, 1}) {
        const double x = c.x() + side * 20;
        pen.setWidthF(1.2);
        p.setPen(pen);
        p.drawLine(QPointF(c.x() + side * 22, c.y() - 14), QPointF(x - 7, c.y() + 2));
        p.drawLine(QPointF(c.x() + side * 22, c.y() - 14), QPointF(x + 7, c.y() + 2));
        QPainterPath pan;
        pan.moveTo(x - 9, c.y() + 2);
        pan.quadTo(x, c.y() + 11, x + 9, c.y() + 2);
        pan.closeSubpath();
        p.setPen(Qt::NoPen);
        p.drawPath(pan);
    }
    p.restore();
}

// --- Icons, each drawn inside a box about 40 px across centred on c. ---

void iconBinoculars(QPainter& p, const QPointF& c)
{
    const QColor body(38, 44, 56), hi(92, 104, 124);
    for (int side : {-1, 1}) {
        const double x = c.x() + side * 9.5;
        QLinearGradient g(x - 7, 0, x + 7, 0);
        g.setColorAt(0.0, hi);
        g.setColorAt(0.5, body);
        g.setColorAt(1.0, body.darker(130));
        p.setPen(QPen(QColor(16, 18, 24), 1));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(x - 5, c.y() - 15, 10, 12), 2.5, 2.5); // eyepiece
        p.drawRoundedRect(QRectF(x - 8, c.y() - 6, 16, 19), 4, 4);      // barrel
        // Lens with a blue glint.
        QRadialGradient lens(QPointF(x - 2, c.y() + 11), 8);
        lens.setColorAt(0.0, QColor(150, 210, 255));
        lens.setColorAt(0.6, QColor(30, 90, 170));
        lens.setColorAt(1.0, QColor(10, 30, 70));
        p.setBrush(lens);
        p.drawEllipse(QPointF(x, c.y() + 13), 7.5, 4.5);
    }
    p.setBrush(QColor(70, 78, 92));
    p.drawRoundedRect(QRectF(c.x() - 4, c.y() - 4, 8, 9), 2, 2); // bridge
}

void drawBook(QPainter& p, const QRectF& cover, const QColor& colour)
{
    // Pages seen from the fore-edge, then the cover and its spine.
    p.setPen(QPen(QColor(150, 140, 120), 0.8));
    p.setBrush(QColor(250, 246, 232));
    p.drawRect(QRectF(cover.left() + 3, cover.top() + 3, cover.width(), cover.height() - 1));
    QLinearGradient g(cover.topLeft(), cover.topRight());
    g.setColorAt(0.0, colour.darker(150));
    g.setColorAt(0.18, colour.lighter(125));
    g.setColorAt(0.25, colour);
    g.setColorAt(1.0, colour.darker(115));
    p.setPen(QPen(colour.darker(200), 1));
    p.setBrush(g);
    p.drawRoundedRect(cover, 2, 2);
}

void iconBlueBook(QPainter& p, const QPointF& c)
{
    const QRectF cover(c.x() - 13, c.y() - 17, 24, 32);
    drawBook(p, cover, QColor(28, 86, 196));
    p.setPen(QPen(QColor(240, 210, 110), 1.3));
    p.drawLine(QPointF(cover.left() + 9, cover.top() + 9), QPointF(cover.right() - 4, cover.top() + 9));
    p.drawLine(QPointF(cover.left() + 9, cover.top() + 13), QPointF(cover.right() - 4, cover.top() + 13));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 210, 110));
    p.drawRect(QRectF(cover.left() + 1, cover.top() + 4, 3, 2));
    p.drawRect(QRectF(cover.left() + 1, cover.bottom() - 6, 3, 2));
}

void iconBookPile(QPainter& p, const QPointF& c)
{
    struct Layer {
        double dx, w;
        QColor colour;
    };
    const Layer layers[] = {{-2, 34, QColor(150, 40, 36)},
                            {2, 30, QColor(40, 120, 60)},
                            {-1, 32, QColor(28, 86, 196)},
                            {3, 26, QColor(176, 120, 40)}};
    double y = c.y() + 10;
    for (const Layer& l : layers) {
        const QRectF r(c.x() - l.w / 2 + l.dx, y, l.w, 7.5);
        // Page block on the right end, cover around it.
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0.0, l.colour.lighter(135));
        g.setColorAt(1.0, l.colour.darker(125));
        p.setPen(QPen(l.colour.darker(190), 0.9));
        p.setBrush(g);
        p.drawRoundedRect(r, 1.5, 1.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 246, 232));
        p.drawRect(QRectF(r.right() - 5, r.top() + 1.5, 4, r.height() - 3));
        p.setBrush(QColor(240, 210, 110));
        p.drawRect(QRectF(r.left() + 5, r.top() + 3, 6, 1.5));
        y -= 8.5;
    }
}

void iconNotepad(QPainter& p, const QPointF& c)
{
    const QRectF pad(c.x() - 14, c.y() - 14, 24, 30);
    p.setPen(QPen(QColor(150, 130, 70), 1));
    QLinearGradient g(pad.topLeft(), pad.bottomRight());
    g.setColorAt(0.0, QColor(255, 252, 200));
    g.setColorAt(1.0, QColor(245, 228, 140));
    p.setBrush(g);
    p.drawRect(pad);
    p.setPen(QPen(QColor(120, 160, 210), 0.9));
    for (double y = pad.top() + 9; y < pad.bottom() - 2; y += 4.2)
        p.drawLine(QPointF(pad.left() + 3, y), QPointF(pad.right() - 3, y));
    p.setPen(QPen(QColor(220, 90, 90), 0.9));
    p.drawLine(QPointF(pad.left() + 6, pad.top() + 5), QPointF(pad.left() + 6, pad.bottom() - 1));
    // Spiral rings along the top.
    p.setPen(QPen(QColor(90, 96, 110), 1.4));
    p.setBrush(Qt::NoBrush);
    for (double x = pad.left() + 3; x < pad.right() - 1; x += 4.2)
        p.drawArc(QRectF(x - 1.5, pad.top() - 4, 3.5, 7), 0, 180 * 16);

    // Pencil lying across the pad's corner.
    p.save();
    p.translate(c.x() + 8, c.y() + 2);
    p.rotate(-50);
    const QRectF shaft(-16, -3, 24, 6);
    QLinearGradient sg(0, -3, 0, 3);
    sg.setColorAt(0.0, QColor(255, 220, 80));
    sg.setColorAt(1.0, QColor(220, 150, 20));
    p.setPen(QPen(QColor(140, 90, 10), 0.8));
    p.setBrush(sg);
    p.drawRect(shaft);
    p.setBrush(QColor(236, 130, 150));
    p.drawRoundedRect(QRectF(-21, -3, 5, 6), 1.5, 1.5); // eraser
    p.setBrush(QColor(190, 190, 196));
    p.drawRect(QRectF(-17, -3, 2, 6));
    QPainterPath tip;
    tip.moveTo(8, -3);
    tip.lineTo(15, 0);
    tip.lineTo(8, 3);
    tip.closeSubpath();
    p.setBrush(QColor(240, 210, 170));
    p.drawPath(tip);
    p.setBrush(QColor(50, 50, 50));
    p.setPen(Qt::NoPen);
    QPainterPath lead;
    lead.moveTo(12.5, -1.1);
    lead.lineTo(15, 0);
    lead.lineTo(12.5, 1.1);
    lead.closeSubpath();
    p.drawPath(lead);
    p.restore();
}

void iconSheet(QPainter& p, const QPointF& c)
{
    const double l = c.x() - 12, t = c.y() - 17, w = 24, h = 33, fold = 8;
    QPainterPath sheet;
    sheet.moveTo(l, t);
    sheet.lineTo(l + w - fold, t);
    sheet.lineTo(l + w, t + fold);
    sheet.lineTo(l + w, t + h);
    sheet.lineTo(l, t + h);
    sheet.closeSubpath();
    QLinearGradient g(l, t, l + w, t + h);
    g.setColorAt(0.0, QColor(255, 255, 255));
    g.setColorAt(1.0, QColor(222, 230, 240));
    p.setPen(QPen(QColor(110, 124, 146), 1));
    p.setBrush(g);
    p.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(l + w - fold, t);
    corner.lineTo(l + w - fold, t + fold);
    corner.lineTo(l + w, t + fold);
    corner.closeSubpath();
    p.setBrush(QColor(196, 206, 222));
    p.drawPath(corner);
    p.setPen(QPen(QColor(130, 140, 160), 1.2));
    p.drawLine(QPointF(l + 4, t + 6), QPointF(l + 11, t + 6));
    for (int i = 0; i < 5; ++i) {
        const double y = t + 12 + i * 3.8;
        p.drawLine(QPointF(l + 4, y), QPointF(l + w - (i == 4 ? 10 : 4), y));
    }
    // A signature flourish at the foot.
    p.setPen(QPen(QColor(28, 86, 196), 1.1));
    QPainterPath sign;
    sign.moveTo(l + 11, t + h - 4);
    sign.cubicTo(l + 13, t + h - 9, l + 15, t + h - 1, l + 17, t + h - 5);
    sign.cubicTo(l + 18, t + h - 7, l + 19, t + h - 3, l + 21, t + h - 4);
    p.setBrush(Qt::NoBrush);
    p.drawPath(sign);
}

void iconGlobe(QPainter& p, const QPointF& c)
{
    const double r = 16;
    QRadialGradient sea(QPointF(c.x() - 5, c.y() - 6), r * 1.4);
    sea.setColorAt(0.0, QColor(140, 210, 255));
    sea.setColorAt(0.55, QColor(30, 120, 210));
    sea.setColorAt(1.0, QColor(10, 50, 120));
    p.setPen(QPen(QColor(10, 40, 90), 1));
    p.setBrush(sea);
    p.drawEllipse(c, r, r);

    p.save();
    QPainterPath clip;
    clip.addEllipse(c, r - 0.5, r - 0.5);
    p.setClipPath(clip);
    p.setPen(QPen(QColor(20, 90, 30), 0.6));
    p.setBrush(QColor(70, 170, 60));
    QPainterPath land;
    land.moveTo(c.x() - 12, c.y() - 9);
    land.cubicTo(c.x() - 6, c.y() - 16, c.x() + 1, c.y() - 12, c.x() - 2, c.y() - 6);
    land.cubicTo(c.x() - 5, c.y() - 1, c.x() - 2, c.y() + 3, c.x() - 5, c.y() + 9);
    land.cubicTo(c.x() - 8, c.y() + 13, c.x() - 12, c.y() + 4, c.x() - 11, c.y() - 1);
    land.cubicTo(c.x() - 15, c.y() - 3, c.x() - 15, c.y() - 7, c.x() - 12, c.y() - 9);
    land.moveTo(c.x() + 3, c.y() - 13);
    land.cubicTo(c.x() + 10, c.y() - 14, c.x() + 16, c.y() - 6, c.x() + 12, c.y() - 2);
    land.cubicTo(c.x() + 9, c.y() + 1, c.x() + 12, c.y() + 6, c.x() + 7, c.y() + 11);
    land.cubicTo(c.x() + 4, c.y() + 6, c.x() + 5, c.y() + 1, c.x() + 2, c.y() - 3);
    land.cubicTo(c.x() + 0, c.y() - 7, c.x() + 0, c.y() - 11, c.x() + 3, c.y() - 13);
    p.drawPath(land);
    p.setPen(QPen(QColor(255, 255, 255, 110), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.45, r);
    p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
    p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    p.drawEllipse(QRectF(c.x() - r, c.y() - r * 0.62, 2 * r, r * 0.5));
    p.drawEllipse(QRectF(c.x() - r, c.y() + r * 0.12, 2 * r, r * 0.5));
    p.restore();
}

void drawButton(QPainter& p, int index, const QString& caption)
{
    const QPointF c = buttonCentre(index);
    const double r = buttonRadius();

    // Drop shadow on the band.
    QRadialGradient shadow(QPointF(c.x(), c.y() + 3), r + 4);
    shadow.setColorAt(0.8, QColor(0, 40, 0, 90));
    shadow.setColorAt(1.0, QColor(0, 40, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(c.x(), c.y() + 3), r + 4, r + 4);

    // Silver rim, then the pearl-white face.
    QLinearGradient rim(c.x(), c.y() - r, c.x(), c.y() + r);
    rim.setColorAt(0.0, QColor(255, 255, 255));
    rim.setColorAt(1.0, QColor(120, 140, 150));
    p.setBrush(rim);
    p.setPen(QPen(QColor(40, 90, 30), 1));
    p.drawEllipse(c, r, r);
    QRadialGradient face(QPointF(c.x(), c.y() + r * 0.35), r * 1.1);
    face.setColorAt(0.0, QColor(255, 255, 255));
    face.setColorAt(0.7, QColor(222, 236, 246));
    face.setColorAt(1.0, QColor(168, 196, 214));
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawEllipse(c, r - 3, r - 3);

    p.save();
    // The icons are drawn on a 40 px grid; a little larger fills the face.
    p.translate(c);
    p.scale(1.12, 1.12);
    p.translate(-c);
    switch (index) {
    case 0: iconBinoculars(p, c); break;
    case 1: iconBlueBook(p, c); break;
    case 2: iconBookPile(p, c); break;
    case 3: iconNotepad(p, c); break;
    case 4: iconSheet(p, c); break;
    default: iconGlobe(p, c); break;
    }
    p.restore();

    // The glassy highlight over the upper half.
    QLinearGradient gloss(c.x(), c.y() - r + 3, c.x(), c.y());
    gloss.setColorAt(0.0, QColor(255, 255, 255, 200));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(QRectF(c.x() - r * 0.72, c.y() - r + 3.5, r * 1.44, r * 0.92));

    // Caption in capitals beneath, white with a dark shadow.
    QFont f = uiFont(QStringLiteral("Tahoma"), 7.5, true);
    p.setFont(f);
    const QRectF box(c.x() - 60, c.y() + r + 3, 120, 16);
    p.setPen(QColor(20, 70, 10, 200));
    p.drawText(box.translated(1, 1), Qt::AlignHCenter | Qt::AlignTop, caption);
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignHCenter | Qt::AlignTop, caption);
}

void drawWorkArea(QPainter& p)
{
    const QRectF ground(0, kBandBottom + 1, kWidth, kHeight - kBandBottom - 1);
    QLinearGradient g(0, ground.top(), 0, ground.bottom());
    g.setColorAt(0.0, kGrey.lighter(104));
    g.setColorAt(1.0, kGrey.darker(106));
    p.fillRect(ground, g);

    // The blue area: its left edge one wide curve from the band down to the
    // foot, clear of the viewer's heading and buttons.
    const double top = kBandBottom + 1;
    QPainterPath blue;
    blue.moveTo(kWidth, top);
    blue.lineTo(92, top);
    blue.cubicTo(40, top, 26, top + 90, 24, top + 230);
    blue.cubicTo(23, top + 330, 32, kHeight - 40, 46, kHeight);
    blue.lineTo(kWidth, kHeight);
    blue.closeSubpath();

    // A soft shade on the grey along the curve, then the flat panel blue.
    p.save();
    p.translate(-3, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 40, 70, 45));
    p.drawPath(blue);
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(Layout::kPanelBlue);
    p.drawPath(blue);
    p.setPen(QPen(QColor(120, 214, 250), 1.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath edge;
    edge.moveTo(92, top + 0.75);
    edge.cubicTo(40, top, 26, top + 90, 24, top + 230);
    edge.cubicTo(23, top + 330, 32, kHeight - 40, 46, kHeight);
    p.drawPath(edge);
}

} // namespace

QPointF buttonCentre(int index)
{
    const QRect area = Twips::rect(Layout::kMenuLefts[index], Layout::kMenuTop, Layout::kMenuSize, Layout::kMenuSize);
    return QRectF(area).center();
}

double buttonRadius()
{
    // The button fills its clickable square but for a thin margin.
    return Twips::px(Layout::kMenuSize) / 2.0 - 4.5;
}

QImage drawPicture()
{
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    img.fill(kGrey);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawWorkArea(p);
    drawBand(p);
    drawTitleStrip(p);
    drawScales(p, QPointF(42, 78));
    const QString captions[6] = {QStringLiteral("CAUTARE"),       QStringLiteral("LEGI CONSULTATE"),
                                 QStringLiteral("LEGI FAVORITE"), QStringLiteral("AGENDA"),
                                 QStringLiteral("CONTRACTE TIP"), QStringLiteral("UPDATE")};
    for (int i = 0; i < 6; ++i)
        drawButton(p, i, captions[i]);
    return img;
}

QImage drawIcon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 64-unit square so that every size has the same shapes.
    p.scale(size / 64.0, size / 64.0);
    const QRectF badge(2, 2, 60, 60);
    QLinearGradient g(0, badge.top(), 0, badge.bottom());
    g.setColorAt(0.0, QColor(150, 222, 92));
    g.setColorAt(0.5, QColor(96, 188, 44));
    g.setColorAt(1.0, QColor(52, 142, 28));
    p.setPen(QPen(QColor(36, 104, 20), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(badge, 12, 12);
    drawScales(p, QPointF(32, 34));
    return img;
}

const QImage& picture()
{
    static const QImage drawn = drawPicture();
    return drawn;
}

void paintBackground(QPainter& painter, const QRect& area)
{
    const QImage& img = picture();
    painter.drawImage(QPoint(0, 0), img);
    if (area.width() > kWidth)
        painter.drawImage(QRect(kWidth, 0, area.width() - kWidth, kHeight), img, QRect(kWidth - 1, 0, 1, kHeight));
    if (area.height() > kHeight)
        painter.drawImage(QRect(0, kHeight, area.width(), area.height() - kHeight), img,
                          QRect(0, kHeight - 1, kWidth, 1));
}

} // namespace WindowArt
