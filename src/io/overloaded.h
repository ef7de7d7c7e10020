#pragma once

#include "platform/overloaded.h"

namespace brontaxe::io {

using brontaxe::Overloaded;

}  // namespace brontaxe::io
