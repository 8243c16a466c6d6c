// Folders the tests make and clean up: listing one, and removing a whole tree even when
// the setup has left its files read-only and hidden.
#pragma once
#include <string>
#include <vector>

void RemoveTree(const std::string& path);
// Names of the entries in a folder (without "." and "..").
std::vector<std::string> ListFolder(const std::string& path);
