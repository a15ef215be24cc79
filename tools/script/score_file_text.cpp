#include "tools/script/score_file_text.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "game/top_score_file.h"
#include "platform/files/paths.h"
#include "platform/files/record_file.h"

namespace script {

namespace {

using topscores::kEmptyScore;
using topscores::kRecordLength;
using topscores::kTableEntries;

std::string Field(const uint8_t* bytes, size_t size) {
    std::string text(reinterpret_cast<const char*>(bytes), size);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

int32_t Score(const uint8_t* bytes) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | bytes[i];
    int32_t score = 0;
    std::memcpy(&score, &v, sizeof score);
    return score;
}

// An empty entry holds a 0 character at the start of its name and -9999.
std::string RecordLine(int place, const std::array<uint8_t, kRecordLength>& r) {
    char line[96];
    const int32_t score = Score(&r[10]);
    if (r[0] == 0 && score == kEmptyScore) {
        std::snprintf(line, sizeof line, "%2d  empty\n", place);
    } else {
        std::snprintf(line, sizeof line, "%2d  %-10s %6d  %s\n", place, Field(&r[0], 10).c_str(),
                      score, Field(&r[14], 10).c_str());
    }
    return line;
}

}  // namespace

std::string ScoreFileText(const std::string& appFolder, int n) {
    const std::string path = appFolder + "scores\\scores" + std::to_string(n) + ".dat";
    const std::string title = "scores " + std::to_string(n);
    if (!vb::FileExists(path)) return title + ": no file\n";
    vb::RecordFile file(path, kRecordLength);
    std::string text = title + ": " + std::to_string(file.Lof()) + " bytes\n";
    std::array<uint8_t, kRecordLength> record{};
    const int32_t records = file.Records();
    for (int k = 1; k <= records && k <= kTableEntries; ++k) {
        file.Get(k, record);
        text += RecordLine(k, record);
    }
    if (file.Lof() > int64_t{kTableEntries} * kRecordLength) {
        file.Get(kTableEntries + 1, record);
        text += "trailer " + std::to_string(Score(&record[0])) + "\n";
    }
    file.Close();
    return text;
}

}  // namespace script
