#include "model/EchapperXml.h"

#include "platform/Nombres.h"

namespace {
// Characters of XML 1.0 (Char production), besides the surrogate pairs handled by the caller.
bool CaractereXml(char16_t c)
{
    if (c < 0x20)
        return c == 0x09 || c == 0x0A || c == 0x0D;
    return c != 0xFFFE && c != 0xFFFF;
}
} // namespace

QString EchapperXml(const QString &texte)
{
    QString resultat;
    resultat.reserve(texte.size() + texte.size() / 8);
    const qsizetype n = texte.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = texte.at(i).unicode();
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 < n && QChar::isLowSurrogate(texte.at(i + 1).unicode())) {
                resultat += texte.at(i);
                resultat += texte.at(++i);
            }
            continue;
        }
        if (QChar::isLowSurrogate(c))
            continue;
        switch (c) {
        case u'&':
            resultat += QStringLiteral("&amp;");
            break;
        case u'"':
            resultat += QStringLiteral("&quot;");
            break;
        case u'\'':
            resultat += QStringLiteral("&apos;");
            break;
        case u'<':
            resultat += QStringLiteral("&lt;");
            break;
        case u'>':
            resultat += QStringLiteral("&gt;");
            break;
        case u'\n':
            resultat += QStringLiteral("&#10;");
            break;
        case u'\r':
            resultat += QStringLiteral("&#13;");
            break;
        case u'\t':
            resultat += QStringLiteral("&#9;");
            break;
        default:
            if (CaractereXml(c))
                resultat += QChar(c);
        }
    }
    return resultat;
}

QString AttributXml(const QString &nom, const QString &valeur)
{
    return QLatin1Char(' ') + nom + QStringLiteral("=\"") + EchapperXml(valeur) + QLatin1Char('"');
}

QString FlagXml(bool valeur)
{
    return valeur ? QStringLiteral("1") : QStringLiteral("0");
}

QString EntierXml(int valeur)
{
    return FormatEntier(valeur);
}

QString MontantXml(double valeur)
{
    return FormatMontant(valeur);
}
