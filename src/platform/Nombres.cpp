#include "platform/Nombres.h"

#include "platform/Erreurs.h"

#include <cmath>

QLocale LocaleUtilisateur()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

QString FormatMontant(double valeur)
{
    if (!std::isfinite(valeur))
        return LocaleUtilisateur().toString(valeur);
    // Round to 15 significant digits first, as a double holds no more, then to two decimals.
    double arrondi = QString::number(valeur, 'g', 15).toDouble();
    // A value that rounds to zero is written without a sign.
    if (std::fabs(arrondi) < 0.005)
        arrondi = 0.0;
    return LocaleUtilisateur().toString(arrondi, 'f', 2);
}

QString FormatNombre(double valeur)
{
    return LocaleUtilisateur().toString(valeur, 'g', 15);
}

QString FormatEntier(qint64 valeur)
{
    return QString::number(valeur);
}

bool TryStrToFloat(const QString &texte, double &valeur)
{
    const QString t = texte.trimmed();
    if (t.isEmpty())
        return false;
    bool ok = false;
    const double v = LocaleUtilisateur().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return false;
    valeur = v;
    return true;
}

double StrToFloat(const QString &texte)
{
    double v = 0;
    if (!TryStrToFloat(texte, v))
        throw EConvertError(
            QStringLiteral("'%1' n'est pas une valeur à virgule flottante correcte").arg(texte));
    return v;
}

double StrToFloatDef(const QString &texte, double defaut)
{
    double v = 0;
    return TryStrToFloat(texte, v) ? v : defaut;
}

bool TryStrToInt(const QString &texte, int &valeur)
{
    const QString t = texte.trimmed();
    if (t.isEmpty())
        return false;
    // Decimal digits with an optional sign only: no hexadecimal, no group separator.
    for (int i = 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        const bool signe = i == 0 && (c == u'-' || c == u'+') && t.size() > 1;
        if (!signe && (c < u'0' || c > u'9'))
            return false;
    }
    bool ok = false;
    const int v = t.toInt(&ok, 10);
    if (!ok)
        return false;
    valeur = v;
    return true;
}

int StrToInt(const QString &texte)
{
    int v = 0;
    if (!TryStrToInt(texte, v))
        throw EConvertError(
            QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(texte));
    return v;
}

int StrToIntDef(const QString &texte, int defaut)
{
    int v = 0;
    return TryStrToInt(texte, v) ? v : defaut;
}
