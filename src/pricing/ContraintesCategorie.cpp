#include "pricing/ContraintesCategorie.h"

#include "catalogue/TDMPose.h"
#include "model/TMenuiserie.h"
#include "platform/Nombres.h"

#include <QHash>

namespace {
// Dimensions and limits are whole numbers; anything else (blank, "1 000", "12,5") counts as 0.
int entierOuZero(const QString &texte)
{
    return StrToIntDef(texte, 0);
}

bool comparer(int valeur, const QString &operateur, int limite)
{
    if (operateur == u"=")
        return valeur == limite;
    if (operateur == u">")
        return valeur > limite;
    if (operateur == u">=")
        return valeur >= limite;
    if (operateur == u"<")
        return valeur < limite;
    if (operateur == u"<=")
        return valeur <= limite;
    return false;
}
} // namespace

bool EvaluerContrainte(const QString &code, const QString &operateur, const QString &limite,
                       const TMenuiserie &menuiserie)
{
    const TProprietes &proprietes = menuiserie.proprietes();
    const int l = entierOuZero(limite);
    if (code == u"PERIMETRE" || code == u"VANTAIL" || code == u"HAUTEUR" || code == u"LARGEUR")
        return comparer(entierOuZero(proprietes.ValeurDe(code)), operateur, l);
    if (code == u"LARGEUR_VANTAIL") {
        const int largeur = entierOuZero(proprietes.ValeurDe(QStringLiteral("LARGEUR")));
        const int vantaux = entierOuZero(proprietes.ValeurDe(QStringLiteral("VANTAIL")));
        if (vantaux < 1)
            return false;
        return comparer(largeur / vantaux, operateur, l);
    }
    return false;
}

QVector<TContrainte> ContraintesDe(TDMPose &dm, const QString &idCategorie)
{
    TRequete &q = dm.qryComparaison;
    q.SetSQL(QStringLiteral("select o.Code as Code, c.operateur as Operateur, c.valeur as Valeur") +
             QStringLiteral(" FROM CategorieContrainte c, Operande o") +
             QStringLiteral(" WHERE c.IdOperande = o.IdOperande") +
             QStringLiteral(" AND c.IdCategorie = :IdCategorie"));
    q.SetParamText(QStringLiteral("IdCategorie"), idCategorie);
    q.Open();
    QVector<TContrainte> contraintes;
    contraintes.reserve(q.RecordCount());
    for (; !q.Eof(); q.Next())
        contraintes.append({q.FieldAsString(QStringLiteral("Code")),
                            q.FieldAsString(QStringLiteral("Operateur")),
                            q.FieldAsString(QStringLiteral("Valeur"))});
    q.ClearParams();
    q.Close();
    return contraintes;
}

bool ContraintesSatisfaites(const QVector<TContrainte> &contraintes, const TMenuiserie &menuiserie)
{
    for (const TContrainte &c : contraintes)
        if (!EvaluerContrainte(c.code, c.operateur, c.limite, menuiserie))
            return false;
    return true;
}

bool CategorieAutorisee(TDMPose &dm, const QString &idCategorie, const TMenuiserie &menuiserie)
{
    return ContraintesSatisfaites(ContraintesDe(dm, idCategorie), menuiserie);
}

QVector<TTarifOffert> TarifsOfferts(TDMPose &dm, const QString &idPose,
                                    const TMenuiserie &menuiserie, bool sansFiltrage)
{
    TRequete &tarifs = dm.qrySelect;
    tarifs.SetSQL(QStringLiteral("SELECT IdTarif, IdPose, IdCategorie, IdPoseur, Prix") +
                  QStringLiteral(" FROM Tarif") + QStringLiteral(" WHERE IdPose = :IdPose") +
                  QStringLiteral(" AND IdPoseur = :IdPoseur") +
                  QStringLiteral(" ORDER BY IdTarif"));
    tarifs.SetParamText(QStringLiteral("IdPose"), idPose);
    tarifs.SetParamText(QStringLiteral("IdPoseur"), QStringLiteral("0"));
    tarifs.Open();

    // The host code is bound, never pasted into the text: a code holding an apostrophe would
    // break the statement.
    TRequete &categories = dm.qrySousSelect;
    QString sql =
        QStringLiteral("SELECT c.IdCategorie as IdCategorie, c.IdCategorieType as "
                       "IdCategorieType, ct.Libelle as CategorieTypeLibelle, c.Libelle as "
                       "CategorieLibelle") +
        QStringLiteral(" FROM Categorie c, CategorieType ct") +
        QStringLiteral(" WHERE c.IdCategorieType = ct.IdCategorieType");
    const TPropriete *code =
        menuiserie.proprietes().Chercher(QStringLiteral("KESTROVA_LIBELLE_CODE"));
    const bool filtreCode = code && !sansFiltrage;
    if (filtreCode)
        sql += QStringLiteral(" AND ct.KestrovaLibelle = :KestrovaLibelle ");
    sql += QStringLiteral(" ORDER BY ct.Libelle ASC, c.Libelle ASC");
    categories.SetSQL(sql);
    if (filtreCode)
        categories.SetParamText(QStringLiteral("KestrovaLibelle"), code->valeur());
    categories.Open();

    // The category labels are read once; a tariff's category is looked up by its identifier.
    QHash<QString, QString> libelles;
    libelles.reserve(categories.RecordCount());
    for (; !categories.Eof(); categories.Next()) {
        const QString type = categories.FieldAsString(QStringLiteral("CategorieTypeLibelle"));
        const QString libelle = categories.FieldAsString(QStringLiteral("CategorieLibelle"));
        libelles.insert(categories.FieldAsString(QStringLiteral("IdCategorie")),
                        libelle.isEmpty() ? type : type + u' ' + libelle);
    }
    // Many tariffs share a category: its constraints are evaluated once per list.
    QHash<QString, bool> autorisees;

    QVector<TTarifOffert> offerts;
    offerts.reserve(tarifs.RecordCount());
    for (; !tarifs.Eof(); tarifs.Next()) {
        const QString idCategorie = tarifs.FieldAsString(QStringLiteral("IdCategorie"));
        const QString libelle = libelles.value(idCategorie);
        if (libelle.isEmpty())
            continue;
        if (!sansFiltrage) {
            auto autorisee = autorisees.find(idCategorie);
            if (autorisee == autorisees.end())
                autorisee =
                    autorisees.insert(idCategorie, CategorieAutorisee(dm, idCategorie, menuiserie));
            if (!*autorisee)
                continue;
        }
        TTarifOffert tarif;
        tarif.idTarif = tarifs.FieldAsString(QStringLiteral("IdTarif"));
        tarif.libelle = libelle;
        tarif.prixNul = tarifs.FieldIsNull(QStringLiteral("Prix"));
        tarif.prix = tarifs.FieldAsFloat(QStringLiteral("Prix"));
        offerts.append(tarif);
    }

    tarifs.Close();
    categories.Close();
    tarifs.ClearParams();
    categories.ClearParams();
    return offerts;
}
