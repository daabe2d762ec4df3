#pragma once

#include <QString>

class QComboBox;
class QTableWidgetItem;
class QTreeWidget;
class QTreeWidgetItem;

// The catalogue identifier (decimal text, or a code) carried by one combo box entry, one list
// view row or one grid cell. The entry owns it: the object lives in the entry's item data and is
// freed with the entry, whether the entry goes through ViderCombo / ViderListe or otherwise, so
// nothing can leak. ObjetDe gives access to it while the entry exists.
class TObjectCode {
public:
    explicit TObjectCode(QString code);
    ~TObjectCode();
    TObjectCode(const TObjectCode &) = delete;
    TObjectCode &operator=(const TObjectCode &) = delete;

    const QString Code;
};

// The code of an attached object; the empty text for none.
QString CodeDe(const TObjectCode *objet);

// Combo boxes. AjouterCode appends an entry (caption libelle) that owns a new TObjectCode holding
// code; ObjetDe is that object, or none.
void AjouterCode(QComboBox *combo, const QString &libelle, const QString &code);
const TObjectCode *ObjetDe(const QComboBox *combo, int index);
// Selects the first entry carrying exactly this code (case counts); leaves the selection as it
// was when no entry carries it.
void SelectionnerCode(QComboBox *combo, const QString &code);
// The code of the entry at index; the empty text for a negative index (no selection).
QString CodeSelectionne(const QComboBox *combo, int index);
// Frees every entry's object, then removes the entries.
void ViderCombo(QComboBox *combo);

// List views (one QTreeWidgetItem per row) and grid cells. AttacherCode gives the row or cell a
// new TObjectCode, replacing (and freeing) the one it carried.
void AttacherCode(QTreeWidgetItem *ligne, const QString &code);
const TObjectCode *ObjetDe(const QTreeWidgetItem *ligne);
void AttacherCode(QTableWidgetItem *cellule, const QString &code);
const TObjectCode *ObjetDe(const QTableWidgetItem *cellule);
// Frees the row's object now, before the row itself goes (the row would free it anyway).
void ViderObjet(QTreeWidgetItem *ligne);
// Frees the object of every row (rows without one are skipped), then removes the rows, with the
// view's updates suspended meanwhile.
void ViderListe(QTreeWidget *liste);

// The number of TObjectCode objects alive, so tests can tell that entries free theirs.
int NombreObjetsCode();
