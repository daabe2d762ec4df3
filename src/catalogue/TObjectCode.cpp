#include "catalogue/TObjectCode.h"

#include "catalogue/TDMPose.h"

#include <QAtomicInt>
#include <QComboBox>
#include <QTreeWidget>

#include <memory>

namespace {
QAtomicInt objetsVivants;

// The object is held through a pointer in the item data; the item data of Qt cannot own it, so
// every function that removes entries goes through the emptying functions here.
constexpr int roleObjet = Qt::UserRole + 1;

TObjectCode *nouvelObjet(const QString &code)
{
    objetsVivants.ref();
    return new TObjectCode(code);
}

void liberer(TObjectCode *objet)
{
    if (!objet)
        return;
    delete objet;
    objetsVivants.deref();
}

TObjectCode *objetDeDonnee(const QVariant &donnee)
{
    return donnee.isValid() ? static_cast<TObjectCode *>(donnee.value<void *>()) : nullptr;
}
} // namespace

QString CodeDe(const TObjectCode *objet)
{
    return objet ? objet->Code : QString();
}

void AjouterCode(QComboBox *combo, const QString &libelle, const QString &code)
{
    std::unique_ptr<TObjectCode> objet(nouvelObjet(code));
    combo->addItem(libelle);
    combo->setItemData(combo->count() - 1, QVariant::fromValue<void *>(objet.get()), roleObjet);
    // The code is also left as plain item data, for views that only read it.
    combo->setItemData(combo->count() - 1, code, Qt::UserRole);
    objet.release();
}

TObjectCode *ObjetDe(const QComboBox *combo, int index)
{
    if (!combo || index < 0 || index >= combo->count())
        return nullptr;
    return objetDeDonnee(combo->itemData(index, roleObjet));
}

void SelectionnerCode(QComboBox *combo, const QString &code)
{
    for (int i = 0; i < combo->count(); ++i) {
        if (const TObjectCode *objet = ObjetDe(combo, i); objet && objet->Code == code) {
            combo->setCurrentIndex(i);
            return;
        }
    }
}

QString CodeSelectionne(const QComboBox *combo, int index)
{
    return CodeDe(ObjetDe(combo, index));
}

void ViderCombo(QComboBox *combo)
{
    for (int i = 0; i < combo->count(); ++i) {
        liberer(ObjetDe(combo, i));
        combo->setItemData(i, QVariant(), roleObjet);
    }
    combo->clear();
}

void AttacherCode(QTreeWidgetItem *ligne, const QString &code)
{
    ViderObjet(ligne);
    ligne->setData(0, roleObjet, QVariant::fromValue<void *>(nouvelObjet(code)));
    ligne->setData(0, Qt::UserRole, code);
}

TObjectCode *ObjetDe(const QTreeWidgetItem *ligne)
{
    return ligne ? objetDeDonnee(ligne->data(0, roleObjet)) : nullptr;
}

void ViderObjet(QTreeWidgetItem *ligne)
{
    if (!ligne)
        return;
    liberer(ObjetDe(ligne));
    ligne->setData(0, roleObjet, QVariant());
}

void ViderListe(QTreeWidget *liste)
{
    const bool misesAJour = liste->updatesEnabled();
    liste->setUpdatesEnabled(false);
    for (int i = 0; i < liste->topLevelItemCount(); ++i)
        ViderObjet(liste->topLevelItem(i));
    liste->clear();
    liste->setUpdatesEnabled(misesAJour);
}

int NombreObjetsCode()
{
    return objetsVivants.loadRelaxed();
}

void TDMPose::RemplirComboTva(QComboBox *combo) const
{
    for (const auto &enregistrement : rxTva.Enregistrements())
        AjouterCode(combo, enregistrement.Libelle, QString::number(enregistrement.TypeTva));
}
