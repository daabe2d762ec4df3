#include "pricing/TFichePoseChoix.h"

#include "ui_TFichePoseChoix.h"

#include "catalogue/TDMPose.h"
#include "platform/Gestionnaire.h"
#include "platform/Interactions.h"
#include "platform/Vues.h"

namespace {
// The entry's IdPose; an icon view has no columns, so the code is the entry's own data.
constexpr int roleCode = Qt::UserRole;

} // namespace

TFichePoseChoix::TFichePoseChoix(TDMPose &dm, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFichePoseChoix>())
    , m_dm(dm)
{
    ui->setupUi(this);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    GarderSelectionVisible(ui->lvListe);
    connect(ui->btnValider, &QPushButton::clicked, this,
            Gestionnaire(this, &TFichePoseChoix::btnValiderClick));
    connect(ui->btnFermer, &QPushButton::clicked, this, &QDialog::reject);
}

TFichePoseChoix::~TFichePoseChoix() = default;

void TFichePoseChoix::RemplirListe()
{
    ui->lvListe->clear();
    TRequete &q = m_dm.qrySelect;
    q.SetSQL(QStringLiteral("SELECT IdPose, Libelle FROM Pose ORDER BY Libelle ASC"));
    q.Open();
    const QIcon icone = images.isEmpty() ? QIcon() : images.first();
    for (; !q.Eof(); q.Next()) {
        const QString id = q.FieldAsString(QStringLiteral("IdPose"));
        auto *entree =
            new QListWidgetItem(icone, q.FieldAsString(QStringLiteral("Libelle")), ui->lvListe);
        entree->setData(roleCode, id);
        if (id == idPose)
            ui->lvListe->setCurrentItem(entree);
    }
    q.Close();
    if (idPose.isEmpty() && ui->lvListe->count() > 0)
        ui->lvListe->setCurrentRow(0);
}

void TFichePoseChoix::btnValiderClick()
{
    const QList<QListWidgetItem *> selection = ui->lvListe->selectedItems();
    if (selection.isEmpty()) {
        ShowMessage(QStringLiteral("Veuillez sélectionner une pose."));
        return;
    }
    idPose = selection.first()->data(roleCode).toString();
    accept();
}
