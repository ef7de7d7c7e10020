// Any bytes, read as an allowance file in either format, must give a consistent table and
// located faults without a crash; whatever was read must write out and read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "board/table_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brontaxe;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (TableFormat format : {TableFormat::Current, TableFormat::Older}) {
        const AllowanceFileRead read = readAllowanceFile(text, format);
        for (const ItemError& e : read.faults) {
            if (e.line == 0)
                std::abort();
        }
        for (int slot = 1; slot <= read.table.count(); ++slot) {
            const MajoRec& r = read.table.at(slot);
            if (r.code <= 0 || r.grade < 1 || r.grade > 100 ||
                read.table.find(r.code, r.grade) != slot)
                std::abort();  // a pair at most once, code and grade in their ranges
            for (int k = 1; k <= kAllowanceCount; ++k) {
                const float v = r.values[static_cast<std::size_t>(k)];
                if (!(v >= -50 && v <= 1000))
                    std::abort();
            }
        }
        const AllowanceFileRead back =
            readAllowanceFile(writeAllowanceFile(read.table), TableFormat::Current);
        if (!back.faults.empty() || back.table.count() != read.table.count())
            std::abort();
        for (int slot = 1; slot <= read.table.count(); ++slot) {
            if (back.table.at(slot) != read.table.at(slot))
                std::abort();
        }
    }
    return 0;
}
