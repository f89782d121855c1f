#pragma once
#include <string>

// Prints the state right after opening the report as one JSON object.
std::string InfoJson(const struct CliSession& session);
