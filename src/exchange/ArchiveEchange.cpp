#include "exchange/ArchiveEchange.h"

#include "platform/Erreurs.h"
#include "platform/TexteWindows.h"

#include <QDir>
#include <QFileInfo>

void EcrireCopieArchive(const QString &chemin, const QByteArray &octets)
{
    const QString dossier = QFileInfo(chemin).absolutePath();
    if (!QFileInfo(dossier).isDir() && !QDir().mkdir(dossier))
        throw EFileError(QStringLiteral("Impossible de créer le dossier %1").arg(dossier));
    EcrireFichier(chemin, octets);
}

QString SuffixeArchiveEntree()
{
    return QStringLiteral(".entree.xml");
}

QString SuffixeArchiveSortie()
{
    return QStringLiteral(".sortie.xml");
}
