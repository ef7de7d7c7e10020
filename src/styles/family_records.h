#pragma once
// Each family's records, in list order: one function a family folder.

#include <vector>

#include "styles/style_record.h"

namespace brontaxe {

const std::vector<StyleRecord>& fco200Records();
const std::vector<StyleRecord>& fco300Records();
const std::vector<StyleRecord>& fco400Records();
const std::vector<StyleRecord>& fco500Records();
const std::vector<StyleRecord>& fco600Records();
const std::vector<StyleRecord>& fco700Records();
const std::vector<StyleRecord>& fco900Records();
// The top and bottom box ("0201/0711"), known by "/" and listed by no family.
const StyleRecord& topBottomRecord();

}  // namespace brontaxe
