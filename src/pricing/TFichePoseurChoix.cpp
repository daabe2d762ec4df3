#include "pricing/TFichePoseurChoix.h"

#include "ui_TFichePoseurChoix.h"

#include "catalogue/TDMPose.h"
#include "catalogue/TObjectCode.h"
#include "platform/Gestionnaire.h"
#include "platform/Interactions.h"
#include "platform/Vues.h"

#include <QHeaderView>
#include <QMouseEvent>

TFichePoseurChoix::TFichePoseurChoix(TDMPose &dm, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFichePoseurChoix>())
    , m_dm(dm)
{
    ui->setupUi(this);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    const int largeurs[] = {60, 150, 150, 150, 50, 170, 100, 100};
    for (int colonne = 0; colonne < int(std::size(largeurs)); ++colonne)
        ui->lvListe->setColumnWidth(colonne, largeurs[colonne]);
    ui->lvListe->header()->setSectionsMovable(false);
    GarderSelectionVisible(ui->lvListe);
    ui->lvListe->viewport()->installEventFilter(this);

    connect(ui->lvListe, &QTreeWidget::itemClicked, this,
            Gestionnaire(this, &TFichePoseurChoix::lvListeClick));
    connect(ui->btnFermer, &QPushButton::clicked, this, &QDialog::reject);
    RemplirListe();
}

TFichePoseurChoix::~TFichePoseurChoix()
{
    ViderListe(ui->lvListe);
}

void TFichePoseurChoix::RemplirListe()
{
    ViderListe(ui->lvListe);
    TRequete &q = m_dm.qrySelect;
    q.SetSQL(QStringLiteral("SELECT IdPoseur, Code, Nom, Rue1, Rue2, cp, Ville, Siret, RGE FROM "
                            "poseur ORDER BY Nom ASC"));
    q.Open();
    QList<QTreeWidgetItem *> lignes;
    for (; !q.Eof(); q.Next()) {
        auto *ligne = new QTreeWidgetItem;
        int colonne = 0;
        for (const char *champ : {"Code", "Nom", "Rue1", "Rue2", "Cp", "Ville", "RGE", "Siret"})
            ligne->setText(colonne++, q.FieldAsString(QString::fromLatin1(champ)));
        AttacherCode(ligne, q.FieldAsString(QStringLiteral("IdPoseur")));
        lignes.append(ligne);
    }
    q.Close();
    ui->lvListe->addTopLevelItems(lignes);
}

void TFichePoseurChoix::lvListeClick()
{
    const QList<QTreeWidgetItem *> selection = ui->lvListe->selectedItems();
    if (selection.isEmpty()) {
        ShowMessage(QStringLiteral("Veuillez sélectionner un poseur"));
        return;
    }
    idPoseur = CodeDe(ObjetDe(selection.first()));
    accept();
}

void TFichePoseurChoix::FormClose()
{
    // Only the objects go: the rows may still be in the middle of the click that closed us.
    for (int i = 0; i < ui->lvListe->topLevelItemCount(); ++i)
        ViderObjet(ui->lvListe->topLevelItem(i));
}

void TFichePoseurChoix::done(int resultat)
{
    FormClose();
    QDialog::done(resultat);
}

bool TFichePoseurChoix::eventFilter(QObject *objet, QEvent *evenement)
{
    // A click on the empty part of the list is a click in the list too.
    if (objet == ui->lvListe->viewport() && evenement->type() == QEvent::MouseButtonRelease) {
        const auto *souris = static_cast<QMouseEvent *>(evenement);
        if (souris->button() == Qt::LeftButton &&
            !ui->lvListe->itemAt(souris->position().toPoint()))
            ExecuterGestionnaire([this] { lvListeClick(); });
    }
    return QDialog::eventFilter(objet, evenement);
}
