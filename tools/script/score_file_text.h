#pragma once
// A top-score file as a script prints it: its length, then one line per record (place,
// name, score, date; an empty entry as "empty"), then the trailer record's number.

#include <string>

namespace script {

// The text of "scores\scores<n>.dat" under @p appFolder (which ends with "\"), or a line
// saying there is no such file.
std::string ScoreFileText(const std::string& appFolder, int n);

}  // namespace script
