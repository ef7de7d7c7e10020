#pragma once
// Which line kind a die-line made elsewhere means by its layer names (DXF) and its rule type
// codes (CFF2). The shipped table knows the usual names in French and English and the names
// this program writes; the user adds the others, and the settings keep them.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/element.h"

namespace brontaxe::io {

// The kinds a name can stand for: the five rule kinds, or annotation (kind::Auxiliary),
// which is kept and shown but never counted as a rule.
struct KindName {
    LineKind lineKind;
    std::string_view name;  // French, as stored in the settings and shown in the dialog
};
// coupe, rainant, perfo, mi-chair, perfo-rainant, annotation.
const std::vector<KindName>& kindNames();
std::optional<LineKind> kindFromName(std::string_view name);
std::string_view nameOfKind(LineKind lineKind);

// A layer name as it is compared: letters and digits only, upper case, accents dropped, so
// that "Mi-chair", "MI_CHAIR" and "mi chair" are one name.
std::string normaliseLayerName(std::string_view name);

class LineKindTable {
  public:
    // The usual names and ours.
    static LineKindTable shipped();

    // The kind a layer stands for, its name taken whole ("KISSCUT" and "NOCUT" are no cut);
    // nothing when the table does not know it.
    std::optional<LineKind> layerKind(std::string_view layer) const;
    std::optional<LineKind> cff2Kind(int typeCode) const;

    void setLayer(std::string_view layer, LineKind lineKind);
    void setCff2Type(int typeCode, LineKind lineKind);

    // The entries the user added, as the settings store them ("NOM=coupe", "type 7=rainant"
    // lines), and back. Lines that do not read are skipped.
    std::vector<std::pair<std::string, std::string>> userEntries() const;
    void addUserEntry(std::string_view key, std::string_view kindName);

  private:
    std::map<std::string, LineKind> layers_;  // by normalised name
    std::map<int, LineKind> cff2Types_;
    std::map<std::string, LineKind> userLayers_;  // as typed, for the settings
    std::map<int, LineKind> userTypes_;
};

// The key the settings and the dialog use for a CFF2 type code.
std::string cff2TypeKey(int typeCode);

}  // namespace brontaxe::io
