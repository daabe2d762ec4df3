#pragma once

#include <QString>
#include <QStringList>

// An INI file with the Windows rules: section and key names compared without regard to case,
// values taken as written (no list splitting, no escapes, blanks around trimmed, one pair of
// surrounding double quotes removed), lines starting with ';' are comments. Read as Windows-1252,
// or UTF-8 when the file starts with a byte-order mark. Writing one key keeps every other line of
// the file as it was and replaces the file atomically, in its own encoding, with CR LF line ends.
class TIniFile {
public:
    explicit TIniFile(QString chemin);

    const QString &FileName() const { return m_chemin; }

    bool SectionExists(const QString &section) const;
    bool ValueExists(const QString &section, const QString &cle) const;
    QString ReadString(const QString &section, const QString &cle, const QString &defaut) const;
    // A value that is not a whole number (ReadFloat: a real in the user's format) gives the
    // default.
    int ReadInteger(const QString &section, const QString &cle, int defaut) const;
    double ReadFloat(const QString &section, const QString &cle, double defaut) const;

    // Each write goes to the file at once; raise EFileError when it cannot be written.
    void WriteString(const QString &section, const QString &cle, const QString &valeur);
    void WriteInteger(const QString &section, const QString &cle, int valeur);
    void WriteFloat(const QString &section, const QString &cle, double valeur);

private:
    void charger();
    int ligneSection(const QString &section) const;
    int ligneCle(int debutSection, const QString &cle, QString *valeur) const;

    QString m_chemin;
    QStringList m_lignes;
    bool m_utf8 = false;
};
