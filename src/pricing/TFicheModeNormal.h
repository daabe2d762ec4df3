#pragma once

#include <QDialog>
#include <QIcon>
#include <QString>

#include <memory>

class QCheckBox;
class QLineEdit;
class TDMPose;
class TMenuiserie;
class TMenuiseries;
class TPoseLivraison;
class TQuincailleries;
class TTarif;

namespace Ui {
class TFicheModeNormal;
}

// The quote pricing screen, shown modally in CREATION and MAJ modes. It owns the quote while it
// is open: read from the exchange file at its first activation, edited here, and written back
// to the same file by "Valider". Closing it any other way writes nothing.
class TFicheModeNormal : public QDialog {
    Q_OBJECT
public:
    explicit TFicheModeNormal(TDMPose &dm, QWidget *parent = nullptr);
    ~TFicheModeNormal() override;

    void SetFichierConfiguration(const QString &fichier);
    void SetFichierRecuperation(const QString &fichier);
    const QString &FichierConfiguration() const { return fichierConfiguration; }
    const QString &FichierRecuperation() const { return fichierRecuperation; }
    const QString &PrefixeArchive() const { return prefixeArchive; }

    // The quote as the screen holds it.
    TPoseLivraison &PoseDevis() { return *poseDevis; }
    TMenuiseries &Menuiseries() { return *menuiseries; }
    TQuincailleries &QuincailleriesGlobales() { return *quincailleriesGlobales; }
    TMenuiserie *MenuiserieCourante() const { return menuiserieCourante; }
    TTarif *TarifCourant() const { return tarifCourant; }
    // False when the exchange file could not be read to its end: the screen then never writes.
    bool LectureComplete() const { return lectureComplete; }

    // Whether a row of the item list or of the line list is drawn in red: its line (or one of
    // its item's lines) differs from the catalogue's general tariff.
    bool MenuiserieEnRouge(int ligne) const;
    bool TarifEnRouge(int ligne) const;

    std::unique_ptr<Ui::TFicheModeNormal> ui;

public slots:
    void FormActivate();
    void lvListeChange();
    void btnPrecedentClick();
    void btnSuivantClick();
    void lvCategorieChange();
    void btnModeClick();
    void lvPoseClick();
    void edtLivraisonChange();
    void edtLivraisonCompliqueeChange();
    void edtLivraisonAutorisationChange();
    void edtLivraisonManutentionChange();
    void cbLivraisonClick();
    void cbLivraisonCompliqueeClick();
    void cbLivraisonAutorisationClick();
    void cbLivraisonManutentionClick();
    void btnValiderClick();

public:
    // Refresh operations, shared with the line commands.
    void MajNavigation();
    void AfficherMenuiserie();
    void AfficherTarif();
    void AfficherQuincaillerieTarif();
    void AfficherQuincailleriesGlobales();
    void AfficherTotauxMenuiserie();
    void AfficherTotaux();
    void PreRemplirTarifs();

protected:
    void showEvent(QShowEvent *evenement) override;
    void done(int resultat) override;

private:
    void FormClose();
    void MajBoutonMode();
    void AfficherLectureDevis(bool poseTrouvee, bool cotesTrouve, bool cotes, bool globalTrouve);
    void RemplirListeMenuiseries();
    void AfficherPoseDevis();
    void SelectionnerLigne(int ligne);
    int LigneSelectionnee() const;
    void PrixLivraisonChange(QLineEdit *edition, void (TPoseLivraison::*stocker)(double),
                             const QString &message);
    void ChoixLivraisonChange(QCheckBox *option, void (TPoseLivraison::*stocker)(bool));

    TDMPose &m_dm;
    QString dossierXml;
    QString prefixeArchive;
    QString fichierConfiguration;
    QString fichierRecuperation;
    std::unique_ptr<TPoseLivraison> poseDevis;
    std::unique_ptr<TMenuiseries> menuiseries;
    TMenuiserie *menuiserieCourante = nullptr;
    TTarif *tarifCourant = nullptr;
    std::unique_ptr<TQuincailleries> quincailleriesGlobales;
    bool premiereActivation = true;
    bool lectureComplete = false;
    QIcon imgListe;
};
