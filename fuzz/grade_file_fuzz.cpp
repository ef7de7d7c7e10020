// Any bytes, read as a grade file in either format, must give a consistent table and located
// faults without a crash; whatever was read must write out and read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "board/table_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brontaxe;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (TableFormat format : {TableFormat::Current, TableFormat::Older}) {
        const GradeFileRead read = readGradeFile(text, format);
        if (read.table.count() < 0 || read.table.count() > kMaxGrades)
            std::abort();
        for (const ItemError& e : read.faults) {
            if (e.line == 0)
                std::abort();
        }
        // Whatever was kept lies in the ranges of the grade's fields.
        for (int n = 1; n <= read.table.count(); ++n) {
            const QualiteRec& g = read.table.at(n);
            if (!(g.thickness > 0 && g.thickness <= 30) ||
                !(g.doubleWall >= 0 && g.doubleWall <= 60))
                std::abort();
        }
        const GradeFileRead back = readGradeFile(writeGradeFile(read.table), TableFormat::Current);
        if (!back.faults.empty())
            std::abort();
        // Texts that cannot stand between quotes are mended on writing, so compare the numbers.
        if (back.table.count() != read.table.count())
            std::abort();
        for (int n = 1; n <= read.table.count(); ++n) {
            if (back.table.at(n).thickness != read.table.at(n).thickness ||
                back.table.at(n).doubleWall != read.table.at(n).doubleWall) {
                std::abort();
            }
        }
    }
    return 0;
}
