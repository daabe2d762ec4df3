#pragma once

#include <QString>

class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;

// The catalogue identifier (decimal text, or a code) carried by one combo box entry or one list
// view row. The control owns it: a combo box entry holds it as item data and ViderCombo frees
// it; a list view row holds it in its first column and ViderListe frees it.
class TObjectCode {
public:
    explicit TObjectCode(QString code)
        : Code(std::move(code))
    {}
    const QString Code;
};

// The code of an attached object; the empty text for none.
QString CodeDe(const TObjectCode *objet);

// Combo boxes. AjouterCode appends an entry that owns a new TObjectCode holding the code.
void AjouterCode(QComboBox *combo, const QString &libelle, const QString &code);
TObjectCode *ObjetDe(const QComboBox *combo, int index);
// Selects the first entry carrying exactly this code; leaves the selection as it was when no
// entry carries it.
void SelectionnerCode(QComboBox *combo, const QString &code);
// The code of the entry at index; the empty text for a negative index (no selection).
QString CodeSelectionne(const QComboBox *combo, int index);
// Frees every entry's object, then removes the entries.
void ViderCombo(QComboBox *combo);

// List views (one QTreeWidgetItem per row). AttacherCode gives the row a new TObjectCode (freeing
// the one it carried); the row then owns it until ViderListe or ViderObjet.
void AttacherCode(QTreeWidgetItem *ligne, const QString &code);
TObjectCode *ObjetDe(const QTreeWidgetItem *ligne);
// Frees the row's object, if any (for a row removed by itself).
void ViderObjet(QTreeWidgetItem *ligne);
// Frees the object of every row (rows without one are skipped), then removes the rows, with the
// view's updates suspended meanwhile.
void ViderListe(QTreeWidget *liste);

// The number of TObjectCode objects alive, so tests can tell that the emptying functions free
// them.
int NombreObjetsCode();
