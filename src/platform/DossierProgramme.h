#pragma once

#include <QString>

// The folder of the running program, ending in a separator. Every file that lies beside the
// program is derived from it; tests point it at a temporary folder.
QString DossierProgramme();
void DefinirDossierProgramme(const QString &dossier);

QString CheminCatalogue();        // "Orvane.abs"
QString CheminLogo();             // "Orvane.bmp"
QString CheminParametresModule(); // "Module_Orvane.ini"
QString DossierArchives();        // "Xml/", ending in a separator

QString TitreApplication(); // "Orvane", caption of every message box
