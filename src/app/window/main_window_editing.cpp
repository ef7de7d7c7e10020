// The edit mode of MainWindow: the "Édition" menu's entries and tool bar, the command line
// under the drawing, the "Propriétés" dock, and each edit made a step of the design.

#include <QActionGroup>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "app/window/check_panel.h"
#include "app/window/edit_controller.h"
#include "app/window/main_window.h"
#include "app/window/properties_panel.h"
#include "editing/snapping.h"

namespace brontaxe::app {
namespace {

using editing::ToolKind;

struct ToolEntry {
    ToolKind kind;
    const char* name;  // the action's object name
};
// In the order of the menus.
constexpr std::array<std::array<ToolEntry, 7>, 3> kToolGroups{{
    {{{ToolKind::Line, "mnedition_ligne"},
      {ToolKind::Polyline, "mnedition_polyligne"},
      {ToolKind::ArcThreePoints, "mnedition_arc3points"},
      {ToolKind::ArcCentre, "mnedition_arccentre"},
      {ToolKind::Circle, "mnedition_cercle"},
      {ToolKind::Rectangle, "mnedition_rectangle"},
      {ToolKind::RoundedRectangle, "mnedition_rectanglearrondi"}}},
    {{{ToolKind::Move, "mnedition_deplacer"},
      {ToolKind::Copy, "mnedition_copier"},
      {ToolKind::Rotate, "mnedition_rotation"},
      {ToolKind::Mirror, "mnedition_miroir"},
      {ToolKind::Delete, "mnedition_supprimer"},
      {ToolKind::Trim, "mnedition_ajuster"},
      {ToolKind::Extend, "mnedition_prolonger"}}},
    {{{ToolKind::Split, "mnedition_couper"},
      {ToolKind::Fillet, "mnedition_raccord"},
      {ToolKind::Offset, "mnedition_decaler"},
      {ToolKind::MeasureDistance, "mnedition_mesuredistance"},
      {ToolKind::MeasureAngle, "mnedition_mesureangle"}}},
}};

struct SnapEntry {
    editing::SnapKind kind;
    const char* name;
    bool editing::SnapSettings::*setting;
};
constexpr std::array<SnapEntry, 7> kSnaps{{
    {editing::SnapKind::End, "accrochage_extremite", &editing::SnapSettings::end},
    {editing::SnapKind::Middle, "accrochage_milieu", &editing::SnapSettings::middle},
    {editing::SnapKind::Centre, "accrochage_centre", &editing::SnapSettings::centre},
    {editing::SnapKind::Intersection, "accrochage_intersection",
     &editing::SnapSettings::intersection},
    {editing::SnapKind::Perpendicular, "accrochage_perpendiculaire",
     &editing::SnapSettings::perpendicular},
    {editing::SnapKind::Nearest, "accrochage_proche", &editing::SnapSettings::nearest},
    {editing::SnapKind::Grid, "accrochage_grille", &editing::SnapSettings::grid},
}};

// The sub-menus of "Édition" that hold the tools, each a drop-down button of the tool bar.
struct ToolMenu {
    const char* title;
    const char* name;  // the menu's object name
};
constexpr std::array<ToolMenu, 3> kToolMenus{{
    {"Dessiner", "mnedition_dessiner"},
    {"Modifier", "mnedition_modifier"},
    {"Mesurer", "mnedition_mesurer"},
}};

const ToolMenu* menuOf(ToolKind kind) {
    if (kind <= ToolKind::RoundedRectangle)
        return &kToolMenus[0];
    if (kind == ToolKind::MeasureDistance || kind == ToolKind::MeasureAngle)
        return &kToolMenus[2];
    return &kToolMenus[1];
}

// The kinds new elements are drawn with, as the tool bar's list offers them.
constexpr std::array<LineKind, 5> kPenKinds{kind::Cut, kind::Crease, kind::Perforation,
                                            kind::HalfCut, kind::PerforatedCrease};

}  // namespace

void MainWindow::buildEditing() {
    drawingPane_ = new QWidget;
    drawingPane_->setObjectName("zoneDessin");
    auto* column = new QVBoxLayout(drawingPane_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(drawingView_, 1);
    column->addWidget(buildCommandRow());

    EditHost host;
    host.blank = [this]() -> const std::vector<Element>& { return wb_.editableBlank(); };
    host.drawing = [this] { return std::span<const Element>(wb_.drawing().elements()); };
    host.apply = [this](std::vector<Element> edited) { applyBlankEdit(std::move(edited)); };
    host.say = [this](const QString& text, bool fault) { say(text, fault); };
    editController_ =
        new EditController(*drawingView_, *drawingPane_->findChild<QLineEdit*>("ligneCommande"),
                           *drawingPane_->findChild<QLabel*>("invite"), std::move(host), this);

    propertiesPanel_ = new PropertiesPanel(this);
    addDockWidget(Qt::RightDockWidgetArea, propertiesPanel_);
    propertiesPanel_->hide();
    editToolBar_ = buildEditToolBar();
    addToolBar(Qt::TopToolBarArea, editToolBar_);
    editToolBar_->hide();
    addEditMenuEntries();

    connect(editController_, &EditController::selectionChanged, this,
            [this] { showSelectedProperties(); });
    connect(editController_, &EditController::toolChanged, this, [this] { followTool(); });
    connect(propertiesPanel_, &PropertiesPanel::propertyEdited, this,
            [this](editing::Property p, double v) { editProperty(p, v); });
}

QWidget* MainWindow::buildCommandRow() {
    commandRow_ = new QWidget;
    commandRow_->setObjectName("ligneCommandeZone");
    auto* row = new QHBoxLayout(commandRow_);
    row->setContentsMargins(4, 0, 4, 0);
    auto* prompt = new QLabel;
    prompt->setObjectName("invite");
    auto* line = new QLineEdit;
    line->setObjectName("ligneCommande");
    line->setPlaceholderText(QStringLiteral("x;y   @dx;dy   @longueur<angle   valeur"));
    line->setToolTip(
        QStringLiteral("Coordonnées en millimètres, virgule décimale : x;y absolu, @dx;dy "
                       "relatif, @longueur<angle polaire ; Entrée valide, Échap annule"));
    row->addWidget(prompt);
    row->addWidget(line, 1);
    commandRow_->hide();
    return commandRow_;
}

// The tools in three drop-down buttons, one a sub-menu of "Édition" ("Dessiner", "Modifier",
// "Mesurer"), and the snaps in a fourth: the bar holds in a 1024-pixel window. Each button
// starts the tool last chosen from its list.
QToolBar* MainWindow::buildEditToolBar() {
    auto* bar = new QToolBar(QStringLiteral("Édition"), this);
    bar->setObjectName("barreEdition");
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    editModeAction_ = new QAction(QStringLiteral("Mode édition"), this);
    editModeAction_->setObjectName("mnedition_mode");
    editModeAction_->setCheckable(true);
    editModeAction_->setShortcut(QKeySequence(Qt::Key_F9));
    connect(editModeAction_, &QAction::toggled, this, [this](bool on) { setEditMode(on); });
    bar->addAction(editModeAction_);
    bar->addSeparator();

    toolGroup_ = new QActionGroup(this);
    selectAction_ = new QAction(QStringLiteral("Sélection"), toolGroup_);
    selectAction_->setObjectName("mnedition_selection");
    selectAction_->setCheckable(true);
    selectAction_->setChecked(true);
    connect(selectAction_, &QAction::triggered, this,
            [this] { editController_->startTool(std::nullopt); });
    bar->addAction(selectAction_);
    bar->addSeparator();
    for (const ToolMenu& toolMenu : kToolMenus) {
        auto* menu = new QMenu(QString::fromUtf8(toolMenu.title), this);
        menu->setObjectName(toolMenu.name);
        editSubMenus_.push_back(menu);
        for (const auto& group : kToolGroups) {
            for (const ToolEntry& entry : group) {
                if (entry.name && menuOf(entry.kind) == &toolMenu)
                    addToolAction(menu, entry.kind, entry.name);
            }
        }
        bar->addWidget(menuButton(menu, QStringLiteral("bouton_%1").arg(toolMenu.name)));
    }
    bar->addSeparator();
    auto* pen = new QComboBox;
    pen->setObjectName("typeTrace");
    pen->setToolTip(QStringLiteral("Type des éléments tracés"));
    for (const LineKind k : kPenKinds)
        pen->addItem(lineKindName(k), lineKindNumber(k));
    connect(pen, &QComboBox::activated, this, [this](int index) {
        LineStyle drawingPen = editController_->pen();
        drawingPen.kind = kPenKinds.at(static_cast<std::size_t>(index));
        editController_->setPen(drawingPen);
    });
    bar->addWidget(pen);
    bar->addSeparator();
    QMenu* snaps = buildSnapMenu();
    editSubMenus_.push_back(snaps);
    auto* snapButton = new QToolButton;
    snapButton->setObjectName("bouton_accrochages");
    snapButton->setText(snaps->title());
    snapButton->setToolTip(QStringLiteral("Points accrochés par les outils"));
    snapButton->setMenu(snaps);
    snapButton->setPopupMode(QToolButton::InstantPopup);
    snapButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addWidget(snapButton);
    return bar;
}

void MainWindow::addToolAction(QMenu* menu, ToolKind kind, const char* name) {
    auto* action = new QAction(QString::fromUtf8(editing::toolName(kind)), toolGroup_);
    action->setObjectName(name);
    action->setCheckable(kind != ToolKind::Delete);
    action->setToolTip(menu->title() + QStringLiteral(" : ") + action->text());
    connect(action, &QAction::triggered, this, [this, kind] {
        if (!editMode())
            setEditMode(true);
        editController_->startTool(kind);
        followTool();
    });
    menu->addAction(action);
    toolActions_.emplace_back(kind, action);
}

// A button that starts the tool last chosen from `menu` (the first at the start), its arrow
// the whole list.
QToolButton* MainWindow::menuButton(QMenu* menu, const QString& name) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setMenu(menu);
    button->setPopupMode(QToolButton::MenuButtonPopup);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setDefaultAction(menu->actions().front());
    connect(menu, &QMenu::triggered, button, [button](QAction* chosen) {
        // A one-shot command (Supprimer) runs from the list; the button keeps its tool.
        if (chosen->isCheckable())
            button->setDefaultAction(chosen);
    });
    return button;
}

QMenu* MainWindow::buildSnapMenu() {
    auto* snaps = new QMenu(QStringLiteral("Accrochages"), this);
    snaps->setObjectName("mnedition_accrochages");
    const editing::SnapSettings settings = editController_->snapSettings();
    for (const SnapEntry& entry : kSnaps) {
        auto* action = snaps->addAction(QString::fromUtf8(editing::snapName(entry.kind)));
        action->setObjectName(entry.name);
        action->setCheckable(true);
        action->setChecked(settings.*entry.setting);
        const auto setting = entry.setting;
        connect(action, &QAction::toggled, this, [this, setting](bool on) {
            editing::SnapSettings changed = editController_->snapSettings();
            changed.*setting = on;
            editController_->setSnapSettings(changed);
        });
    }
    return snaps;
}

void MainWindow::addEditMenuEntries() {
    editMenu_->addSeparator();
    editMenu_->addAction(editModeAction_);
    editMenu_->addAction(selectAction_);
    for (QMenu* menu : editSubMenus_)
        editMenu_->addMenu(menu);
}

bool MainWindow::editMode() const {
    return editController_ && editController_->active();
}

void MainWindow::setEditMode(bool on) {
    if (on == editMode())
        return;
    {
        const QSignalBlocker block(editModeAction_);
        editModeAction_->setChecked(on);
    }
    // The view stops fitting before the bars around it take their room: zoom and pan stay.
    editController_->setActive(on);
    editToolBar_->setVisible(on);
    commandRow_->setVisible(on);
    propertiesPanel_->setVisible(on);
    showSelectedProperties();
    followTool();
    if (on)
        drawingView_->setFocus();
}

QAction* MainWindow::toolAction(editing::ToolKind kind) const {
    for (const auto& [k, action] : toolActions_)
        if (k == kind)
            return action;
    return nullptr;
}

void MainWindow::showSelectedProperties() {
    std::vector<Element> selected;
    const std::vector<Element>& blank = wb_.editableBlank();
    for (std::size_t i : editController_->selection())
        if (i < blank.size())
            selected.push_back(blank[i]);
    propertiesPanel_->showSelection(selected);
}

// A property typed in the panel, for each element selected: all of them change in one step,
// or none when one refuses the value.
void MainWindow::editProperty(editing::Property property, double value) {
    std::vector<Element> edited = wb_.editableBlank();
    for (std::size_t i : editController_->selection()) {
        if (i >= edited.size())
            continue;
        const editing::PropertyChange change = editing::withProperty(edited[i], property, value);
        if (!change.element) {
            say(QString::fromStdString(change.refusal), true);
            showSelectedProperties();
            return;
        }
        edited[i] = *change.element;
    }
    if (edited == wb_.editableBlank())
        return;
    applyBlankEdit(std::move(edited));
}

// The tool bar shows the tool at work.
void MainWindow::followTool() {
    const std::optional<ToolKind> tool = editController_->tool();
    QAction* current = tool ? toolAction(*tool) : nullptr;
    if (!current || !current->isCheckable())
        current = selectAction_;
    current->setChecked(true);
}

}  // namespace brontaxe::app
