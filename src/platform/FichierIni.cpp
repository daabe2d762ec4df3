#include "platform/FichierIni.h"

#include "platform/Erreurs.h"
#include "platform/Nombres.h"
#include "platform/TexteWindows.h"

#include <QFile>

namespace {
bool estSection(const QString &ligne, QString *nom = nullptr)
{
    const QString t = ligne.trimmed();
    if (!t.startsWith(u'['))
        return false;
    const int fin = t.indexOf(u']');
    if (fin < 0)
        return false;
    if (nom)
        *nom = t.mid(1, fin - 1).trimmed();
    return true;
}

bool memeNom(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString valeurLue(QString valeur)
{
    valeur = valeur.trimmed();
    if (valeur.size() >= 2 && valeur.startsWith(u'"') && valeur.endsWith(u'"'))
        valeur = valeur.mid(1, valeur.size() - 2);
    return valeur;
}
} // namespace

TIniFile::TIniFile(QString chemin)
    : m_chemin(std::move(chemin))
{
    charger();
}

void TIniFile::charger()
{
    m_lignes.clear();
    QFile fichier(m_chemin);
    if (!fichier.exists())
        return;
    QByteArray octets = LireFichier(m_chemin);
    QString texte;
    m_utf8 = octets.startsWith("\xEF\xBB\xBF");
    if (m_utf8)
        texte = QString::fromUtf8(octets.mid(3));
    else
        texte = DecoderWindows1252(octets);
    texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texte.replace(u'\r', u'\n');
    m_lignes = texte.split(u'\n');
    // The last line end leaves an empty piece that is not a line of the file.
    if (!m_lignes.isEmpty() && m_lignes.constLast().isEmpty())
        m_lignes.removeLast();
}

int TIniFile::ligneSection(const QString &section) const
{
    QString nom;
    for (int i = 0; i < m_lignes.size(); ++i)
        if (estSection(m_lignes.at(i), &nom) && memeNom(nom, section))
            return i;
    return -1;
}

int TIniFile::ligneCle(int debutSection, const QString &cle, QString *valeur) const
{
    for (int i = debutSection + 1; i < m_lignes.size(); ++i) {
        const QString &ligne = m_lignes.at(i);
        if (estSection(ligne))
            break;
        const QString t = ligne.trimmed();
        if (t.isEmpty() || t.startsWith(u';'))
            continue;
        const int egal = ligne.indexOf(u'=');
        if (egal < 0)
            continue;
        if (memeNom(ligne.left(egal).trimmed(), cle)) {
            if (valeur)
                *valeur = valeurLue(ligne.mid(egal + 1));
            return i;
        }
    }
    return -1;
}

bool TIniFile::SectionExists(const QString &section) const
{
    return ligneSection(section) >= 0;
}

bool TIniFile::ValueExists(const QString &section, const QString &cle) const
{
    const int debut = ligneSection(section);
    return debut >= 0 && ligneCle(debut, cle, nullptr) >= 0;
}

QString TIniFile::ReadString(const QString &section, const QString &cle,
                             const QString &defaut) const
{
    const int debut = ligneSection(section);
    QString valeur;
    if (debut < 0 || ligneCle(debut, cle, &valeur) < 0)
        return defaut;
    return valeur;
}

int TIniFile::ReadInteger(const QString &section, const QString &cle, int defaut) const
{
    return StrToIntDef(ReadString(section, cle, QString()), defaut);
}

double TIniFile::ReadFloat(const QString &section, const QString &cle, double defaut) const
{
    return StrToFloatDef(ReadString(section, cle, QString()), defaut);
}

void TIniFile::WriteString(const QString &section, const QString &cle, const QString &valeur)
{
    const QString ligne = cle + u'=' + valeur;
    const int debut = ligneSection(section);
    if (debut < 0) {
        if (!m_lignes.isEmpty() && !m_lignes.constLast().trimmed().isEmpty())
            m_lignes.append(QString());
        m_lignes.append(u'[' + section + u']');
        m_lignes.append(ligne);
    } else {
        const int i = ligneCle(debut, cle, nullptr);
        if (i >= 0) {
            m_lignes[i] = ligne;
        } else {
            // After the last non-blank line of the section, so a blank separator line stays last.
            int fin = debut;
            for (int j = debut + 1; j < m_lignes.size() && !estSection(m_lignes.at(j)); ++j)
                if (!m_lignes.at(j).trimmed().isEmpty())
                    fin = j;
            m_lignes.insert(fin + 1, ligne);
        }
    }
    const QString texte = m_lignes.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    if (m_utf8)
        EcrireFichier(m_chemin, QByteArray("\xEF\xBB\xBF") + texte.toUtf8());
    else
        EcrireFichier(m_chemin, EncoderWindows1252(texte));
}

void TIniFile::WriteInteger(const QString &section, const QString &cle, int valeur)
{
    WriteString(section, cle, FormatEntier(valeur));
}

void TIniFile::WriteFloat(const QString &section, const QString &cle, double valeur)
{
    WriteString(section, cle, FormatNombre(valeur));
}
