#include "pricing/TFicheTarifChoix.h"

#include "ui_TFicheTarifChoix.h"

#include "catalogue/TObjectCode.h"
#include "model/TMenuiserie.h"
#include "platform/Gestionnaire.h"
#include "platform/Interactions.h"
#include "platform/Nombres.h"
#include "platform/Vues.h"
#include "pricing/ContraintesCategorie.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QShowEvent>

namespace {
enum Colonne { ColonneTarif, ColonnePrix };

// A dialog opened without an item lists as for an item without any property.
const TMenuiserie &menuiserieVide()
{
    static const TMenuiserie vide;
    return vide;
}

// A dimension shown by the dialog: strict, so a value that is not a whole number stops the
// activation; a missing property is 0.
int dimension(const TMenuiserie &menuiserie, const QString &nom)
{
    const TPropriete *propriete = menuiserie.proprietes().Chercher(nom);
    return propriete ? StrToInt(propriete->valeur()) : 0;
}
} // namespace

TFicheTarifChoix::TFicheTarifChoix(TDMPose &dm, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFicheTarifChoix>())
    , m_dm(dm)
{
    ui->setupUi(this);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    ui->lvListe->setColumnWidth(ColonneTarif, 650);
    ui->lvListe->setColumnWidth(ColonnePrix, 85);
    ui->lvListe->header()->setStretchLastSection(false);
    ui->lvListe->header()->setSectionsMovable(false);
    GarderSelectionVisible(ui->lvListe);
    ui->lvListe->viewport()->installEventFilter(this);

    connect(ui->lvListe, &QTreeWidget::itemDoubleClicked, this,
            Gestionnaire(this, &TFicheTarifChoix::lvListeDblClick));
    connect(ui->cbSansFiltrage, &QCheckBox::toggled, this,
            Gestionnaire(this, &TFicheTarifChoix::cbSansFiltrageClick));
    connect(ui->btnFermer, &QPushButton::clicked, this, &QDialog::reject);
}

TFicheTarifChoix::~TFicheTarifChoix()
{
    ViderListe(ui->lvListe);
}

void TFicheTarifChoix::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        ExecuterGestionnaire([this] { FormActivate(); });
}

void TFicheTarifChoix::FormActivate()
{
    const TMenuiserie &item = menuiserie ? *menuiserie : menuiserieVide();
    hauteur = dimension(item, QStringLiteral("HAUTEUR"));
    largeur = dimension(item, QStringLiteral("LARGEUR"));
    vantail = dimension(item, QStringLiteral("VANTAIL"));
    perimetre = (hauteur + largeur) * 2;
    ui->lblPerimetre->setText(FormatEntier(perimetre));
    ui->lblHauteur->setText(FormatEntier(hauteur));
    ui->lblLargeur->setText(FormatEntier(largeur));
    ui->lblVantail->setText(FormatEntier(vantail));
    RemplirListe();
}

void TFicheTarifChoix::RemplirListe()
{
    ViderListe(ui->lvListe);
    const QVector<TTarifOffert> tarifs = TarifsOfferts(
        m_dm, idPose, menuiserie ? *menuiserie : menuiserieVide(), ui->cbSansFiltrage->isChecked());

    QList<QTreeWidgetItem *> lignes;
    lignes.reserve(tarifs.size());
    QTreeWidgetItem *choisie = nullptr;
    for (const TTarifOffert &tarif : tarifs) {
        auto *ligne = new QTreeWidgetItem;
        ligne->setText(ColonneTarif, tarif.libelle);
        ligne->setText(ColonnePrix, tarif.prixNul ? QString() : FormatMontant(tarif.prix));
        ligne->setTextAlignment(ColonnePrix, Qt::AlignRight | Qt::AlignVCenter);
        AttacherCode(ligne, tarif.idTarif);
        if (!idTarif.isEmpty() && tarif.idTarif == idTarif)
            choisie = ligne;
        lignes.append(ligne);
    }
    ui->lvListe->addTopLevelItems(lignes);
    if (choisie) {
        ui->lvListe->setCurrentItem(choisie);
        ui->lvListe->scrollToItem(choisie);
    }
}

void TFicheTarifChoix::lvListeDblClick()
{
    const QList<QTreeWidgetItem *> selection = ui->lvListe->selectedItems();
    if (selection.isEmpty()) {
        ShowMessage(QStringLiteral("Veuillez sélectionner un tarif"));
        return;
    }
    const QTreeWidgetItem *ligne = selection.first();
    idTarif = CodeDe(ObjetDe(ligne));
    libelle = ligne->text(ColonneTarif);
    // The price chosen is the one displayed, rounded to two decimals.
    prix = StrToFloatDef(ligne->text(ColonnePrix), 0);
    accept();
}

void TFicheTarifChoix::cbSansFiltrageClick()
{
    RemplirListe();
}

void TFicheTarifChoix::FormClose()
{
    // Only the objects go: the rows may still be in the middle of the click that closed us.
    for (int i = 0; i < ui->lvListe->topLevelItemCount(); ++i)
        ViderObjet(ui->lvListe->topLevelItem(i));
}

void TFicheTarifChoix::done(int resultat)
{
    FormClose();
    QDialog::done(resultat);
}

bool TFicheTarifChoix::eventFilter(QObject *objet, QEvent *evenement)
{
    // A double click on the empty part of the list is a double click in the list too.
    if (objet == ui->lvListe->viewport() && evenement->type() == QEvent::MouseButtonDblClick) {
        const auto *souris = static_cast<QMouseEvent *>(evenement);
        if (!ui->lvListe->itemAt(souris->position().toPoint()))
            ExecuterGestionnaire([this] { lvListeDblClick(); });
    }
    return QDialog::eventFilter(objet, evenement);
}
