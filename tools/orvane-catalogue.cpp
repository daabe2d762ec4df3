// orvane-catalogue: makes the files that lie beside the program.
//   orvane-catalogue new FILE    an empty catalogue (tables, operands, host item codes)
//   orvane-catalogue demo FILE   a catalogue filled with demo data
//   orvane-catalogue logo FILE   the logo bitmap
// An existing catalogue is never overwritten.

#include "catalogue/SchemaCatalogue.h"
#include "platform/Erreurs.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <cstdio>

namespace {
void ecrireErreur(const QString &texte)
{
    QTextStream(stderr) << texte << Qt::endl;
}

// Two casement windows under a lintel, the name below: 450 x 250, the size of the screens'
// image.
QImage dessinerLogo()
{
    QImage image(450, 250, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QColor bleu(0x1f, 0x4e, 0x79);
    const QColor bois(0xc8, 0x8a, 0x3d);
    const QColor vitre(0xd6, 0xe9, 0xf5);

    p.setPen(Qt::NoPen);
    p.setBrush(bois);
    p.drawRoundedRect(QRectF(40, 38, 130, 14), 3, 3);
    p.setBrush(vitre);
    p.setPen(QPen(bleu, 6));
    p.drawRect(QRectF(52, 60, 106, 130));
    p.setPen(QPen(bleu, 4));
    p.drawLine(QPointF(105, 60), QPointF(105, 190));
    p.drawLine(QPointF(52, 125), QPointF(158, 125));
    p.setPen(Qt::NoPen);
    p.setBrush(bois);
    p.drawRoundedRect(QRectF(40, 194, 130, 12), 3, 3);

    // A reflection across the panes.
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(64, 108), QPointF(84, 78));
    p.drawLine(QPointF(117, 175), QPointF(137, 145));

    QFont titre(QStringLiteral("DejaVu Sans"));
    titre.setPixelSize(58);
    titre.setBold(true);
    p.setFont(titre);
    p.setPen(bleu);
    p.drawText(QRectF(185, 70, 250, 70), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Orvane"));

    QFont sousTitre(QStringLiteral("DejaVu Sans"));
    sousTitre.setPixelSize(17);
    p.setFont(sousTitre);
    p.setPen(QColor(0x55, 0x55, 0x55));
    p.drawText(QRectF(188, 140, 250, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Pose de menuiseries"));
    p.setPen(QPen(bois, 3));
    p.drawLine(QPointF(188, 172), QPointF(410, 172));
    p.end();
    return image;
}

int usage()
{
    ecrireErreur(QStringLiteral("Usage : orvane-catalogue new|demo|logo FICHIER"));
    return 2;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc != 3)
        return usage();
    const QString commande = QString::fromLocal8Bit(argv[1]);
    const QString chemin = QString::fromLocal8Bit(argv[2]);

    if (commande == QStringLiteral("logo")) {
        // Text needs fonts, and fonts a GUI application; no display is needed.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication application(argc, argv);
        if (!dessinerLogo().save(chemin, chemin.endsWith(QStringLiteral(".png")) ? "PNG" : "BMP")) {
            ecrireErreur(QStringLiteral("Impossible d'écrire le logo : ") + chemin);
            return 1;
        }
        return 0;
    }

    QCoreApplication application(argc, argv);
    try {
        if (commande == QStringLiteral("new"))
            CreerCatalogue(chemin);
        else if (commande == QStringLiteral("demo"))
            CreerCatalogueDemo(chemin);
        else
            return usage();
    } catch (const EPlatformError &erreur) {
        ecrireErreur(erreur.message());
        return 1;
    }
    return 0;
}
