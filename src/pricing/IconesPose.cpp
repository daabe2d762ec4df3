#include "pricing/IconesPose.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace {
const QColor Bleu(0, 102, 153);
const QColor Rouge(192, 32, 32);

QIcon dessiner(int taille, const std::function<void(QPainter &)> &trace)
{
    QPixmap image(taille, taille);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    trace(p);
    return QIcon(image);
}

QPen trait(const QColor &couleur, qreal epaisseur = 2.2)
{
    return QPen(couleur, epaisseur, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void feuille(QPainter &p, qreal x, qreal y)
{
    p.setPen(trait(Qt::darkGray, 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(x, y, 10, 12));
}
} // namespace

QIcon IconePose()
{
    // A window in its frame, with the wall line it is installed in.
    return dessiner(32, [](QPainter &p) {
        p.setPen(trait(Qt::darkGray, 1.5));
        p.drawLine(QPointF(2, 29), QPointF(30, 29));
        p.setPen(trait(Bleu, 2));
        p.setBrush(QColor(210, 232, 245));
        p.drawRect(QRectF(6, 4, 20, 23));
        p.drawLine(QPointF(16, 4), QPointF(16, 27));
        p.drawLine(QPointF(6, 15), QPointF(26, 15));
    });
}

QIcon IconeAjouter()
{
    return dessiner(20, [](QPainter &p) {
        p.setPen(trait(QColor(30, 130, 60), 3));
        p.drawLine(QPointF(10, 3), QPointF(10, 17));
        p.drawLine(QPointF(3, 10), QPointF(17, 10));
    });
}

QIcon IconeDupliquer()
{
    return dessiner(20, [](QPainter &p) {
        feuille(p, 3, 2);
        feuille(p, 7, 6);
    });
}

QIcon IconeModifier()
{
    return dessiner(20, [](QPainter &p) {
        p.setPen(trait(Bleu, 3));
        p.drawLine(QPointF(5, 15), QPointF(15, 5));
        p.setPen(trait(Qt::darkGray, 1.5));
        p.drawLine(QPointF(3, 17), QPointF(6, 16));
    });
}

QIcon IconeSupprimer()
{
    return dessiner(20, [](QPainter &p) {
        p.setPen(trait(Rouge, 3));
        p.drawLine(QPointF(3, 10), QPointF(17, 10));
    });
}

QIcon IconeSupprimerTout()
{
    return dessiner(20, [](QPainter &p) {
        p.setPen(trait(Rouge, 2.6));
        p.drawLine(QPointF(4, 4), QPointF(16, 16));
        p.drawLine(QPointF(16, 4), QPointF(4, 16));
    });
}

QIcon IconeActualiser()
{
    return dessiner(20, [](QPainter &p) {
        p.setPen(trait(Bleu, 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(3, 3, 14, 14), 30 * 16, 280 * 16);
        QPainterPath pointe;
        pointe.moveTo(17.5, 2.5);
        pointe.lineTo(17.5, 8.5);
        pointe.lineTo(11.5, 8.5);
        p.setBrush(Bleu);
        p.setPen(Qt::NoPen);
        p.drawPath(pointe);
    });
}
