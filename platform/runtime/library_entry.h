#pragma once
/// Entries of shared libraries beside the program that are loaded when first needed (the
/// sound device, printing), so that what they bring costs nothing at start.

#include <string>

namespace vb {

/// The entry @p name of the library at @p path, which is loaded now unless it already is;
/// null when either cannot be found, with the reason in @p why.
void* LibraryEntry(const std::string& path, const char* name, std::string& why);

}  // namespace vb
