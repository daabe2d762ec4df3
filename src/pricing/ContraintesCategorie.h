#pragma once

#include <QString>
#include <QVector>

class TDMPose;
class TMenuiserie;

// Whether a joinery item's dimensions satisfy every constraint of a category. A category without
// constraints is always allowed. Used by the tariff choice and by the pre-filling of tariff lines;
// reads the constraints through qryComparaison only, so it may run while qrySelect is being walked.
bool CategorieAutorisee(TDMPose &dm, const QString &idCategorie, const TMenuiserie &menuiserie);

// A constraint of a category as stored: operand code, operator and limit, as text.
struct TContrainte {
    QString code;
    QString operateur;
    QString limite;
};

// The constraints of a category, read through qryComparaison.
QVector<TContrainte> ContraintesDe(TDMPose &dm, const QString &idCategorie);
// Whether the item satisfies every one of them (true for none).
bool ContraintesSatisfaites(const QVector<TContrainte> &contraintes, const TMenuiserie &menuiserie);

// One constraint: the item's value for the operand code compared with the limit by the operator
// ("=", ">", ">=", "<", "<="; exact text). Values and limit are whole numbers, 0 when they are
// not; an unknown code or operator never holds.
bool EvaluerContrainte(const QString &code, const QString &operateur, const QString &limite,
                       const TMenuiserie &menuiserie);

// A general tariff offered for an item: its identifier, its label (category type and category),
// and its price, which may be null in the catalogue.
struct TTarifOffert {
    QString idTarif;
    QString libelle;
    bool prixNul = false;
    double prix = 0;
};

// The general tariffs of installation type idPose offered for the item, in identifier order:
// those of a typed category whose type carries the item's host code and whose constraints the
// item satisfies; sansFiltrage lifts both filters, but a category without a type (or gone) is
// never offered. Uses qrySelect and qrySousSelect (and qryComparaison).
QVector<TTarifOffert> TarifsOfferts(TDMPose &dm, const QString &idPose,
                                    const TMenuiserie &menuiserie, bool sansFiltrage);
