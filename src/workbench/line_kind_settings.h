#pragma once
// The names of layers and CFF2 rule types the user told the program, kept in the settings
// ([Calques] Correspondances=NOM=coupe;type 7=rainant) so that the next file with them opens
// without asking. DXF layer names cannot hold ';' nor '=', so the list needs no quoting.

#include "io/line_kind_table.h"
#include "platform/profile_file.h"

namespace brontaxe {

// The shipped table with the user's names over it.
io::LineKindTable lineKindTable(const platform::PrivateProfile& settings);

// Saves the user's names of `table`; false when the settings could not be written.
bool rememberLineKinds(const platform::PrivateProfile& settings, const io::LineKindTable& table);

}  // namespace brontaxe
