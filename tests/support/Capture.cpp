#include "Capture.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

QString CapturerFenetre(QWidget &fenetre, const QString &nom)
{
    const QString dossier = QStringLiteral(ORVANE_CAPTURES_DIR);
    QDir().mkpath(dossier);
    if (!fenetre.isVisible())
        fenetre.show();
    QApplication::processEvents();
    const QString chemin = dossier + u'/' + nom + QStringLiteral(".png");
    fenetre.grab().save(chemin);
    return chemin;
}
