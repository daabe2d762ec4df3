#include "exchange/EcritureEchange.h"

#include "exchange/ArchiveEchange.h"
#include "model/EchapperXml.h"
#include "platform/Erreurs.h"
#include "platform/TexteWindows.h"

#include <QStringList>
#include <QXmlStreamReader>

namespace {

// The model's fragments hold one tag a line; attribute values carry no line break (they are
// escaped), so the nesting can be read line by line.
QString Indenter(const QString &fragments)
{
    QString texte;
    int profondeur = 0;
    const QStringList lignes = fragments.split(u'\n', Qt::SkipEmptyParts);
    for (const QString &ligne : lignes) {
        const bool fermante = ligne.startsWith(u"</");
        if (fermante && profondeur > 0)
            --profondeur;
        texte += QString(2 * profondeur, u' ') + ligne + QStringLiteral("\r\n");
        if (!fermante && !ligne.startsWith(u"<?") && !ligne.endsWith(u"/>"))
            ++profondeur;
    }
    return texte;
}

void VerifierDocument(const QByteArray &octets)
{
    QXmlStreamReader lecteur(octets);
    while (!lecteur.atEnd())
        lecteur.readNext();
    if (lecteur.hasError())
        throw EXmlError(QStringLiteral("Le document de sortie n'est pas un document XML valide : "
                                       "%1 (ligne %2, colonne %3)")
                            .arg(lecteur.errorString())
                            .arg(lecteur.lineNumber())
                            .arg(lecteur.columnNumber()));
}

} // namespace

QString ConstruireDocumentSortie(const TPoseLivraison &poseDevis, bool priseDeCote,
                                 const TQuincailleries &quincailleriesGlobales,
                                 const TMenuiseries &menuiseries)
{
    const QString fragments =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n<Orvane>\n") +
        poseDevis.GetXml() + QStringLiteral("<cotes") +
        AttributXml(QStringLiteral("choix"), FlagXml(priseDeCote)) + QStringLiteral("/>\n") +
        QStringLiteral("<global>\n") + quincailleriesGlobales.GetXml() +
        QStringLiteral("</global>\n") + menuiseries.GetXml() + QStringLiteral("</Orvane>\n");
    return Indenter(fragments);
}

QByteArray EncoderDocumentSortie(const QString &texte)
{
    QByteArray octets;
    octets.reserve(texte.size());
    const qsizetype n = texte.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t code = texte.at(i).unicode();
        if (QChar::isHighSurrogate(code) && i + 1 < n &&
            QChar::isLowSurrogate(texte.at(i + 1).unicode())) {
            code = QChar::surrogateToUcs4(texte.at(i).unicode(), texte.at(i + 1).unicode());
            ++i;
        }
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
            octets += char(code);
        else
            octets += "&#" + QByteArray::number(quint32(code)) + ';';
    }
    return octets;
}

void EnregistrerDocumentSortie(const QString &texte, const QString &fichierRecuperation,
                               const QString &prefixeArchive)
{
    const QByteArray octets = EncoderDocumentSortie(texte);
    VerifierDocument(octets);
    EcrireFichier(fichierRecuperation, octets);
    EcrireCopieArchive(prefixeArchive + SuffixeArchiveSortie(), octets);
}

void EcrireFichierEchange(const QString &fichierRecuperation, const QString &prefixeArchive,
                          const TPoseLivraison &poseDevis, bool priseDeCote,
                          const TQuincailleries &quincailleriesGlobales,
                          const TMenuiseries &menuiseries)
{
    EnregistrerDocumentSortie(
        ConstruireDocumentSortie(poseDevis, priseDeCote, quincailleriesGlobales, menuiseries),
        fichierRecuperation, prefixeArchive);
}
