#include "catalogue/TObjectCode.h"

#include "catalogue/TDMPose.h"

#include <QAtomicInt>
#include <QComboBox>
#include <QTableWidgetItem>
#include <QTreeWidget>

#include <memory>

namespace {
QAtomicInt objetsVivants;

// The entry's item data holds the only reference: the object goes with the entry.
using Reference = std::shared_ptr<const TObjectCode>;
constexpr int roleObjet = Qt::UserRole + 1;

QVariant nouvelObjet(const QString &code)
{
    return QVariant::fromValue(Reference(std::make_shared<const TObjectCode>(code)));
}

const TObjectCode *objetDeDonnee(const QVariant &donnee)
{
    return donnee.canConvert<Reference>() ? donnee.value<Reference>().get() : nullptr;
}
} // namespace

TObjectCode::TObjectCode(QString code)
    : Code(std::move(code))
{
    objetsVivants.ref();
}

TObjectCode::~TObjectCode()
{
    objetsVivants.deref();
}

QString CodeDe(const TObjectCode *objet)
{
    return objet ? objet->Code : QString();
}

void AjouterCode(QComboBox *combo, const QString &libelle, const QString &code)
{
    combo->addItem(libelle);
    combo->setItemData(combo->count() - 1, nouvelObjet(code), roleObjet);
}

const TObjectCode *ObjetDe(const QComboBox *combo, int index)
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
    combo->clear(); // each entry's data, and with it its object, goes
}

void AttacherCode(QTreeWidgetItem *ligne, const QString &code)
{
    ligne->setData(0, roleObjet, nouvelObjet(code));
}

const TObjectCode *ObjetDe(const QTreeWidgetItem *ligne)
{
    return ligne ? objetDeDonnee(ligne->data(0, roleObjet)) : nullptr;
}

void ViderObjet(QTreeWidgetItem *ligne)
{
    if (ligne)
        ligne->setData(0, roleObjet, QVariant());
}

void AttacherCode(QTableWidgetItem *cellule, const QString &code)
{
    cellule->setData(roleObjet, nouvelObjet(code));
}

const TObjectCode *ObjetDe(const QTableWidgetItem *cellule)
{
    return cellule ? objetDeDonnee(cellule->data(roleObjet)) : nullptr;
}

void ViderListe(QTreeWidget *liste)
{
    const bool misesAJour = liste->updatesEnabled();
    liste->setUpdatesEnabled(false);
    liste->clear(); // each row's data, and with it its object, goes
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
