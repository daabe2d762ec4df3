#include "catalogue/TDMPose.h"

#include "platform/Erreurs.h"
#include "platform/Nombres.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStorageInfo>
#include <QUrl>

#ifdef Q_OS_LINUX
#include <sys/vfs.h>
#endif

namespace {
// The engine's own text, which the messages show as it stands.
QString texteMoteur(const QSqlError &erreur)
{
    const QString texte = erreur.databaseText().trimmed();
    return texte.isEmpty() ? erreur.text().trimmed() : texte;
}

QString identifiantSql(const QString &nom)
{
    QString echappe = nom;
    echappe.replace(u'"', QStringLiteral("\"\""));
    return u'"' + echappe + u'"';
}

// Runs one statement on the connection outside the shared queries (pragmas, transactions, the
// table object's catalogue look-ups); raises with the engine's text.
QSqlQuery executer(const QSqlDatabase &base, const QString &sql,
                   const QVariantList &valeurs = QVariantList())
{
    QSqlQuery requete(base);
    requete.setForwardOnly(true);
    if (!requete.prepare(sql))
        throw EDatabaseError(texteMoteur(requete.lastError()));
    for (const QVariant &valeur : valeurs)
        requete.addBindValue(valeur);
    if (!requete.exec())
        throw EDatabaseError(texteMoteur(requete.lastError()));
    return requete;
}

// WAL keeps its index in shared memory, which only processes of one host can share: a catalogue
// on a network share keeps the rollback journal.
bool surSystemeDeFichiersReseau(const QString &chemin)
{
#ifdef Q_OS_LINUX
    struct statfs infos;
    if (statfs(QFile::encodeName(chemin).constData(), &infos) == 0) {
        switch (static_cast<unsigned long>(infos.f_type)) {
        case 0x6969UL:     // NFS
        case 0x517BUL:     // SMB
        case 0xFF534D42UL: // CIFS
        case 0xFE534D42UL: // SMB2/3
        case 0x5346414FUL: // AFS
        case 0x73757245UL: // Coda
        case 0x01021997UL: // 9p
        case 0x00C36400UL: // Ceph
        case 0x0BD00BD0UL: // Lustre
            return true;
        default:
            return false;
        }
    }
#endif
    const QByteArray type = QStorageInfo(chemin).fileSystemType().toLower();
    return type.startsWith("nfs") || type.startsWith("smb") || type == "cifs" || type == "9p" ||
           type.startsWith("fuse.sshfs");
}

// Replaces every ":Nom" outside literals, quoted names and comments by a positional "?" and
// lists the names in order. Parameters are then matched by name without regard to case, and a
// name used twice is bound twice.
QString placerParametres(const QString &sql, QStringList &noms)
{
    QString resultat;
    resultat.reserve(sql.size());
    const int n = int(sql.size());
    int i = 0;
    auto lettre = [](QChar c) { return c.isLetter() || c == u'_'; };
    while (i < n) {
        const QChar c = sql.at(i);
        if (c == u'\'' || c == u'"' || c == u'`' || c == u'[') {
            const QChar fin = c == u'[' ? QChar(u']') : c;
            int j = i + 1;
            while (j < n) {
                if (sql.at(j) == fin) {
                    if (fin != u']' && j + 1 < n && sql.at(j + 1) == fin) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            j = qMin(j + 1, n);
            resultat += QStringView(sql).mid(i, j - i);
            i = j;
        } else if (c == u'-' && i + 1 < n && sql.at(i + 1) == u'-') {
            int j = int(sql.indexOf(u'\n', i));
            j = j < 0 ? n : j;
            resultat += QStringView(sql).mid(i, j - i);
            i = j;
        } else if (c == u'/' && i + 1 < n && sql.at(i + 1) == u'*') {
            int j = int(sql.indexOf(QStringLiteral("*/"), i + 2));
            j = j < 0 ? n : j + 2;
            resultat += QStringView(sql).mid(i, j - i);
            i = j;
        } else if (c == u':' && i + 1 < n && lettre(sql.at(i + 1))) {
            int j = i + 1;
            while (j < n && (lettre(sql.at(j)) || sql.at(j).isDigit()))
                ++j;
            noms.append(sql.mid(i + 1, j - i - 1));
            resultat += u'?';
            i = j;
        } else {
            resultat += c;
            ++i;
        }
    }
    return resultat;
}

QString enTexte(const QVariant &valeur)
{
    switch (valeur.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return FormatNombre(valeur.toDouble());
    case QMetaType::QByteArray:
        return QString::fromUtf8(valeur.toByteArray());
    default:
        return valeur.toString();
    }
}

QAtomicInt compteurConnexions;
} // namespace

// ---------------------------------------------------------------------------------------------
// TConnexion

TConnexion::TConnexion(QString nomConnexion)
    : m_nom(std::move(nomConnexion))
{
    // Several data modules may live in one process (tests, tools): each has its own connection.
    m_nomSql =
        m_nom + QStringLiteral("#") + QString::number(compteurConnexions.fetchAndAddOrdered(1));
    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_nomSql);
}

TConnexion::~TConnexion()
{
    Close();
    QSqlDatabase::removeDatabase(m_nomSql);
}

void TConnexion::SetDatabaseFileName(const QString &chemin)
{
    m_fichier = chemin;
}

void TConnexion::Open()
{
    if (GetConnected())
        return;
    const QFileInfo infos(m_fichier);
    if (m_fichier.isEmpty() || !infos.exists())
        throw EDatabaseError(QStringLiteral("Le fichier de la base de données n'existe pas : ") +
                             m_fichier);
    if (!infos.isFile())
        throw EDatabaseError(
            QStringLiteral("Le chemin de la base de données n'est pas un fichier : ") + m_fichier);

    QSqlDatabase db = base();
    // mode=rw: SQLite never creates the file, even if it vanished since the test above.
    db.setDatabaseName(QUrl::fromLocalFile(infos.absoluteFilePath()).toString(QUrl::FullyEncoded) +
                       QStringLiteral("?mode=rw"));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=10000"));
    if (!db.open()) {
        const QString texte = texteMoteur(db.lastError());
        throw EDatabaseError(QStringLiteral("Impossible d'ouvrir la base de données ") + m_fichier +
                             QStringLiteral(" : ") + texte);
    }
    try {
        // The first statement reads the header: a file that is not a catalogue fails here.
        executer(db, QStringLiteral("SELECT count(*) FROM sqlite_master"));
        if (surSystemeDeFichiersReseau(infos.absoluteFilePath())) {
            executer(db, QStringLiteral("PRAGMA journal_mode=DELETE"));
        } else {
            // Changing the journal mode needs the file to itself; a busy file keeps its mode
            // (WAL is persistent, so it is set once for good).
            QSqlQuery mode(db);
            if (mode.exec(QStringLiteral("PRAGMA journal_mode=WAL")) && mode.next() &&
                mode.value(0).toString().compare(QStringLiteral("wal"), Qt::CaseInsensitive) == 0)
                executer(db, QStringLiteral("PRAGMA synchronous=NORMAL"));
        }
    } catch (const EDatabaseError &erreur) {
        db.close();
        throw EDatabaseError(QStringLiteral("Impossible d'ouvrir la base de données ") + m_fichier +
                             QStringLiteral(" : ") + erreur.message());
    }
}

void TConnexion::Close()
{
    QSqlDatabase db = base();
    if (db.isOpen())
        db.close();
}

bool TConnexion::GetConnected() const
{
    return base().isOpen();
}

QSqlDatabase TConnexion::base() const
{
    return QSqlDatabase::database(m_nomSql, false);
}

QString TConnexion::ModeJournal() const
{
    QSqlQuery requete = executer(base(), QStringLiteral("PRAGMA journal_mode"));
    return requete.next() ? requete.value(0).toString().toLower() : QString();
}

// ---------------------------------------------------------------------------------------------
// TRequete

TRequete::TRequete(TConnexion &connexion)
    : m_connexion(connexion)
{}

void TRequete::SetSQL(const QString &sql)
{
    Close();
    ClearParams();
    m_sql = sql;
}

void TRequete::SetParamText(const QString &nom, const QString &valeur)
{
    // A null QString would bind SQL NULL, and NULL LIKE '%' is false: a text is never NULL.
    definirParametre(nom, valeur.isNull() ? QStringLiteral("") : valeur);
}

void TRequete::SetParamInteger(const QString &nom, qint64 valeur)
{
    definirParametre(nom, QVariant(valeur));
}

void TRequete::SetParamFloat(const QString &nom, double valeur)
{
    definirParametre(nom, QVariant(valeur));
}

void TRequete::SetParamNull(const QString &nom)
{
    definirParametre(nom, QVariant());
}

void TRequete::ClearParams()
{
    m_parametres.clear();
}

void TRequete::definirParametre(const QString &nom, const QVariant &valeur)
{
    for (auto &parametre : m_parametres) {
        if (parametre.first.compare(nom, Qt::CaseInsensitive) == 0) {
            parametre.second = valeur;
            return;
        }
    }
    m_parametres.append({nom, valeur});
}

QSqlQuery TRequete::executerTexte()
{
    QStringList noms;
    const QString texte = placerParametres(m_sql, noms);
    QSqlQuery requete(m_connexion.base());
    requete.setForwardOnly(true);
    if (!requete.prepare(texte))
        throw EDatabaseError(texteMoteur(requete.lastError()));
    for (const QString &nom : noms) {
        QVariant valeur; // a parameter that was never set is NULL
        for (const auto &parametre : m_parametres) {
            if (parametre.first.compare(nom, Qt::CaseInsensitive) == 0) {
                valeur = parametre.second;
                break;
            }
        }
        requete.addBindValue(valeur);
    }
    if (!requete.exec())
        throw EDatabaseError(texteMoteur(requete.lastError()));
    return requete;
}

void TRequete::Open()
{
    Close();
    QSqlQuery requete = executerTexte();
    const QSqlRecord enregistrement = requete.record();
    for (int i = 0; i < enregistrement.count(); ++i)
        m_colonnes.append(enregistrement.fieldName(i));
    while (requete.next()) {
        QVector<QVariant> ligne(m_colonnes.size());
        for (int i = 0; i < m_colonnes.size(); ++i)
            ligne[i] = requete.isNull(i) ? QVariant() : requete.value(i);
        m_lignes.append(std::move(ligne));
    }
    if (requete.lastError().isValid())
        throw EDatabaseError(texteMoteur(requete.lastError()));
    m_courante = 0;
    m_actif = true;
}

void TRequete::Close()
{
    m_colonnes.clear();
    m_lignes.clear();
    m_courante = 0;
    m_actif = false;
}

bool TRequete::Eof() const
{
    return m_courante >= m_lignes.size();
}

void TRequete::First()
{
    m_courante = 0;
}

void TRequete::Next()
{
    if (!Eof())
        ++m_courante;
}

int TRequete::RecordCount() const
{
    return m_actif ? int(m_lignes.size()) : 0;
}

int TRequete::ExecSQL()
{
    Close();
    QSqlQuery requete = executerTexte();
    m_lignesAffectees = requete.numRowsAffected();
    const QVariant id = requete.lastInsertId();
    if (id.isValid())
        m_dernierId = id.toLongLong();
    return m_lignesAffectees;
}

QVariant TRequete::valeur(const QString &colonne) const
{
    for (int i = 0; i < m_colonnes.size(); ++i) {
        if (m_colonnes.at(i).compare(colonne, Qt::CaseInsensitive) == 0)
            return Eof() ? QVariant() : m_lignes.at(m_courante).at(i);
    }
    throw EDatabaseError(QStringLiteral("Champ inconnu : ") + colonne);
}

QString TRequete::FieldAsString(const QString &colonne) const
{
    return enTexte(valeur(colonne));
}

qint64 TRequete::FieldAsInteger(const QString &colonne) const
{
    const QVariant v = valeur(colonne);
    switch (v.typeId()) {
    case QMetaType::UnknownType:
        return 0;
    case QMetaType::Double:
    case QMetaType::Float:
        return qRound64(v.toDouble());
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::ULongLong:
    case QMetaType::UInt:
    case QMetaType::Bool:
        return v.toLongLong();
    default:
        break;
    }
    const QString texte = enTexte(v).trimmed();
    if (texte.isEmpty())
        return 0;
    bool ok = false;
    const qint64 entier = texte.toLongLong(&ok);
    if (!ok)
        throw EConvertError(QStringLiteral("'") + texte +
                            QStringLiteral("' n'est pas une valeur entière correcte"));
    return entier;
}

double TRequete::FieldAsFloat(const QString &colonne) const
{
    const QVariant v = valeur(colonne);
    switch (v.typeId()) {
    case QMetaType::UnknownType:
        return 0;
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::ULongLong:
    case QMetaType::UInt:
    case QMetaType::Bool:
        return v.toDouble();
    default:
        break;
    }
    const QString texte = enTexte(v).trimmed();
    if (texte.isEmpty())
        return 0;
    // A number stored as text: SQL's own form, or the user's.
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    double reel = c.toDouble(texte, &ok);
    if (!ok && !TryStrToFloat(texte, reel))
        throw EConvertError(QStringLiteral("'") + texte +
                            QStringLiteral("' n'est pas une valeur numérique correcte"));
    return reel;
}

bool TRequete::FieldIsNull(const QString &colonne) const
{
    return !valeur(colonne).isValid();
}

// ---------------------------------------------------------------------------------------------
// TTable

TTable::TTable(TConnexion &connexion, QString nomTable)
    : m_connexion(connexion)
    , m_nom(std::move(nomTable))
{}

void TTable::SetTableName(const QString &nom)
{
    m_colonnes.clear();
    m_nom = nom;
}

bool TTable::GetTableExists() const
{
    QSqlQuery requete =
        executer(m_connexion.base(),
                 QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                "name = ? COLLATE NOCASE"),
                 {m_nom});
    return requete.next();
}

void TTable::Open()
{
    if (!GetTableExists())
        throw EDatabaseError(QStringLiteral("La table n'existe pas : ") + m_nom);
    chargerColonnes();
}

void TTable::chargerColonnes()
{
    QSqlQuery requete = executer(m_connexion.base(),
                                 QStringLiteral("SELECT name FROM pragma_table_info(?)"), {m_nom});
    m_colonnes.clear();
    while (requete.next())
        m_colonnes.append(requete.value(0).toString());
}

void TTable::Close()
{
    // The column definitions stay known after closing, as the restructuring expects.
}

int TTable::RecordCount() const
{
    QSqlQuery requete = executer(m_connexion.base(),
                                 QStringLiteral("SELECT count(*) FROM ") + identifiantSql(m_nom));
    return requete.next() ? requete.value(0).toInt() : 0;
}

bool TTable::FindField(const QString &colonne) const
{
    return m_colonnes.contains(colonne, Qt::CaseInsensitive);
}

void TTable::AddField(const QString &colonne, const QString &type)
{
    AddFields({{colonne, type}});
}

void TTable::AddFields(const QVector<QPair<QString, QString>> &colonnes)
{
    static const QRegularExpression typeValide(
        QStringLiteral("^[A-Za-z]+( ?\\(\\d+( ?, ?\\d+)?\\))?$"));
    for (const auto &colonne : colonnes) {
        if (!typeValide.match(colonne.second).hasMatch())
            throw EDatabaseError(QStringLiteral("Type de colonne incorrect : ") + colonne.second);
    }
    // All the columns or none: a half-altered table would never be completed by a later start,
    // which tests only the first column.
    TTransaction transaction(m_connexion);
    for (const auto &colonne : colonnes)
        executer(m_connexion.base(), QStringLiteral("ALTER TABLE ") + identifiantSql(m_nom) +
                                         QStringLiteral(" ADD COLUMN ") +
                                         identifiantSql(colonne.first) + u' ' + colonne.second);
    transaction.Commit();
    chargerColonnes();
}

qint64 TTable::LastAutoincValue() const
{
    QSqlQuery existe = executer(m_connexion.base(),
                                QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' "
                                               "AND name = 'sqlite_sequence'"));
    if (!existe.next())
        return 0;
    QSqlQuery requete = executer(
        m_connexion.base(),
        QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = ? COLLATE NOCASE"), {m_nom});
    return requete.next() ? requete.value(0).toLongLong() : 0;
}

// ---------------------------------------------------------------------------------------------
// TRxTva

void TRxTva::Insert(int typeTva, const QString &libelle, double valeur)
{
    Enregistrement enregistrement;
    enregistrement.TypeTva = typeTva;
    enregistrement.Libelle = libelle.left(30);
    enregistrement.Valeur = valeur;
    const int position = qBound(0, m_courant, int(m_enregistrements.size()));
    m_enregistrements.insert(position, enregistrement);
    m_courant = position;
}

void TRxTva::Clear()
{
    m_enregistrements.clear();
    m_courant = -1;
}

// ---------------------------------------------------------------------------------------------
// TTransaction

TTransaction::TTransaction(TConnexion &connexion)
    : m_connexion(connexion)
{
    if (m_connexion.m_transactions == 0) {
        // IMMEDIATE takes the write lock at once, so a concurrent writer waits on the busy
        // timeout instead of failing at its first write.
        executer(m_connexion.base(), QStringLiteral("BEGIN IMMEDIATE"));
    } else {
        m_savepoint = QStringLiteral("orvane_") + QString::number(m_connexion.m_transactions);
        executer(m_connexion.base(), QStringLiteral("SAVEPOINT ") + m_savepoint);
    }
    ++m_connexion.m_transactions;
}

TTransaction::~TTransaction()
{
    if (m_terminee)
        return;
    --m_connexion.m_transactions;
    QSqlQuery annulation(m_connexion.base());
    if (m_savepoint.isEmpty()) {
        annulation.exec(QStringLiteral("ROLLBACK"));
    } else {
        annulation.exec(QStringLiteral("ROLLBACK TO ") + m_savepoint);
        annulation.exec(QStringLiteral("RELEASE ") + m_savepoint);
    }
}

void TTransaction::Commit()
{
    if (m_terminee)
        return;
    executer(m_connexion.base(), m_savepoint.isEmpty() ? QStringLiteral("COMMIT")
                                                       : QStringLiteral("RELEASE ") + m_savepoint);
    m_terminee = true;
    --m_connexion.m_transactions;
}

// ---------------------------------------------------------------------------------------------
// TDMPose

TDMPose::TDMPose()
    : Orvane(QStringLiteral("Orvane"))
    , qrySelect(Orvane)
    , qrySousSelect(Orvane)
    , qryDelete(Orvane)
    , qryExec(Orvane)
    , qryComparaison(Orvane)
    , tblCategorie(Orvane, QStringLiteral("Categorie"))
{}

TDMPose::~TDMPose()
{
    if (Orvane.GetConnected())
        Orvane.Close();
}

double TDMPose::ValeurTva(int typeTva) const
{
    double valeur = -1;
    for (const auto &enregistrement : rxTva.Enregistrements()) {
        if (enregistrement.TypeTva == typeTva)
            valeur = enregistrement.Valeur;
    }
    return valeur;
}
