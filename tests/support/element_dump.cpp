#include "support/element_dump.h"

#include "drawing/drawing_dump.h"

namespace brontaxe::test {

std::vector<std::string> dumped(const std::vector<Element>& elements) {
    std::vector<std::string> out;
    out.reserve(elements.size());
    for (const Element& e : elements)
        out.push_back(dumpElement(e));
    return out;
}

std::vector<std::string> dumped(const std::vector<Shape>& shapes) {
    std::vector<Element> elements;
    elements.reserve(shapes.size());
    for (const Shape& s : shapes)
        elements.push_back(Element{s});
    return dumped(elements);
}

}  // namespace brontaxe::test
