#pragma once

#include <QString>
#include <QStringList>

// New catalogue files. The program itself never creates its tables (only the restructuring adds
// what older files lack): a catalogue is made once, by the tool orvane-catalogue or by a test.

// Creates a catalogue with its nine tables and indexes, the operands the constraint rule knows
// and the host item codes. Raises EFileError when the file exists already (a catalogue is never
// overwritten) or cannot be made; a failed creation leaves no file behind.
void CreerCatalogue(const QString &chemin);
// The same, filled with a small demo catalogue that agrees with examples/config.ini and
// examples/devis.xml.
void CreerCatalogueDemo(const QString &chemin);

// The reference table of the host item codes, as the restructuring creates and fills it.
QString TexteCreationKestrovaLibelle();
QStringList InsertionsKestrovaLibelle();
