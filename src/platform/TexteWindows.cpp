#include "platform/TexteWindows.h"

#include "platform/Erreurs.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

QString DecoderWindows1252(const QByteArray &octets)
{
    QStringDecoder decodeur("windows-1252");
    return decodeur.decode(octets);
}

QByteArray EncoderWindows1252(const QString &texte)
{
    QStringEncoder encodeur("windows-1252");
    QByteArray octets = encodeur.encode(texte);
    if (encodeur.hasError()) {
        for (const QChar c : texte) {
            QStringEncoder un("windows-1252");
            const QByteArray b = un.encode(QString(c));
            if (un.hasError())
                throw EConvertError(
                    QStringLiteral("Le caractère « %1 » (U+%2) ne peut pas être écrit "
                                   "dans le jeu de caractères Windows-1252")
                        .arg(QString(c))
                        .arg(c.unicode(), 4, 16, QLatin1Char('0')));
        }
        throw EConvertError(QStringLiteral("Le texte ne peut pas être écrit en Windows-1252"));
    }
    return octets;
}

QByteArray LireFichier(const QString &chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        throw EFileError(QStringLiteral("Impossible d'ouvrir le fichier %1 : %2")
                             .arg(chemin, fichier.errorString()));
    QByteArray octets = fichier.readAll();
    if (fichier.error() != QFileDevice::NoError)
        throw EFileError(QStringLiteral("Erreur de lecture du fichier %1 : %2")
                             .arg(chemin, fichier.errorString()));
    return octets;
}

void EcrireFichier(const QString &chemin, const QByteArray &octets)
{
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        throw EFileError(QStringLiteral("Impossible de créer le fichier %1 : %2")
                             .arg(chemin, fichier.errorString()));
    if (fichier.write(octets) != octets.size() || !fichier.commit())
        throw EFileError(QStringLiteral("Erreur d'écriture du fichier %1 : %2")
                             .arg(chemin, fichier.errorString()));
}

QString LireFichierTexte(const QString &chemin)
{
    return DecoderWindows1252(LireFichier(chemin));
}

void EcrireFichierTexte(const QString &chemin, const QString &texte)
{
    EcrireFichier(chemin, EncoderWindows1252(texte));
}
