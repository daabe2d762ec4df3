#include "catalogue/SchemaCatalogue.h"
#include "catalogue/TDMPose.h"

#include "platform/Erreurs.h"
#include "platform/Interactions.h"

#include <memory>

namespace {
// The test is repeated under the write lock, so two instances starting together on an old file
// do not both make the change (the second would fail on a table or column that now exists).
// When the lock cannot be had (a read-only file, a long writer) the steps run without it and
// report what fails.
std::unique_ptr<TTransaction> verrouEcriture(TConnexion &connexion)
{
    try {
        return std::make_unique<TTransaction>(connexion);
    } catch (const EDatabaseError &) {
        return nullptr;
    }
}

void terminer(std::unique_ptr<TTransaction> &transaction)
{
    if (!transaction)
        return;
    try {
        transaction->Commit();
    } catch (const EDatabaseError &erreur) {
        ShowMessage(erreur.message());
    }
    transaction.reset();
}

void restructurerKestrovaLibelle(TDMPose &dm)
{
    TTable table(dm.Orvane, QStringLiteral("KestrovaLibelle"));
    try {
        if (table.GetTableExists() && table.RecordCount() > 0)
            return;
    } catch (const EDatabaseError &erreur) {
        ShowMessage(erreur.message());
        return;
    }

    auto transaction = verrouEcriture(dm.Orvane);
    try {
        if (!table.GetTableExists()) {
            try {
                dm.qryExec.SetSQL(TexteCreationKestrovaLibelle());
                dm.qryExec.ExecSQL();
            } catch (const EDatabaseError &erreur) {
                ShowMessage(QStringLiteral("TDMPose::RestructureBase : Erreur sur la création de "
                                           "la table KestrovaLibelle\n") +
                            erreur.message());
            }
            dm.qryExec.SetSQL(QString());
        }
        if (table.GetTableExists()) {
            table.Open();
            if (table.RecordCount() == 0) {
                for (const QString &insertion : InsertionsKestrovaLibelle()) {
                    try {
                        dm.qryExec.SetSQL(insertion);
                        dm.qryExec.ExecSQL();
                    } catch (const EDatabaseError &erreur) {
                        ShowMessage(QStringLiteral("TDMPose::RestructureBase : Erreur sur "
                                                   "l'insertion dans la table KestrovaLibelle\n") +
                                    erreur.message());
                    }
                }
                dm.qryExec.SetSQL(QString());
            }
            table.Close();
        }
    } catch (const EDatabaseError &erreur) {
        ShowMessage(erreur.message());
    }
    terminer(transaction);
}

// Adds the columns when the table lacks the first of them; only that one is tested.
void ajouterColonnes(TDMPose &dm, const QString &nomTable,
                     const QVector<QPair<QString, QString>> &colonnes)
{
    try {
        TTable table(dm.Orvane, nomTable);
        table.Open();
        table.Close();
        if (table.FindField(colonnes.first().first))
            return;
        auto transaction = verrouEcriture(dm.Orvane);
        table.Open();
        table.Close();
        if (!table.FindField(colonnes.first().first)) {
            // A later column that exists already (a file altered by hand) would make the whole
            // change fail at every start: only the missing ones are added.
            QVector<QPair<QString, QString>> manquantes;
            for (const auto &colonne : colonnes) {
                if (!table.FindField(colonne.first))
                    manquantes.append(colonne);
            }
            table.AddFields(manquantes);
        }
        terminer(transaction);
    } catch (const EDatabaseError &erreur) {
        ShowMessage(erreur.message());
    }
}
} // namespace

void TDMPose::RestructureBase()
{
    restructurerKestrovaLibelle(*this);
    ajouterColonnes(*this, QStringLiteral("CategorieType"),
                    {{QStringLiteral("KestrovaLibelle"), QStringLiteral("VARCHAR(5)")}});
    ajouterColonnes(*this, QStringLiteral("Poseur"),
                    {{QStringLiteral("Siret"), QStringLiteral("VARCHAR(14)")},
                     {QStringLiteral("RGE"), QStringLiteral("VARCHAR(25)")}});
}
