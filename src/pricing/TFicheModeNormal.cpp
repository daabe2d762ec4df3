#include "pricing/TFicheModeNormal.h"

#include "ui_TFicheModeNormal.h"

#include "catalogue/TDMPose.h"
#include "catalogue/TObjectCode.h"
#include "exchange/EcritureEchange.h"
#include "exchange/LectureEchange.h"
#include "model/TMenuiseries.h"
#include "model/TPoseMenuiserie.h"
#include "model/TQuincailleries.h"
#include "model/TTarif.h"
#include "platform/DossierProgramme.h"
#include "platform/Erreurs.h"
#include "platform/Gestionnaire.h"
#include "platform/Interactions.h"
#include "platform/Nombres.h"
#include "pricing/CalculsDevis.h"
#include "pricing/IconesPose.h"
#include "pricing/TFichePoseChoix.h"

#include <QDateTime>
#include <QDir>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include <functional>

namespace {
const QColor CouleurSelection(0, 102, 153);

QString TexteOuAucunePose(const QString &libelle)
{
    return libelle.isEmpty() ? QStringLiteral("Aucune pose") : libelle;
}

// Rows drawn black on white, red when they differ from the general tariff, white on blue when
// selected.
class TDessinLignes : public QStyledItemDelegate {
public:
    TDessinLignes(std::function<bool(int)> enRouge, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_enRouge(std::move(enRouge))
    {}

    void paint(QPainter *p, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const bool choisie = opt.state & QStyle::State_Selected;
        p->save();
        p->fillRect(opt.rect, choisie ? CouleurSelection : QColor(Qt::white));
        p->setPen(choisie                  ? QColor(Qt::white)
                  : m_enRouge(index.row()) ? QColor(Qt::red)
                                           : QColor(Qt::black));
        p->setFont(opt.font);
        const QRect zone = opt.rect.adjusted(4, 0, -4, 0);
        p->drawText(zone, int(opt.displayAlignment | Qt::AlignVCenter),
                    opt.fontMetrics.elidedText(opt.text, Qt::ElideRight, zone.width()));
        p->restore();
    }

private:
    std::function<bool(int)> m_enRouge;
};

void AlignerADroite(QTreeWidgetItem *ligne, int premiereColonne)
{
    for (int c = premiereColonne; c < ligne->columnCount(); ++c)
        ligne->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
}

void DefinirIconeSeule(QAbstractButton *bouton, const QIcon &icone)
{
    bouton->setIcon(icone);
    bouton->setText(QString());
    bouton->setIconSize(QSize(20, 20));
}

// Selects the entry of the VAT type; an unknown type shows no entry rather than the previous one.
void SelectionnerTva(QComboBox *combo, int typeTva)
{
    combo->setCurrentIndex(-1);
    SelectionnerCode(combo, QString::number(typeTva));
}
} // namespace

TFicheModeNormal::TFicheModeNormal(TDMPose &dm, QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::TFicheModeNormal>())
    , m_dm(dm)
    , poseDevis(std::make_unique<TPoseLivraison>())
    , menuiseries(std::make_unique<TMenuiseries>())
    , quincailleriesGlobales(
          std::make_unique<TQuincailleries>(TQuincailleries::TauxTvaQuincaillerie))
    , imgListe(IconePose())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(894, 685);

    dossierXml = DossierArchives();
    if (!QDir(dossierXml).exists())
        QDir().mkdir(dossierXml);
    prefixeArchive =
        dossierXml + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss"));

    ui->lvPose->addItem(new QListWidgetItem(imgListe, QStringLiteral("Aucune pose")));
    ui->lvPoseMenuiserie->addItem(new QListWidgetItem(imgListe, QStringLiteral("Aucune pose")));

    const int largeursListe[] = {210, 30, 55, 55, 30};
    for (int c = 0; c < 5; ++c)
        ui->lvListe->header()->resizeSection(c, largeursListe[c]);
    const int largeursCategorie[] = {175, 65, 65, 65, 65};
    for (int c = 0; c < 5; ++c)
        ui->lvCategorie->header()->resizeSection(c, largeursCategorie[c]);
    ui->lvListe->header()->setStretchLastSection(false);
    ui->lvCategorie->header()->setStretchLastSection(true);
    ui->lvListe->setItemDelegate(
        new TDessinLignes([this](int ligne) { return MenuiserieEnRouge(ligne); }, this));
    ui->lvCategorie->setItemDelegate(
        new TDessinLignes([this](int ligne) { return TarifEnRouge(ligne); }, this));

    DefinirIconeSeule(ui->btnAjouter, IconeAjouter());
    DefinirIconeSeule(ui->btnDupliquer, IconeDupliquer());
    DefinirIconeSeule(ui->btnModifier, IconeModifier());
    DefinirIconeSeule(ui->btnSupprimer, IconeSupprimer());
    DefinirIconeSeule(ui->btnSupprimerTout, IconeSupprimerTout());
    DefinirIconeSeule(ui->btnActualiser, IconeActualiser());
    DefinirIconeSeule(ui->btnQuincaillerie, IconeModifier());
    DefinirIconeSeule(ui->btnQuincailleriesGlobales, IconeModifier());

    // Every amount starts at zero, written as the user's regional settings write it.
    for (QLabel *montant : findChildren<QLabel *>())
        if (montant->text() == QStringLiteral("0,00"))
            montant->setText(FormatMontant(0));

    // Enter in a price edit must not press "Valider", which writes the quote and closes.
    for (QPushButton *bouton : findChildren<QPushButton *>()) {
        bouton->setAutoDefault(false);
        bouton->setDefault(false);
    }

    ui->lvListe->show();
    ui->memoDescription->hide();
    MajBoutonMode();

    connect(ui->lvListe, &QTreeWidget::itemSelectionChanged, this,
            Gestionnaire(this, &TFicheModeNormal::lvListeChange));
    connect(ui->btnPrecedent, &QPushButton::clicked, this,
            Gestionnaire(this, &TFicheModeNormal::btnPrecedentClick));
    connect(ui->btnSuivant, &QPushButton::clicked, this,
            Gestionnaire(this, &TFicheModeNormal::btnSuivantClick));
    connect(ui->lvCategorie, &QTreeWidget::itemSelectionChanged, this,
            Gestionnaire(this, &TFicheModeNormal::lvCategorieChange));
    connect(ui->btnMode, &QPushButton::clicked, this,
            Gestionnaire(this, &TFicheModeNormal::btnModeClick));
    connect(ui->lvPose, &QListWidget::itemClicked, this,
            Gestionnaire(this, &TFicheModeNormal::lvPoseClick));
    connect(ui->edtLivraison, &QLineEdit::textChanged, this,
            Gestionnaire(this, &TFicheModeNormal::edtLivraisonChange));
    connect(ui->edtLivraisonCompliquee, &QLineEdit::textChanged, this,
            Gestionnaire(this, &TFicheModeNormal::edtLivraisonCompliqueeChange));
    connect(ui->edtLivraisonAutorisation, &QLineEdit::textChanged, this,
            Gestionnaire(this, &TFicheModeNormal::edtLivraisonAutorisationChange));
    connect(ui->edtLivraisonManutention, &QLineEdit::textChanged, this,
            Gestionnaire(this, &TFicheModeNormal::edtLivraisonManutentionChange));
    // Like the edits, the check boxes react to every change of state, whoever makes it.
    connect(ui->cbLivraison, &QCheckBox::toggled, this,
            Gestionnaire(this, &TFicheModeNormal::cbLivraisonClick));
    connect(ui->cbLivraisonCompliquee, &QCheckBox::toggled, this,
            Gestionnaire(this, &TFicheModeNormal::cbLivraisonCompliqueeClick));
    connect(ui->cbLivraisonAutorisation, &QCheckBox::toggled, this,
            Gestionnaire(this, &TFicheModeNormal::cbLivraisonAutorisationClick));
    connect(ui->cbLivraisonManutention, &QCheckBox::toggled, this,
            Gestionnaire(this, &TFicheModeNormal::cbLivraisonManutentionClick));
    connect(ui->btnValider, &QPushButton::clicked, this,
            Gestionnaire(this, &TFicheModeNormal::btnValiderClick));
}

TFicheModeNormal::~TFicheModeNormal()
{
    ViderListe(ui->lvListe);
    ViderListe(ui->lvCategorie);
}

void TFicheModeNormal::SetFichierConfiguration(const QString &fichier)
{
    fichierConfiguration = fichier;
}

void TFicheModeNormal::SetFichierRecuperation(const QString &fichier)
{
    fichierRecuperation = fichier;
}

void TFicheModeNormal::showEvent(QShowEvent *evenement)
{
    QDialog::showEvent(evenement);
    // Once the window is on screen, so the installation type dialog opens over it.
    if (premiereActivation)
        QMetaObject::invokeMethod(this, Gestionnaire(this, &TFicheModeNormal::FormActivate),
                                  Qt::QueuedConnection);
}

void TFicheModeNormal::FormActivate()
{
    if (!premiereActivation)
        return;
    // Cleared first: a reading that failed must not be run again into the same model.
    premiereActivation = false;

    m_dm.RemplirComboTva(ui->cmbTVA);
    ui->cmbTVA->model()->sort(0);
    m_dm.RemplirComboTva(ui->cbTvaMenuiserie);
    ui->cbTvaMenuiserie->model()->sort(0);
    ui->cmbTVA->setCurrentIndex(-1);
    ui->cbTvaMenuiserie->setCurrentIndex(-1);

    ui->cbLivraison->setChecked(true);

    TLectureEchange lecture;
    try {
        LireFichierEchange(fichierRecuperation, prefixeArchive, *poseDevis, *quincailleriesGlobales,
                           *menuiseries, lecture);
    } catch (const EPlatformError &) {
        // What was read stays on screen to be looked at; "Valider" will refuse to write it.
        AfficherLectureDevis(lecture.poseTrouvee, lecture.cotesTrouve, lecture.cotes,
                             lecture.globalTrouve);
        if (ui->lvListe->topLevelItemCount() > 0)
            SelectionnerLigne(0);
        MajNavigation();
        throw;
    }
    lectureComplete = lecture.complete;
    AfficherLectureDevis(lecture.poseTrouvee, lecture.cotesTrouve, lecture.cotes,
                         lecture.globalTrouve);

    bool poseChoisie = false;
    if (poseDevis->id().isEmpty()) {
        lvPoseClick();
        poseChoisie = true;
    }
    PreRemplirTarifs();
    if (ui->lvListe->topLevelItemCount() > 0)
        SelectionnerLigne(0);
    MajNavigation();
    if (poseChoisie && !poseDevis->id().isEmpty()) {
        menuiseries->AppliquerPose(*poseDevis);
        menuiseries->AppliquerTva(poseDevis->tva());
        // The item shown before the installation type was applied is shown again with it, so
        // its VAT, lines and totals agree with the model.
        if (menuiserieCourante)
            AfficherMenuiserie();
    }
}

void TFicheModeNormal::AfficherLectureDevis(bool poseTrouvee, bool cotesTrouve, bool cotes,
                                            bool globalTrouve)
{
    if (poseTrouvee)
        AfficherPoseDevis();
    if (cotesTrouve)
        ui->cbPriseDeCote->setChecked(cotes);
    if (globalTrouve)
        AfficherQuincailleriesGlobales();
    RemplirListeMenuiseries();
}

namespace {
// Shows a price in its edit; the edit's change handler then stores the price as displayed.
void AfficherPrix(QLineEdit *edition, double prix)
{
    const QString texte = FormatMontant(prix);
    if (edition->text() == texte)
        emit edition->textChanged(texte);
    else
        edition->setText(texte);
}
} // namespace

void TFicheModeNormal::AfficherPoseDevis()
{
    ui->lvPose->item(0)->setText(TexteOuAucunePose(poseDevis->libelle()));
    ui->lblTvaValeur->setText(FormatMontant(poseDevis->tva().valeur()));
    // Read all four choices first: each check box's handler may change the others.
    const bool choix[] = {poseDevis->livraison_choix(), poseDevis->livraison_compliquee_choix(),
                          poseDevis->livraison_autorisation_choix(),
                          poseDevis->livraison_manutention_choix()};
    ui->cbLivraison->setChecked(choix[0]);
    ui->cbLivraisonCompliquee->setChecked(choix[1]);
    ui->cbLivraisonAutorisation->setChecked(choix[2]);
    ui->cbLivraisonManutention->setChecked(choix[3]);
    const double prix[] = {poseDevis->livraison_prix(), poseDevis->livraison_compliquee_prix(),
                           poseDevis->livraison_autorisation_prix(),
                           poseDevis->livraison_manutention_prix()};
    AfficherPrix(ui->edtLivraison, prix[0]);
    AfficherPrix(ui->edtLivraisonCompliquee, prix[1]);
    AfficherPrix(ui->edtLivraisonAutorisation, prix[2]);
    AfficherPrix(ui->edtLivraisonManutention, prix[3]);
}

void TFicheModeNormal::RemplirListeMenuiseries()
{
    ViderListe(ui->lvListe);
    for (const TMenuiserie &menuiserie : *menuiseries) {
        const TProprietes &p = menuiserie.proprietes();
        auto *ligne = new QTreeWidgetItem(QStringList{
            menuiserie.libelle(), p.ValeurDe(QStringLiteral("Quantite")),
            p.ValeurDe(QStringLiteral("Hauteur")), p.ValeurDe(QStringLiteral("Largeur")),
            p.ValeurDe(QStringLiteral("Vantail"))});
        AlignerADroite(ligne, 2);
        ui->lvListe->addTopLevelItem(ligne);
    }
}

void TFicheModeNormal::PreRemplirTarifs()
{
    ::PreRemplirTarifs(m_dm, *poseDevis, *menuiseries);
}

int TFicheModeNormal::LigneSelectionnee() const
{
    const QList<QTreeWidgetItem *> choisies = ui->lvListe->selectedItems();
    return choisies.isEmpty() ? -1 : ui->lvListe->indexOfTopLevelItem(choisies.constFirst());
}

void TFicheModeNormal::SelectionnerLigne(int ligne)
{
    QTreeWidgetItem *element = ui->lvListe->topLevelItem(ligne);
    if (!element)
        return;
    ui->lvListe->setCurrentItem(element);
    element->setSelected(true);
    ui->lvListe->scrollToItem(element);
}

void TFicheModeNormal::MajNavigation()
{
    const int ligne = LigneSelectionnee();
    const int derniere = ui->lvListe->topLevelItemCount() - 1;
    ui->btnPrecedent->setEnabled(ligne > 0);
    ui->btnSuivant->setEnabled(ligne < derniere);
}

void TFicheModeNormal::lvListeChange()
{
    const int ligne = LigneSelectionnee();
    if (ligne < 0 || ligne >= menuiseries->Count())
        return;
    menuiserieCourante = &menuiseries->Items(ligne);
    MajNavigation();
    AfficherMenuiserie();
}

void TFicheModeNormal::btnPrecedentClick()
{
    const int ligne = LigneSelectionnee();
    if (ligne > 0) {
        SelectionnerLigne(ligne - 1);
        AfficherMenuiserie();
    }
}

void TFicheModeNormal::btnSuivantClick()
{
    const int ligne = LigneSelectionnee();
    if (ligne < ui->lvListe->topLevelItemCount() - 1) {
        SelectionnerLigne(ligne + 1);
        AfficherMenuiserie();
    }
}

void TFicheModeNormal::AfficherMenuiserie()
{
    ViderListe(ui->lvCategorie);
    tarifCourant = nullptr;
    for (QLabel *l : {ui->lblTotalMenuiserieAchatHt, ui->lblTotalMenuiserieHt,
                      ui->lblTotalMenuiserieTva, ui->lblTotalMenuiserieTtc})
        l->setText(FormatMontant(0));
    if (!menuiserieCourante)
        return;

    ui->memoDescription->setPlainText(menuiserieCourante->description());
    const TPose &pose = menuiserieCourante->pose();
    ui->lvPoseMenuiserie->item(0)->setText(TexteOuAucunePose(pose.libelle()));
    SelectionnerTva(ui->cbTvaMenuiserie, pose.tva().type_tva());
    ui->lblTvaMenuiserie->setText(FormatNombre(pose.tva().valeur()));

    for (const TTarif &tarif : menuiserieCourante->tarifs()) {
        auto *ligne = new QTreeWidgetItem(QStringList{
            tarif.libelle(), FormatMontant(tarif.PrixAchat()), FormatMontant(tarif.prix()),
            FormatMontant(tarif.PrixTva()), FormatMontant(tarif.PrixTtc())});
        AlignerADroite(ligne, 1);
        ui->lvCategorie->addTopLevelItem(ligne);
    }
    if (ui->lvCategorie->topLevelItemCount() > 0) {
        QTreeWidgetItem *premiere = ui->lvCategorie->topLevelItem(0);
        ui->lvCategorie->setCurrentItem(premiere);
        premiere->setSelected(true);
    } else {
        // No line: the line panel must not go on showing the previous item's line.
        AfficherTarif();
    }
    AfficherTotauxMenuiserie();
    AfficherTotaux();
}

void TFicheModeNormal::lvCategorieChange()
{
    ui->edtPoseur->clear();
    const QList<QTreeWidgetItem *> choisies = ui->lvCategorie->selectedItems();
    if (choisies.isEmpty() || !menuiserieCourante)
        return;
    const int ligne = ui->lvCategorie->indexOfTopLevelItem(choisies.constFirst());
    if (ligne < 0 || ligne >= ui->lvCategorie->topLevelItemCount())
        return;
    TTarifs &tarifs = menuiserieCourante->tarifs();
    tarifCourant = ligne < tarifs.Count() ? &tarifs.Items(ligne) : nullptr;
    AfficherTarif();
}

void TFicheModeNormal::AfficherTarif()
{
    ui->edtPoseur->clear();
    for (QLabel *l : {ui->lblQuincaillerieAchat, ui->lblQuincaillerieHt, ui->lblQuincaillerieTva,
                      ui->lblQuincaillerieTtc})
        l->setText(FormatMontant(0));
    if (tarifCourant) {
        if (!tarifCourant->poseur_id().isEmpty()) {
            TRequete &q = m_dm.qrySelect;
            q.SetSQL(QStringLiteral(
                "SELECT Nom FROM Poseur WHERE IdPoseur = :IdPoseur ORDER BY Nom ASC"));
            q.SetParamText(QStringLiteral("IdPoseur"), tarifCourant->poseur_id());
            q.Open();
            if (q.RecordCount() == 1)
                ui->edtPoseur->setText(q.FieldAsString(QStringLiteral("Nom")));
            q.Close();
            q.ClearParams();
        }
        ui->cbQuincaillerie->setChecked(tarifCourant->quincaillerie_incluse());
        SelectionnerTva(ui->cmbTVA, tarifCourant->tva().type_tva());
        ui->lblTarifTvaValeur->setText(FormatMontant(tarifCourant->tva().valeur()));
    } else {
        ui->cmbTVA->setCurrentIndex(-1);
        ui->lblTarifTvaValeur->setText(FormatMontant(0));
    }
    AfficherQuincaillerieTarif();
    AfficherTotauxMenuiserie();
    AfficherTotaux();
}

namespace {
void AfficherQuatreTotaux(QLabel *achat, QLabel *ht, QLabel *tva, QLabel *ttc,
                          const TQuincailleries *liste)
{
    achat->setText(FormatMontant(liste ? liste->TotalAchatHt() : 0));
    ht->setText(FormatMontant(liste ? liste->TotalHt() : 0));
    tva->setText(FormatMontant(liste ? liste->TotalTva() : 0));
    ttc->setText(FormatMontant(liste ? liste->TotalTtc() : 0));
}
} // namespace

void TFicheModeNormal::AfficherQuincaillerieTarif()
{
    AfficherQuatreTotaux(ui->lblQuincaillerieAchat, ui->lblQuincaillerieHt, ui->lblQuincaillerieTva,
                         ui->lblQuincaillerieTtc,
                         tarifCourant ? &tarifCourant->quincailleries() : nullptr);
}

void TFicheModeNormal::AfficherQuincailleriesGlobales()
{
    AfficherQuatreTotaux(ui->lblQuincailleriesGlobalesAchat, ui->lblQuincailleriesGlobalesHt,
                         ui->lblQuincailleriesGlobalesTva, ui->lblQuincailleriesGlobalesTtc,
                         quincailleriesGlobales.get());
}

void TFicheModeNormal::AfficherTotauxMenuiserie()
{
    const TMenuiserie *m = menuiserieCourante;
    ui->lblTotalMenuiserieAchatHt->setText(FormatMontant(m ? m->TotalAchatHt() : 0));
    ui->lblTotalMenuiserieHt->setText(FormatMontant(m ? m->TotalHt() : 0));
    ui->lblTotalMenuiserieTva->setText(FormatMontant(m ? m->TotalTva() : 0));
    ui->lblTotalMenuiserieTtc->setText(FormatMontant(m ? m->TotalTtc() : 0));
}

void TFicheModeNormal::AfficherTotaux()
{
    const TTotauxDevis t = CalculerTotauxDevis(*poseDevis, *menuiseries, *quincailleriesGlobales);
    ui->lblTotalLivraisonHt->setText(FormatMontant(t.livraisonHt));
    ui->lblTotalMenuiseriesHt->setText(FormatMontant(t.menuiseriesHt));
    ui->lblTotalQuincailleriesHt->setText(FormatMontant(t.menuiseriesQuincaillerieHt));
    ui->lblTotalQuincailleriesGlobalesHt->setText(FormatMontant(t.globalesHt));
    ui->lblTotalAchatHt->setText(FormatMontant(t.achatHt));
    ui->lblTotalHt->setText(FormatMontant(t.ht));
    ui->lblTotalTva->setText(FormatMontant(t.tva));
    ui->lblTotalTtc->setText(FormatMontant(t.ttc));
}

bool TFicheModeNormal::MenuiserieEnRouge(int ligne) const
{
    if (ligne < 0 || ligne >= menuiseries->Count())
        return false;
    try {
        return MenuiserieDifferenteDuGeneral(m_dm, menuiseries->Items(ligne));
    } catch (const EPlatformError &) {
        return false; // painting cannot report an error; the row is drawn plain
    }
}

bool TFicheModeNormal::TarifEnRouge(int ligne) const
{
    if (!menuiserieCourante || ligne < 0 || ligne >= menuiserieCourante->tarifs().Count())
        return false;
    try {
        return TarifDifferentDuGeneral(m_dm, menuiserieCourante->tarifs().Items(ligne));
    } catch (const EPlatformError &) {
        return false;
    }
}

void TFicheModeNormal::MajBoutonMode()
{
    ui->btnMode->setText(!ui->lvListe->isHidden()
                             ? QStringLiteral("Voir la description de la menuiserie")
                             : QStringLiteral("Voir la liste des menuiseries"));
}

void TFicheModeNormal::btnModeClick()
{
    const bool listeVisible = !ui->lvListe->isHidden();
    ui->memoDescription->setVisible(listeVisible);
    ui->lvListe->setVisible(!listeVisible);
    MajBoutonMode();
}

void TFicheModeNormal::lvPoseClick()
{
    TFichePoseChoix choix(m_dm, this);
    choix.SetIdPose(poseDevis->id());
    choix.SetImages({imgListe});
    choix.RemplirListe();
    if (ExecuterModal(choix) != QDialog::Accepted)
        return;
    const QString idPose = choix.GetIdPose();
    if (idPose == poseDevis->id())
        return;

    poseDevis->setId(idPose);
    poseDevis->setLivraison_prix(0);
    poseDevis->setLivraison_compliquee_choix(false);
    poseDevis->setLivraison_autorisation_choix(false);
    poseDevis->setLivraison_manutention_choix(false);
    ui->cbLivraisonCompliquee->setChecked(false);
    ui->cbLivraisonAutorisation->setChecked(false);
    ui->cbLivraisonManutention->setChecked(false);

    ChargerPoseDevis(m_dm, idPose, *poseDevis);
    ui->lblTvaValeur->setText(FormatMontant(poseDevis->tva().valeur()));
    AfficherPrix(ui->edtLivraison, poseDevis->livraison_prix());
    AfficherPrix(ui->edtLivraisonCompliquee, poseDevis->livraison_compliquee_prix());
    AfficherPrix(ui->edtLivraisonAutorisation, poseDevis->livraison_autorisation_prix());
    AfficherPrix(ui->edtLivraisonManutention, poseDevis->livraison_manutention_prix());
    AfficherTotaux();
    ui->lvPose->item(0)->setText(TexteOuAucunePose(poseDevis->libelle()));

    for (TMenuiserie &menuiserie : *menuiseries) {
        menuiserie.AppliquerPose(*poseDevis);
        menuiserie.tarifs().AppliquerTva(poseDevis->tva());
        if (&menuiserie == menuiserieCourante)
            AfficherMenuiserie();
    }
}

void TFicheModeNormal::PrixLivraisonChange(QLineEdit *edition,
                                           void (TPoseLivraison::*stocker)(double),
                                           const QString &message)
{
    const double prix = StrToFloatDef(edition->text(), -1);
    if (prix != -1) {
        ((*poseDevis).*stocker)(prix);
        AfficherTotaux();
    } else {
        ShowMessage(message);
        edition->setFocus();
    }
}

void TFicheModeNormal::edtLivraisonChange()
{
    PrixLivraisonChange(ui->edtLivraison, &TPoseLivraison::setLivraison_prix,
                        QStringLiteral("Veuillez saisir un chiffre correct pour la livraison"));
}

void TFicheModeNormal::edtLivraisonCompliqueeChange()
{
    PrixLivraisonChange(
        ui->edtLivraisonCompliquee, &TPoseLivraison::setLivraison_compliquee_prix,
        QStringLiteral("Veuillez saisir un chiffre correct pour la livraison compliquée"));
}

void TFicheModeNormal::edtLivraisonAutorisationChange()
{
    PrixLivraisonChange(ui->edtLivraisonAutorisation,
                        &TPoseLivraison::setLivraison_autorisation_prix,
                        QStringLiteral("Veuillez saisir un chiffre correct pour l'autorisation"));
}

void TFicheModeNormal::edtLivraisonManutentionChange()
{
    PrixLivraisonChange(ui->edtLivraisonManutention, &TPoseLivraison::setLivraison_manutention_prix,
                        QStringLiteral("Veuillez saisir un chiffre correct pour la manutention."));
}

void TFicheModeNormal::cbLivraisonClick()
{
    const bool coche = ui->cbLivraison->isChecked();
    if (!coche) {
        ui->cbLivraisonCompliquee->setChecked(false);
        ui->cbLivraisonAutorisation->setChecked(false);
        ui->cbLivraisonManutention->setChecked(false);
    }
    poseDevis->setLivraison_choix(coche);
    AfficherTotaux();
}

void TFicheModeNormal::ChoixLivraisonChange(QCheckBox *option,
                                            void (TPoseLivraison::*stocker)(bool))
{
    const bool coche = option->isChecked();
    if (coche)
        ui->cbLivraison->setChecked(true);
    ((*poseDevis).*stocker)(coche);
    AfficherTotaux();
}

void TFicheModeNormal::cbLivraisonCompliqueeClick()
{
    ChoixLivraisonChange(ui->cbLivraisonCompliquee, &TPoseLivraison::setLivraison_compliquee_choix);
}

void TFicheModeNormal::cbLivraisonAutorisationClick()
{
    ChoixLivraisonChange(ui->cbLivraisonAutorisation,
                         &TPoseLivraison::setLivraison_autorisation_choix);
}

void TFicheModeNormal::cbLivraisonManutentionClick()
{
    ChoixLivraisonChange(ui->cbLivraisonManutention,
                         &TPoseLivraison::setLivraison_manutention_choix);
}

void TFicheModeNormal::btnValiderClick()
{
    if (!lectureComplete) {
        ShowMessage(QStringLiteral(
            "Le devis n'a pas pu être lu entièrement depuis le fichier d'échange : il ne peut pas "
            "être validé, et le fichier d'échange est laissé tel quel."));
        return;
    }
    EcrireFichierEchange(fichierRecuperation, prefixeArchive, *poseDevis,
                         ui->cbPriseDeCote->isChecked(), *quincailleriesGlobales, *menuiseries);
    accept();
}

void TFicheModeNormal::done(int resultat)
{
    FormClose();
    QDialog::done(resultat);
}

void TFicheModeNormal::FormClose()
{
    ViderListe(ui->lvCategorie);
    ViderListe(ui->lvListe);
    tarifCourant = nullptr;
    menuiserieCourante = nullptr;
    menuiseries->Clear();
    quincailleriesGlobales->Clear();
}
