#pragma once

#include "model/TListeObjets.h"
#include "model/TPropriete.h"

// The properties of one joinery item in input order. Several may share a name: the first one
// wins every lookup.
class TProprietes : public TListeObjets<TPropriete> {
public:
    using TListeObjets<TPropriete>::Add;
    // Appends a property made of id and valeur.
    TPropriete &Add(const QString &id, const QString &valeur);

    // The first property named nom, without regard to case, or null.
    TPropriete *Chercher(const QString &nom);
    const TPropriete *Chercher(const QString &nom) const;

    // The value of the property named nom, without regard to case. A missing PERIMETRE is
    // derived from HAUTEUR and LARGEUR ("0" when either is missing); any other missing property
    // gives the empty text.
    QString ValeurDe(const QString &nom) const;

    // The proprietes element around the properties' elements; written even when empty.
    QString GetXml() const;
};
