#pragma once

#include <QString>

class TDMPose;

// The host owns the installers and the VAT rates; at every start they are taken from its
// configuration file (Windows INI). The file is only read.

// Inserts or updates, matched on Code, one Poseur row per section Poseur0 .. Poseur(Nb-1) that
// exists. Rows absent from the file are left alone. Catalogue errors propagate.
void ImporterPoseurs(TDMPose &dm, const QString &fichierConfiguration);

// Adds to rxTva one record per section TVA0 .. TVA(Nb-1) that exists and has a TypeTva of 0 or
// more.
void ImporterTva(TDMPose &dm, const QString &fichierConfiguration);
