#include "pallet/result_grid.h"

#include <cmath>

#include "platform/number_text.h"

namespace brontaxe::pallet {
namespace {

long long integerOf(const std::string& text) {
    return std::llround(platform::leadingNumber(text));
}

}  // namespace

ResultGrid gridFromResultLines(const std::vector<std::string>& lines, LoadKind kind) {
    ResultGrid g;
    auto line = [&lines](std::size_t n) { return n < lines.size() ? lines[n] : std::string(); };
    for (int i = 0; i < 5; ++i)
        g.Text2[i] = line(35 + i);
    g.Text2[5] = line(48);
    g.Text2[6] = line(49);
    g.Text2[7] = line(50);
    g.Text2[9] = platform::numberText(platform::leadingNumber(line(51)));
    g.Text2[13] = line(44);
    g.Text2[14] = line(45);
    g.Text2[15] = line(46);
    g.Text2[17] = line(47);
    g.Text2[18] = line(53);
    g.Text2[19] = line(54);
    g.Text2[20] = line(55);
    g.Text2[22] = line(52);
    if (kind == LoadKind::FlatBlanks) {
        // Bundles: the layer count is on line 12, and the total is worked out here.
        g.Text2[10] = line(12);
        g.Text2[11] = line(21);
        g.Text2[12] = std::to_string(integerOf(line(12)) * integerOf(line(21)));
    } else {
        g.Text2[10] = line(19);
        g.Text2[11] = line(20);
        g.Text2[12] = line(21);
    }
    g.Text4[0] = line(42);
    g.Text4[1] = line(43);
    return g;
}

}  // namespace brontaxe::pallet
