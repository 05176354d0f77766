#include "checks.h"

#include <cstdio>
#include <vector>

namespace standin {
namespace {
int failures = 0;
std::vector<std::string> violations;
}  // namespace

bool Check(bool ok, const std::string& what) {
    std::printf("%s: %s\n", ok ? "PASS" : "FAIL", what.c_str());
    std::fflush(stdout);
    if (!ok) ++failures;
    return ok;
}

void Violation(const std::string& what) {
    if (violations.size() < 50) violations.push_back(what);
}

void ReportViolations() {
    for (const std::string& v : violations) Check(false, "game contract: " + v);
    if (violations.empty()) Check(true, "every game call kept its call form and arguments");
    violations.clear();
}

int FailureCount() { return failures; }

}  // namespace standin
