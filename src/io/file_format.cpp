#include "io/file_format.h"

#include <array>
#include <cctype>

#include "io/writers.h"

namespace brontaxe::io {
namespace {

constexpr std::array<FileFormat, 13> kFormats{{
    {"des", "Korvane (*.des)", writeDes, true},
    {"pli", "PliAO (*.pli)", writePli, false},
    {"dxf", "Autocad (*.dxf)", writeDxf, false},
    {"ai", "Illustrator (*.ai)", writePdf, false},  // Illustrator opens PDF-compatible files
    {"pdf", "Adobe PDF (*.pdf)", writePdf, false},
    {"eps", "Postscript (*.eps)", writeEps, false},
    {"cf2", "CFF2 (*.cf2)", writeCff2, false},
    {"bmp", "Bitmap (*.bmp)", writeBmp, false},
    {"png", "PNG (*.png)", writePng, false},
    {"svg", "SVG (*.svg)", writeSvg, false},
    {"ev", "3D Presenter (*.ev)", writeEv, false},
    {"obj", "Boîte pliée OBJ (*.obj)", writeObj, false},
    {"gltf", "Boîte pliée glTF (*.gltf)", writeGltf, false},
}};

std::string lowerCase(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

std::span<const FileFormat> fileFormats() {
    return kFormats;
}

const FileFormat* formatForPath(const std::filesystem::path& path) {
    std::string ext = lowerCase(path.extension().string());
    if (ext.size() < 2)
        return nullptr;
    ext.erase(0, 1);
    for (const FileFormat& f : kFormats) {
        if (f.extension == ext)
            return &f;
    }
    return nullptr;
}

std::string supportedExtensionsText() {
    std::string out;
    for (const FileFormat& f : kFormats)
        out += (out.empty() ? "." : ", .") + std::string(f.extension);
    return out;
}

}  // namespace brontaxe::io
