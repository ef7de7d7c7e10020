#include "app/window/edit_controller.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <cmath>

#include "app/views/drawing_view.h"
#include "app/window/qt_text.h"
#include "editing/blank_edits.h"
#include "editing/coordinate_entry.h"
#include "editing/picking.h"
#include "platform/number_text.h"

namespace brontaxe::app {
namespace {

// On screen, in pixels: how near the cursor an element is picked, how near a point snaps,
// and how far the button must travel before a click becomes a selection window.
constexpr double kPickPx = 6;
constexpr double kSnapPx = 10;
constexpr double kDragPx = 4;

QString mm(double value) {
    return qs(platform::readableNumber(value, "mm"));
}

QString degrees(double value) {
    return qs(platform::readableNumber(value)) + QStringLiteral("°");
}

const QString kSelectingPrompt = QStringLiteral("Sélectionnez (clic, ou fenêtre) :");

}  // namespace

EditController::EditController(DrawingView& view, QLineEdit& commandLine, QLabel& prompt,
                               EditHost host, QObject* parent)
    : QObject(parent),
      view_(view),
      commandLine_(commandLine),
      prompt_(prompt),
      host_(std::move(host)) {
    connect(&view_, &DrawingView::editPressed, this,
            [this](QPointF at, Qt::KeyboardModifiers m) { pressed(at, m); });
    connect(&view_, &DrawingView::editMoved, this,
            [this](QPointF at, bool down) { moved(at, down); });
    connect(&view_, &DrawingView::editReleased, this,
            [this](QPointF at, Qt::KeyboardModifiers m) { released(at, m); });
    connect(&view_, &DrawingView::editKey, this,
            [this](int key, const QString& text) { keyPressed(key, text); });
    connect(&commandLine_, &QLineEdit::returnPressed, this, [this] { commandEntered(); });
    commandLine_.installEventFilter(this);
}

bool EditController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &commandLine_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        escape();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

EditController::~EditController() = default;

void EditController::setActive(bool on) {
    if (on == active_)
        return;
    active_ = on;
    tool_.reset();
    selection_.clear();
    snap_.reset();
    windowing_ = false;
    pressAt_.reset();
    commandLine_.clear();
    view_.setEditing(on);
    showPrompt();
    showOverlay();
    emit toolChanged();
    emit selectionChanged();
}

bool EditController::startTool(std::optional<editing::ToolKind> kind) {
    if (kind == editing::ToolKind::Delete) {
        // Nothing to ask: the selection goes at once.
        deleteSelection();
        return true;
    }
    if (kind && editing::needsSelection(*kind) && selection_.empty()) {
        host_.say(QStringLiteral("%1 : sélectionnez d'abord les éléments")
                      .arg(QString::fromUtf8(editing::toolName(*kind))),
                  true);
        return false;
    }
    tool_.reset();
    if (kind) {
        toolBlank_ = host_.blank();
        tool_ = editing::makeTool(*kind, {toolBlank_, selection_, pen_});
    }
    snap_.reset();
    commandLine_.clear();
    showPrompt();
    showOverlay();
    emit toolChanged();
    return true;
}

std::optional<editing::ToolKind> EditController::tool() const {
    if (!tool_)
        return std::nullopt;
    return tool_->kind();
}

QString EditController::prompt() const {
    return tool_ ? qs(tool_->prompt()) : kSelectingPrompt;
}

void EditController::select(editing::Selection selection) {
    std::sort(selection.begin(), selection.end());
    selection.erase(std::unique(selection.begin(), selection.end()), selection.end());
    const std::size_t size = host_.blank().size();
    std::erase_if(selection, [size](std::size_t i) { return i >= size; });
    if (selection == selection_)
        return;
    selection_ = std::move(selection);
    showOverlay();
    emit selectionChanged();
}

void EditController::click(Point at, bool adding) {
    if (!active_)
        return;
    if (tool_) {
        const Point p = snapped(at);
        take(tool_->givePoint(p, pickAt(at)));
        return;
    }
    const std::optional<std::size_t> picked = pickAt(at);
    if (!adding) {
        select(picked ? editing::Selection{*picked} : editing::Selection{});
        return;
    }
    if (!picked)
        return;
    editing::Selection next = selection_;
    const auto found = std::find(next.begin(), next.end(), *picked);
    if (found == next.end())
        next.push_back(*picked);
    else
        next.erase(found);
    select(std::move(next));
}

void EditController::hover(Point at) {
    if (!active_)
        return;
    cursor_ = at;
    if (tool_) {
        const Point p = snapped(at);
        tool_->hover(p);
    }
    showOverlay();
}

void EditController::dragWindow(Point from, Point to, bool adding) {
    if (!active_ || tool_)
        return;
    Box window;
    window.add(from);
    window.add(to);
    const auto mode = from.x <= to.x ? editing::WindowMode::Inside : editing::WindowMode::Crossing;
    editing::Selection taken = editing::elementsInWindow(host_.blank(), window, mode);
    if (adding)
        taken.insert(taken.end(), selection_.begin(), selection_.end());
    select(std::move(taken));
}

void EditController::enter(const QString& text) {
    if (!active_)
        return;
    const std::string typed = text.trimmed().toStdString();
    if (!tool_) {
        if (!typed.empty())
            host_.say(QStringLiteral("Choisissez d'abord un outil"), true);
        return;
    }
    if (typed.empty()) {
        take(tool_->finish());
        commandLine_.clear();
        return;
    }
    // A number where one is asked; a point typed there goes to the tool all the same, since
    // some prompts take either ("Point du cercle ou rayon", "Angle ou point").
    const editing::TypedValue value =
        tool_->wantsValue() ? editing::parseValue(typed) : editing::TypedValue{};
    if (value.value) {
        commandLine_.clear();
        take(tool_->giveValue(*value.value));
        return;
    }
    const editing::TypedPoint point = editing::parsePoint(typed, tool_->lastPoint());
    if (!point.point) {
        host_.say(qs(tool_->wantsValue() ? value.refusal : point.refusal), true);
        return;
    }
    commandLine_.clear();
    take(tool_->givePoint(*point.point, pickAt(*point.point)));
}

void EditController::escape() {
    commandLine_.clear();
    if (tool_) {
        startTool(std::nullopt);
        return;
    }
    select({});
}

void EditController::deleteSelection() {
    if (!active_ || selection_.empty())
        return;
    const editing::EditOutcome outcome = editing::deleted(host_.blank(), selection_);
    if (!outcome) {
        host_.say(qs(outcome.refusal), true);
        return;
    }
    selection_.clear();
    emit selectionChanged();
    host_.apply(*outcome.blank);
    showOverlay();
}

void EditController::blankChanged() {
    if (!active_)
        return;
    const std::vector<Element>& blank = host_.blank();
    const std::size_t before = selection_.size();
    std::erase_if(selection_, [&blank](std::size_t i) { return i >= blank.size(); });
    if (selection_.size() != before)
        emit selectionChanged();
    if (tool_ && toolBlank_ != blank)
        restartTool();
    showOverlay();
}

void EditController::pressed(QPointF at, Qt::KeyboardModifiers) {
    pressAt_ = at;
    windowing_ = false;
}

void EditController::moved(QPointF at, bool buttonDown) {
    const Point world = view_.toWorld(at);
    if (buttonDown && pressAt_ && !tool_) {
        const QPointF travel = at - *pressAt_;
        if (windowing_ || std::hypot(travel.x(), travel.y()) > kDragPx) {
            windowing_ = true;
            windowFrom_ = view_.toWorld(*pressAt_);
            windowTo_ = world;
            showOverlay();
            return;
        }
    }
    hover(world);
}

void EditController::released(QPointF at, Qt::KeyboardModifiers modifiers) {
    const bool adding = modifiers & (Qt::ShiftModifier | Qt::ControlModifier);
    const bool window = windowing_;
    windowing_ = false;
    pressAt_.reset();
    if (window)
        dragWindow(windowFrom_, view_.toWorld(at), adding);
    else
        click(view_.toWorld(at), adding);
    showOverlay();
}

void EditController::keyPressed(int key, const QString& text) {
    switch (key) {
        case Qt::Key_Escape:
            escape();
            return;
        case Qt::Key_Delete:
            deleteSelection();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            commandEntered();
            return;
        case Qt::Key_Backspace:
            commandLine_.backspace();
            return;
        default:
            // What is typed over the drawing goes to the command line.
            if (!text.isEmpty() && text.at(0).isPrint())
                commandLine_.insert(text);
    }
}

void EditController::commandEntered() {
    enter(commandLine_.text());
}

double EditController::pixelsToMm(double pixels) const {
    return pixels / view_.scale();
}

std::optional<std::size_t> EditController::pickAt(Point at) const {
    return editing::pickElement(host_.blank(), at, pixelsToMm(kPickPx));
}

Point EditController::snapped(Point cursor) {
    editing::SnapSettings settings = snaps_;
    settings.aperture = pixelsToMm(kSnapPx);
    const std::optional<Point> from = tool_ ? tool_->lastPoint() : std::nullopt;
    snap_ = editing::findSnap(host_.drawing(), cursor, settings, from);
    return snap_ ? snap_->at : cursor;
}

void EditController::take(const editing::ToolStep& step) {
    if (!step.refusal.empty())
        host_.say(qs(step.refusal), true);
    if (step.distance) {
        const editing::DistanceMeasure& d = *step.distance;
        host_.say(QStringLiteral("Distance : %1 (dx %2 ; dy %3 ; angle %4)")
                      .arg(mm(d.distance), mm(d.dx), mm(d.dy), degrees(d.angleDeg)),
                  false);
    }
    if (step.angle)
        host_.say(QStringLiteral("Angle : %1").arg(degrees(*step.angle)), false);
    if (step.edited) {
        host_.apply(*step.edited);
        restartTool();
    }
    showPrompt();
    showOverlay();
}

void EditController::restartTool() {
    if (!tool_)
        return;
    const editing::ToolKind kind = tool_->kind();
    const std::size_t size = host_.blank().size();
    std::erase_if(selection_, [size](std::size_t i) { return i >= size; });
    if (editing::needsSelection(kind) && selection_.empty()) {
        startTool(std::nullopt);
        return;
    }
    toolBlank_ = host_.blank();
    tool_ = editing::makeTool(kind, {toolBlank_, selection_, pen_});
    showPrompt();
}

void EditController::showOverlay() {
    EditOverlay overlay;
    if (active_) {
        const std::vector<Element>& blank = host_.blank();
        for (std::size_t i : selection_)
            if (i < blank.size())
                overlay.selected.push_back(blank[i]);
        if (tool_)
            overlay.preview = tool_->preview();
        if (tool_ && snap_) {
            overlay.snap = snap_->at;
            overlay.snapName = QString::fromUtf8(editing::snapName(snap_->kind));
        }
        if (windowing_) {
            Box window;
            window.add(windowFrom_);
            window.add(windowTo_);
            overlay.window = window;
            overlay.crossing = windowTo_.x < windowFrom_.x;
        }
    }
    view_.setOverlay(std::move(overlay));
}

void EditController::showPrompt() {
    prompt_.setText(active_ ? prompt() : QString());
}

}  // namespace brontaxe::app
