#include "io/dxf_owner_writer.h"

#include <cstdio>
#include <map>

namespace brontaxe::io {
namespace {

using Group = DxfOwnerWriter::Group;

constexpr int kObjectType = 0;
constexpr int kHandle = 5;
constexpr int kOwner = 330;
constexpr int kSoftOwnerEntry = 350;
constexpr int kHardOwnerEntry = 360;
constexpr int kDefaultEntry = 340;

std::string handleText(const Group& g) {
    if (const auto* s = std::get_if<std::string>(&g.value))
        return *s;
    if (const auto* i = std::get_if<int>(&g.value)) {
        char text[16];
        std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(*i));
        return text;
    }
    return {};
}

bool isDictionary(const std::string& type) {
    return type == "DICTIONARY" || type == "ACDBDICTIONARYWDFLT";
}

// Each object listed by a dictionary is owned by it; the first dictionary is the root.
std::map<std::string, std::string> ownersOf(const std::vector<Group>& groups) {
    std::map<std::string, std::string> owners;
    std::string type;
    std::string handle;
    bool rootSeen = false;
    for (const Group& g : groups) {
        if (g.code == kObjectType) {
            type = handleText(g);
            handle.clear();
        } else if (g.code == kHandle && handle.empty()) {
            handle = handleText(g);
            if (isDictionary(type) && !rootSeen) {
                owners[handle] = "0";
                rootSeen = true;
            }
        } else if (isDictionary(type) && !handle.empty() &&
                   (g.code == kSoftOwnerEntry || g.code == kHardOwnerEntry ||
                    g.code == kDefaultEntry)) {
            owners.emplace(handleText(g), handle);
        }
    }
    return owners;
}

}  // namespace

std::vector<Group> DxfOwnerWriter::withOwners(const std::vector<Group>& objects) {
    const std::map<std::string, std::string> owners = ownersOf(objects);
    std::vector<Group> out;
    bool handleSeen = true;
    for (const Group& g : objects) {
        out.push_back(g);
        if (g.code == kObjectType) {
            handleSeen = false;
        } else if (g.code == kHandle && !handleSeen) {
            handleSeen = true;
            const auto owner = owners.find(handleText(g));
            if (owner != owners.end())
                out.push_back({kOwner, owner->second});
        }
    }
    return out;
}

void DxfOwnerWriter::beginObjects() {
    keeping_ = true;
    kept_.clear();
}

void DxfOwnerWriter::endObjects() {
    keeping_ = false;
    for (const Group& g : withOwners(kept_))
        write(g);
    kept_.clear();
}

void DxfOwnerWriter::write(const Group& g) const {
    if (const auto* d = std::get_if<double>(&g.value))
        DL_WriterA::dxfReal(g.code, *d);
    else if (const auto* i = std::get_if<int>(&g.value))
        g.hex ? DL_WriterA::dxfHex(g.code, *i) : DL_WriterA::dxfInt(g.code, *i);
    else
        DL_WriterA::dxfString(g.code, std::get<std::string>(g.value));
}

void DxfOwnerWriter::dxfReal(int gc, double value) const {
    keeping_ ? kept_.push_back({gc, value}) : DL_WriterA::dxfReal(gc, value);
}

void DxfOwnerWriter::dxfInt(int gc, int value) const {
    keeping_ ? kept_.push_back({gc, value}) : DL_WriterA::dxfInt(gc, value);
}

void DxfOwnerWriter::dxfHex(int gc, int value) const {
    keeping_ ? kept_.push_back({gc, value, true}) : DL_WriterA::dxfHex(gc, value);
}

void DxfOwnerWriter::dxfString(int gc, const char* value) const {
    keeping_ ? kept_.push_back({gc, std::string(value)}) : DL_WriterA::dxfString(gc, value);
}

void DxfOwnerWriter::dxfString(int gc, const std::string& value) const {
    keeping_ ? kept_.push_back({gc, value}) : DL_WriterA::dxfString(gc, value);
}

}  // namespace brontaxe::io
