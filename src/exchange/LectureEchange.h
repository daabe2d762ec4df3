#pragma once

#include "model/TMenuiseries.h"
#include "model/TPoseMenuiserie.h"
#include "model/TQuincailleries.h"

#include <QByteArray>
#include <QString>

// What the reading of an exchange file found, for the pricing screen to show. Each flag is set
// as soon as its step has found its element, so after an error the caller knows what was read.
struct TLectureEchange {
    // A pose element was found: poseDevis holds its id, label and code, and, when the document
    // had them, its VAT rate and the four delivery options. The screen shows them and rounds
    // the option prices as it displays them.
    bool poseTrouvee = false;
    // A cotes element was found; cotes is its choice. Without one, cotes stays true, the initial
    // state of "Prise de côte".
    bool cotesTrouve = false;
    bool cotes = true;
    // A global element was found (the global hardware totals are to be refreshed).
    bool globalTrouve = false;
    // Every step ran; false when an error stopped the reading.
    bool complete = false;
};

// Reads the host's exchange file into the quote model, appending to the lists given (the pricing
// screen hands over empty ones):
// 1. loads and parses the file; the encoding it declares is honoured (UTF-8 when it declares
//    none); "iso-8859-1" is read as Windows-1252, the text the host writes under that label;
// 2. saves the bytes as they were read to prefixeArchive + ".entree.xml", creating the archive
//    folder (one level) when missing;
// 3. fills poseDevis, quincailleriesGlobales and menuiseries step by step, in document order.
// Element and attribute names are matched without regard to case; missing elements are skipped
// and missing attributes give empty texts, false flags and zeros.
// Raises EFileError (file unreadable, archive copy not written), EXmlError (not well-formed XML,
// undecodable text; no archive copy then) and EConvertError (a type_tva that is not a whole
// number: the reading stops there, what was read before stays in the model).
void LireFichierEchange(const QString &fichier, const QString &prefixeArchive,
                        TPoseLivraison &poseDevis, TQuincailleries &quincailleriesGlobales,
                        TMenuiseries &menuiseries, TLectureEchange &lecture);

// The text of an XML file's bytes, decoded as described above (a byte-order mark wins over the
// declaration). Raises EXmlError for an unknown encoding or bytes that are not valid in it.
QString DecoderDocumentXml(const QByteArray &octets);
