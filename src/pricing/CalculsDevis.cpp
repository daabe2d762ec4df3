#include "pricing/CalculsDevis.h"

#include "catalogue/TDMPose.h"
#include "model/TMenuiseries.h"
#include "model/TPoseMenuiserie.h"
#include "model/TQuincailleries.h"
#include "model/TTarif.h"
#include "model/TTva.h"
#include "pricing/ContraintesCategorie.h"

#include <QHash>
#include <QVector>

TTotauxDevis CalculerTotauxDevis(const TPoseLivraison &poseDevis, const TMenuiseries &menuiseries,
                                 const TQuincailleries &quincailleriesGlobales)
{
    TTotauxDevis t;
    t.livraisonHt = poseDevis.TotalLivraisonHt();
    t.livraisonTva = t.livraisonHt * TauxTvaLivraison * 0.01;
    t.livraisonTtc = t.livraisonHt + t.livraisonTva;

    t.menuiseriesAchatHt = menuiseries.TotalAchatHt();
    t.menuiseriesHt = menuiseries.TotalHt();
    t.menuiseriesTva = menuiseries.TotalTva();
    t.menuiseriesTtc = menuiseries.TotalTtc();
    t.menuiseriesQuincaillerieHt = menuiseries.TotalQuincaillerieHt();

    t.globalesAchatHt = quincailleriesGlobales.TotalAchatHt();
    t.globalesHt = quincailleriesGlobales.TotalHt();
    t.globalesTva = quincailleriesGlobales.TotalTva();
    t.globalesTtc = quincailleriesGlobales.TotalTtc();

    t.achatHt = t.menuiseriesAchatHt + t.globalesAchatHt;
    t.ht = t.livraisonHt + t.menuiseriesHt + t.globalesHt;
    t.tva = t.livraisonTva + t.menuiseriesTva + t.globalesTva;
    t.ttc = t.livraisonTtc + t.menuiseriesTtc + t.globalesTtc;
    return t;
}

namespace {
struct TarifPropose {
    QString idCategorie;
    QString idTarif;
    QString libelle;
    double prix = 0;
};

// The general tariffs of one host code for the installation type, in category then tariff
// order. Values are bound, so a host code or identifier holding an apostrophe is harmless.
QVector<TarifPropose> tarifsDuCode(TDMPose &dm, const QString &code, const QString &idPose)
{
    TRequete &q = dm.qrySelect;
    q.SetSQL(QStringLiteral(
        " SELECT DISTINCT t.IdCategorie as CategorieId, c.Libelle as CategorieLib, ct.Libelle as "
        "CategorieTypeLib, t.IdTarif as TarifId, t.Prix as TarifPrix"
        " FROM Categorie c, CategorieType ct, Tarif t "
        " WHERE c.IdCategorieType = ct.IdCategorieType "
        " AND c.IdCategorie = t.IdCategorie "
        " AND ct.KestrovaLibelle = :KestrovaLibelle "
        " AND t.IdPose = :IdPose "
        " AND t.IdPoseur = 0 "
        " ORDER BY t.IdCategorie ASC, t.IdTarif ASC"));
    q.SetParamText(QStringLiteral("KestrovaLibelle"), code);
    q.SetParamText(QStringLiteral("IdPose"), idPose);
    q.Open();
    QVector<TarifPropose> tarifs;
    tarifs.reserve(q.RecordCount());
    for (; !q.Eof(); q.Next()) {
        TarifPropose t;
        t.idCategorie = q.FieldAsString(QStringLiteral("CategorieId"));
        t.idTarif = q.FieldAsString(QStringLiteral("TarifId"));
        const QString libelleCategorie = q.FieldAsString(QStringLiteral("CategorieLib"));
        const QString libelleType = q.FieldAsString(QStringLiteral("CategorieTypeLib"));
        t.libelle =
            libelleCategorie.isEmpty() ? libelleType : libelleType + u' ' + libelleCategorie;
        t.prix = q.FieldAsFloat(QStringLiteral("TarifPrix"));
        tarifs.append(t);
    }
    q.Close();
    q.ClearParams();
    return tarifs;
}
} // namespace

int PreRemplirTarifs(TDMPose &dm, const TPoseLivraison &poseDevis, TMenuiseries &menuiseries)
{
    if (menuiseries.NbTarifs() != 0)
        return 0;
    // Items of one host code share the catalogue rows, and categories their constraints: each
    // is read once.
    QHash<QString, QVector<TarifPropose>> tarifsParCode;
    QHash<QString, QVector<TContrainte>> contraintesParCategorie;
    int ajoutes = 0;
    for (TMenuiserie &menuiserie : menuiseries) {
        const TPropriete *code =
            menuiserie.proprietes().Chercher(QStringLiteral("KESTROVA_LIBELLE_CODE"));
        if (!code)
            continue;
        auto it = tarifsParCode.find(code->valeur());
        if (it == tarifsParCode.end())
            it = tarifsParCode.insert(code->valeur(),
                                      tarifsDuCode(dm, code->valeur(), poseDevis.id()));
        // A category's tariffs follow one another: its constraints are evaluated once per item.
        QString categoriePrecedente;
        bool autorisee = false;
        for (const TarifPropose &propose : *it) {
            if (categoriePrecedente.isNull() || propose.idCategorie != categoriePrecedente) {
                auto contraintes = contraintesParCategorie.find(propose.idCategorie);
                if (contraintes == contraintesParCategorie.end())
                    contraintes = contraintesParCategorie.insert(
                        propose.idCategorie, ContraintesDe(dm, propose.idCategorie));
                autorisee = ContraintesSatisfaites(*contraintes, menuiserie);
                categoriePrecedente = propose.idCategorie;
            }
            if (!autorisee)
                continue;
            TTarif &tarif = menuiserie.tarifs().Ajouter();
            tarif.setId(propose.idTarif);
            tarif.setLibelle(propose.libelle);
            tarif.setPrix(propose.prix);
            tarif.setQuincaillerie_incluse(true);
            tarif.setCode_export(poseDevis.code_export());
            ++ajoutes;
        }
    }
    return ajoutes;
}

bool ChargerPoseDevis(TDMPose &dm, const QString &idPose, TPoseLivraison &poseDevis)
{
    TRequete &q = dm.qrySelect;
    q.SetSQL(QStringLiteral(
        "SELECT IdPose, Libelle, Livraison, LivraisonCompliquee, Autorisation, Manutention, "
        "TypeTva, CodeExport, CodeExportLivraison, CodeExportLivraisonCompliquee, "
        "CodeExportAutorisation, CodeExportManutention FROM Pose where IdPose = :IdPose ORDER BY "
        "Libelle ASC"));
    q.SetParamText(QStringLiteral("IdPose"), idPose);
    q.Open();
    const bool trouvee = q.RecordCount() == 1;
    if (trouvee) {
        poseDevis.setLibelle(q.FieldAsString(QStringLiteral("Libelle")));
        poseDevis.setCode_export(q.FieldAsString(QStringLiteral("CodeExport")));
        poseDevis.setLivraison_prix(q.FieldAsFloat(QStringLiteral("Livraison")));
        poseDevis.setLivraison_compliquee_prix(
            q.FieldAsFloat(QStringLiteral("LivraisonCompliquee")));
        poseDevis.setLivraison_autorisation_prix(q.FieldAsFloat(QStringLiteral("Autorisation")));
        poseDevis.setLivraison_manutention_prix(q.FieldAsFloat(QStringLiteral("Manutention")));
        poseDevis.setLivraison_code_export(q.FieldAsString(QStringLiteral("CodeExportLivraison")));
        poseDevis.setLivraison_compliquee_code_export(
            q.FieldAsString(QStringLiteral("CodeExportLivraisonCompliquee")));
        poseDevis.setLivraison_autorisation_code_export(
            q.FieldAsString(QStringLiteral("CodeExportAutorisation")));
        poseDevis.setLivraison_manutention_code_export(
            q.FieldAsString(QStringLiteral("CodeExportManutention")));
        const int typeTva = int(q.FieldAsInteger(QStringLiteral("TypeTva")));
        q.Close();
        q.ClearParams();
        // A type the host configuration does not know leaves the previous rate in place.
        if (const std::unique_ptr<TTva> tva = dm.TrouverTva(typeTva))
            poseDevis.SetTva(*tva);
        return true;
    }
    q.Close();
    q.ClearParams();
    return false;
}

std::optional<double> PrixGeneralCatalogue(TDMPose &dm, const QString &idTarif)
{
    TRequete &q = dm.qrySelect;
    q.SetSQL(QStringLiteral("SELECT t1.Prix FROM Tarif t1, Tarif t2"
                            " where t2.Idtarif = :IdTarif"
                            " and t1.IdPose = t2.IdPose"
                            " and t1.IdCategorie = t2.IdCategorie "
                            " and t1.IdPoseur = 0"));
    q.SetParamText(QStringLiteral("IdTarif"), idTarif);
    q.Open();
    std::optional<double> prix;
    if (!q.Eof())
        prix = q.FieldAsFloat(QStringLiteral("Prix"));
    q.Close();
    q.ClearParams();
    return prix;
}

bool TarifDifferentDuGeneral(TDMPose &dm, const TTarif &tarif)
{
    const std::optional<double> general = PrixGeneralCatalogue(dm, tarif.id());
    return general && *general != tarif.prix();
}

bool MenuiserieDifferenteDuGeneral(TDMPose &dm, const TMenuiserie &menuiserie)
{
    for (const TTarif &tarif : menuiserie.tarifs())
        if (TarifDifferentDuGeneral(dm, tarif))
            return true;
    return false;
}
