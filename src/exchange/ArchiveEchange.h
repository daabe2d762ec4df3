#pragma once

#include <QByteArray>
#include <QString>

// Writes a copy of an exchange file into the archive folder (the folder of chemin), creating
// that folder, one level only, when it is missing. Raises EFileError when the folder cannot be
// created or the copy cannot be written.
void EcrireCopieArchive(const QString &chemin, const QByteArray &octets);

// What the archive copies' names end with, after the run's prefix.
QString SuffixeArchiveEntree(); // ".entree.xml"
QString SuffixeArchiveSortie(); // ".sortie.xml"
