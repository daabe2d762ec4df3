#pragma once

#include <QByteArray>
#include <QString>

// Single-byte text in the Windows-1252 code page, the encoding of the host's files and of the
// CSV exports and imports.
QString DecoderWindows1252(const QByteArray &octets);
// Raises EConvertError when a character has no Windows-1252 byte, rather than writing a
// substitute the reader would take for data.
QByteArray EncoderWindows1252(const QString &texte);

// Whole-file reads and writes; raise EFileError when the file cannot be read or written. The
// write replaces the file atomically: a failed write leaves the previous file as it was.
QByteArray LireFichier(const QString &chemin);
void EcrireFichier(const QString &chemin, const QByteArray &octets);

QString LireFichierTexte(const QString &chemin);
void EcrireFichierTexte(const QString &chemin, const QString &texte);
