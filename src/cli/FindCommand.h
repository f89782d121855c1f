#pragma once
#include <string>

#include "render/FindFields.h"

namespace Tabulon {

struct CliSession;

// Prints every field that holds the text as the window's find matches it, in
// report order, as a JSON array of {"Row", "Column", "Page"} objects written as
// they are found; in one column or all, inside the fields or whole, as
// `rules` say. Returns the exit status.
int PrintFoundFields(const CliSession& session, const std::string& text, FindRules rules = {});

}  // namespace Tabulon
