#pragma once

#include <QString>

// The text of an attribute value, safe to place between double quotes in the exchange file:
// "&", double quote, "'", "<" and ">" become their entities; line breaks and tabs become
// character references, so a parser gives them back instead of turning them into blanks;
// characters that XML 1.0 cannot carry at all (most control characters, lone surrogates, U+FFFE,
// U+FFFF) are dropped, since no reference can stand for them.
QString EchapperXml(const QString &texte);

// ` nom="valeur"`, the value escaped: every attribute of the exchange file is written this way,
// so no field, whatever it holds, can make the document malformed.
QString AttributXml(const QString &nom, const QString &valeur);

// The values of the exchange file's attributes.
QString FlagXml(bool valeur);      // "1" or "0"
QString EntierXml(int valeur);     // "-1", "12"
QString MontantXml(double valeur); // two decimals, the user's decimal separator: "1234,50"
