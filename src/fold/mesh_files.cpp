#include "fold/mesh_files.h"

#include <cstdint>
#include <cstring>
#include <nlohmann/json.hpp>
#include <sstream>

namespace brontaxe::fold {
namespace {

std::string base64(const std::vector<unsigned char>& bytes) {
    static constexpr char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t left = bytes.size() - i;
        const std::uint32_t n = (std::uint32_t{bytes[i]} << 16) |
                                (left > 1 ? std::uint32_t{bytes[i + 1]} << 8 : 0) |
                                (left > 2 ? std::uint32_t{bytes[i + 2]} : 0);
        out += kDigits[(n >> 18) & 63];
        out += kDigits[(n >> 12) & 63];
        out += left > 1 ? kDigits[(n >> 6) & 63] : '=';
        out += left > 2 ? kDigits[n & 63] : '=';
    }
    return out;
}

template <typename T>
void append(std::vector<unsigned char>& bytes, T value) {
    unsigned char raw[sizeof(T)];
    std::memcpy(raw, &value, sizeof(T));  // glTF buffers are little-endian, as this machine
    bytes.insert(bytes.end(), raw, raw + sizeof(T));
}

}  // namespace

std::string objText(const Mesh& mesh) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.precision(10);
    out << "# Brontaxe: the blank folded, in millimetres\no boite\n";
    for (const Vec3& v : mesh.vertices)
        out << "v " << v.x << ' ' << v.y << ' ' << v.z << '\n';
    for (const auto& t : mesh.triangles)
        out << "f " << t[0] + 1 << ' ' << t[1] + 1 << ' ' << t[2] + 1 << '\n';
    return out.str();
}

std::string gltfText(const Mesh& mesh) {
    constexpr double kMetresPerMm = 0.001;
    std::vector<unsigned char> bytes;
    Bounds3 bounds;
    for (const Vec3& v : mesh.vertices) {
        const Vec3 m = v * kMetresPerMm;
        // Bounds of the numbers written, so that a reader's check of min and max holds.
        const Vec3 written{static_cast<float>(m.x), static_cast<float>(m.y),
                           static_cast<float>(m.z)};
        bounds.add(written);
        append(bytes, static_cast<float>(m.x));
        append(bytes, static_cast<float>(m.y));
        append(bytes, static_cast<float>(m.z));
    }
    const std::size_t positionBytes = bytes.size();
    for (const auto& t : mesh.triangles)
        for (int i : t)
            append(bytes, static_cast<std::uint32_t>(i));
    const std::size_t indexBytes = bytes.size() - positionBytes;
    using nlohmann::json;
    if (mesh.triangles.empty()) {
        // Nothing folds: an empty scene, which readers open, rather than an empty accessor,
        // which they refuse.
        const json empty = {{"asset", {{"version", "2.0"}, {"generator", "Brontaxe"}}},
                            {"scene", 0},
                            {"scenes", json::array({{{"nodes", json::array()}}})}};
        return empty.dump(1) + "\n";
    }
    json doc = {
        {"asset", {{"version", "2.0"}, {"generator", "Brontaxe"}}},
        {"scene", 0},
        {"scenes", json::array({{{"nodes", json::array({0})}}})},
        {"nodes", json::array({{{"mesh", 0}, {"name", "boite"}}})},
        {"meshes", json::array({{{"name", "boite"},
                                 {"primitives", json::array({{{"attributes", {{"POSITION", 0}}},
                                                              {"indices", 1},
                                                              {"mode", 4}}})}}})},
        {"buffers",
         json::array({{{"byteLength", bytes.size()},
                       {"uri", "data:application/octet-stream;base64," + base64(bytes)}}})},
        {"bufferViews",
         json::array(
             {{{"buffer", 0}, {"byteOffset", 0}, {"byteLength", positionBytes}, {"target", 34962}},
              {{"buffer", 0},
               {"byteOffset", positionBytes},
               {"byteLength", indexBytes},
               {"target", 34963}}})},
        {"accessors", json::array({{{"bufferView", 0},
                                    {"componentType", 5126},
                                    {"count", mesh.vertices.size()},
                                    {"type", "VEC3"},
                                    {"min", {bounds.min.x, bounds.min.y, bounds.min.z}},
                                    {"max", {bounds.max.x, bounds.max.y, bounds.max.z}}},
                                   {{"bufferView", 1},
                                    {"componentType", 5125},
                                    {"count", mesh.triangles.size() * 3},
                                    {"type", "SCALAR"}}})},
    };
    return doc.dump(1) + "\n";
}

}  // namespace brontaxe::fold
