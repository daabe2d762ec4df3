#include "exchange/LectureEchange.h"

#include "exchange/ArchiveEchange.h"
#include "platform/Erreurs.h"
#include "platform/Nombres.h"
#include "platform/TexteWindows.h"

#include <QDomDocument>
#include <QDomElement>
#include <QDomNamedNodeMap>
#include <QRegularExpression>
#include <QStringDecoder>

#include <memory>
#include <vector>

namespace {

// Labels that web browsers read as Windows-1252. Hosts write Windows-1252 text under
// "iso-8859-1", so byte 0x80 is the euro sign, not a control character.
bool EtiquetteWindows1252(const QString &etiquette)
{
    static const QStringList etiquettes = {QStringLiteral("ansi_x3.4-1968"),
                                           QStringLiteral("ascii"),
                                           QStringLiteral("cp1252"),
                                           QStringLiteral("cp819"),
                                           QStringLiteral("csisolatin1"),
                                           QStringLiteral("ibm819"),
                                           QStringLiteral("iso-8859-1"),
                                           QStringLiteral("iso-ir-100"),
                                           QStringLiteral("iso8859-1"),
                                           QStringLiteral("iso88591"),
                                           QStringLiteral("iso_8859-1"),
                                           QStringLiteral("iso_8859-1:1987"),
                                           QStringLiteral("l1"),
                                           QStringLiteral("latin1"),
                                           QStringLiteral("us-ascii"),
                                           QStringLiteral("windows-1252"),
                                           QStringLiteral("x-cp1252")};
    return etiquettes.contains(etiquette);
}

bool EtiquetteUtf8(const QString &etiquette)
{
    return etiquette == u"utf-8" || etiquette == u"utf8" || etiquette == u"unicode-1-1-utf-8";
}

// The encoding named by the XML declaration at the start of the bytes, lower-cased; empty when
// there is no declaration or it names none.
QString EncodageDeclare(const QByteArray &octets)
{
    if (!octets.startsWith("<?xml"))
        return {};
    qsizetype fin = octets.indexOf("?>");
    if (fin < 0)
        fin = qMin<qsizetype>(octets.size(), 1024);
    const QString declaration = QString::fromLatin1(octets.left(fin));
    static const QRegularExpression encodage(
        QStringLiteral("\\sencoding\\s*=\\s*([\"'])([^\"']*)\\1"));
    const QRegularExpressionMatch trouve = encodage.match(declaration);
    return trouve.hasMatch() ? trouve.captured(2).trimmed().toLower() : QString();
}

QString Decoder(QStringDecoder &decodeur, QByteArrayView octets, const QString &encodage)
{
    QString texte = decodeur.decode(octets);
    if (decodeur.hasError())
        throw EXmlError(QStringLiteral("Le document contient des octets qui ne sont pas valides "
                                       "dans l'encodage %1")
                            .arg(encodage));
    return texte;
}

bool MemeNom(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The first element named nom among the descendants of element, in document order (depth
// first, children before following siblings); null when there is none.
QDomElement PremierSous(const QDomElement &element, const QString &nom)
{
    QDomNode noeud = element.firstChild();
    while (!noeud.isNull()) {
        if (noeud.isElement() && MemeNom(noeud.toElement().tagName(), nom))
            return noeud.toElement();
        QDomNode suivant = noeud.firstChild();
        if (suivant.isNull()) {
            QDomNode remonte = noeud;
            while (remonte != element && remonte.nextSibling().isNull())
                remonte = remonte.parentNode();
            if (remonte == element)
                return {};
            suivant = remonte.nextSibling();
        }
        noeud = suivant;
    }
    return {};
}

// The direct children of element named nom, in document order.
std::vector<QDomElement> Enfants(const QDomElement &element, const QString &nom)
{
    std::vector<QDomElement> enfants;
    for (QDomElement enfant = element.firstChildElement(); !enfant.isNull();
         enfant = enfant.nextSiblingElement())
        if (MemeNom(enfant.tagName(), nom))
            enfants.push_back(enfant);
    return enfants;
}

// An attribute's value, its entities decoded; empty when missing. The exact spelling wins over
// one that differs only in case.
QString Texte(const QDomElement &element, const QString &nom)
{
    if (element.hasAttribute(nom))
        return element.attribute(nom);
    const QDomNamedNodeMap attributs = element.attributes();
    for (int i = 0; i < attributs.count(); ++i) {
        const QDomAttr attribut = attributs.item(i).toAttr();
        if (MemeNom(attribut.name(), nom))
            return attribut.value();
    }
    return {};
}

bool Flag(const QDomElement &element, const QString &nom)
{
    return Texte(element, nom) == u"1";
}

double Reel(const QDomElement &element, const QString &nom)
{
    return StrToFloatDef(Texte(element, nom), 0);
}

int EntierSouple(const QString &texte)
{
    return StrToIntDef(texte, 0);
}

// Raises EConvertError when type_tva is missing or not a whole number; the rate is then left as
// it was.
void LireTva(const QDomElement &element, TTva &tva)
{
    const int type = StrToInt(Texte(element, QStringLiteral("type_tva")));
    tva.setType_tva(type);
    tva.setLibelle(Texte(element, QStringLiteral("libelle")));
    tva.setValeur(Reel(element, QStringLiteral("valeur")));
}

void LirePose(const QDomElement &element, TPose &pose)
{
    pose.setId(Texte(element, QStringLiteral("id")));
    pose.setLibelle(Texte(element, QStringLiteral("libelle")));
    pose.setCode_export(Texte(element, QStringLiteral("code_export")));
}

void LireQuincailleries(const QDomElement &parent, TQuincailleries &quincailleries)
{
    const QDomElement liste = PremierSous(parent, QStringLiteral("quincailleries"));
    if (liste.isNull())
        return;
    for (const QDomElement &element : Enfants(liste, QStringLiteral("quincaillerie"))) {
        auto ligne = std::make_unique<TQuincaillerie>();
        ligne->setId(Texte(element, QStringLiteral("id")));
        ligne->setLibelle(Texte(element, QStringLiteral("libelle")));
        ligne->setLibelle2(Texte(element, QStringLiteral("libelle2")));
        ligne->setTarif_vente(Reel(element, QStringLiteral("tarif_vente")));
        ligne->setTarif_achat(Reel(element, QStringLiteral("tarif_achat")));
        ligne->setNb_pieces(Reel(element, QStringLiteral("nb_pieces")));
        ligne->setNb_pieces_ml(Reel(element, QStringLiteral("nb_pieces_ml")));
        ligne->setQuantite(Reel(element, QStringLiteral("quantite")));
        ligne->setSecable(Flag(element, QStringLiteral("secable")) ? 1 : 0);
        ligne->setCode_export(Texte(element, QStringLiteral("code_export")));
        quincailleries.Add(std::move(ligne));
    }
}

struct OptionLivraison {
    const char16_t *element;
    void (TPoseLivraison::*setChoix)(bool);
    void (TPoseLivraison::*setPrix)(double);
    void (TPoseLivraison::*setCode)(const QString &);
};

void LireLivraisons(const QDomElement &racine, TPoseLivraison &poseDevis)
{
    static const OptionLivraison options[] = {
        {u"livraison", &TPoseLivraison::setLivraison_choix, &TPoseLivraison::setLivraison_prix,
         &TPoseLivraison::setLivraison_code_export},
        {u"livraison_compliquee", &TPoseLivraison::setLivraison_compliquee_choix,
         &TPoseLivraison::setLivraison_compliquee_prix,
         &TPoseLivraison::setLivraison_compliquee_code_export},
        {u"livraison_autorisation", &TPoseLivraison::setLivraison_autorisation_choix,
         &TPoseLivraison::setLivraison_autorisation_prix,
         &TPoseLivraison::setLivraison_autorisation_code_export},
        {u"livraison_manutention", &TPoseLivraison::setLivraison_manutention_choix,
         &TPoseLivraison::setLivraison_manutention_prix,
         &TPoseLivraison::setLivraison_manutention_code_export},
    };
    for (const OptionLivraison &option : options) {
        const QDomElement element = PremierSous(racine, QString::fromUtf16(option.element));
        if (element.isNull())
            continue;
        (poseDevis.*option.setChoix)(Flag(element, QStringLiteral("choix")));
        (poseDevis.*option.setPrix)(Reel(element, QStringLiteral("prix")));
        (poseDevis.*option.setCode)(Texte(element, QStringLiteral("code_export")));
    }
}

std::unique_ptr<TTarif> LireTarif(const QDomElement &element)
{
    auto tarif = std::make_unique<TTarif>();
    tarif->setId(Texte(element, QStringLiteral("id")));
    tarif->setLibelle(Texte(element, QStringLiteral("libelle")));
    tarif->setPrix(Reel(element, QStringLiteral("prix")));
    tarif->setQuincaillerie_incluse(Flag(element, QStringLiteral("quincaillerie_incluse")));
    tarif->setCode_export(Texte(element, QStringLiteral("code_export")));

    const QDomElement poseur = PremierSous(element, QStringLiteral("poseur"));
    if (!poseur.isNull()) {
        tarif->setPoseur_id(Texte(poseur, QStringLiteral("id")));
        tarif->setPoseur_nom(Texte(poseur, QStringLiteral("nom")));
        tarif->setPoseur_prix(Reel(poseur, QStringLiteral("prix")));
        tarif->setPoseur_siret(Texte(poseur, QStringLiteral("siret")));
        tarif->setPoseur_rge(Texte(poseur, QStringLiteral("rge")));
    }
    const QDomElement tva = PremierSous(element, QStringLiteral("tva"));
    if (!tva.isNull())
        LireTva(tva, tarif->tva());
    LireQuincailleries(element, tarif->quincailleries());
    return tarif;
}

std::unique_ptr<TMenuiserie> LireMenuiserie(const QDomElement &element)
{
    auto menuiserie = std::make_unique<TMenuiserie>();
    menuiserie->setCode(Texte(element, QStringLiteral("code")));
    menuiserie->setLibelle(Texte(element, QStringLiteral("libelle")));
    menuiserie->setDescription(Texte(element, QStringLiteral("description")));
    menuiserie->setQuantite(EntierSouple(Texte(element, QStringLiteral("quantite"))));

    const QDomElement pose = PremierSous(element, QStringLiteral("pose"));
    if (!pose.isNull()) {
        LirePose(pose, menuiserie->pose());
        const QDomElement tva = PremierSous(pose, QStringLiteral("tva"));
        if (!tva.isNull())
            LireTva(tva, menuiserie->pose().tva());
    }

    const QDomElement proprietes = PremierSous(element, QStringLiteral("proprietes"));
    if (!proprietes.isNull()) {
        for (const QDomElement &propriete : Enfants(proprietes, QStringLiteral("propriete"))) {
            const QString id = Texte(propriete, QStringLiteral("id"));
            const QString valeur = Texte(propriete, QStringLiteral("valeur"));
            menuiserie->proprietes().Add(id, valeur);
            // Only the host's own spelling sets the quantity, and only when the item has none.
            if (id == u"QUANTITE" && menuiserie->quantite() < 1)
                menuiserie->setQuantite(EntierSouple(valeur));
        }
    }

    const QDomElement tarifs = PremierSous(element, QStringLiteral("tarifs"));
    if (!tarifs.isNull())
        for (const QDomElement &tarif : Enfants(tarifs, QStringLiteral("tarif")))
            menuiserie->tarifs().Add(LireTarif(tarif));
    return menuiserie;
}

} // namespace

QString DecoderDocumentXml(const QByteArray &octets)
{
    // A byte-order mark decides, whatever the declaration says.
    if (octets.startsWith("\xEF\xBB\xBF")) {
        QStringDecoder decodeur(QStringConverter::Utf8);
        return Decoder(decodeur, octets, QStringLiteral("UTF-8"));
    }
    if (octets.startsWith("\xFF\xFE") || octets.startsWith("\xFE\xFF")) {
        const bool le = octets.startsWith("\xFF\xFE");
        QStringDecoder decodeur(le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        return Decoder(decodeur, octets, QStringLiteral("UTF-16"));
    }

    const QString encodage = EncodageDeclare(octets);
    if (EtiquetteWindows1252(encodage))
        return DecoderWindows1252(octets);
    if (encodage.isEmpty() || EtiquetteUtf8(encodage)) {
        QStringDecoder decodeur(QStringConverter::Utf8);
        return Decoder(decodeur, octets, QStringLiteral("UTF-8"));
    }
    QStringDecoder decodeur(encodage.toLatin1().constData());
    if (!decodeur.isValid())
        throw EXmlError(
            QStringLiteral("L'encodage « %1 » du document n'est pas pris en charge").arg(encodage));
    return Decoder(decodeur, octets, encodage);
}

void LireFichierEchange(const QString &fichier, const QString &prefixeArchive,
                        TPoseLivraison &poseDevis, TQuincailleries &quincailleriesGlobales,
                        TMenuiseries &menuiseries, TLectureEchange &lecture)
{
    lecture = TLectureEchange();

    const QByteArray octets = LireFichier(fichier);
    QDomDocument document;
    QString erreur;
    int ligne = 0;
    int colonne = 0;
    // The text is decoded here, so the parser's own reading of the declaration does not apply.
    if (!document.setContent(DecoderDocumentXml(octets), &erreur, &ligne, &colonne))
        throw EXmlError(QStringLiteral("Le fichier %1 n'est pas un document XML valide : %2 "
                                       "(ligne %3, colonne %4)")
                            .arg(fichier, erreur)
                            .arg(ligne)
                            .arg(colonne));

    EcrireCopieArchive(prefixeArchive + SuffixeArchiveEntree(), octets);

    const QDomElement racine = document.documentElement();

    const QDomElement pose = PremierSous(racine, QStringLiteral("pose"));
    if (!pose.isNull()) {
        LirePose(pose, poseDevis);
        lecture.poseTrouvee = true;
        const QDomElement tva = PremierSous(racine, QStringLiteral("tva"));
        if (!tva.isNull())
            LireTva(tva, poseDevis.tva());
        LireLivraisons(racine, poseDevis);
    }

    const QDomElement cotes = PremierSous(racine, QStringLiteral("cotes"));
    if (!cotes.isNull()) {
        lecture.cotesTrouve = true;
        lecture.cotes = Flag(cotes, QStringLiteral("choix"));
    }

    const QDomElement global = PremierSous(racine, QStringLiteral("global"));
    if (!global.isNull()) {
        lecture.globalTrouve = true;
        LireQuincailleries(global, quincailleriesGlobales);
    }

    const QDomElement liste = PremierSous(racine, QStringLiteral("menuiseries"));
    if (!liste.isNull())
        for (const QDomElement &menuiserie : Enfants(liste, QStringLiteral("menuiserie")))
            menuiseries.Add(LireMenuiserie(menuiserie));

    lecture.complete = true;
}
