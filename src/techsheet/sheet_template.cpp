#include "techsheet/sheet_template.h"

#include <algorithm>
#include <variant>

#include "board/data_directory.h"
#include "drawing/dimension_layout.h"
#include "drawing/sheet_elements.h"
#include "io/drawing_files.h"
#include "io/overloaded.h"

namespace brontaxe {
namespace {

// Everything shown but the sheet: the blank, its dimensions, texts and board sheet.
Box shownBounds(const Drawing& d) {
    Drawing rest;
    for (const Element& e : d.elements()) {
        if (!isSheetElement(e))
            rest.addElement(e);
    }
    return drawingBounds(rest, DimensionStyle::forExtents(rest.extents()));
}

Box boundsOf(const std::vector<Element>& elements) {
    Drawing sheet;
    for (const Element& e : elements)
        sheet.addElement(e);
    return drawingBounds(sheet, DimensionStyle::forExtents(sheet.extents()));
}

// A template is drawn for a small blank: beside a larger one it grows as the dimension texts
// do, so that it reads as well as they do when the whole drawing is shown.
double growthBeside(const Drawing& d) {
    const DimensionStyle small;
    return DimensionStyle::forExtents(d.extents()).textHeight / small.textHeight;
}

void scaleAboutOrigin(Element& e, double k) {
    std::visit(io::Overloaded{
                   [k](LineShape& l) {
                       l.a = l.a * k;
                       l.b = l.b * k;
                   },
                   [k](ArcShape& a) {
                       a.centre = a.centre * k;
                       a.radius *= k;
                   },
                   [k](DimensionShape& dim) {
                       dim.p1 = dim.p1 * k;
                       dim.p2 = dim.p2 * k;
                       dim.ref = dim.ref * k;
                   },
                   [k](TextShape& t) {
                       t.position = t.position * k;
                       t.height *= k;
                   },
                   [k](SheetShape& r) {
                       r.min = r.min * k;
                       r.max = r.max * k;
                   },
                   [](ContourShape&) {},
                   [k](SymbolShape& sym) {
                       sym.position = sym.position * k;
                       sym.size *= k;
                   },
               },
               e.shape);
}

void removeSheetElements(Drawing& d) {
    for (std::int32_t id = d.lastId().value; id >= kFirstElementId; --id) {
        if (isSheetElement(d.element(ElementId{id})))
            d.DeleteElement(ElementId{id});
    }
}

}  // namespace

std::optional<std::string> sheetSizeProblem(std::size_t count) {
    if (count <= static_cast<std::size_t>(kMaxSheetFields))
        return std::nullopt;
    return "Fiche technique de " + std::to_string(count) + " champs : le questionnaire en prend " +
           std::to_string(kMaxSheetFields) + " au plus";
}

std::variant<SheetTemplate, std::string> readSheetTemplate(const std::filesystem::path& path) {
    Drawing file;
    const io::FileResult read = io::OpenDrawing(file, path);
    if (!read.ok)
        return "Modèle de fiche technique illisible : " + path.string() + " (" + read.message + ")";
    if (file.SheetName().empty())
        return "Ce dessin n'est pas un modèle de fiche technique : " + path.string();
    if (auto problem = sheetSizeProblem(file.sheetFields().size()))
        return *problem + " (" + path.string() + ")";
    return SheetTemplate{file.SheetName(), file.sheetFields(), file.elements()};
}

std::filesystem::path shippedSheetTemplate(const platform::EnvironmentLookup& env) {
    return std::filesystem::path(shippedDataDirectory(env)) / kShippedSheetTemplate;
}

std::filesystem::path sheetTemplatePath(std::string_view nomModel,
                                        const platform::EnvironmentLookup& env) {
    if (nomModel.find_first_not_of(' ') == std::string_view::npos)
        return shippedSheetTemplate(env);
    return std::filesystem::path(std::string(nomModel));
}

void insertTechnicalSheet(Drawing& d, const SheetTemplate& t) {
    std::vector<Element> elements = t.elements;
    const double k = std::max(1.0, growthBeside(d));
    for (Element& e : elements) {
        if (!isSheetElement(e))
            e.flag = kFlagSheet;
        scaleAboutOrigin(e, k);
    }
    placeSheetElements(d, std::move(elements));
    d.setTechnicalSheet(t.name, t.fields);
}

void adoptTechnicalSheet(Drawing& to, const Drawing& from) {
    std::vector<Element> elements = sheetElements(from);
    removeSheetElements(to);
    placeSheetElements(to, std::move(elements));
    to.setTechnicalSheet(from.SheetName(), from.sheetFields());
}

std::vector<Element> sheetElements(const Drawing& d) {
    std::vector<Element> out;
    std::copy_if(d.elements().begin(), d.elements().end(), std::back_inserter(out),
                 [](const Element& e) { return isSheetElement(e); });
    return out;
}

void placeSheetElements(Drawing& d, std::vector<Element> elements) {
    if (elements.empty())
        return;
    // A sheet already drawn makes way for the new one, never lying beside it.
    removeSheetElements(d);
    const Box shown = shownBounds(d);
    const Box sheet = boundsOf(elements);
    const Point to = shown.empty ? Point{0, 0} : Point{shown.xmax + kSheetGapMm, shown.ymin};
    const Point by = sheet.empty ? to : to - Point{sheet.xmin, sheet.ymin};
    const ElementId first{d.lastId().value + 1};
    for (Element& e : elements)
        d.addElement(std::move(e));
    d.TransformRange(first, d.lastId(), Transform::move(by));
}

}  // namespace brontaxe
