#include "pallet/cif_files.h"

#include <ctime>

#include "platform/number_text.h"
#include "platform/profile_file.h"
#include "platform/user_number.h"

namespace brontaxe::pallet {
namespace {

// A box's value as the study files want it: the number the box reads as ("4,7" as well as
// "4.7"), plain, with a period.
std::string number(const std::string& boxText) {
    return platform::numberText(
        platform::readUserNumber(boxText).value_or(platform::leadingNumber(boxText)));
}

void add(std::vector<std::string>& lines, std::initializer_list<const char*> fixed) {
    for (const char* line : fixed)
        lines.emplace_back(line);
}

void addGeneral(std::vector<std::string>& lines, const char* field1, const char* field7,
                const std::string& date) {
    lines.emplace_back("[General]");
    lines.emplace_back(std::string("Field #1=") + field1);
    add(lines, {"Field #3=KORVANE - CAPE ", "Field #4=Interface", "Field #5=0"});
    lines.emplace_back(std::string("Field #7=") + field7);
    add(lines, {"Field #9=2", "Field #10=0"});
    lines.emplace_back("Field #12=" + date);
    add(lines, {"Field #19=1", "Field #20=0", "Field #26=1", ""});
}

void addPalletHead(std::vector<std::string>& lines, const PalletStudy& s, const char* extension) {
    lines.emplace_back("[Pallet Restrictions#1]");
    lines.emplace_back("Field #1=" + s.pallet + extension);
    lines.emplace_back("Field #2=" + number(s.maxHeight));
    lines.emplace_back("Field #3=" + number(s.maxWeight));
    for (int f = 4; f <= 13; ++f)
        lines.emplace_back("Field #" + std::to_string(f) + "=0");
}

void addTruck(std::vector<std::string>& lines) {
    add(lines, {"[Truck Restrictions]", "Field #1=40WIDE.PA4", "Field #2=40000", "Field #3=1",
                "Field #4=1", "Field #13=1", "Field #14=1", "Field #16=1", "Field #17=2350", ""});
}

// The outside program reads its files in the Windows Latin code page: "é" is one byte there.
std::string latin1(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size()) {
            const auto next = static_cast<unsigned char>(utf8[i + 1]);
            out += static_cast<char>(((c & 0x03) << 6) | (next & 0x3F));
            ++i;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

}  // namespace

std::string shortDate(std::chrono::system_clock::time_point when) {
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&t, &local);
    char text[16];
    std::strftime(text, sizeof text, "%d/%m/%Y", &local);
    return text;
}

std::vector<std::string> caseStudyLines(const PalletStudy& s, const std::string& date) {
    std::vector<std::string> lines;
    addGeneral(lines, "1", "0", date);
    lines.emplace_back("[Secondary Pack]");
    lines.emplace_back("Field #1=" + number(s.length));
    lines.emplace_back("Field #2=" + number(s.width));
    lines.emplace_back("Field #3=" + number(s.height));
    lines.emplace_back("Field #10=" + number(s.unitWeight));
    lines.emplace_back("Field #11=" + number(s.netWeight));
    add(lines, {"Field #12=1", "Field #14=Caisse", "Field #31=0", "Field #32=0", "Field #33=1"});
    addPalletHead(lines, s, ".PA4");
    for (int f = 14; f <= 19; ++f)
        lines.emplace_back("Field #" + std::to_string(f) + "=1");
    lines.emplace_back("");
    addTruck(lines);
    return lines;
}

std::vector<std::string> blankStudyLines(const PalletStudy& s, const std::string& date) {
    std::vector<std::string> lines;
    addGeneral(lines, "20", "1", date);
    add(lines, {"[Primary Pack]", "Field #1=0", "Field #2=0"});
    lines.emplace_back("Field #10=" + number(s.unitWeight));
    add(lines, {"Field #11=0", "Field #45=0", "Field #56=0", "Field #34=Caisse découpée", ""});
    add(lines, {"[Secondary Pack]", "Field #14=Bundle", "Field #29=25", "Field #30=30",
                "Field #31=0", "Field #32=0", "Field #33=1", "Field #37=0", "Field #38=0",
                "Field #68=1", "Field #69=0", "Field #70=0", "Field #71=0"});
    lines.emplace_back("Field #72=" + number(s.length));
    lines.emplace_back("Field #73=" + number(s.width));
    lines.emplace_back("Field #74=" + number(s.height));
    lines.emplace_back("");
    addPalletHead(lines, s, ".pa4");
    add(lines, {"Field #14=1", "Field #15=1", "Field #16=1", "Field #17=0", "Field #18=0",
                "Field #19=0", ""});
    addTruck(lines);
    return lines;
}

std::vector<std::string> studyLines(const PalletStudy& study, const std::string& date) {
    return study.kind == LoadKind::FlatBlanks ? blankStudyLines(study, date)
                                              : caseStudyLines(study, date);
}

std::string crlfText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::optional<std::string> writeStudyFile(const std::filesystem::path& path,
                                          const std::vector<std::string>& lines) {
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    if (!platform::replaceFileAtomically(path, latin1(crlfText(lines))))
        return "Impossible d'écrire le fichier d'étude " + path.string();
    return std::nullopt;
}

}  // namespace brontaxe::pallet
