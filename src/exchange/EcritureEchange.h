#pragma once

#include "model/TMenuiseries.h"
#include "model/TPoseMenuiserie.h"
#include "model/TQuincailleries.h"

#include <QByteArray>
#include <QString>

// The output document, as text: the declaration naming "iso-8859-1", then the root Orvane with,
// in order, the quote's pose (its options and tva inside), cotes with priseDeCote, global around
// the global hardware, and menuiseries. Every container is written, even empty, and every
// attribute value is escaped. One element a line, indented.
QString ConstruireDocumentSortie(const TPoseLivraison &poseDevis, bool priseDeCote,
                                 const TQuincailleries &quincailleriesGlobales,
                                 const TMenuiseries &menuiseries);

// The bytes of a document text in ISO-8859-1, as its declaration says. Characters that
// ISO-8859-1 cannot hold, and the C1 controls (U+0080 to U+009F, which a Windows-1252 reader
// would take for other characters), become numeric character references: the bytes mean the
// same to a reader of either encoding.
QByteArray EncoderDocumentSortie(const QString &texte);

// Checks that texte is well-formed XML (EXmlError with the parser's message, nothing written
// otherwise), replaces fichierRecuperation with it atomically (a failed write leaves the
// previous file as it was), then writes the archive copy prefixeArchive + ".sortie.xml",
// creating the archive folder (one level) when missing. A failure raises EFileError and stops:
// no archive copy when the exchange file could not be written.
void EnregistrerDocumentSortie(const QString &texte, const QString &fichierRecuperation,
                               const QString &prefixeArchive);

// Validation: ConstruireDocumentSortie, then EnregistrerDocumentSortie.
void EcrireFichierEchange(const QString &fichierRecuperation, const QString &prefixeArchive,
                          const TPoseLivraison &poseDevis, bool priseDeCote,
                          const TQuincailleries &quincailleriesGlobales,
                          const TMenuiseries &menuiseries);
