#include "binding_summary.h"

#include <cstdint>
#include <cstdio>

#include "kept_byte.h"
#include "keys/binding_tokens.h"

namespace dk::check {

namespace {

bool SharesKey(const ActionResult& a, const ActionResult& b) {
    return a.setByFile && b.setByFile && a.index != b.index && KeptByte(a.code) != 0 &&
           KeptByte(a.code) == KeptByte(b.code);
}

std::string SharedWith(const ActionResult& result, const ActionResults& results) {
    std::string others;
    for (const ActionResult& other : results) {
        if (!SharesKey(result, other)) continue;
        others += others.empty() ? "  shares its key with " : ", ";
        others += std::to_string(other.index) + " " + ActionName(other.index);
    }
    return others;
}

// A code beyond one byte reaches the game only as its low byte.
std::string TruncationNote(KeyCode code) {
    if (code >= -128 && code <= 255) return "";
    char note[64];
    std::snprintf(note, sizeof note, "  (the game keeps only byte 0x%02X)", KeptByte(code));
    return note;
}

std::string DescribeRow(const ActionResult& result, const ActionResults& results) {
    char head[96];
    std::snprintf(head, sizeof head, "%4d %-18s ", static_cast<int>(result.index), ActionName(result.index));
    if (!result.setByFile) return std::string(head) + "--           not set by the file (the game keeps its own)\n";
    char where[32];
    std::snprintf(where, sizeof where, "line %zu", result.lineNumber);
    char token[48];
    std::snprintf(token, sizeof token, "%-12s ", FormatKeyToken(result.code).c_str());
    return head + std::string(token) + where + TruncationNote(result.code) + SharedWith(result, results) + "\n";
}

}  // namespace

ActionResults ResultingBindings(const std::vector<BindingLine>& lines) {
    ActionResults results{};
    for (int i = 0; i < kMappableActionCount; ++i) results[i] = {MappableActions[i], false, 0, 0};
    for (size_t number = 1; number <= lines.size(); ++number) {
        const BindingLine& line = lines[number - 1];
        if (line.outcome != LineOutcome::Bound) continue;
        for (ActionResult& result : results) {
            if (result.index == line.index) result = {line.index, true, line.code, number};
        }
    }
    return results;
}

std::string DescribeBindings(const ActionResults& results) {
    std::string text;
    for (const ActionResult& result : results) text += DescribeRow(result, results);
    return text;
}

}  // namespace dk::check
