#include "binding_summary.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "kept_byte.h"
#include "key_labels.h"
#include "keys/binding_tokens.h"

namespace dk::check {

namespace {

constexpr size_t kKeyColumn = 12;

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

// The token, and the player's label where it differs.
std::string KeyText(const ActionResult& result) { return FormatKeyToken(result.code) + YourKeyNote(result.code); }

// Characters, not bytes: a label may be a letter such as "Ù".
size_t Characters(const std::string& text) {
    size_t count = 0;
    for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) == 0x80 ? 0 : 1;
    return count;
}

// As wide as the widest key, so that labels beside tokens keep the columns straight.
size_t KeyColumnWidth(const ActionResults& results) {
    size_t width = kKeyColumn;
    for (const ActionResult& result : results) {
        if (result.setByFile) width = std::max(width, Characters(KeyText(result)));
    }
    return width;
}

std::string DescribeRow(const ActionResult& result, const ActionResults& results, size_t keyColumn) {
    char head[96];
    std::snprintf(head, sizeof head, "%4d %-18s ", static_cast<int>(result.index), ActionName(result.index));
    const std::string key = result.setByFile ? KeyText(result) : "--";
    const std::string column = key + std::string(keyColumn + 1 - Characters(key), ' ');
    if (!result.setByFile) return head + column + "not set by the file (the game keeps its own)\n";
    return head + column + "line " + std::to_string(result.lineNumber) + TruncationNote(result.code) +
           SharedWith(result, results) + "\n";
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
    const size_t keyColumn = KeyColumnWidth(results);
    for (const ActionResult& result : results) text += DescribeRow(result, results, keyColumn);
    return text;
}

}  // namespace dk::check
