#include "app/dialogs/frm_assist_pal.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "app/commands/process_wait.h"
#include "app/views/pallet_image.h"
#include "pallet/cape_link.h"
#include "pallet/cape_study.h"
#include "pallet/cif_files.h"
#include "pallet/layer_pattern.h"
#include "platform/number_text.h"
#include "workbench/workbench.h"

namespace brontaxe::app {
namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

QLineEdit* box(const QString& name, const QString& text = QString(), bool readOnly = false) {
    auto* b = new QLineEdit(text);
    b->setObjectName(name);
    b->setAlignment(Qt::AlignRight);
    b->setMaximumWidth(90);
    b->setReadOnly(readOnly);
    return b;
}

QLabel* label(const QString& text, const char* name = nullptr) {
    auto* l = new QLabel(text);
    if (name)
        l->setObjectName(name);
    return l;
}

double number(const QLineEdit* b) {
    return platform::leadingNumber(b->text().toStdString());
}

// A number as the boxes show it.
QString plain(double value) {
    return qs(platform::numberText(static_cast<float>(value)));
}

}  // namespace

frmAssistPal::frmAssistPal(Workbench& wb, pallet::LoadKind kind, const QString& styleText,
                           const QPixmap& vue3D, QWidget* parent)
    : QDialog(parent), wb_(wb), kind_(kind), env_(platform::processEnvironment()) {
    setObjectName("frmAssistPal");
    setWindowTitle(QStringLiteral("Brontaxe - Optimisation Palette"));
    outside_ = pallet::outsideProgramConfigured(
        platform::PrivateProfile(wb_.settings().windowsDirectory()));

    inputs_ = buildInputs(vue3D);
    results_ = buildResults();
    results_->hide();

    lblCalcul_ = label(QString(), "lblCalcul");
    lblCalcul_->setWordWrap(true);
    lblCalcul_->setText(
        outside_ ? QStringLiteral("Calcul par le programme de palettisation CAPE (réglages %1).")
                       .arg(pallet::kCapeSettingsFile)
                 : QStringLiteral("Aucun programme de palettisation n'est configuré : Brontaxe "
                                  "calcule lui-même le plan de palettisation."));
    Command1_ = new QPushButton(QStringLiteral("Calcul / Optimisation"));
    Command1_->setObjectName("Command1");
    Command1_->setDefault(true);
    auto* close = new QPushButton(QStringLiteral("Fermer"));
    close->setObjectName("Command2");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblCalcul_, 1);
    buttons->addWidget(Command1_);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(results_);
    layout->addWidget(inputs_);
    layout->addLayout(buttons);

    startValues(styleText);
    connect(Combo2_, &QComboBox::currentIndexChanged, this, [this] { Combo2_Click(); });
    connect(Command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

QWidget* frmAssistPal::buildInputs(const QPixmap& vue3D) {
    auto* inputs = new QWidget;
    auto* row = new QHBoxLayout(inputs);
    row->setContentsMargins(0, 0, 0, 0);

    auto* unit = new QGroupBox(QStringLiteral("Colis"));
    unit->setObjectName("Frame1");
    auto* g = new QGridLayout(unit);
    Text1_ = box("Text1", QString(), true);
    Text1_->setMaximumWidth(140);
    Text46_ = box("Text46");
    Text56_ = box("Text56");
    Text66_ = box("Text66");
    Text47_ = box("Text47");
    Text57_ = box("Text57");
    lbHauteur_ = label(QStringLiteral("Hauteur"), "lbHauteur");
    lbPoids_ = label(QStringLiteral("Poids Brut"), "lbPoids");
    lbPoidsNet_ = label(QStringLiteral("Poids Net"), "lbPoidsNet");
    lbPoidsNetUnit_ = label(QStringLiteral("kg"));
    g->addWidget(label(QStringLiteral("Modèle")), 0, 0);
    g->addWidget(Text1_, 0, 1, 1, 2);
    g->addWidget(label(QStringLiteral("Longueur")), 1, 0);
    g->addWidget(Text46_, 1, 1);
    g->addWidget(label(QStringLiteral("mm")), 1, 2);
    g->addWidget(label(QStringLiteral("Largeur")), 2, 0);
    g->addWidget(Text56_, 2, 1);
    g->addWidget(label(QStringLiteral("mm")), 2, 2);
    g->addWidget(lbHauteur_, 3, 0);
    g->addWidget(Text66_, 3, 1);
    g->addWidget(label(QStringLiteral("mm")), 3, 2);
    g->addWidget(lbPoids_, 4, 0);
    g->addWidget(Text47_, 4, 1);
    g->addWidget(label(QStringLiteral("kg")), 4, 2);
    g->addWidget(lbPoidsNet_, 5, 0);
    g->addWidget(Text57_, 5, 1);
    g->addWidget(lbPoidsNetUnit_, 5, 2);
    if (kind_ == pallet::LoadKind::ErectedCases && !vue3D.isNull()) {
        auto* picture = label(QString(), "Vue3D");
        picture->setPixmap(vue3D.scaled(150, 110, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        g->addWidget(picture, 0, 3, 6, 1);
    }
    row->addWidget(unit);

    auto* palletFrame = new QGroupBox(QStringLiteral("Palette"));
    palletFrame->setObjectName("Frame2");
    auto* p = new QGridLayout(palletFrame);
    Combo2_ = new QComboBox;
    Combo2_->setObjectName("Combo2");
    for (const pallet::PalletType& t : pallet::palletTypes())
        Combo2_->addItem(QString::fromLatin1(t.name.data(), int(t.name.size())));
    lblPalet_ = label(QString(), "lblPalet");
    Tpal_[0] = box("Tpal_0", QStringLiteral("1650"));
    Tpal_[1] = box("Tpal_1", QStringLiteral("1000"));
    p->addWidget(Combo2_, 0, 0, 1, 3);
    p->addWidget(lblPalet_, 1, 0, 1, 3);
    p->addWidget(label(QStringLiteral("Hauteur Maxi")), 2, 0);
    p->addWidget(Tpal_[0], 2, 1);
    p->addWidget(label(QStringLiteral("mm")), 2, 2);
    p->addWidget(label(QStringLiteral("Poids Maxi")), 3, 0);
    p->addWidget(Tpal_[1], 3, 1);
    p->addWidget(label(QStringLiteral("kg")), 3, 2);
    row->addWidget(palletFrame);

    auto* right = new QVBoxLayout;
    auto* truck = new QGroupBox(QStringLiteral("Camion"));
    truck->setObjectName("Frame3");
    auto* t = new QGridLayout(truck);
    Tcam_[0] = box("Tcam_0", QStringLiteral("2350"), true);
    Tcam_[1] = box("Tcam_1", QStringLiteral("40000"), true);
    Combo3_ = new QComboBox;
    Combo3_->setObjectName("Combo3");
    Combo3_->addItems({QStringLiteral("20STAN.PA4"), QStringLiteral("40WIDE.PA4")});
    Combo3_->setCurrentIndex(1);  // the truck every study names
    t->addWidget(Combo3_, 0, 0, 1, 3);
    t->addWidget(label(QStringLiteral("Hauteur")), 1, 0);
    t->addWidget(Tcam_[0], 1, 1);
    t->addWidget(label(QStringLiteral("mm")), 1, 2);
    t->addWidget(label(QStringLiteral("Poids")), 2, 0);
    t->addWidget(Tcam_[1], 2, 1);
    t->addWidget(label(QStringLiteral("kg")), 2, 2);
    right->addWidget(truck);

    reportSettings_ = new QGroupBox(QStringLiteral("Rapport CAPE"));
    reportSettings_->setObjectName("Frame4");
    auto* r = new QGridLayout(reportSettings_);
    const char* captions[] = {"Type de rapport", "Largeur image", "Hauteur image"};
    const char* starts[] = {"0", "100", "100"};
    for (int i = 0; i < 3; ++i) {
        Text3_[i] = box(QStringLiteral("Text3_%1").arg(i), QString::fromLatin1(starts[i]));
        r->addWidget(label(QString::fromUtf8(captions[i])), i, 0);
        r->addWidget(Text3_[i], i, 1);
    }
    reportSettings_->setEnabled(outside_);
    right->addWidget(reportSettings_);
    row->addLayout(right);
    return inputs;
}

QGroupBox* frmAssistPal::buildResults() {
    auto* frame = new QGroupBox(QStringLiteral("Résultats"));
    frame->setObjectName("FrameResultats");
    auto* row = new QHBoxLayout(frame);
    auto* g = new QGridLayout;
    const char* columns[] = {"Longueur", "Largeur", "Hauteur", "Poids Net", "Poids Brut"};
    for (int c = 0; c < 5; ++c)
        g->addWidget(label(QString::fromUtf8(columns[c])), 0, c + 1, Qt::AlignCenter);
    for (int i = 0; i < 23; ++i)
        Text2_[i] = box(QStringLiteral("Text2_%1").arg(i), QStringLiteral("0"), true);
    const std::pair<const char*, int> rows[] = {
        {"Produits", 0}, {"Total Produits", 5}, {"Palette", 13}, {"Total Chargement", 18}};
    int line = 1;
    for (const auto& [caption, first] : rows) {
        g->addWidget(label(QString::fromUtf8(caption)), line, 0);
        for (int c = 0; c < 5; ++c)
            g->addWidget(Text2_[first + c], line, c + 1);
        ++line;
    }
    for (int hidden : pallet::ResultGrid::kHidden)
        Text2_[hidden]->hide();
    const char* counts[] = {"Colis par Couche", "Nbre de Couches", "Total Colis/ Palette"};
    for (int i = 0; i < 3; ++i) {
        g->addWidget(label(QString::fromUtf8(counts[i])), line, 0, 1, 2);
        g->addWidget(Text2_[10 + i], line, 2);
        ++line;
    }
    g->addWidget(label(QStringLiteral("Remplissage Palette")), line, 0, 1, 2);
    Text4_[0] = box("Text4_0", QStringLiteral("0"), true);
    Text4_[1] = box("Text4_1", QStringLiteral("0"), true);
    g->addWidget(label(QStringLiteral("Surface")), line, 2, Qt::AlignRight);
    g->addWidget(Text4_[0], line, 3);
    g->addWidget(label(QStringLiteral("%")), line, 4);
    ++line;
    g->addWidget(label(QStringLiteral("Volume")), line, 2, Qt::AlignRight);
    g->addWidget(Text4_[1], line, 3);
    g->addWidget(label(QStringLiteral("%")), line, 4);
    ++line;
    lblPlan_ = label(QString(), "lblPlan");
    lblPlan_->setWordWrap(true);
    g->addWidget(lblPlan_, line, 0, 1, 6);
    g->setRowStretch(line + 1, 1);
    row->addLayout(g);
    image_ = new PalletImage;
    image_->setObjectName("FrameImage");
    image_->setMinimumSize(420, 320);
    row->addWidget(image_, 1);
    return frame;
}

void frmAssistPal::startValues(const QString& styleText) {
    const Model& m = wb_.model();
    Text1_->setText(styleText);
    if (kind_ == pallet::LoadKind::FlatBlanks) {
        const Drawing& d = wb_.drawing();
        Text46_->setText(plain(d.BlankSizeX()));
        Text56_->setText(plain(d.BlankSizeY()));
        Text66_->setText(plain(m.EpaisseurCarton));
        Text47_->setText(QStringLiteral("0.3"));
        lbPoids_->setText(QStringLiteral("Poids de la Plaque"));
        lbHauteur_->setText(QStringLiteral("Epaisseur"));
        Text57_->hide();
        lbPoidsNet_->hide();
        lbPoidsNetUnit_->hide();
    } else {
        const float e2 = 2 * m.EpaisseurCarton;
        Text46_->setText(plain(m.Longueur + e2));
        Text56_->setText(plain(m.Largeur + e2));
        Text66_->setText(plain(m.Hauteur + e2));
        Text47_->setText(QStringLiteral("5"));
        Text57_->setText(QStringLiteral("4.7"));
    }
    Combo2_->setCurrentIndex(0);
    Combo2_Click();
}

void frmAssistPal::Combo2_Click() {
    lblPalet_->setText(
        qs(pallet::palletDescription(pallet::palletType(Combo2_->currentText().toStdString()))));
}

pallet::PalletStudy frmAssistPal::study() const {
    pallet::PalletStudy s;
    s.kind = kind_;
    s.length = Text46_->text().toStdString();
    s.width = Text56_->text().toStdString();
    s.height = Text66_->text().toStdString();
    s.unitWeight = Text47_->text().toStdString();
    s.netWeight = Text57_->text().toStdString();
    s.pallet = Combo2_->currentText().toStdString();
    s.maxHeight = Tpal_[0]->text().toStdString();
    s.maxWeight = Tpal_[1]->text().toStdString();
    s.reportType = Text3_[0]->text().toStdString();
    s.imageWidth = Text3_[1]->text().toStdString();
    s.imageHeight = Text3_[2]->text().toStdString();
    return s;
}

void frmAssistPal::Command1_Click() {
    const pallet::PalletStudy s = study();
    if (outside_ ? runOutsideProgram(s) : runBuiltIn(s))
        showResults();
}

bool frmAssistPal::runBuiltIn(const pallet::PalletStudy& s) {
    pallet::LoadUnit unit;
    unit.length = number(Text46_);
    unit.width = number(Text56_);
    unit.height = number(Text66_);
    unit.grossWeight = number(Text47_);
    unit.netWeight = kind_ == pallet::LoadKind::FlatBlanks ? unit.grossWeight : number(Text57_);
    const pallet::PalletType& type = pallet::palletType(s.pallet);
    const pallet::LoadPlan plan =
        pallet::planLoad(unit, type, {number(Tpal_[0]), number(Tpal_[1])});
    if (!plan.load) {
        QMessageBox::warning(this, windowTitle(), qs(plan.refusal));
        return false;
    }
    LitResultats(pallet::gridFromLoad(unit, type, *plan.load));
    const pallet::PalletLoad& load = *plan.load;
    lblPlan_->setText(
        QStringLiteral("Plan de couche calculé par Brontaxe : %1, %2 colis par couche, %3 "
                       "couches (limite : %4).")
            .arg(qs(load.layer.name))
            .arg(load.layer.units.size())
            .arg(load.layers)
            .arg(load.weightLimited ? QStringLiteral("poids maxi")
                                    : QStringLiteral("hauteur maxi")));
    image_->showPicture(
        QPixmap::fromImage(drawLayerPlan(type, load.layer, image_->minimumSize() * 2)));
    return true;
}

bool frmAssistPal::runOutsideProgram(const pallet::PalletStudy& s) {
    const platform::PrivateProfile profile(wb_.settings().windowsDirectory());
    const std::string rep =
        wb_.model().RepPalette.empty() ? "c:\\korvane\\" : wb_.model().RepPalette;
    const pallet::Preparation prepared = pallet::prepareCapeStudy(
        profile, s, rep, pallet::shortDate(std::chrono::system_clock::now()), env_);
    if (!prepared.study) {
        if (prepared.missingSettings)
            QMessageBox::information(this, QString::fromLatin1(pallet::kCapeMissingTitle),
                                     qs(prepared.problem));
        else
            QMessageBox::warning(this, windowTitle(), qs(prepared.problem));
        return false;
    }
    inputs_->hide();
    Command1_->hide();
    QString problem;
    const WaitOutcome outcome =
        runAndWait(this, prepared.study->argv, QStringLiteral("CAPE"), &problem);
    if (outcome != WaitOutcome::Ended) {
        inputs_->show();
        Command1_->show();
        if (outcome == WaitOutcome::NotStarted)
            QMessageBox::warning(this, windowTitle(), problem);
        return false;
    }
    const auto collected = pallet::collectCapeResults(profile, kind_, grid_, rep, env_);
    if (!collected) {
        QMessageBox::information(this, windowTitle(), qs(pallet::kNoPalletResult));
        reject();
        return false;
    }
    LitResultats(collected->grid);
    lblPlan_->setText(QStringLiteral("Résultats du programme CAPE."));
    if (collected->image)
        image_->showPicture(QPixmap(QString::fromStdString(collected->image->string())));
    return true;
}

void frmAssistPal::LitResultats(const pallet::ResultGrid& grid) {
    grid_ = grid;
    for (std::size_t i = 0; i < Text2_.size(); ++i)
        Text2_[i]->setText(qs(grid.Text2[i]));
    Text4_[0]->setText(qs(grid.Text4[0]));
    Text4_[1]->setText(qs(grid.Text4[1]));
}

void frmAssistPal::showResults() {
    inputs_->hide();
    Command1_->hide();
    lblCalcul_->hide();
    results_->show();
    adjustSize();
}

}  // namespace brontaxe::app
