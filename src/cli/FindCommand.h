#pragma once
#include <string>

struct CliSession;

// Prints every field that holds the text as the window's find matches it, in
// report order, as a JSON array of {"Row", "Column", "Page"} objects written as
// they are found. Returns the exit status.
int PrintFoundFields(const CliSession& session, const std::string& text);
