#include "app/window/piece_controls.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/window/string_pass.h"
#include "resources/string_table.h"
#include "workbench/pieces.h"

namespace brontaxe::app {
namespace {

// The three pieces in the order of the entries and the check boxes.
struct PieceEntry {
    const char* menuName;
    const char* caption;
};
constexpr std::array<PieceEntry, 3> kPieces{{{"mnmoceaucouvercle", "Couvercle / Extérieur"},
                                             {"mnmoceaufaces", "Faces"},
                                             {"mnmorceaufond", "Fond / Intérieur"}}};

}  // namespace

PieceControls::PieceControls(
    Workbench& wb, const StringTable& strings, QWidget* window,
    std::function<void(const std::function<RegenerationReport()>&)> regenerate,
    std::function<void()> openPasses)
    : QObject(window),
      wb_(wb),
      strings_(strings),
      window_(window),
      regenerate_(std::move(regenerate)),
      openPasses_(std::move(openPasses)) {}

QAction* PieceControls::addEntry(QMenu* menu, const char* name, const QString& caption,
                                 bool checkable, std::function<void()> run) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setCheckable(checkable);
    // The check mark is the model's: the command sets it again once it has run.
    connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    return action;
}

void PieceControls::buildMenus(QMenuBar* bar) {
    QMenu* pieces = bar->addMenu(QStringLiteral("Morceaux"));
    pieces->setObjectName("mnmorceaux");
    allPiecesEntry_ = addEntry(pieces, "mnmorceautous", QStringLiteral("Tous"), true,
                               [this] { allPiecesChosen(); });
    for (int k = 0; k < 3; ++k) {
        const PieceEntry& p = kPieces[static_cast<std::size_t>(k)];
        pieceEntries_[static_cast<std::size_t>(k)] =
            addEntry(pieces, p.menuName, QString::fromUtf8(p.caption), true,
                     [this, k] { pieceBoxClicked(k); });
    }
    pieces->addSeparator();
    twoPieceEntry_ = addEntry(pieces, "mncaisse_en_2", QStringLiteral("Caisse en 2 morceaux"), true,
                              [this] { twoPieceCaseChosen(); });
    fourPieceEntry_ = addEntry(pieces, "mncaisse4", QStringLiteral("Caisse en 4 morceaux"), true,
                               [this] { fourPieceCaseChosen(); });

    QMenu* passes = bar->addMenu(QStringLiteral("Passages-Machine"));
    passes->setObjectName("mnpass");
    addEntry(passes, "mnpassage", QStringLiteral("Passages-Machine..."), false,
             [this] { openPasses_(); });
    passes->addSeparator();
    passAlongXEntry_ = addEntry(passes, "mn_senspassX", QStringLiteral("Sens Passage X"), true,
                                [this] { passDirectionChosen(AlongAxis::X); });
    passAlongYEntry_ = addEntry(passes, "mn_senspassY", QStringLiteral("Sens Passage Y"), true,
                                [this] { passDirectionChosen(AlongAxis::Y); });
}

void PieceControls::buildCheckBoxes(QBoxLayout* column) {
    for (int k = 0; k < 3; ++k) {
        auto* box = new QCheckBox;
        box->setObjectName(QStringLiteral("Check1_%1").arg(k));
        box->setToolTip(QString::fromUtf8(kPieces[static_cast<std::size_t>(k)].caption));
        connect(box, &QCheckBox::clicked, this, [this, k] { pieceBoxClicked(k); });
        pieceBoxes_[static_cast<std::size_t>(k)] = box;
        column->addWidget(box, 0, Qt::AlignHCenter);
    }
}

void PieceControls::pieceBoxClicked(int k) {
    if (updatingChecks_)
        return;
    updatingChecks_ = true;
    regenerate_([this, k] { return wb_.choosePiece(static_cast<Piece>(k)); });
    updatingChecks_ = false;
    show();
}

void PieceControls::allPiecesChosen() {
    updatingChecks_ = true;
    regenerate_([this] { return wb_.chooseAllPieces(); });
    updatingChecks_ = false;
    show();
}

void PieceControls::twoPieceCaseChosen() {
    regenerate_([this] { return wb_.toggleTwoPieceCase(); });
    show();
}

bool PieceControls::ask(const QString& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("4 pièces"), frenchSpacing(question),
                    QMessageBox::NoButton, window_);
    QPushButton* yes = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

void PieceControls::fourPieceCaseChosen() {
    std::int16_t variant = 0;
    if (wb_.model().CaisseEn4 == 0) {
        const bool head = ask(QString::fromStdString(strings_.text(1283)));
        const bool eachPanel = ask(QString::fromStdString(strings_.text(1284)));
        variant = fourPieceVariant(head, eachPanel);
    }
    regenerate_([this, variant] { return wb_.setFourPieceCase(variant); });
    show();
}

void PieceControls::passDirectionChosen(AlongAxis direction) {
    regenerate_([this, direction] { return wb_.togglePassDirection(direction); });
    show();
}

void PieceControls::show() {
    const PieceMenuState s = pieceMenuState(wb_.model());
    allPiecesEntry_->setChecked(s.allPieces);
    for (std::size_t k = 0; k < 3; ++k) {
        pieceEntries_[k]->setChecked(s.onlyPiece[k]);
        const QSignalBlocker block(pieceBoxes_[k]);
        pieceBoxes_[k]->setChecked(s.pieceBoxes[k]);
    }
    twoPieceEntry_->setChecked(s.twoPieces);
    fourPieceEntry_->setChecked(s.fourPieces);
    twoPieceEntry_->setEnabled(s.multiPieceEnabled);
    fourPieceEntry_->setEnabled(s.multiPieceEnabled);
    passAlongXEntry_->setChecked(s.passX);
    passAlongYEntry_->setChecked(s.passY);
}

}  // namespace brontaxe::app
