#pragma once
// The DXF file writer, with one mend: dxflib writes the OBJECTS section without the owner of
// each object (group code 330), which strict readers refuse or repair. While the objects are
// written, their groups are kept; at the end each object gets its owner, the dictionary that
// lists it (the root dictionary's owner is 0), and the groups go to the file.

#include <dxflib/dl_writer_ascii.h>

#include <string>
#include <variant>
#include <vector>

namespace brontaxe::io {

class DxfOwnerWriter : public DL_WriterA {
  public:
    using DL_WriterA::DL_WriterA;

    // Between these two, groups are kept instead of written.
    void beginObjects();
    void endObjects();

    void dxfReal(int gc, double value) const override;
    void dxfInt(int gc, int value) const override;
    void dxfHex(int gc, int value) const override;
    void dxfString(int gc, const char* value) const override;
    void dxfString(int gc, const std::string& value) const override;

    struct Group {
        int code;
        std::variant<double, int, std::string> value;
        bool hex = false;
    };
    // The groups of the objects with every object's owner after its handle.
    static std::vector<Group> withOwners(const std::vector<Group>& objects);

  private:
    void write(const Group& g) const;

    bool keeping_ = false;
    mutable std::vector<Group> kept_;
};

}  // namespace brontaxe::io
