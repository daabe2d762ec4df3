#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <memory>

class QComboBox;
class QSqlQuery;
class TTva;

// The catalogue connection: one SQLite file shared by every running instance of the program.
class TConnexion {
public:
    explicit TConnexion(QString nomConnexion);
    ~TConnexion();
    TConnexion(const TConnexion &) = delete;
    TConnexion &operator=(const TConnexion &) = delete;

    void SetDatabaseFileName(const QString &chemin);
    QString DatabaseFileName() const { return m_fichier; }
    // Raises EDatabaseError when the file is missing (it is never created here) or cannot be
    // opened as a catalogue.
    void Open();
    void Close();
    bool GetConnected() const;

    QSqlDatabase base() const;
    const QString &nom() const { return m_nom; }
    // "wal" on a local disk, "delete" on a network share (WAL needs every user on one host).
    QString ModeJournal() const;

private:
    QString m_nom;
    QString m_nomSql; // unique in the process, so several data modules can coexist
    QString m_fichier;
    int m_transactions = 0; // depth of the open TTransaction objects
    friend class TTransaction;
};

// One shared query: its whole SQL text is replaced for every use; named parameters (":Nom") are
// set by name; a SELECT is opened and walked, other statements executed. Engine failures raise
// EDatabaseError carrying the engine's text.
class TRequete {
public:
    explicit TRequete(TConnexion &connexion);

    void SetSQL(const QString &sql); // closes the query and clears its parameters
    const QString &SQL() const { return m_sql; }

    void SetParamText(const QString &nom, const QString &valeur);
    void SetParamInteger(const QString &nom, qint64 valeur);
    void SetParamFloat(const QString &nom, double valeur);
    void SetParamNull(const QString &nom);
    void ClearParams();

    // SELECT: the whole result is read at once, so RecordCount() is known.
    void Open();
    void Close();
    bool Active() const { return m_actif; }
    bool Eof() const;
    void First();
    void Next();
    int RecordCount() const;

    // Other statements; returns the number of rows affected, also kept for GetRowsAffected().
    int ExecSQL();
    int GetRowsAffected() const { return m_lignesAffectees; }
    // The key given to the row inserted by this query's last INSERT, on this connection only
    // (unaffected by what other instances insert meanwhile); 0 before any insert.
    qint64 LastInsertId() const { return m_dernierId; }

    // Columns of the current row by name, without regard to case, with conversion between kinds.
    // A NULL reads "", 0 and 0.0. An unknown column raises EDatabaseError.
    QString FieldAsString(const QString &colonne) const;
    qint64 FieldAsInteger(const QString &colonne) const;
    double FieldAsFloat(const QString &colonne) const;
    bool FieldIsNull(const QString &colonne) const;
    // The result's column names, in order.
    const QStringList &FieldNames() const { return m_colonnes; }

private:
    QVariant valeur(const QString &colonne) const;
    void definirParametre(const QString &nom, const QVariant &valeur);
    QSqlQuery executerTexte();

    TConnexion &m_connexion;
    QString m_sql;
    QVector<QPair<QString, QVariant>> m_parametres;
    QStringList m_colonnes;
    QVector<QVector<QVariant>> m_lignes;
    int m_courante = 0;
    bool m_actif = false;
    int m_lignesAffectees = 0;
    qint64 m_dernierId = 0;
};

// A table object: existence, columns, adding columns, last auto-increment value.
class TTable {
public:
    explicit TTable(TConnexion &connexion, QString nomTable = QString());

    void SetTableName(const QString &nom);
    const QString &TableName() const { return m_nom; }
    bool GetTableExists() const;
    // Loads the column names; raises EDatabaseError when the table does not exist.
    void Open();
    void Close(); // the loaded column names stay known
    int RecordCount() const;
    // Column lookup among the loaded definitions, without regard to case.
    bool FindField(const QString &colonne) const;
    // Adds a column to the stored table, keeping its rows (type as SQLite writes it, e.g.
    // "VARCHAR(14)").
    void AddField(const QString &colonne, const QString &type);
    // Adds several columns at once: all of them or, on failure, none.
    void AddFields(const QVector<QPair<QString, QString>> &colonnes);
    // The last value given to the table's auto-increment key; 0 when none was given.
    qint64 LastAutoincValue() const;

private:
    void chargerColonnes();

    TConnexion &m_connexion;
    QString m_nom;
    QStringList m_colonnes;
};

// The host's VAT rates, in memory, filled once per start. Insert places the new record before
// the current one (the one inserted just before), so rates end up in reverse insertion order.
class TRxTva {
public:
    struct Enregistrement {
        int TypeTva = -1;
        QString Libelle; // at most 30 characters are kept
        double Valeur = 0;
    };

    void Insert(int typeTva, const QString &libelle, double valeur);
    void Clear();
    int RecordCount() const { return int(m_enregistrements.size()); }
    // Records in record order, first to last.
    const QVector<Enregistrement> &Enregistrements() const { return m_enregistrements; }

private:
    QVector<Enregistrement> m_enregistrements;
    int m_courant = -1;
};

// A write that must be all-or-nothing: BEGIN IMMEDIATE (waits for other writers instead of
// failing), rolled back on destruction unless Commit() was called. A transaction opened inside
// another one is a savepoint of it.
class TTransaction {
public:
    explicit TTransaction(TConnexion &connexion);
    ~TTransaction();
    TTransaction(const TTransaction &) = delete;
    TTransaction &operator=(const TTransaction &) = delete;
    void Commit();

private:
    TConnexion &m_connexion;
    QString m_savepoint; // empty for the outermost transaction
    bool m_terminee = false;
};

// The data module: the catalogue connection, the shared queries through which every screen
// talks to the catalogue, and the host's VAT rates. One instance lives for the whole run and is
// handed to every window.
class TDMPose {
public:
    TDMPose();
    ~TDMPose();
    TDMPose(const TDMPose &) = delete;
    TDMPose &operator=(const TDMPose &) = delete;

    // Brings an older catalogue up to the current schema; reports its own failures in message
    // boxes (ShowMessage) and goes on.
    void RestructureBase();

    // VAT look-ups in rxTva, in record order, the last matching record winning.
    void RemplirComboTva(QComboBox *combo) const; // defined with the widget helpers
    std::unique_ptr<TTva> TrouverTva(int typeTva) const;
    double ValeurTva(int typeTva) const;

    TConnexion Orvane;
    TRequete qrySelect;
    TRequete qrySousSelect;
    TRequete qryDelete;
    TRequete qryExec;
    TRequete qryComparaison;
    TTable tblCategorie;
    TRxTva rxTva;
};
