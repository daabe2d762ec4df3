#pragma once

#include <QLocale>
#include <QString>

// Numbers as the user's regional settings write them. QLocale() is the user's locale (the system
// one unless a test set another default); group separators are never written, since the French
// one (U+202F) does not exist in Windows-1252.
QLocale LocaleUtilisateur();

// Money: fixed notation, exactly two decimals, at most 15 significant digits, no thousands
// separator: "1234,50", "-3,00", "0,00".
QString FormatMontant(double valeur);

// The shortest general form of a number: "20", "5,5", "12,5", "0,333333333333333".
QString FormatNombre(double valeur);

// An integer in decimal.
QString FormatEntier(qint64 valeur);

// Strict real conversion: the locale's decimal separator only, no group separator, blanks around
// are ignored; empty text or trailing garbage raises EConvertError.
double StrToFloat(const QString &texte);
// The same, giving defaut instead of raising.
double StrToFloatDef(const QString &texte, double defaut);
// The same, reporting success.
bool TryStrToFloat(const QString &texte, double &valeur);

// Strict whole-number conversion (decimal, optional sign, blanks around ignored); raises
// EConvertError for anything else.
int StrToInt(const QString &texte);
// The same, giving defaut instead of raising.
int StrToIntDef(const QString &texte, int defaut);
bool TryStrToInt(const QString &texte, int &valeur);
