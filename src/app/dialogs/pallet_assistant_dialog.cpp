#include "app/dialogs/pallet_assistant_dialog.h"

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
#include "app/window/qt_text.h"
#include "pallet/cape_link.h"
#include "pallet/cape_study.h"
#include "pallet/cif_files.h"
#include "pallet/layer_pattern.h"
#include "platform/number_text.h"
#include "platform/user_number.h"
#include "workbench/workbench.h"

namespace brontaxe::app {
namespace {

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

// What a box reads as: "4,7" as well as "4.7".
double number(const QLineEdit* b) {
    const std::string text = b->text().toStdString();
    return platform::readUserNumber(text).value_or(platform::leadingNumber(text));
}

// A number as the boxes show it.
QString plain(double value) {
    return qs(platform::shownNumber(static_cast<float>(value)));
}

// A result as the user reads it: the figures the study wrote, with the decimal comma.
QString figure(const std::string& text) {
    return qs(platform::withDecimalComma(text));
}

}  // namespace

PalletAssistantDialog::PalletAssistantDialog(Workbench& wb, pallet::LoadKind kind,
                                             const QString& styleText, const QPixmap& preview,
                                             QWidget* parent)
    : QDialog(parent), wb_(wb), kind_(kind), env_(platform::processEnvironment()) {
    setObjectName("frmAssistPal");
    setWindowTitle(QStringLiteral("Brontaxe - Optimisation Palette"));
    outside_ = pallet::outsideProgramConfigured(
        platform::PrivateProfile(wb_.settings().windowsDirectory()));

    inputs_ = buildInputs(preview);
    results_ = buildResults();
    results_->hide();

    methodNote_ = label(QString(), "lblCalcul");
    methodNote_->setWordWrap(true);
    methodNote_->setText(
        outside_ ? QStringLiteral("Calcul par le programme de palettisation CAPE (réglages %1).")
                       .arg(pallet::kCapeSettingsFile)
                 : QStringLiteral("Aucun programme de palettisation n'est configuré : Brontaxe "
                                  "calcule lui-même le plan de palettisation."));
    computeButton_ = new QPushButton(QStringLiteral("Calcul / Optimisation"));
    computeButton_->setObjectName("Command1");
    computeButton_->setDefault(true);
    auto* close = new QPushButton(QStringLiteral("Fermer"));
    close->setObjectName("Command2");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(methodNote_, 1);
    buttons->addWidget(computeButton_);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(results_);
    layout->addWidget(inputs_);
    layout->addLayout(buttons);

    startValues(styleText);
    connect(palletCombo_, &QComboBox::currentIndexChanged, this, [this] { palletChosen(); });
    connect(computeButton_, &QPushButton::clicked, this, [this] { compute(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

QWidget* PalletAssistantDialog::buildInputs(const QPixmap& preview) {
    auto* inputs = new QWidget;
    auto* row = new QHBoxLayout(inputs);
    row->setContentsMargins(0, 0, 0, 0);

    auto* unit = new QGroupBox(QStringLiteral("Colis"));
    unit->setObjectName("Frame1");
    auto* g = new QGridLayout(unit);
    styleBox_ = box("Text1", QString(), true);
    styleBox_->setMaximumWidth(140);
    lengthBox_ = box("Text46");
    widthBox_ = box("Text56");
    heightBox_ = box("Text66");
    grossWeightBox_ = box("Text47");
    netWeightBox_ = box("Text57");
    heightCaption_ = label(QStringLiteral("Hauteur"), "lbHauteur");
    grossWeightCaption_ = label(QStringLiteral("Poids Brut"), "lbPoids");
    netWeightCaption_ = label(QStringLiteral("Poids Net"), "lbPoidsNet");
    netWeightUnit_ = label(QStringLiteral("kg"));
    g->addWidget(label(QStringLiteral("Modèle")), 0, 0);
    g->addWidget(styleBox_, 0, 1, 1, 2);
    g->addWidget(label(QStringLiteral("Longueur")), 1, 0);
    g->addWidget(lengthBox_, 1, 1);
    g->addWidget(label(QStringLiteral("mm")), 1, 2);
    g->addWidget(label(QStringLiteral("Largeur")), 2, 0);
    g->addWidget(widthBox_, 2, 1);
    g->addWidget(label(QStringLiteral("mm")), 2, 2);
    g->addWidget(heightCaption_, 3, 0);
    g->addWidget(heightBox_, 3, 1);
    g->addWidget(label(QStringLiteral("mm")), 3, 2);
    g->addWidget(grossWeightCaption_, 4, 0);
    g->addWidget(grossWeightBox_, 4, 1);
    g->addWidget(label(QStringLiteral("kg")), 4, 2);
    g->addWidget(netWeightCaption_, 5, 0);
    g->addWidget(netWeightBox_, 5, 1);
    g->addWidget(netWeightUnit_, 5, 2);
    if (kind_ == pallet::LoadKind::ErectedCases && !preview.isNull()) {
        auto* picture = label(QString(), "Vue3D");
        picture->setPixmap(preview.scaled(150, 110, Qt::KeepAspectRatio, Qt::SmoothTransformation));
        g->addWidget(picture, 0, 3, 6, 1);
    }
    row->addWidget(unit);

    auto* palletFrame = new QGroupBox(QStringLiteral("Palette"));
    palletFrame->setObjectName("Frame2");
    auto* p = new QGridLayout(palletFrame);
    palletCombo_ = new QComboBox;
    palletCombo_->setObjectName("Combo2");
    for (const pallet::PalletType& t : pallet::palletTypes())
        palletCombo_->addItem(QString::fromLatin1(t.name.data(), int(t.name.size())));
    palletDescription_ = label(QString(), "lblPalet");
    palletLimitBoxes_[0] = box("Tpal_0", QStringLiteral("1650"));
    palletLimitBoxes_[1] = box("Tpal_1", QStringLiteral("1000"));
    p->addWidget(palletCombo_, 0, 0, 1, 3);
    p->addWidget(palletDescription_, 1, 0, 1, 3);
    p->addWidget(label(QStringLiteral("Hauteur Maxi")), 2, 0);
    p->addWidget(palletLimitBoxes_[0], 2, 1);
    p->addWidget(label(QStringLiteral("mm")), 2, 2);
    p->addWidget(label(QStringLiteral("Poids Maxi")), 3, 0);
    p->addWidget(palletLimitBoxes_[1], 3, 1);
    p->addWidget(label(QStringLiteral("kg")), 3, 2);
    row->addWidget(palletFrame);

    auto* right = new QVBoxLayout;
    auto* truck = new QGroupBox(QStringLiteral("Camion"));
    truck->setObjectName("Frame3");
    auto* t = new QGridLayout(truck);
    truckLimitBoxes_[0] = box("Tcam_0", QStringLiteral("2350"), true);
    truckLimitBoxes_[1] = box("Tcam_1", QStringLiteral("40000"), true);
    truckCombo_ = new QComboBox;
    truckCombo_->setObjectName("Combo3");
    truckCombo_->addItems({QStringLiteral("20STAN.PA4"), QStringLiteral("40WIDE.PA4")});
    truckCombo_->setCurrentIndex(1);  // the truck every study names
    t->addWidget(truckCombo_, 0, 0, 1, 3);
    t->addWidget(label(QStringLiteral("Hauteur")), 1, 0);
    t->addWidget(truckLimitBoxes_[0], 1, 1);
    t->addWidget(label(QStringLiteral("mm")), 1, 2);
    t->addWidget(label(QStringLiteral("Poids")), 2, 0);
    t->addWidget(truckLimitBoxes_[1], 2, 1);
    t->addWidget(label(QStringLiteral("kg")), 2, 2);
    right->addWidget(truck);

    reportSettings_ = new QGroupBox(QStringLiteral("Rapport CAPE"));
    reportSettings_->setObjectName("Frame4");
    auto* r = new QGridLayout(reportSettings_);
    const char* captions[] = {"Type de rapport", "Largeur image", "Hauteur image"};
    const char* starts[] = {"0", "100", "100"};
    for (int i = 0; i < 3; ++i) {
        reportBoxes_[i] = box(QStringLiteral("Text3_%1").arg(i), QString::fromLatin1(starts[i]));
        r->addWidget(label(QString::fromUtf8(captions[i])), i, 0);
        r->addWidget(reportBoxes_[i], i, 1);
    }
    reportSettings_->setEnabled(outside_);
    right->addWidget(reportSettings_);
    row->addLayout(right);
    return inputs;
}

QGroupBox* PalletAssistantDialog::buildResults() {
    auto* frame = new QGroupBox(QStringLiteral("Résultats"));
    frame->setObjectName("FrameResultats");
    auto* row = new QHBoxLayout(frame);
    auto* g = new QGridLayout;
    const char* columns[] = {"Longueur", "Largeur", "Hauteur", "Poids Net", "Poids Brut"};
    for (int c = 0; c < 5; ++c)
        g->addWidget(label(QString::fromUtf8(columns[c])), 0, c + 1, Qt::AlignCenter);
    for (int i = 0; i < 23; ++i)
        resultBoxes_[i] = box(QStringLiteral("Text2_%1").arg(i), QStringLiteral("0"), true);
    const std::pair<const char*, int> rows[] = {
        {"Produits", 0}, {"Total Produits", 5}, {"Palette", 13}, {"Total Chargement", 18}};
    int line = 1;
    for (const auto& [caption, first] : rows) {
        g->addWidget(label(QString::fromUtf8(caption)), line, 0);
        for (int c = 0; c < 5; ++c)
            g->addWidget(resultBoxes_[first + c], line, c + 1);
        ++line;
    }
    for (int hidden : pallet::ResultGrid::kHidden)
        resultBoxes_[hidden]->hide();
    const char* counts[] = {"Colis par Couche", "Nbre de Couches", "Total Colis/ Palette"};
    for (int i = 0; i < 3; ++i) {
        g->addWidget(label(QString::fromUtf8(counts[i])), line, 0, 1, 2);
        g->addWidget(resultBoxes_[10 + i], line, 2);
        ++line;
    }
    g->addWidget(label(QStringLiteral("Remplissage Palette")), line, 0, 1, 2);
    fillBoxes_[0] = box("Text4_0", QStringLiteral("0"), true);
    fillBoxes_[1] = box("Text4_1", QStringLiteral("0"), true);
    g->addWidget(label(QStringLiteral("Surface")), line, 2, Qt::AlignRight);
    g->addWidget(fillBoxes_[0], line, 3);
    g->addWidget(label(QStringLiteral("%")), line, 4);
    ++line;
    g->addWidget(label(QStringLiteral("Volume")), line, 2, Qt::AlignRight);
    g->addWidget(fillBoxes_[1], line, 3);
    g->addWidget(label(QStringLiteral("%")), line, 4);
    ++line;
    planSource_ = label(QString(), "lblPlan");
    planSource_->setWordWrap(true);
    g->addWidget(planSource_, line, 0, 1, 6);
    g->setRowStretch(line + 1, 1);
    row->addLayout(g);
    image_ = new PalletImage;
    image_->setObjectName("FrameImage");
    image_->setMinimumSize(420, 320);
    row->addWidget(image_, 1);
    return frame;
}

void PalletAssistantDialog::startValues(const QString& styleText) {
    const Model& m = wb_.model();
    styleBox_->setText(styleText);
    if (kind_ == pallet::LoadKind::FlatBlanks) {
        const Drawing& d = wb_.drawing();
        lengthBox_->setText(plain(d.BlankSizeX()));
        widthBox_->setText(plain(d.BlankSizeY()));
        heightBox_->setText(plain(m.EpaisseurCarton));
        grossWeightBox_->setText(QStringLiteral("0,3"));
        grossWeightCaption_->setText(QStringLiteral("Poids de la Plaque"));
        heightCaption_->setText(QStringLiteral("Épaisseur"));
        netWeightBox_->hide();
        netWeightCaption_->hide();
        netWeightUnit_->hide();
    } else {
        const float e2 = 2 * m.EpaisseurCarton;
        lengthBox_->setText(plain(m.Longueur + e2));
        widthBox_->setText(plain(m.Largeur + e2));
        heightBox_->setText(plain(m.Hauteur + e2));
        grossWeightBox_->setText(QStringLiteral("5"));
        netWeightBox_->setText(QStringLiteral("4,7"));
    }
    palletCombo_->setCurrentIndex(0);
    palletChosen();
}

void PalletAssistantDialog::palletChosen() {
    palletDescription_->setText(qs(
        pallet::palletDescription(pallet::palletType(palletCombo_->currentText().toStdString()))));
}

pallet::PalletStudy PalletAssistantDialog::study() const {
    pallet::PalletStudy s;
    s.kind = kind_;
    s.length = lengthBox_->text().toStdString();
    s.width = widthBox_->text().toStdString();
    s.height = heightBox_->text().toStdString();
    s.unitWeight = grossWeightBox_->text().toStdString();
    s.netWeight = netWeightBox_->text().toStdString();
    s.pallet = palletCombo_->currentText().toStdString();
    s.maxHeight = palletLimitBoxes_[0]->text().toStdString();
    s.maxWeight = palletLimitBoxes_[1]->text().toStdString();
    s.reportType = reportBoxes_[0]->text().toStdString();
    s.imageWidth = reportBoxes_[1]->text().toStdString();
    s.imageHeight = reportBoxes_[2]->text().toStdString();
    return s;
}

void PalletAssistantDialog::compute() {
    const pallet::PalletStudy s = study();
    if (outside_ ? runOutsideProgram(s) : runBuiltIn(s))
        showResults();
}

bool PalletAssistantDialog::runBuiltIn(const pallet::PalletStudy& s) {
    pallet::LoadUnit unit;
    unit.length = number(lengthBox_);
    unit.width = number(widthBox_);
    unit.height = number(heightBox_);
    unit.grossWeight = number(grossWeightBox_);
    unit.netWeight =
        kind_ == pallet::LoadKind::FlatBlanks ? unit.grossWeight : number(netWeightBox_);
    const pallet::PalletType& type = pallet::palletType(s.pallet);
    const pallet::LoadPlan plan =
        pallet::planLoad(unit, type, {number(palletLimitBoxes_[0]), number(palletLimitBoxes_[1])});
    if (!plan.load) {
        QMessageBox::warning(this, windowTitle(), qs(plan.refusal));
        return false;
    }
    readResults(pallet::gridFromLoad(unit, type, *plan.load));
    const pallet::PalletLoad& load = *plan.load;
    planSource_->setText(
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

bool PalletAssistantDialog::runOutsideProgram(const pallet::PalletStudy& s) {
    const platform::PrivateProfile profile(wb_.settings().windowsDirectory());
    const std::string palletFolder =
        wb_.model().RepPalette.empty() ? "c:\\korvane\\" : wb_.model().RepPalette;
    const pallet::Preparation prepared = pallet::prepareCapeStudy(
        profile, s, palletFolder, pallet::shortDate(std::chrono::system_clock::now()), env_);
    if (!prepared.study) {
        if (prepared.missingSettings)
            QMessageBox::information(this, QString::fromLatin1(pallet::kCapeMissingTitle),
                                     qs(prepared.problem));
        else
            QMessageBox::warning(this, windowTitle(), qs(prepared.problem));
        return false;
    }
    inputs_->hide();
    computeButton_->hide();
    QString problem;
    const WaitOutcome outcome =
        runAndWait(this, prepared.study->argv, QStringLiteral("CAPE"), &problem);
    if (outcome != WaitOutcome::Ended) {
        inputs_->show();
        computeButton_->show();
        if (outcome == WaitOutcome::NotStarted)
            QMessageBox::warning(this, windowTitle(), problem);
        return false;
    }
    const auto collected = pallet::collectCapeResults(profile, kind_, grid_, palletFolder, env_);
    if (!collected) {
        QMessageBox::information(this, windowTitle(), qs(pallet::kNoPalletResult));
        reject();
        return false;
    }
    readResults(collected->grid);
    planSource_->setText(QStringLiteral("Résultats du programme CAPE."));
    if (collected->image)
        image_->showPicture(QPixmap(QString::fromStdString(collected->image->string())));
    return true;
}

void PalletAssistantDialog::readResults(const pallet::ResultGrid& grid) {
    grid_ = grid;
    for (std::size_t i = 0; i < resultBoxes_.size(); ++i)
        resultBoxes_[i]->setText(figure(grid.Text2[i]));
    fillBoxes_[0]->setText(figure(grid.Text4[0]));
    fillBoxes_[1]->setText(figure(grid.Text4[1]));
}

void PalletAssistantDialog::showResults() {
    inputs_->hide();
    computeButton_->hide();
    methodNote_->hide();
    results_->show();
    adjustSize();
}

}  // namespace brontaxe::app
